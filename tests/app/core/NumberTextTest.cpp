// Fixed-point widths, result texts, pressure-range labels and the input-error message.
#include "app/core/NumberText.h"

#include "TestRecords.h"
#include "app/core/PressureUnits.h"
#include "app/core/RangeLimits.h"
#include "app/core/RecordFields.h"
#include "app/core/TemperatureUnits.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <utility>

TEST(NumberText, MagnitudeClassCountsIntegerDigits)
{
    struct Case { double x; int digits; };
    const Case cases[] = {{0.0, 1}, {9.9999, 1}, {10.0, 2}, {-250.0, 3}, {99.99, 2},
                          {1e9, 10}, {9.99e9, 10}, {1e10, 11}, {-1e300, 11}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(magnitudeClass(c.x), c.digits);
    }
}

TEST(NumberText, FixedTextPadsToMagnitudeClassPlusThree)
{
    EXPECT_EQ(fixedText(150.39L, 0), u"   150");
    EXPECT_EQ(fixedText(1.5L, 1), u" 1.5");
    EXPECT_EQ(fixedText(123.4567L, 3), u"123.457");
    EXPECT_EQ(fixedText(-250.0L, 2), u"-250.00");
}

TEST(NumberText, FixedTextOfAHugeValueKeepsAllItsDigits)
{
    // 201 integer digits, the point and three decimals: a text cut short would be another number.
    for (const long double x : {1e200L, -3.5e150L}) {
        SCOPED_TRACE(double(x));
        const QString text = fixedText(x, 3);
        EXPECT_EQ(text.size(), std::snprintf(nullptr, 0, "%.3Lf", x));
        const ParsedNumber parsed = parseNumber(text);
        ASSERT_TRUE(parsed.ok());
        EXPECT_NEAR(double(parsed.value / x), 1.0, 1e-15);
    }
}

