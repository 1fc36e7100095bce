// The models of mixtures and solutions: Raoult's law for liquids and dissolved solids, the
// aqueous-solution correction, the boiling temperatures and the range labels.
#include "app/core/AqueousSolution.h"
#include "app/core/NumberText.h"
#include "app/core/RaoultMixture.h"
#include "app/core/SystemBoiling.h"
#include "app/core/SystemRange.h"
#include "app/core/VapourPressure.h"
#include "app/core/WaterSaturation.h"

#include "TestRecords.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr long double kWaterMolarMass = 18.015L;
constexpr long double kEthanolMolarMass = 46.07L;

VapourPressureCoefficients water()
{
    return readVapourPressureCoefficients(waterTestRecord());
}

VapourPressureCoefficients ethanol()
{
    return readVapourPressureCoefficients(ethanolTestRecord());
}

std::vector<MixtureComponent> mixture(const std::vector<long double> &massPercents,
                                      const std::vector<long double> &molarMasses,
                                      const std::vector<VapourPressureCoefficients> &records)
{
    const std::vector<long double> x = moleFractions(massPercents, molarMasses);
    std::vector<MixtureComponent> components;
    for (std::size_t i = 0; i < x.size(); ++i)
        components.push_back({records[i], x[i]});
    return components;
}

long double boilingK(const std::vector<MixtureComponent> &components, long double TminK, long double TmaxK,
                     long double pressureBar)
{
    const PressureAtTemperature pressureAt = [&](long double T) { return mixturePressureBar(components, T); };
    return systemBoilingTemperatureInRangeK(pressureAt, TminK, TmaxK, pressureBar);
}

// ln p/bar = A - B / T: a synthetic substance boiling at 1 bar at boilsAtK.
VapourPressureCoefficients synthetic(long double A, long double boilsAtK)
{
    VapourPressureCoefficients c;
    c.code = EquationCode::AntoineLnBar;
    c.A = A;
    c.B = A * boilsAtK;
    return c;
}

AqueousComponent solute(long double molarMass, long double massPercent, CoefficientSelection selection,
                        const std::vector<long double> &c1s, const std::vector<long double> &thresholds = {0})
{
    AqueousComponent component;
    component.selection = selection;
    component.molarMassGPerMol = molarMass;
    component.massPercent = massPercent;
    for (std::size_t i = 0; i < c1s.size(); ++i) {
        CoefficientLine line;
        line.massPercentThreshold = line.temperatureThresholdC = thresholds[std::min(i, thresholds.size() - 1)];
        line.c[0] = c1s[i];
        component.group.push_back(line);
    }
    return component;
}

long double solutionMillibarAt(const std::vector<AqueousComponent> &components, long double celsius)
{
    return 1000.0L * solutionPressureAtBar(components, molalities(components), celsius + 273.15L);
}

} // namespace

TEST(RaoultMixture, MoleFractionsAndPressureOfLiquidMixtures)
{
    const auto fifty = mixture({50, 50}, {kWaterMolarMass, kEthanolMolarMass}, {water(), ethanol()});
    EXPECT_NEAR(double(fifty[0].moleFraction), 0.718889, 1e-6);
    EXPECT_NEAR(double(fifty[1].moleFraction), 0.281111, 1e-6);
    EXPECT_NEAR(double(mixturePressureBar(fifty, 333.15L) * 1000), 274.266, 1e-3);

    // Equal molar masses: half each, and the mean of the two pure pressures.
    const auto equal = mixture({50, 50}, {kWaterMolarMass, kWaterMolarMass}, {water(), ethanol()});
    EXPECT_EQ(equal[0].moleFraction, 0.5L);
    const long double mean = (vapourPressureBar(water(), 333.15L) + vapourPressureBar(ethanol(), 333.15L)) / 2;
    EXPECT_NEAR(double(mixturePressureBar(equal, 333.15L) / mean), 1.0, 1e-15);

    // A component without a fraction adds nothing, also where its equation gives no number.
    VapourPressureCoefficients unknown = ethanol();
    unknown.code = EquationCode::Unknown;
    EXPECT_EQ(mixturePressureBar({{water(), 1.0L}, {unknown, 0.0L}}, 333.15L), vapourPressureBar(water(), 333.15L));
}

TEST(RaoultMixture, SolventMoleFractionOfADissolvedSolid)
{
    const long double x = solventMoleFraction(kWaterMolarMass, 10.0L, 58.44L);
    EXPECT_NEAR(double(x), 0.966883, 1e-6);
    EXPECT_NEAR(double(x * vapourPressureBar(water(), 333.15L) * 1000), 192.121, 1e-3);
    EXPECT_EQ(solventMoleFraction(kWaterMolarMass, 0.0L, 58.44L), 1.0L);
}

