// Field reading, decimal-separator swap and the point-only number parser.
#include "app/core/RecordFields.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RecordFields, GetFieldCountsFromOneAndKeepsEmptyFields)
{
    struct Case { const char16_t *line; int n; const char16_t *expected; };
    const Case cases[] = {
        {u"a\tb", 1, u"a"},
        {u"a\tb", 2, u"b"},
        {u"a\tb", 3, u""},
        {u"a\tb\t", 2, u"b"},
        {u"a\tb\t", 3, u""},
        {u"a\tb\t", 4, u""},
        {u"a\t\tc", 2, u""},
        {u"a\t\tc", 3, u"c"},
        {u"\ta", 1, u""},
        {u"\ta", 2, u"a"},
        {u"a\tb", 0, u""},
        {u"a\tb", -1, u""},
        {u"", 1, u""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << QString::fromUtf16(c.line).toStdString() << " field " << c.n);
        EXPECT_EQ(getField(c.line, c.n).toString(), QString::fromUtf16(c.expected));
    }
}

TEST(RecordFields, GetFieldTakesAnyDelimiterText)
{
    EXPECT_EQ(getField(u"x=1;;y=2;;z", 2, u";;").toString(), u"y=2");
    EXPECT_EQ(getField(u"x=1;;y=2;;z", 3, u";;").toString(), u"z");
    EXPECT_EQ(getField(u"KEY=Value", 2, u"=").toString(), u"Value");
}

TEST(RecordFields, SwapToCommaIsSkippedOnlyForEnglish)
{
    for (const QChar language : {u'D', u'F', u'H'}) {
        SCOPED_TRACE(QString(language).toStdString());
        EXPECT_EQ(swapDecimalSeparator(u"1.5", u'.', u',', language), u"1,5");
        EXPECT_EQ(swapDecimalSeparator(u"1,5", u',', u'.', language), u"1.5");
    }
    EXPECT_EQ(swapDecimalSeparator(u"1.5", u'.', u',', u'E'), u"1.5");
    EXPECT_EQ(swapDecimalSeparator(u"1,5;2,5", u',', u'.', u'E'), u"1.5;2.5");
}

TEST(RecordFields, ParserAcceptsPointNumbersAndPointsAtTheFirstBadCharacter)
{
    struct Case { const char16_t *text; long double value; int errorPosition; };
    const Case cases[] = {
        {u"1.5", 1.5L, 0},
        {u"-2.5e-3", -2.5e-3L, 0},
        {u"+4", 4.0L, 0},
        {u"  3", 3.0L, 0},
        {u".5", 0.5L, 0},
        {u"5.", 5.0L, 0},
        {u"1E3", 1000.0L, 0},
        {u"1e-5000", 0.0L, 0},
        {u"1,5", 0, 2},
        {u"3 ", 0, 2},
        {u"", 0, 1},
        {u"abc", 0, 1},
        {u"-", 0, 2},
        {u".", 0, 2},
        {u"1e", 0, 3},
        {u"1e+", 0, 4},
        {u"1.2.3", 0, 4},
        {u"inf", 0, 1},
        {u"nan", 0, 1},
        {u"12°", 0, 3},
        {u" 1e5000", 0, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        const ParsedNumber parsed = parseNumber(c.text);
        EXPECT_EQ(parsed.errorPosition, c.errorPosition);
        if (c.errorPosition == 0)
            EXPECT_EQ(parsed.value, c.value);
        else
            EXPECT_TRUE(std::isnan(parsed.value));
    }
}

TEST(RecordFields, ParserKeepsExtendedPrecision)
{
    // 0.1 differs between double and long double; the equations need the long double.
    EXPECT_EQ(parseNumber(u"0.1").value, 0.1L);
    EXPECT_NE(parseNumber(u"0.1").value, static_cast<long double>(0.1));
}

TEST(RecordFields, NumericFieldAcceptsCommaAndGivesNaNForNoNumber)
{
    const QString line = QStringLiteral("water\t1,5\t\t2.25\tabc\t-3e2");
    EXPECT_EQ(numericField(line, 2), 1.5L);
    EXPECT_TRUE(std::isnan(numericField(line, 3)));
    EXPECT_EQ(numericField(line, 4), 2.25L);
    EXPECT_TRUE(std::isnan(numericField(line, 5)));
    EXPECT_EQ(numericField(line, 6), -300.0L);
    EXPECT_TRUE(std::isnan(numericField(line, 7)));
}