TEST(NumberText, FormatResultInFixedNotation)
{
    struct Case { long double x; QChar language; QChar systemSeparator; const char16_t *expected; };
    const Case cases[] = {
        {123.4567L, u'D', u',', u"123,457"},
        {123.4567L, u'E', u',', u"123.457"},
        {0.0006L, u'D', u',', u"0,001"},
        {0.0006L, u'E', u'.', u"0.001"},
        // Too small for three decimals: exponent form, with the system's separator.
        {0.0004L, u'D', u',', u"4,00000e-04"},
        {0.0004L, u'E', u'.', u"4.00000e-04"},
        {0.0004L, u'E', u',', u"4,00000e-04"},
        // The German swap also reaches the exponent form on a system with '.'.
        {0.0004L, u'D', u'.', u"4,00000e-04"},
        {1.5e10L, u'E', u'.', u"15000000000.000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << double(c.x) << ' ' << char(c.language.unicode()));
        EXPECT_EQ(formatResult(c.x, false, c.language, c.systemSeparator), QString::fromUtf16(c.expected));
    }
}

TEST(NumberText, FormatResultInScientificNotationUsesOnlyTheSystemSeparator)
{
    EXPECT_EQ(formatResult(1234.5L, true, u'D', u'.'), u"1.23450e+03");
    EXPECT_EQ(formatResult(1234.5L, true, u'E', u','), u"1,23450e+03");
    EXPECT_EQ(formatResult(-0.0123L, true, u'E', u'.'), u"-1.23000e-02");
}

TEST(NumberText, NonFiniteValuesNeverBecomeText)
{
    constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    for (const bool scientific : {false, true}) {
        EXPECT_TRUE(formatResult(nan, scientific, u'D', u',').isEmpty());
        EXPECT_TRUE(formatResult(-inf, scientific, u'E', u'.').isEmpty());
    }
    EXPECT_TRUE(fixedText(inf, 2).isEmpty());
}

TEST(NumberText, PressureRangeCaptionsFollowTheUnitGroup)
{
    const RangeTexts mbar = pressureRangeText(u"mbar", 0.05L, 2.0L, u'D');
    EXPECT_EQ(mbar.minCaption, u"p min. in mbar:");
    EXPECT_EQ(mbar.maxCaption, u"p max. in bar:");
    EXPECT_EQ(mbar.minValue, u"50,0");
    EXPECT_EQ(mbar.maxValue, u"2,0");

    const RangeTexts psi = pressureRangeText(u"psi", 1.0L, 10.0L, u'E');
    EXPECT_EQ(psi.minCaption, u"p min. in psi:");
    EXPECT_EQ(psi.maxCaption, u"p max. in psi:");
    EXPECT_EQ(psi.minValue, u"14.51"); // 14.5038 psi, rounded down, raised back inside
    EXPECT_EQ(psi.maxValue, u"145"); // 145.038 psi: no decimals from 100 on

    const RangeTexts pa = pressureRangeText(u"MPa", 0.01L, 5.0L, u'E');
    EXPECT_EQ(pa.minCaption, u"p min. in Pa:");
    EXPECT_EQ(pa.maxCaption, u"p max. in kPa:");
    EXPECT_EQ(pa.minValue, u"1000.0");
    EXPECT_EQ(pa.maxValue, u"500.0");

    const RangeTexts water = pressureRangeText(u"m H2O", 0.001L, 1.0L, u'E');
    EXPECT_EQ(water.minCaption, u"p min. in mm H2O:");
    EXPECT_EQ(water.maxCaption, u"p max. in m H2O:");
    EXPECT_EQ(water.minValue, u"10.2"); // 10.197 mm H2O
    EXPECT_EQ(water.maxValue, u"10.1"); // 10.197 m H2O, rounded up, lowered back inside
}

TEST(NumberText, PressureRangeShownLiesInsideTheGivenRange)
{
    const long double torr = kPressureUnits[kTorrUnitIndex].multiplier;
    const long double psi = kPressureUnits[pressureUnitIndex(u"psi")].multiplier;
    struct Case { const char16_t *unit; long double pminBar; long double pmaxBar; const char16_t *min; const char16_t *max; };
    const Case cases[] = {
        // Written without decimals, a guard step of 0.01 would leave "150" below 150.39 Torr.
        {u"Torr", 150.39L * torr, 760.7L * torr, u"151", u"760"},
        // A range narrower than the last shown decimal gets more decimals at both ends.
        {u"Torr", 12.341L * torr, 12.349L * torr, u"12.341", u"12.349"},
        {u"Torr", 12.3L * torr, 99.0L * torr, u"12.30", u"99.00"},
        {u"bar", 0.00123L, 1.26L, u"1.3", u"1.2"},
        // No limit reads as zero or below the other: two significant digits then.
        {u"bar", 0.0001L, 0.04L, u"0.1", u"0.040"},
        {u"psi", 0.0063L * psi, 0.0072L * psi, u"0.0063", u"0.0072"},
        // A minimum raised across 100 takes the decimals of its new value.
        {u"Torr", 99.991L * torr, 760.0L * torr, u"100", u"760"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.min).toStdString());
        const RangeTexts texts = pressureRangeText(c.unit, c.pminBar, c.pmaxBar, u'E');
        EXPECT_EQ(texts.minValue, QString::fromUtf16(c.min));
        EXPECT_EQ(texts.maxValue, QString::fromUtf16(c.max));
    }
}

