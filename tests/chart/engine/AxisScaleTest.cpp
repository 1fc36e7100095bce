// Value-to-pixel and back: linear, inverted, logarithmic and depth forms, clamping, the 1-2-5 step.
#include "AxisScale.h"
#include "PlotEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace {

AxisScale makeScale(AxisScale::Mode mode, int start, int end, double minimum, double maximum)
{
    AxisScale s;
    s.mode = mode;
    s.workMinimum = minimum;
    s.workMaximum = maximum;
    s.setExtent(start, end);
    s.recalc(mode == AxisScale::Logarithmic);
    return s;
}

} // namespace

TEST(NextStep, OneTwoFiveSequenceAndAlwaysAbove)
{
    const struct { double x; double next; } cases[] = {
        {1, 2}, {2, 5}, {0.3, 0.5}, {50, 100}, {9.99, 10}, {INFINITY, 1}, {1e-14, 2e-14}, {0.19999999999999998, 0.5},
        {1e-300, 2e-300}, {3e-300, 5e-300}, {7e305, 1e306}, {1.5e308, INFINITY}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(PlotEngine::NextStep(c.x), c.next);
    }
    std::mt19937_64 random(13);
    // The usual decades densely, then every decade down to 1e-300.
    for (const auto &[low, high, count] : {std::tuple{-14.0, 12.0, 1000000}, std::tuple{-300.0, 308.0, 100000}}) {
        std::uniform_real_distribution<double> exponent(low, high);
        int failures = 0;
        for (int i = 0; i < count; ++i) {
            const double x = std::pow(10.0, exponent(random));
            failures += PlotEngine::NextStep(x) > x ? 0 : 1;
        }
        EXPECT_EQ(failures, 0) << low << ".." << high;
    }
}

TEST(AxisScale, LinearFormsRoundTiesToEvenAndClamp)
{
    const struct { bool horizontal; bool inverted; double value; int pixel; } cases[] = {
        {true, false, 50, 210}, {true, false, 12.625, 60}, {true, false, 12.875, 62},
        {true, true, 25, 310}, {false, false, 25, 310}, {false, false, 12.625, 360},
        {false, true, 25, 110}, {true, false, 1e12, 67108863}, {true, false, -1e12, -67108863},
        {true, false, NAN, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.horizontal << c.inverted << " " << c.value);
        AxisScale s = makeScale(AxisScale::Linear, 10, 410, 0, 100);
        s.horizontal = c.horizontal;
        s.inverted = c.inverted;
        EXPECT_EQ(s.valueToPixel(c.value), c.pixel);
    }
}

TEST(AxisScale, LogarithmicFormsSendNonPositiveValuesToTheLowEnd)
{
    const struct { bool horizontal; bool inverted; double value; int pixel; } cases[] = {
        {true, false, 10, 100}, {true, false, 100, 200}, {true, false, 1000, 300}, {true, false, 0, 0},
        {true, false, -5, 0}, {true, true, 10, 200}, {true, true, 0, 300}, {false, false, 10, 200},
        {false, false, 0, 300}, {false, true, 0, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.horizontal << c.inverted << " " << c.value);
        AxisScale s = makeScale(AxisScale::Logarithmic, 0, 300, 1, 1000);
        s.horizontal = c.horizontal;
        s.inverted = c.inverted;
        EXPECT_EQ(s.valueToPixel(c.value), c.pixel);
    }
}

TEST(AxisScale, PixelToValueInvertsEachForm)
{
    AxisScale linear = makeScale(AxisScale::Linear, 10, 410, 0, 100);
    EXPECT_DOUBLE_EQ(linear.pixelToValue(210), 50);
    linear.horizontal = false;
    EXPECT_DOUBLE_EQ(linear.pixelToValue(110), 75);
    AxisScale log = makeScale(AxisScale::Logarithmic, 0, 300, 1, 1000);
    EXPECT_NEAR(log.pixelToValue(150), 31.6227766, 1e-7);
    EXPECT_EQ(log.pixelToValue(0), 1.0);
    log.horizontal = false;
    EXPECT_EQ(log.pixelToValue(0), 1000.0);
    EXPECT_EQ(makeScale(AxisScale::Linear, 10, 10, 0, 100).pixelToValue(10), 0.0);
    const AxisScale zero = makeScale(AxisScale::Linear, 10, 410, 5, 5);
    EXPECT_EQ(zero.valueToPixel(-3), 210);
    EXPECT_EQ(zero.valueToPixel(7), 210);
    EXPECT_EQ(zero.pixelToValue(77), 5.0);
}

TEST(AxisScale, BatchConversionMatchesTheScalarForms)
{
    const double values[] = {-1e300, -5, 0, 0.5, 1, 7.25, 12.625, 999, 1e300, NAN};
    constexpr int n = int(std::size(values));
    for (const auto mode : {AxisScale::Linear, AxisScale::Logarithmic, AxisScale::Depth}) {
        for (const bool horizontal : {true, false}) {
            AxisScale s = makeScale(mode, 3, 517, 0.5, 1000);
            s.horizontal = horizontal;
            int pixels[n];
            s.valuesToPixels(values, n, pixels);
            for (int i = 0; i < n; ++i)
                EXPECT_EQ(pixels[i], s.valueToPixel(values[i])) << mode << horizontal << " " << values[i];
        }
    }
}

TEST(AxisScale, TinyLogarithmicRangeStaysWithinTheClamp)
{
    for (const auto mode : {AxisScale::Logarithmic, AxisScale::Depth}) {
        const AxisScale s = makeScale(mode, 0, 400, 1, 1 + 1e-15);
        for (const double v : {1e-300, 0.5, 1.0, 1.0 + 5e-16, 2.0, 1e300}) {
            EXPECT_LE(std::abs(s.horizValueToPixel(v)), PlotEngine::MaxAxisPixel) << v;
            EXPECT_LE(std::abs(s.vertValueToPixel(v)), PlotEngine::MaxAxisPixel) << v;
        }
    }
}