TEST(SystemBoiling, BoilingTemperaturesFromTheLogLinearStart)
{
    struct Case {
        const char *what;
        std::vector<MixtureComponent> components;
        long double TminK, TmaxK, pressureBar, expectedK;
    };
    const auto fifty = mixture({50, 50}, {kWaterMolarMass, kEthanolMolarMass}, {water(), ethanol()});
    const long double x = solventMoleFraction(kWaterMolarMass, 10.0L, 58.44L);
    const Case cases[] = {
        {"water alone, 1 bar", {{water(), 1.0L}}, 274.0L, 373.0L, 1.0L, 372.780L},
        {"50/50, 1.01325 bar", fifty, 274.0L, 370.0L, 1.01325L, 364.911L},
        {"50/50, 0.5 bar", fifty, 274.0L, 370.0L, 0.5L, 346.935L},
        {"10 % NaCl in water, 0.9 bar", {{water(), x}}, 274.0L, 373.0L, 0.9L, 370.797L},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const long double T = boilingK(c.components, c.TminK, c.TmaxK, c.pressureBar);
        EXPECT_NEAR(double(T), double(c.expectedK), 1e-3);
        // Where the iteration from the line's start finds the root, its result stands to the last bit.
        const PressureAtTemperature pressureAt = [&](long double t) { return mixturePressureBar(c.components, t); };
        EXPECT_EQ(T, systemBoilingTemperatureK(pressureAt, logLinearStartK(pressureAt, c.TminK, c.TmaxK, c.pressureBar),
                                               c.pressureBar));
    }
    // No pressure, no number: the caller reports it.
    EXPECT_TRUE(std::isnan(boilingK({{water(), 0.0L}}, 274.0L, 373.0L, 1.0L)));
}

TEST(SystemBoiling, RangesOfLessThanTwoWholeKelvinsFindTheRootInside)
{
    // trunc(Tmin) + 1 = trunc(Tmax): the start line has one point only.
    const std::vector<MixtureComponent> two{{synthetic(10.0L, 452.0L), 0.5L}, {synthetic(11.0L, 455.0L), 0.5L}};
    struct Case {
        long double TminK, TmaxK, rootK;
    };
    for (const Case &c : {Case{452.0L, 453.0L, 452.7L}, Case{452.3L, 453.9L, 453.5L}, Case{452.9L, 453.1L, 452.95L}}) {
        SCOPED_TRACE(testing::Message() << double(c.TminK) << '-' << double(c.TmaxK) << " K");
        const long double p = mixturePressureBar(two, c.rootK);
        ASSERT_LT(mixturePressureBar(two, c.TminK), p);
        ASSERT_GT(mixturePressureBar(two, c.TmaxK), p);
        EXPECT_NEAR(double(boilingK(two, c.TminK, c.TmaxK, p)), double(c.rootK), 1e-9);
    }

    // A slope the forward difference cannot see (zero at the middle, where the iteration starts):
    // bisection inside the range finds the root.
    const PressureAtTemperature flatInTheMiddle = [](long double T) { return 1.0L + std::pow(T - 452.5L, 3.0L); };
    EXPECT_NEAR(double(systemBoilingTemperatureInRangeK(flatInTheMiddle, 452.0L, 453.0L, 1.008L)), 452.7, 1e-9);
    // A pressure beyond the ends keeps what the iteration gives: the dialogs refuse it before.
    EXPECT_TRUE(std::isnan(systemBoilingTemperatureInRangeK(flatInTheMiddle, 452.0L, 453.0L, 2.0L)));
}

TEST(AqueousSolution, SodiumChlorideAndPureWater)
{
    const std::vector<AqueousComponent> nacl{solute(58.44L, 10.0L, CoefficientSelection::Single, {-0.0146L})};
    const std::vector<long double> m = molalities(nacl);
    EXPECT_NEAR(double(m[0]), 1.901285, 1e-6);
    const long double factor = solutionPressureBar(1.0L, m, soluteCoefficients(nacl, m, 25.0L));
    EXPECT_NEAR(double(factor), 0.938083, 1e-6);
    EXPECT_NEAR(double(solutionMillibarAt(nacl, 25.0L)), 29.735, 1e-3);
    EXPECT_NEAR(double(solutionBoilingTemperatureK(nacl, m, 0.9L)), 371.602, 1e-3);

    // No solute, or none in the water: the boiling temperature of pure water.
    const std::vector<AqueousComponent> none{solute(58.44L, 0.0L, CoefficientSelection::Single, {-0.0146L})};
    EXPECT_NEAR(double(solutionBoilingTemperatureK(none, molalities(none), 0.9L)), 369.837, 1e-3);
    EXPECT_NEAR(double(solutionBoilingTemperatureK({}, {}, 0.9L) / waterSaturationTemperatureK(0.9L)), 1.0, 1e-12);
}

