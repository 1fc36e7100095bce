// The names of the global texts against the global language table, both ways.
#include "app/data/GlobalTexts.h"

#include "TestRecords.h"
#include "app/core/RecordFields.h"
#include "app/data/LanguageTables.h"

#include <QHash>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Every constant of the header as written there: the compiler sees the same lines.
QHash<QString, int> headerConstants()
{
    const QStringList lines = readTextLines(QStringLiteral(TENSIMO_SOURCE_DIR "/app/data/GlobalTexts.h"));
    const qsizetype begin = lines.indexOf(QStringLiteral("enum class GlobalText : int {"));
    const qsizetype end = lines.indexOf(QStringLiteral("};"), begin);
    EXPECT_GE(begin, 0);
    EXPECT_GT(end, begin);
    const QRegularExpression constant(QStringLiteral("^    (\\w+) = (\\d+),$"));
    QHash<QString, int> constants;
    for (qsizetype i = begin + 1; i < end; ++i) {
        const QRegularExpressionMatch match = constant.match(lines.at(i));
        EXPECT_TRUE(match.hasMatch()) << "not a constant: " << lines.at(i).toStdString();
        EXPECT_FALSE(constants.contains(match.captured(1))) << match.captured(1).toStdString();
        constants.insert(match.captured(1), match.captured(2).toInt());
    }
    return constants;
}

} // namespace

TEST(GlobalTexts, EveryNameIsALineOfTheTableAndEveryUsedLineHasItsName)
{
    const QStringList lines = shippedSourceLines(QStringLiteral("varglob.tsv"));
    ASSERT_EQ(lines.size(), LanguageTables::kGlobalTableMinimumLines);
    const QHash<QString, int> constants = headerConstants();
    ASSERT_FALSE(constants.isEmpty());
    for (auto it = constants.cbegin(); it != constants.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_GE(it.value(), 1);
        ASSERT_LE(it.value(), LanguageTables::kGlobalTextCount);
        const QString &line = lines.at(LanguageTables::kGlobalHeaderLines + it.value() - 1);
        EXPECT_EQ(getField(line, 2), it.key());
        for (int column = 4; column <= 7; ++column)
            EXPECT_NE(getField(line, column), u"-") << "column " << column;
    }
    for (int n = 1; n <= LanguageTables::kGlobalTextCount; ++n) {
        const QString &line = lines.at(LanguageTables::kGlobalHeaderLines + n - 1);
        const QString identifier = getField(line, 2).toString();
        SCOPED_TRACE(line.toStdString());
        if (identifier == u"Free") {
            for (int column = 4; column <= 7; ++column)
                EXPECT_EQ(getField(line, column), u"-");
        } else {
            EXPECT_EQ(constants.value(identifier, -1), n);
        }
    }
}
