// Checks shared by the shipped data lists.
#include "DataListCheck.h"

#include "app/core/RecordFields.h"
#include "app/data/GermanCollator.h"

#include <QSet>

#include <limits>

QStringList sourceLines(const QString &relativePath)
{
    return readTextLines(QStringLiteral(TENSIMO_SOURCE_DIR "/") + relativePath);
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
