// Number and date texts: the format tables, the plain conversion and the locale's part in them.
#include "DateTimeFormat.h"
#include "EngineTestSupport.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace PlotFormat;

namespace {

struct FloatCase
{
    const char *format;
    double value;
    const char *text;
};

} // namespace

TEST(FormatFloat, TableOfFormatsInEnglish)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const double inf = std::numeric_limits<double>::infinity();
    const FloatCase cases[] = {
        {"#,##0.###", 1234.5, "1,234.5"},
        {"0.00", 2.675, "2.68"},
        {"0.00", -0.004, "0.00"},
        {"#,##0.###", 0.0005, "0.001"},
        {"##0.## %", 12.345, "12.35 %"},
        {"0.0;(0.0);zero", 1.25, "1.3"},
        {"0.0;(0.0);zero", -1.25, "(1.3)"},
        {"0.0;(0.0);zero", 0.04, "zero"},
        {"#.0 \"x10\" E+0", 1500, "1.5 x10 E+3"},
        {"0.000E-00", 0.00012345, "1.235E-04"},
        {"#,##0", 1234567.5, "1,234,568"},
        {"", 0.1, "0.1"},
        {"#,##0.###", std::nan(""), ""},
        {"#,##0.###", inf, ""},
        // Beyond the acceptance table: sign, carries, literals, exponent signs, long integers.
        {"#,##0.###", -1500, "-1,500"},
        {"0.00", 9.996, "10.00"},
        {"0.0;;zero", -2.0, "-2"},
        {"'x='0.0", 3.14159, "x=3.1"},
        {"0.0E+00", 99960, "1.0E+05"},
        {"0.0e-0", 12, "1.2e1"},
        {"#", 0.4, ""},
        {"000.0", 5.5, "005.5"},
        {"#,##0", 1e20, "1E20"},
        {"0.00E+0", 0.0, "0.00E+0"},
    };
    for (const FloatCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << " " << c.value);
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.text));
    }
}

// An axis label never reads "0" for a value that is not zero: the format's layout with the
// decimals the value needs, beyond fifteen of them the exponent form.
TEST(FormatFloatNeverZero, KeepsTheDigitsTheFormatWouldRoundAway)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const FloatCase cases[] = {
        {"#,##0.###", 1e-8, "0.00000001"},
        {"#,##0.###", 0.0004, "0.0004"},
        {"#,##0.###", -2.5e-5, "-0.000025"},
        {"#,##0.###", 6 * 2e-6, "0.000012"},
        {"#,##0.###", 1e-15, "0.000000000000001"},
        {"#,##0.###", 1e-16, "1E-16"},
        {"#,##0.###", -1.5e-300, "-1.5E-300"},
        {"#,##0.###", 1.23456789012345e-5, "1.23456789012345E-5"},
        {"#,##0", 0.3, "0.3"},
        {"0.0 'bar'", 0.004, "0.004 bar"},
        {"0.0;(0.0);zero", 0.04, "0.04"},
        {"0.0;(0.0);zero", -0.04, "(0.04)"},
        {"0.0;;zero", -0.04, "-0.04"},
        // What the format shows anyway stays as FormatFloat writes it.
        {"#,##0.###", 0.0, "0"},
        {"0.0;(0.0);zero", 0.0, "zero"},
        {"#,##0.###", 0.0005, "0.001"},
        {"#,##0.###", 1234.5, "1,234.5"},
        {"0.00E+0", 1e-20, "1.00E-20"},
        {"'x'", 0.2, "x"},
    };
    for (const FloatCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << " " << c.value);
        EXPECT_EQ(FormatFloatNeverZero(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.text));
    }
    const ScopedLocale german(QLocale(QLocale::German));
    EXPECT_EQ(FormatFloatNeverZero(QStringLiteral("#,##0.###"), 1e-4), QStringLiteral("0,0001"));
    EXPECT_EQ(FormatFloatNeverZero(QStringLiteral("#,##0.###"), 1e-20), QStringLiteral("1E-20"));
}

