// Helpers of the calculation-core tests: record lines and tab-separated fixture files.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

// A 24-field record line with the given fields (1-based) filled and the rest empty.
inline QString makeRecord(std::initializer_list<std::pair<int, QString>> fields)
{
    QStringList parts(24);
    for (const auto &[n, text] : fields)
        parts[n - 1] = text;
    return parts.join(u'\t');
}

// Rows of a tab-separated fixture below tests/data, header line dropped.
inline QList<QStringList> readFixtureRows(const QString &relativePath)
{
    QFile file(QStringLiteral(TENSIMO_TEST_DATA_DIR "/") + relativePath);
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows.append(lines[i].split(u'\t'));
    return rows;
}
