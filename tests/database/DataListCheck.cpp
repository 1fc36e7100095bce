// Checks shared by the shipped data lists.
#include "DataListCheck.h"

#include "app/core/RecordFields.h"
#include "app/data/GermanCollator.h"

#include <QFile>
#include <QSet>

#include <limits>

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QString withField(const QString &line, int n, const QString &value)
{
    QStringList fields = line.split(QLatin1Char('\t'));
    fields[n - 1] = value;
    return fields.join(QLatin1Char('\t'));
}

QStringList sourceLines(const QString &relativePath)
{
    return fileLines(QStringLiteral(TENSIMO_SOURCE_DIR "/") + relativePath);
}

long double dataNumber(QStringView field)
{
    const ParsedNumber number = parseNumber(swapDecimalSeparator(field, u',', u'.', u'D'));
    return !field.isEmpty() && number.ok() ? number.value : std::numeric_limits<long double>::quiet_NaN();
}

bool isWholeNumber(QStringView field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok && QString::number(value) == field;
}

QStringList repeatedNames(const QStringList &lines, int field)
{
    QSet<QString> seen;
    QStringList problems;
    for (const QString &line : lines) {
        const QString name = getField(line, field).toString();
        if (seen.contains(name))
            problems << QStringLiteral("\"%1\" occurs twice").arg(name);
        seen.insert(name);
    }
    return problems;
}

QStringList namesOutOfOrder(const QStringList &lines, int field)
{
    const GermanCollator collator;
    QStringList problems;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString before = getField(lines.at(i - 1), field).toString();
        const QString after = getField(lines.at(i), field).toString();
        if (collator.compare(before, after) > 0)
            problems << QStringLiteral("\"%1\" stands before \"%2\"").arg(before, after);
    }
    return problems;
}