TEST(FormatFloat, GermanLocaleSwapsTheSeparators)
{
    const ScopedLocale german(QLocale(QLocale::German));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.###"), 1234.5), QStringLiteral("1.234,5"));
    EXPECT_EQ(FloatToStr(1.5e-6), QStringLiteral("1,5E-6"));
}

TEST(FloatToStr, GivenSeparatorIgnoresTheLocaleAndKeepsTheDigits)
{
    const ScopedLocale german(QLocale(QLocale::German));
    EXPECT_EQ(FloatToStr((100 - 30) * 0.01, u'.'), QStringLiteral("0.7"));
    EXPECT_EQ(FloatToStr(-1.5e-6, u'.'), QStringLiteral("-1.5E-6"));
    EXPECT_EQ(FloatToStr(1.0 / 3.0, u'.'), FloatToStr(1.0 / 3.0).replace(u',', u'.'));
}

TEST(FloatToStr, FifteenDigitsFixedOrExponent)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct { double value; const char *text; } cases[] = {
        {0.1, "0.1"}, {1.0 / 3.0, "0.333333333333333"}, {123456789012345.0, "123456789012345"},
        {1e15, "1E15"}, {0.00001, "0.00001"}, {1.5e-6, "1.5E-6"}, {-2.5, "-2.5"}, {0.0, "0"},
        {999999999999999.9, "1E15"}, {std::nan(""), ""}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToStr(c.value), QString::fromUtf8(c.text));
    }
}

TEST(FloatToChars, WritesFloatToStrTextWithoutAllocating)
{
    const double cases[] = {0.0, -0.0, 1.0, -1.0, 0.1, 1.0 / 3.0, -2.0 / 3.0, 123456789012345.0, 1e14, 1e15,
                            999999999999999.9, 0.00001, 0.0000099999999999999, 1.5e-6, -1.5e-6, 1e-300,
                            4.9e-324, 1.7976931348623157e308, 1e100, 100.0, 120.5, 1234567.125, 0.000123,
                            9.99999999999999e-6, std::nan(""), HUGE_VAL, -HUGE_VAL};
    for (const char16_t separator : {u'.', u','}) {
        for (const double value : cases) {
            SCOPED_TRACE(value);
            char16_t buffer[kFloatTextCapacity];
            const char16_t *end = FloatToChars(value, separator, buffer);
            ASSERT_LE(end - buffer, kFloatTextCapacity);
            EXPECT_EQ(QStringView(buffer, end - buffer).toString(), FloatToStr(value, QChar(separator)));
        }
    }
}

TEST(FormatDateTime, CodesOnTheTwentiethOfMarch2024)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const double days = 45371.4375; // 20 Mar 2024 10:30
    const struct { const char *format; const char *text; } cases[] = {
        {"dd.mm.yyyy hh:nn", "20.03.2024 10:30"},
        {"yyyy-mm-dd", "2024-03-20"},
        {"hh:mm", "10:30"},
        {"d mmm yy", "20 Mar 24"},
        {"dddd, mmmm d", "Wednesday, March 20"},
        {"ddddd", "3/20/24"},
        {"h:nn am/pm", "10:30 am"},
        {"h A/P", "10 A"},
        {"t", "10:30 AM"},
        {"yyyy/mm/dd", "2024/03/20"},
        {"\"at\" hh 'h'", "at 10 h"},
        {"hh:nn:ss.zzz", "10:30:00.000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), days), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(FormatDateTime(QStringLiteral("hh:nn"), 45371.9999999999), QStringLiteral("00:00"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy"), std::nan("")), QString());
    for (const double beyond : {1e19, -1e19, 1e300})
        EXPECT_EQ(FormatDateTime(QStringLiteral("hh:nn"), beyond), QString()) << beyond;
}

TEST(FormatDateTime, GermanSeparatorsAndDefaultFormats)
{
    const ScopedLocale german(QLocale(QLocale::German));
    EXPECT_EQ(FormatDateTime(QStringLiteral("dd/mm hh:nn"), 45371.4375), QStringLiteral("20.03 10:30"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddddd"), 45371.4375), QStringLiteral("20.03.24"));
}