TEST(NumberText, ARangeOfNoWidthShowsItsOnePressureByTheRoundingRule)
{
    // 33.0176 Pa, the pressure of two components that share only 333.0 K.
    const long double pBar = 0.000330176132818L;
    const long double atm = kPressureUnits[pressureUnitIndex(u"atm")].multiplier;
    const long double torr = kPressureUnits[kTorrUnitIndex].multiplier;
    struct Case { const char16_t *unit; long double bar; const char16_t *min; const char16_t *max; };
    const Case cases[] = {
        // An end that would read as zero shows two significant digits, never more.
        {u"Pa", pBar, u"33,0", u"0,033"},
        {u"bar", pBar, u"0,3", u"0,00033"},
        {u"mm H2O", pBar, u"3,4", u"0,0034"},
        {u"atm", 1.23456L * atm, u"1,23", u"1,23"},
        {u"atm", 2.5e-7L * atm, u"0,00000025", u"0,00000025"},
        {u"Torr", 456.7L * torr, u"457", u"457"}, // no decimals from 100 up
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.unit).toStdString());
        const RangeTexts texts = pressureRangeText(c.unit, c.bar, c.bar, u'D');
        EXPECT_EQ(texts.minValue, QString::fromUtf16(c.min));
        EXPECT_EQ(texts.maxValue, QString::fromUtf16(c.max));
    }
}

TEST(NumberText, EveryShownLimitOfEveryShippedRecordIsAccepted)
{
    const QStringList lines = shippedSourceLines(QStringLiteral("tenso20.tsv")).mid(3);
    ASSERT_GT(lines.size(), 1000);
    QStringList refused;
    const auto check = [&](const QString &what, const QString &shown, bool accepted) {
        if (!accepted && refused.size() < 10)
            refused.append(what + u' ' + shown);
    };
    for (const QString &record : lines) {
        const RangeLimits limits = recordRangeLimits(record);
        const QString name = getField(record, 5).toString();
        for (const QString &unit : pressureUnitTexts()) {
            const RangeTexts texts = pressureRangeText(unit, limits.pminBar, limits.pmaxBar, u'E');
            for (const auto &[value, valueUnit] :
                 {std::pair(texts.minValue, texts.minUnit), std::pair(texts.maxValue, texts.maxUnit)}) {
                const ParsedNumber shown = parseNumber(value);
                check(name, value + u' ' + valueUnit, shown.ok() && shown.value > 0
                          && withinPressureLimits(limits, pressureUnitToBar(valueUnit, shown.value)));
            }
        }
        for (const QString &unit : temperatureUnitTexts()) {
            const RangeTexts texts = temperatureRangeText(unit, limits.TminK, limits.TmaxK, u'E');
            for (const QString &value : {texts.minValue, texts.maxValue}) {
                const ParsedNumber shown = parseNumber(value);
                check(name, value + u' ' + unit, shown.ok()
                          && withinTemperatureLimits(limits, temperatureUnitToKelvin(unit, shown.value)));
            }
        }
    }
    EXPECT_TRUE(refused.isEmpty()) << refused.join(QStringLiteral("; ")).toStdString();
}

TEST(NumberText, InputErrorMessageQuotesTheText)
{
    EXPECT_EQ(inputErrorMessage(u"Ungültige Eingabe:", u"12a"), QStringLiteral("Ungültige Eingabe:\r\"12a\"!"));
}

TEST(NumberText, GroupedDigitsTakeABlankEveryThreeFromTheRight)
{
    const std::pair<unsigned long long, const char *> cases[] = {
        {0, "0"}, {2, "2"}, {999, "999"}, {1000, "1 000"}, {100000, "100 000"}, {1234567, "1 234 567"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(groupedDigitsText(value), QString::fromLatin1(text)) << value;
}

TEST(NumberText, StoredNumbersShowTheLanguagesDecimalSeparator)
{
    const struct {
        const char *stored;
        char language;
        const char *shown;
    } cases[] = {{"46.06844", 'D', "46,06844"}, {"46,07", 'D', "46,07"}, {"46.07", 'F', "46,07"},
                 {"46,07", 'E', "46.07"},       {"46.07", 'E', "46.07"}, {"159", 'D', "159"}};
    for (const auto &c : cases)
        EXPECT_EQ(storedNumberText(QString::fromLatin1(c.stored), QChar::fromLatin1(c.language)),
                  QString::fromLatin1(c.shown))
            << c.stored << " " << c.language;
}
