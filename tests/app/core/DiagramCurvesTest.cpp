// Diagram curves: evenly spaced points from limit to limit, in the display units, finite only;
// and the point count of the settings.
#include "app/core/DiagramCurves.h"

#include "TestRecords.h"
#include "app/core/DiagramPoints.h"
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"
#include "app/core/VapourPressure.h"
#include "app/core/WaterSaturation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectRelative(long double actual, long double expected, double tolerance)
{
    EXPECT_NEAR(double(actual / expected), 1.0, tolerance) << double(actual) << " vs " << double(expected);
}

// Every step between neighbours equals the first one.
void expectConstantStep(const std::vector<long double> &values)
{
    ASSERT_GE(values.size(), 2u);
    const long double step = values[1] - values[0];
    for (std::size_t j = 1; j < values.size(); ++j)
        expectRelative(values[j] - values[j - 1], step, 1e-12);
}

} // namespace

TEST(DiagramCurves, SubstancePointsAreTheEquationsValuesFromLimitToLimit)
{
    struct Case
    {
        int count;
        const char *temperatureUnit;
        const char *pressureUnit;
    };
    const QString record = w2000Record();
    const long double TminK = 274.15L;
    const long double TmaxK = 373.15L;
    for (const Case &c : {Case{2, "K", "bar"}, Case{100, "°C", "Torr"}, Case{7, "°F", "Pa"}, Case{100000, "K", "psi"}}) {
        SCOPED_TRACE(testing::Message() << c.count << " " << c.temperatureUnit << " " << c.pressureUnit);
        const DiagramUnits units{QString::fromUtf8(c.temperatureUnit), QString::fromUtf8(c.pressureUnit)};
        const DiagramCurve curve = substanceCurve(record, TminK, TmaxK, c.count, units);
        ASSERT_EQ(curve.temperatures.size(), std::size_t(c.count));
        ASSERT_EQ(curve.pressures.size(), std::size_t(c.count));
        EXPECT_EQ(curve.temperatures.front(), kelvinToTemperatureUnit(units.temperature, TminK));
        EXPECT_EQ(curve.temperatures.back(), kelvinToTemperatureUnit(units.temperature, TmaxK));
        expectConstantStep(curve.temperatures);
        for (int j = 0; j < c.count; j += std::max(1, c.count / 50)) {
            const long double TK = TminK + (TmaxK - TminK) * j / (c.count - 1);
            expectRelative(curve.pressures[std::size_t(j)],
                           barToPressureUnit(QStringView(units.pressure), calcRecordPressure(record, TK)), 1e-12);
        }
    }
    // In °C the test substance's 100 points lie on the whole degrees 1 to 100.
    const DiagramCurve celsius = substanceCurve(record, TminK, TmaxK, 100, {QStringLiteral("°C"), QStringLiteral("bar")});
    for (int j = 0; j < 100; ++j)
        EXPECT_NEAR(double(celsius.temperatures[std::size_t(j)]), j + 1.0, 1e-9);
}

TEST(DiagramCurves, AqueousCurvesComputeTheCoefficientsBeforeEachPressure)
{
    std::vector<QString> calls;
    const AqueousCurveModel model{
        [&calls](long double temperatureC) { calls.push_back(QStringLiteral("k %1").arg(double(temperatureC))); },
        [&calls](long double waterBar) {
            calls.push_back(QStringLiteral("p %1").arg(double(waterBar), 0, 'g', 17));
            return 0.9L * waterBar;
        }};
    const DiagramCurve curve = aqueousCurve(model, 20, 80, 4, {QStringLiteral("°C"), QStringLiteral("bar")});
    const std::vector<long double> expectedC{20.0L, 40.0L, 60.0L, 80.0L};
    EXPECT_EQ(curve.temperatures, expectedC);
    std::vector<QString> expectedCalls;
    for (std::size_t j = 0; j < expectedC.size(); ++j) {
        const long double waterBar = waterSaturationPressureBar(expectedC[j] + 273.15L);
        expectedCalls.push_back(QStringLiteral("k %1").arg(double(expectedC[j])));
        expectedCalls.push_back(QStringLiteral("p %1").arg(double(waterBar), 0, 'g', 17));
        expectRelative(curve.pressures[j], 0.9L * waterBar, 1e-15);
    }
    EXPECT_EQ(calls, expectedCalls);
}

TEST(DiagramCurves, PointsThatAreNoFiniteNumberAreLeftOutAndTheRestStays)
{
    // ln p = A - B / (T + C) overflows just below T = 300 K, where T + C passes zero.
    const QString record = withField(withField(withField(withField(w2000Record(), 15, QStringLiteral("3")), 16,
                                                         QStringLiteral("11.78")),
                                               17, QStringLiteral("3885.7")),
                                     18, QStringLiteral("-300"));
    const DiagramUnits units{QStringLiteral("K"), QStringLiteral("bar")};
    const DiagramCurve curve = substanceCurve(record, 250.0L, 350.0L, 1001, units);
    ASSERT_LT(curve.temperatures.size(), 1001u);
    ASSERT_GT(curve.temperatures.size(), 990u);
    ASSERT_EQ(curve.pressures.size(), curve.temperatures.size());
    EXPECT_EQ(curve.temperatures.front(), 250.0L);
    EXPECT_EQ(curve.temperatures.back(), 350.0L);
    for (std::size_t j = 0; j < curve.temperatures.size(); ++j) {
        SCOPED_TRACE(double(curve.temperatures[j]));
        ASSERT_TRUE(std::isfinite(curve.pressures[j]));
        if (j > 0) {
            EXPECT_GT(curve.temperatures[j], curve.temperatures[j - 1]);
        }
        EXPECT_EQ(curve.pressures[j], calcRecordPressure(record, curve.temperatures[j]));
    }
}

TEST(DiagramPoints, TheStoredTextGivesACountWithinTheBounds)
{
    struct Case
    {
        const char *text;
        int count;
        bool valid;
    };
    for (const Case &c : {Case{"1", 2, false}, Case{"0", 2, false}, Case{"-5", 2, false}, Case{"\u22125", 2, false}, Case{"1000000000", 100000, false},
                          Case{"99999999999999999999999", 100000, false}, Case{"abc", 250, false},
                          Case{"2.5", 250, false}, Case{"", 250, false}, Case{" 300 ", 300, true}, Case{"2", 2, true},
                          Case{"100000", 100000, true}, Case{"100001", 100000, false}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(diagramPointCount(QString::fromUtf8(c.text)), c.count);
        EXPECT_EQ(isValidDiagramPoints(QString::fromUtf8(c.text)), c.valid);
    }
}
