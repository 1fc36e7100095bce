// The single value through all its steps: result texts and the error of each failing step.
#include "app/core/SingleValue.h"

#include "TestRecords.h"

#include <gtest/gtest.h>

#include <limits>

TEST(SingleValue, GivesTheResultTextOrTheErrorOfTheFirstFailingStep)
{
    const VapourPressureModel w2000 = recordModel(w2000Record()); // 1 to 100 °C
    const RangeLimits limits = recordRangeLimits(w2000Record());
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const VapourPressureModel broken{[nan](long double) { return nan; }, [nan](long double) { return nan; }};
    constexpr auto VP = CalculationMode::VapourPressure;
    constexpr auto BP = CalculationMode::BoilingPoint;
    struct Case {
        CalculationMode mode;
        const char16_t *input;
        const char16_t *inputUnit;
        const char16_t *resultUnit;
        bool scientific;
        const VapourPressureModel *model;
        SingleValueError error;
        const char16_t *text;
    };
    const Case cases[] = {
        {VP, u"50", u"°C", u"bar", false, &w2000, SingleValueError::None, u"0,123"},
        {VP, u"50,0", u"°C", u"mbar", false, &w2000, SingleValueError::None, u"123,056"},
        {VP, u"323.15", u"K", u"bar", true, &w2000, SingleValueError::None, u"1.23056e-01"},
        {VP, u"2O", u"°C", u"bar", false, &w2000, SingleValueError::InvalidInput, u""},
        {VP, u"0,5", u"°C", u"bar", false, &w2000, SingleValueError::TemperatureOutOfRange, u""},
        {VP, u"50", u"°C", u"bar", false, &broken, SingleValueError::NoNumber, u""},
        {BP, u"0,5", u"bar", u"°C", false, &w2000, SingleValueError::None, u" 81,4"},
        {BP, u"2", u"bar", u"°C", false, &w2000, SingleValueError::PressureOutOfRange, u""},
        {BP, u"500", u"mbar", u"K", false, &broken, SingleValueError::NoNumber, u""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.input).toStdString());
        const SingleValueRequest request{c.mode, QString::fromUtf16(c.input), QString::fromUtf16(c.inputUnit),
                                         QString::fromUtf16(c.resultUnit), {c.scientific, u'D', u'.'}};
        const SingleValueResult result = computeSingleValue(*c.model, limits, request);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.text, QString::fromUtf16(c.text));
    }
}

TEST(SingleValue, LimitsAreInclusiveAlsoWhenTypedInAnotherUnit)
{
    // Ethanol's Tmin of 159.05 K shows as -114.1 °C, Dichlorfluormethan's 210.83 K as -62.32 °C;
    // t + 273.15 lands a few ulps below them.
    struct Case {
        const char16_t *TminK;
        const char16_t *celsius;
        SingleValueError error;
    };
    const Case cases[] = {
        {u"159,05", u"-114,1", SingleValueError::None},
        {u"159,05", u"-114,11", SingleValueError::TemperatureOutOfRange},
        {u"210,83", u"-62,32", SingleValueError::None},
        {u"210,83", u"-62,33", SingleValueError::TemperatureOutOfRange},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.celsius).toStdString());
        QStringList fields = w2000Record().split(u'\t');
        fields[20] = QString::fromUtf16(c.TminK);
        const QString record = fields.join(u'\t');
        const SingleValueRequest request{CalculationMode::VapourPressure, QString::fromUtf16(c.celsius), u"°C"_qs,
                                         u"bar"_qs, {}};
        EXPECT_EQ(computeSingleValue(recordModel(record), recordRangeLimits(record), request).error, c.error);
    }
    // Pressures converted from another unit get the same relative tolerance.
    const RangeLimits limits = recordRangeLimits(w2000Record());
    constexpr auto BP = CalculationMode::BoilingPoint;
    EXPECT_EQ(rangeError(BP, limits.pmaxBar * (1.0L + 1e-12L), limits), SingleValueError::None);
    EXPECT_EQ(rangeError(BP, limits.pminBar * (1.0L - 1e-12L), limits), SingleValueError::None);
    EXPECT_EQ(rangeError(BP, limits.pmaxBar * (1.0L + 1e-7L), limits), SingleValueError::PressureOutOfRange);
}
