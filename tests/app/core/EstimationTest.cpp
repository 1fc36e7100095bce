// Estimations from little data: Riedel, the two-point relation, Kollar-Proszt and the boiling
// temperature text of the estimation dialogs. Reference values computed independently (30 digits).
#include "app/core/EstimatedTemperature.h"
#include "app/core/KollarProszt.h"
#include "app/core/Riedel.h"
#include "app/core/TwoPointRelation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

struct Substance
{
    const char *name;
    long double Tb, Tc, Pc;
};
constexpr Substance kWater{"water", 373.15L, 647.1L, 220.64L};
constexpr Substance kBenzene{"benzene", 353.2L, 562.05L, 48.95L};

} // namespace

TEST(Riedel, PressuresAndTemperaturesMatchTheMethod)
{
    EXPECT_NEAR(double(riedelAlphaC(kWater.Tb, kWater.Tc, kWater.Pc)), 7.403236, 1e-6);
    struct Case
    {
        Substance s;
        long double T, pBar;
    };
    const Case cases[] = {
        {kWater, 373.15L, 1.01325L},         {kWater, 298.15L, 0.0278963708637L},
        {kBenzene, 298.15L, 0.128681115194L},   {kWater, 355.043999268L, 0.5L},
        {kBenzene, 331.873208642L, 0.5L},    {kBenzene, 353.2L, 1.01325L},
        {kWater, 647.1L, 220.64L},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.s.name << ' ' << double(c.T) << " K");
        EXPECT_NEAR(double(riedelPressureBar(c.s.Tb, c.s.Tc, c.s.Pc, c.T) / c.pBar), 1.0, 1e-9);
        EXPECT_NEAR(double(riedelTemperatureK(c.s.Tb, c.s.Tc, c.s.Pc, c.pBar)), double(c.T), 1e-6);
    }
    // Far below 1 atm the start line passes 0 K; the iteration still finds the temperature.
    const long double lowK = riedelTemperatureK(kWater.Tb, kWater.Tc, kWater.Pc, 1e-10L);
    EXPECT_NEAR(double(riedelPressureBar(kWater.Tb, kWater.Tc, kWater.Pc, lowK) / 1e-10L), 1.0, 1e-6);
}

TEST(Riedel, RefusedDataGiveNaN)
{
    const Substance refused[] = {{"Pc 0", 373.15L, 647.1L, 0.0L},   {"Pc < 0", 373.15L, 647.1L, -1.0L},
                                 {"Tb = Tc", 500.0L, 500.0L, 50.0L}, {"Tb > Tc", 600.0L, 500.0L, 50.0L},
                                 {"Tb 0 K", 0.0L, 647.1L, 220.64L},  {"Pc NaN", 373.15L, 647.1L, kNaN},
                                 // A curve that would fall from 1 atm at Tb to Pc at Tc, or fall somewhere.
                                 {"Pc 1 atm", 373.15L, 647.1L, 1.01325L}, {"Pc 2 bar", 373.15L, 647.1L, 2.0L}};
    for (const Substance &s : refused) {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(std::isnan(riedelPressureBar(s.Tb, s.Tc, s.Pc, 300.0L)));
        EXPECT_TRUE(std::isnan(riedelTemperatureK(s.Tb, s.Tc, s.Pc, 0.5L)));
    }
    // Helium's alpha_c (3.88) lies just above the limit.
    EXPECT_NEAR(double(riedelPressureBar(4.222L, 5.1953L, 2.2746L, 4.222L)), 1.01325, 1e-12);
    EXPECT_TRUE(std::isnan(riedelPressureBar(kWater.Tb, kWater.Tc, kWater.Pc, 0.0L)));
    EXPECT_TRUE(std::isnan(riedelTemperatureK(kWater.Tb, kWater.Tc, kWater.Pc, 0.0L)));
    EXPECT_TRUE(std::isnan(riedelTemperatureK(kWater.Tb, kWater.Tc, kWater.Pc, -1.0L)));
}