TEST(AqueousSolution, AMixtureCanTakeASoluteBeyondTheMolalityOfItsRange)
{
    // NaCl 20 % + sucrose 40 % + CaCl2 10 %: with 30 % water NaCl is at 11.4 mol/kg, where the top
    // of its range, 26 %, gives 6.01 alone; sucrose (up to 65 %) and CaCl2 (up to 30 %) stay below.
    const auto single = CoefficientSelection::Single;
    const std::vector<long double> m = molalities(
        {solute(58.44L, 20, single, {0}), solute(342.297L, 40, single, {0}), solute(110.978L, 10, single, {0})});
    EXPECT_NEAR(double(m[0]), 11.4077, 1e-4);
    EXPECT_NEAR(double(molalityAlone(58.44L, 26)), 6.01217, 1e-5);
    EXPECT_LT(m[1], molalityAlone(342.297L, 65));
    EXPECT_LT(m[2], molalityAlone(110.978L, 30));
    // Alone, the top of the range is the highest molality to the last bit.
    EXPECT_EQ(molalities({solute(58.44L, 26, single, {0})}).front(), molalityAlone(58.44L, 26));
}

TEST(AqueousSolution, CoefficientLinesAreChosenInsideTheirGroup)
{
    const auto byMass = [](long double w) {
        return solute(100.0L, w, CoefficientSelection::ByMassPercent, {-0.01L, -0.02L, -0.03L}, {10, 20, 99});
    };
    const auto byTemperature = solute(100.0L, 10.0L, CoefficientSelection::ByTemperature, {-0.01L, -0.02L}, {50, 999});
    struct Case {
        const char *what;
        AqueousComponent component;
        long double celsius, millibar;
    };
    const Case cases[] = {
        {"by mass, 25 % (third line)", byMass(25), 25, 25.178L},
        {"by mass, 15 % (second line)", byMass(15), 25, 29.223L},
        {"by mass, 10 % (first line: up to its threshold)", byMass(10), 25, 30.897L},
        {"by temperature, 60 °C (second line)", byTemperature, 60, 189.509L},
        {"by temperature, 50 °C (first line)", byTemperature, 50, 120.393L},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(double(solutionMillibarAt({c.component}, c.celsius)), double(c.millibar), 1e-3);
    }

    // A group cut short keeps its last line: the step never reaches past it.
    CoefficientGroup shortGroup = byMass(25).group;
    shortGroup.pop_back();
    const CoefficientGroup groups[] = {shortGroup, {shortGroup.front()}};
    for (const CoefficientGroup &group : groups) {
        const CoefficientLine &line = selectCoefficientLine(CoefficientSelection::ByMassPercent, group, 25.0L, 25.0L);
        EXPECT_EQ(&line, &group.back());
    }
    // k follows all six terms: c1 + c2 t + c3 m + c4 t² + c5 t m + c6 t² m.
    const CoefficientLine line{0, 0, {1.0L, 2.0L, 3.0L, 4.0L, 5.0L, 6.0L}};
    EXPECT_EQ(soluteCoefficient(line, 2.0L, 3.0L), 1.0L + 4.0L + 9.0L + 16.0L + 30.0L + 72.0L);
}

TEST(SystemRange, NarrowsByEachComponentAndLabelsTheWholeSteps)
{
    TemperatureRange range;
    range.narrow(250.3L, 370.0L);
    EXPECT_EQ(temperatureRangeLabel(QStringLiteral("°C"), range.TminK, range.TmaxK),
              QStringLiteral("t min. -21 °C; t max. 96 °C"));
    EXPECT_EQ(temperatureRangeLabel(QStringLiteral("K"), range.TminK, range.TmaxK),
              QStringLiteral("T min. 251 K; T max. 370 K"));
    range.narrow(274.0L, 373.0L);
    EXPECT_EQ(temperatureRangeLabel(QStringLiteral("°C"), range.TminK, range.TmaxK),
              QStringLiteral("t min. 1 °C; t max. 96 °C"));
    EXPECT_TRUE(range.isValid());
    TemperatureRange touching = range;
    touching.narrow(200.0L, 274.0L); // the other's Tmax at this Tmin: no width left
    EXPECT_FALSE(touching.isValid());
    range.narrow(200.0L, 260.0L);
    EXPECT_FALSE(range.isValid());

    TemperatureRange unreadable;
    unreadable.narrow(std::nanl(""), 300.0L);
    EXPECT_FALSE(unreadable.isValid());
    EXPECT_EQ(temperatureRangeLabel(QStringLiteral("°C"), unreadable.TminK, unreadable.TmaxK), QString());

    EXPECT_EQ(celsiusRangeLabel(QStringLiteral("°C"), 20, 80), QStringLiteral("t min. 20 °C; t max. 80 °C"));
    EXPECT_EQ(celsiusRangeLabel(QStringLiteral("K"), 20, 80), QStringLiteral("T min. 294 K; T max. 353 K"));
    EXPECT_EQ(pressureRangeLabel(pressureRangeText(u"bar", 0.009314L, 1.2203L, u'D')),
              QStringLiteral("p min. in mbar: 9,4; p max. in bar: 1,2"));
}
