// The names of the global texts against the global language table, both ways.
#include "app/data/GlobalTexts.h"

#include "TestRecords.h"
#include "app/core/RecordFields.h"
#include "app/data/LanguageTables.h"

#include <QHash>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(GlobalTexts, EveryNameIsALineOfTheTableAndEveryUsedLineHasItsName)
{
    // Every constant as the header writes it (the compiler sees the same lines): "    Name = N,".
    const QString header = readTextLines(QStringLiteral(TENSIMO_SOURCE_DIR "/app/data/GlobalTexts.h")).join(u'\n');
    const QString body = header.section(QStringLiteral("enum class GlobalText : int {\n"), 1).section(u'}', 0, 0);
    QHash<QString, int> constants;
    for (const QString &line : body.split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^    (\\w+) = (\\d+),$")).match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        constants.insert(match.captured(1), match.captured(2).toInt());
    }
    const QStringList lines = shippedSourceLines(QStringLiteral("varglob.tsv"));
    ASSERT_EQ(lines.size(), LanguageTables::kGlobalTableMinimumLines);
    int named = 0;
    for (int n = 1; n <= LanguageTables::kGlobalTextCount; ++n) {
        const QString &line = lines.at(LanguageTables::kGlobalHeaderLines + n - 1);
        SCOPED_TRACE(line.toStdString());
        const bool free = getField(line, 2) == u"Free";
        for (int column = 4; column <= 7; ++column)
            EXPECT_EQ(getField(line, column) == u"-", free) << "column " << column;
        if (!free) {
            EXPECT_EQ(constants.value(getField(line, 2).toString(), -1), n);
            ++named;
        }
    }
    EXPECT_EQ(constants.size(), named) << "a constant names no line of the table";
}