TEST(Riedel, TheCurveEndsAtTheCriticalPoint)
{
    constexpr Substance kEthanol{"ethanol", 351.44L, 513.9L, 61.48L};
    for (const Substance &s : {kWater, kBenzene, kEthanol}) {
        SCOPED_TRACE(s.name);
        // T = Tc gives Pc and p = Pc gives Tc.
        EXPECT_NEAR(double(riedelPressureBar(s.Tb, s.Tc, s.Pc, s.Tc) / s.Pc), 1.0, 1e-12);
        EXPECT_NEAR(double(riedelTemperatureK(s.Tb, s.Tc, s.Pc, s.Pc)), double(s.Tc), 1e-9);
        // Beyond it the formula still gives numbers (ethanol at 400 °C: 1181 bar); the estimate none.
        for (const long double aboveK : {1e-6L, 1.0L, 159.25L})
            EXPECT_TRUE(std::isnan(riedelPressureBar(s.Tb, s.Tc, s.Pc, s.Tc + aboveK))) << double(aboveK);
        for (const long double factor : {1.000001L, 1.1L, 100.0L / 61.48L})
            EXPECT_TRUE(std::isnan(riedelTemperatureK(s.Tb, s.Tc, s.Pc, s.Pc * factor))) << double(factor);
        // Tc typed in another unit lands a few ulps beside it and is still Tc.
        EXPECT_NEAR(double(riedelPressureBar(s.Tb, s.Tc, s.Pc, s.Tc + 1e-12L) / s.Pc), 1.0, 1e-12);
    }
}

TEST(TwoPointRelation, PassesThroughBothPointsAndInvertsIt)
{
    const TwoPointRelation r = twoPointRelation(373.15L, 1.01325L, 318.95L, 0.1L);
    EXPECT_NEAR(double(r.B), 2208.42365209, 1e-7);
    EXPECT_NEAR(double(r.A), 5.92404343030, 1e-10);
    EXPECT_NEAR(double(twoPointPressureBar(r, 318.95L)), 0.1, 1e-15);
    EXPECT_NEAR(double(twoPointPressureBar(r, 350.0L)), 0.411397423222, 1e-11);
    EXPECT_NEAR(double(twoPointTemperatureK(r, 1.01325L)), 373.15, 1e-10);
    EXPECT_NEAR(double(twoPointTemperatureK(r, 0.5L)), 354.762667197, 1e-8);
    // Equal pressures: that pressure everywhere, and no boiling temperature.
    const TwoPointRelation flat = twoPointRelation(300.0L, 0.5L, 350.0L, 0.5L);
    EXPECT_EQ(double(twoPointPressureBar(flat, 400.0L)), 0.5);
    EXPECT_TRUE(std::isnan(twoPointTemperatureK(flat, 0.5L)));
}

TEST(TwoPointRelation, RefusedInputsGiveNaN)
{
    struct Case
    {
        const char *what;
        long double T1, p1, T2, p2;
    };
    const Case cases[] = {{"equal temperatures", 300.0L, 0.1L, 300.0L, 1.0L}, {"p1 = 0", 300.0L, 0.0L, 350.0L, 1.0L},
                          {"p2 < 0", 300.0L, 0.1L, 350.0L, -1.0L},           {"T1 = 0 K", 0.0L, 0.1L, 350.0L, 1.0L},
                          {"T2 < 0 K", 300.0L, 0.1L, -26.85L, 1.0L},
                          // A pressure that falls as the temperature rises, in either order.
                          {"falling pressure", 373.15L, 1.01325L, 423.15L, 0.1L},
                          {"falling pressure, swapped", 423.15L, 0.1L, 373.15L, 1.01325L}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const TwoPointRelation r = twoPointRelation(c.T1, c.p1, c.T2, c.p2);
        EXPECT_TRUE(std::isnan(twoPointPressureBar(r, 320.0L)));
        EXPECT_TRUE(std::isnan(twoPointTemperatureK(r, 0.5L)));
    }
    const TwoPointRelation r = twoPointRelation(373.15L, 1.01325L, 318.95L, 0.1L);
    EXPECT_TRUE(std::isnan(twoPointPressureBar(r, 0.0L)));
    EXPECT_TRUE(std::isnan(twoPointTemperatureK(r, 0.0L)));
    // Above p = 10^A the line gives a negative temperature.
    EXPECT_TRUE(std::isnan(twoPointTemperatureK(r, 1e7L)));
}

