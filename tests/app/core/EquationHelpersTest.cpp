// Root iteration, water saturation (IAPWS-IF97 region 4), Kollar-Proszt and log-pressure lines.
#include "TestRecords.h"

#include "app/core/InterpolateLogPressure.h"
#include "app/core/KollarProszt.h"
#include "app/core/Power.h"
#include "app/core/RootIteration.h"
#include "app/core/WaterSaturation.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RootIteration, ConvergesOnASmoothResidual)
{
    int calls = 0;
    const auto residual = [&](long double x) {
        ++calls;
        return x * x - 2.0L;
    };
    const long double root = solveByForwardNewton(residual, 1.0L);
    EXPECT_NEAR(double(root), std::sqrt(2.0), 1e-9);
    EXPECT_LT(calls, 20);
}

TEST(RootIteration, StopsAfterTheStepLimitWithTheLastValue)
{
    int calls = 0;
    // No root: every step moves by 1, so only the step limit ends the iteration.
    const auto residual = [&](long double x) {
        ++calls;
        return std::exp(x);
    };
    const long double last = solveByForwardNewton(residual, 0.0L);
    EXPECT_EQ(calls, 2 * kRootMaxSteps);
    EXPECT_NEAR(double(last), -double(kRootMaxSteps), 1e-3);
}

TEST(RootIteration, EqualResidualsGiveNaNInsteadOfDividingByZero)
{
    EXPECT_TRUE(std::isnan(solveByForwardNewton([](long double) { return 1.0L; }, 5.0L)));
    EXPECT_TRUE(std::isnan(solveByForwardNewton([](long double x) { return std::log(x); }, -1.0L)));
}

TEST(RootIteration, HalvesStepsThatWouldLeaveTheDomain)
{
    // From 10 the plain Newton step on ln x lands at about -13, where ln is undefined.
    const auto residual = [](long double x) { return std::log(x); };
    EXPECT_TRUE(std::isnan(solveByForwardNewton(residual, 10.0L)));
    EXPECT_NEAR(double(solveByForwardNewton(residual, 10.0L, RootDomain{0.0L})), 1.0, 1e-9);
    // Newton from 0 jumps to about 2, beyond the upper end where the square root fails.
    const auto nearUpperEnd = [](long double x) { return 0.001L - std::sqrt(1.0L - x); };
    EXPECT_TRUE(std::isnan(solveByForwardNewton(nearUpperEnd, 0.0L)));
    EXPECT_NEAR(double(solveByForwardNewton(nearUpperEnd, 0.0L, RootDomain{-1.0L, 1.0L})), 0.999999, 1e-9);
}

TEST(WaterSaturation, MatchesIf97VerificationValues)
{
    const QList<QStringList> rows = readFixtureRows(QStringLiteral("app/if97_region4_points.tsv"));
    ASSERT_EQ(rows.size(), 18);
    for (const QStringList &row : rows) {
        const QString group = row[0];
        const long double kelvin = row[3].toDouble();
        const long double bar = row[4].toDouble();
        SCOPED_TRACE(testing::Message() << group.toStdString() << ' ' << row[3].toStdString() << " K " << row[4].toStdString() << " bar");
        if (group.endsWith(u"psat"))
            EXPECT_NEAR(double(waterSaturationPressureBar(kelvin) / bar), 1.0, 1e-8);
        else
            EXPECT_NEAR(double(waterSaturationTemperatureK(bar) / kelvin), 1.0, 1e-8);
    }
}

TEST(WaterSaturation, NormalBoilingPointAndRoundTrip)
{
    EXPECT_NEAR(double(waterSaturationPressureBar(373.124L)), 1.01325, 5e-5);
    EXPECT_NEAR(double(waterSaturationTemperatureK(1.01325L)), 373.12, 0.01);
    for (const long double kelvin : {280.0L, 350.0L, 450.0L, 600.0L, 640.0L}) {
        SCOPED_TRACE(double(kelvin));
        EXPECT_NEAR(double(waterSaturationTemperatureK(waterSaturationPressureBar(kelvin))), double(kelvin), 1e-6);
    }
}

TEST(KollarProszt, GivesOneAtmosphereAtTheBoilingPointAndInvertsExactly)
{
    for (const long double Tb : {111.7L, 239.8L, 351.4L, 491.1L}) {
        SCOPED_TRACE(double(Tb));
        // 2.880814 rounds log10(760) by 4e-7, so p(Tb) is 1 atm within 1e-6.
        EXPECT_NEAR(double(estimateKollarProszt(Tb, Tb)), 1.01325, 1.01325 * 1e-6);
        const long double p = estimateKollarProszt(Tb, Tb - 40.0L);
        EXPECT_LT(p, 1.01325L);
        EXPECT_NEAR(double(estimateKollarProsztTemperature(Tb, p)), double(Tb - 40.0L), 1e-9);
    }
}

TEST(InterpolateLogPressure, IsLinearInLogPressure)
{
    EXPECT_NEAR(double(interpolateLogPressure(1.0L, 300.0L, 0.1L, 400.0L, 10.0L)), 350.0, 1e-12);
    EXPECT_NEAR(double(interpolateLogPressure(100.0L, 300.0L, 0.1L, 400.0L, 10.0L)), 450.0, 1e-12);
    EXPECT_NEAR(double(interpolateLogPressure(1.01325L, 373.15L, 1.01325L, 647.0L, 220.6L)), 373.15, 1e-12);
}

TEST(Power, IntegralExponentsMultiplyAndOthersGoThroughLogarithms)
{
    EXPECT_EQ(power(2.0L, 10.0L), 1024.0L);
    EXPECT_EQ(power(2.0L, -2.0L), 0.25L);
    EXPECT_EQ(power(-2.0L, 3.0L), -8.0L); // a negative base is fine with an integral exponent
    EXPECT_EQ(power(0.0L, 2.5L), 0.0L);
    EXPECT_TRUE(std::isnan(power(-8.0L, 0.5L)));
    EXPECT_NEAR(double(power(8.0L, 1.0L / 3.0L)), 2.0, 1e-15);
    EXPECT_NEAR(double(power(373.15L, 6.0L) / integerPower(373.15L, 6)), 1.0, 1e-18);
    EXPECT_NEAR(double(powerOfTen(-2.5L)), std::pow(10.0, -2.5), 1e-17);
}