TEST(KollarProszt, CoefficientsAndPressuresOfTheMethod)
{
    const KollarProsztAntoine k = kollarProsztCoefficients(373.15L);
    EXPECT_NEAR(double(k.A), 6.91296719089, 1e-10);
    EXPECT_NEAR(double(k.B), 1279.11772838, 1e-7);
    EXPECT_NEAR(double(k.C), 217.229447350, 1e-8);
    EXPECT_NEAR(double(estimateKollarProszt(373.15L, 298.15L)), 0.0571829372572, 1e-12);
    EXPECT_NEAR(double(estimateKollarProszt(373.15L, 333.15L)), 0.265422989221, 1e-11);
    EXPECT_NEAR(double(estimateKollarProszt(353.2L, 298.15L)), 0.128879281884, 1e-11);
    EXPECT_NEAR(double(estimateKollarProsztTemperature(373.15L, 0.5L)), 350.722845274, 1e-8);
    EXPECT_NEAR(double(estimateKollarProsztTemperature(373.15L, 1.01325L)), 373.15, 1e-4);
    // Tb or T at 0 K, p at 0, and C + t = 0 (T = 479 a^2 K) have no result.
    EXPECT_TRUE(std::isnan(estimateKollarProszt(0.0L, 298.15L)));
    EXPECT_TRUE(std::isnan(estimateKollarProszt(373.15L, 0.0L)));
    EXPECT_TRUE(std::isnan(estimateKollarProszt(373.15L, 273.15L - k.C)));
    EXPECT_TRUE(std::isnan(estimateKollarProsztTemperature(0.0L, 0.5L)));
    EXPECT_TRUE(std::isnan(estimateKollarProsztTemperature(373.15L, 0.0L)));
    // Beyond the pole (C + t < 0) the equation gives huge pressures at low temperatures, and low
    // temperatures for huge pressures: no estimate.
    for (const long double T : {10.0L, 50.0L, 55.9L})
        EXPECT_TRUE(std::isnan(estimateKollarProszt(373.15L, T))) << double(T);
    EXPECT_GT(estimateKollarProszt(373.15L, 100.0L), 0.0L);
    for (const long double p : {1e20L, 1e30L})
        EXPECT_TRUE(std::isnan(estimateKollarProsztTemperature(373.15L, p))) << double(p);
}

TEST(EstimatedTemperature, ConvertsWithItsOwnFahrenheitZeroAndShowsOnlyTemperaturesAbove0K)
{
    struct Case
    {
        long double kelvin;
        const char *unit;
        QChar letter;
        const char *text;
    };
    const Case cases[] = {
        {354.762667L, "°C", u'D', " 81,6"}, {373.15L, "°F", u'D', " 212,0"}, {354.762667L, "K", u'D', " 354,8"},
        {350.722845L, "°C", u'E', " 77.6"}, {0.0L, "K", u'D', ""},            {-5.0L, "°C", u'D', ""},
        {kNaN, "°C", u'D', ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << double(c.kelvin) << ' ' << c.unit);
        EXPECT_EQ(estimatedTemperatureText(c.kelvin, QString::fromUtf8(c.unit), c.letter), QString::fromUtf8(c.text));
    }
    // 255.37, not 255.372: 373.15 K is 212.004 here, 212.000 by the exact conversion.
    EXPECT_NEAR(double(estimatedTemperatureInUnit(u"°F", 373.15L)), 212.004, 1e-12);
}
