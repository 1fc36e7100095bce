// The record checks themselves: each kind of broken record must be reported.
#include "DataListCheck.h"
#include "RecordCheck.h"

#include "app/core/VapourPressure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A sound Perry-form record (benzene), fields joined with tabs.
const QString kBenzene = QStringLiteral(
    "S1\tPER\t71-43-2\tgeprüft\tBenzol\t\tBenzene\t\tC6H6\t6\t6\t78.11184\t278.68\t353.24\t101\t"
    "83.107\t-6486.2\t-9.2194\t6.9844E-06\t2\t278.68\t562.05\t562.05\t48.98");

} // namespace

TEST(RecordCheck, SoundRecordPassesEveryCheck)
{
    EXPECT_TRUE(recordLayoutProblems(kBenzene).isEmpty()) << recordLayoutProblems(kBenzene).join(u"; ").toStdString();
    EXPECT_TRUE(recordEquationProblems(kBenzene).isEmpty()) << recordEquationProblems(kBenzene).join(u"; ").toStdString();
    const NormalBoilingCheck nbp = normalBoilingCheck(kBenzene);
    EXPECT_TRUE(nbp.inRange);
    EXPECT_LT(std::fabs(double(nbp.relativeDeviation)), 0.02);
}

TEST(RecordCheck, ReportsBrokenLayouts)
{
    struct Case { const char *what; QString line; };
    const Case cases[] = {
        {"trailing tab", kBenzene + QLatin1Char('\t')},
        {"23 fields", kBenzene.section(QLatin1Char('\t'), 0, 22)},
        {"user source code", withField(kBenzene, 2, QStringLiteral("E001"))},
        {"empty German name", withField(kBenzene, 5, QString())},
        {"fractional C atoms", withField(kBenzene, 10, QStringLiteral("6.5"))},
        {"negative H atoms", withField(kBenzene, 11, QStringLiteral("-1"))},
        {"zero molar mass", withField(kBenzene, 12, QStringLiteral("0"))},
        {"comma code", withField(kBenzene, 15, QStringLiteral("1,8"))},
        {"blank before code", withField(kBenzene, 15, QStringLiteral(" 3"))},
        {"empty coefficient", withField(kBenzene, 19, QString())},
        {"Tb unknown for DIPPR", withField(kBenzene, 14, QStringLiteral("k.A."))},
        {"Tmin above Tmax", withField(kBenzene, 21, QStringLiteral("600"))},
        {"no critical data", withField(kBenzene, 23, QStringLiteral("0"))},
        {"Wagner beyond Tc", withField(withField(kBenzene, 15, QStringLiteral("1")), 22, QStringLiteral("600"))},
        {"text as melting point", withField(kBenzene, 13, QStringLiteral("n/a"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(recordLayoutProblems(c.line).isEmpty());
    }
}

TEST(RecordCheck, ReportsEquationsThatFailInTheirRange)
{
    struct Case { const char *what; QString line; };
    // Sign of B flipped: pressure falls with T.
    const QString falling = withField(kBenzene, 17, QStringLiteral("6486.2"));
    // Antoine pole inside the range: T + C passes zero at 300 K.
    const QString pole = withField(withField(kBenzene, 15, QStringLiteral("3")), 18, QStringLiteral("-300"));
    const Case cases[] = {{"falling pressure", falling}, {"Antoine pole", pole}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(recordEquationProblems(c.line).isEmpty());
    }
}

TEST(RecordCheck, MeasuresTheMissAtTheNormalBoilingPoint)
{
    // The same record with Tb moved up by 3 K must miss 1 atm by more than 5 %.
    const NormalBoilingCheck shifted = normalBoilingCheck(withField(kBenzene, 14, QStringLiteral("356.24")));
    EXPECT_TRUE(shifted.inRange);
    EXPECT_GT(double(shifted.relativeDeviation), 0.05);
    const NormalBoilingCheck unknown = normalBoilingCheck(withField(kBenzene, 14, QStringLiteral("k.A.")));
    EXPECT_FALSE(unknown.inRange);
}

namespace {

// Benzene in the Antoine log10/kPa form; ranges and Tb are moved by the cases below.
const QString kBenzeneAntoine = QStringLiteral(
    "S2\tPOL\t71-43-2\tgeprüft\tBenzol\t\tBenzene\t\tC6H6\t6\t6\t78.11184\t278.68\t353.24\t1.8\t"
    "5.98523\t1184.24\t-55.578\t0\t0\t279.64\t377.06\t562.05\t48.98");

QString withRange(const QString &line, const char *tmin, const char *tmax, const char *tb)
{
    return withField(withField(withField(line, 21, QLatin1String(tmin)), 22, QLatin1String(tmax)), 14, QLatin1String(tb));
}

// Landolt rows that once shipped with absurd pressures away from their range.
const QString kNitrosodiethylamine = QStringLiteral(
    "S3\tLAN\t55-18-5\tgeprüft\tN-Nitrosodiethylamin\t\tN-Nitrosodiethylamine\t\tC4H10N2O\t4\t10\t102.137\tk.A.\t445.15\t3\t"
    "40.3820465854017\t7368.518674185897\t346.622\t0\t0\t273.0\t337.0\t0\t0");
const QString kTrifluoroethanol = QStringLiteral(
    "S4\tLAN\t75-89-8\tgeprüft\t2,2,2-Trifluorethanol\t\t2,2,2-Trifluoroethanol\t\tC2H3F3O\t2\t3\t100.04\t229.15\t346.95\t3\t"
    "10.499097248525\t2759.6758649744797\t2304.457\t0\t0\t353.0\t454.0\t498.5\t48.25");
const QString kDinonylPhthalate = QStringLiteral(
    "S5\tLAN\t84-76-4\tgeprüft\tDinonylphthalat\t\tDinonyl phthalate\t\tC26H42O4\t26\t42\t418.60928\tk.A.\t686.15\t3\t"
    "37.4129091596877\t19764.75952994541\t0.0\t0\t0\t393.0\t433.0\t858\t10");
const QString kNitroaniline = QStringLiteral(
    "S6\tLAN\t88-74-4\tgeprüft\t2-Nitroanilin\t\t2-Nitroaniline\t\tC6H6N2O2\t6\t6\t138.12404\t344.15\t558.15\t3\t"
    "8.29752656356055\t7109.378840065068\t-18.084\t0\t0\t377.0\t557.0\t800\t55.01947");
// Poling's fit boils near 421 K; one compilation lists 430.15 K.
const QString kMethylpentanol = QStringLiteral(
    "S7\tPOL\t105-30-6\tgeprüft\t2-Methyl-1-pentanol\t\t2-Methyl-1-pentanol\t\tC6H14O\t6\t14\t102.17476\tk.A.\t430.15\t1.8\t"
    "8.1979\t2625.143\t3.18\t0\t0\t298\t423\t604.4\t34.5");

} // namespace

TEST(RecordCheck, SoundRecordsAwayFromTheirBoilingPointArePlausible)
{
    struct Case { const char *what; QString line; };
    const Case cases[] = {
        {"Tb 23 K above the range", withRange(kBenzeneAntoine, "280", "330", "353.24")},
        {"Tb 27 K below the range", withRange(kBenzeneAntoine, "380", "420", "353.24")},
        {"Perry form up to Tc", kBenzene},
        {"doubtful Tb replaced", withField(kMethylpentanol, 14, QStringLiteral("421.15"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(recordLayoutProblems(c.line).isEmpty());
        EXPECT_TRUE(recordEquationProblems(c.line).isEmpty());
        EXPECT_TRUE(recordPlausibilityProblems(c.line).isEmpty()) << recordPlausibilityProblems(c.line).join(u"; ").toStdString();
        const NormalBoilingCheck check = normalBoilingCheck(c.line);
        EXPECT_TRUE(check.known);
        EXPECT_LE(std::fabs(double(check.relativeDeviation)), 0.02);
    }
    const NormalBoilingCheck above = normalBoilingCheck(withRange(kBenzeneAntoine, "280", "330", "353.24"));
    EXPECT_FALSE(above.inRange);
    EXPECT_NEAR(double(above.distanceK), 23.24, 1e-9);
    EXPECT_NEAR(double(above.extrapolatedAtm), 1.0, 0.1);
}

TEST(RecordCheck, ReportsPressuresAboveTheCeiling)
{
    struct Case { const char *what; QString line; };
    const Case cases[] = {
        {"Pc far below the pressure at Tmax", withField(kBenzene, 24, QStringLiteral("20"))},
        {"no Pc, 7e12 bar", kNitrosodiethylamine},
        {"1.3e4 bar beside Pc 48 bar", kTrifluoroethanol},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(recordEquationProblems(c.line).isEmpty());
        const QStringList problems = recordPlausibilityProblems(c.line);
        ASSERT_FALSE(problems.isEmpty());
        EXPECT_TRUE(problems.first().contains(u"bar above")) << problems.first().toStdString();
    }
    EXPECT_EQ(double(pressureCeilingBar(48.0L)), 72.0);
    EXPECT_EQ(double(pressureCeilingBar(0.0L)), 1000.0);
}

TEST(RecordCheck, ReportsPressuresOnTheWrongSideOfOneAtmosphereBeyondTheRange)
{
    struct Case { const char *what; QString line; double atLeast; };
    // Benzene has 1.23 atm at 360 K and 0.136 atm at 300 K.
    const Case cases[] = {
        {"above 1 atm below Tb", withRange(kBenzeneAntoine, "280", "360", "362"), 0.2},
        {"below 1 atm above Tb", withRange(kBenzeneAntoine, "300", "377", "290"), 0.8},
        {"listed Tb 7 K above where the fit boils", kMethylpentanol, 0.05},
        {"7e12 bar below Tb", kNitrosodiethylamine, 1e6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const NormalBoilingCheck check = normalBoilingCheck(c.line);
        EXPECT_TRUE(check.known);
        EXPECT_FALSE(check.inRange);
        EXPECT_GT(std::fabs(double(check.relativeDeviation)), c.atLeast);
    }
}

TEST(RecordCheck, ReportsExtrapolationsToTbOutOfBounds)
{
    struct Case { const char *what; QString line; };
    const Case cases[] = {
        // 0.33 atm at a Tb 20 K above the range: the chord cannot underestimate that much.
        {"too low near the range", withRange(kBenzeneAntoine, "280", "300", "320")},
        {"0.008 atm 1 K from the range", kNitroaniline},
        {"5000 atm 253 K from the range", kDinonylPhthalate},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(recordEquationProblems(c.line).isEmpty());
        EXPECT_EQ(normalBoilingCheck(c.line).relativeDeviation, 0.0L); // order alone does not see it
        const QStringList problems = recordPlausibilityProblems(c.line);
        ASSERT_EQ(problems.size(), 1);
        EXPECT_TRUE(problems.first().startsWith(u"extrapolated")) << problems.first().toStdString();
    }
    // The bound widens with the distance and stops at 30.
    EXPECT_NEAR(double(extrapolationBound(0.0L)), 2.0, 1e-12);
    EXPECT_NEAR(double(extrapolationBound(100.0L)), 3.6442, 1e-4);
    EXPECT_NEAR(double(extrapolationBound(200.0L)), 22.046, 1e-3);
    EXPECT_EQ(double(extrapolationBound(400.0L)), 30.0);
}

TEST(RecordCheck, MeasuresTheMissOfTheCriticalPressure)
{
    // Perry's benzene reaches 48.9 bar at its Tc of 562.05 K.
    struct Case { const char *what; QString line; bool valid; bool beyond5Percent; };
    const Case cases[] = {
        {"sound", kBenzene, true, false},
        {"Pc 20 % too low", withField(kBenzene, 24, QStringLiteral("40")), true, true},
        {"range ends 0.4 K below Tc", withField(kBenzene, 22, QStringLiteral("561.65")), true, false},
        {"range ends 1 K below Tc", withField(withField(kBenzene, 22, QStringLiteral("561.05")), 24, QStringLiteral("40")), false, false},
        {"no critical data", withField(kBenzeneAntoine, 24, QStringLiteral("0")), false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<long double> miss = criticalPressureMiss(c.line);
        ASSERT_EQ(miss.has_value(), c.valid);
        if (miss) {
            EXPECT_EQ(std::fabs(double(*miss)) > 0.05, c.beyond5Percent) << double(*miss);
        }
    }
}

TEST(RecordCheck, HoldsARecordWhoseTablePcIsOverruledToTheCorrelationsPressure)
{
    // Benzene carrying a table's 60 bar that its correlation, 48.9 bar at Tc, overrules.
    const QString line = withField(kBenzene, 24, QStringLiteral("60"));
    const auto note = [](const char *tc, const char *pc, const char *ships) {
        return QStringLiteral("the priority choice; critical point: every correlation valid to Tc misses PSRK's %1 K, "
                              "%2 bar (Perry Benzene 48.98 bar, -18.4 %), and no table agrees with them: the "
                              "correlations win over PSRK's Pc, which the record carries as published and is not "
                              "held to; the record ships %3 bar at Tc, as Perry Benzene gives")
            .arg(QLatin1String(tc), QLatin1String(pc), QLatin1String(ships));
    };
    struct Case { const char *what; QString note; bool overruled; bool beyond5Percent; };
    const Case cases[] = {
        {"the curve gives the correlations' pressure", note("562.05", "60", "48.98"), true, false},
        {"the curve goes wrong at Tc", note("562.05", "60", "40.1"), true, true},
        {"the note is of another Pc", note("562.05", "61", "48.98"), false, false},
        {"the note is of another Tc", note("560", "60", "48.98"), false, false},
        {"the correlations win with another table", QStringLiteral("critical point: every correlation valid to Tc "
                                                                   "misses PSRK's 562.05 K, 60 bar: the correlations win"), false, false},
        {"no note", QString(), false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<long double> miss = overruledCriticalPressureMiss(line, c.note);
        ASSERT_EQ(miss.has_value(), c.overruled);
        if (miss) {
            EXPECT_EQ(std::fabs(double(*miss)) > 0.05, c.beyond5Percent) << double(*miss);
        }
    }
}

TEST(RecordCheck, RecognisesRegistryCodes)
{
    struct Case { const char *name; bool code; };
    const Case cases[] = {{"Ac1l1dfd", true}, {"SCHEMBL12345", true}, {"surecn12006", true},
                          {"Benzene", false}, {"1-Butanol", false}, {"2,2,4-Trimethylpentane", false},
                          {"r-1, c-2, t-3-Trimethylcyclo-pentane", false}, {"", false}, {"1234", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isRegistryCode(QString::fromUtf8(c.name)), c.code);
    }
}

TEST(RecordCheck, ReportsFitsThatMissTheirEvidence)
{
    // Benzene's own pressures as evidence, then moved beyond their tolerance.
    const long double at300 = calcRecordPressure(kBenzene, 300.0L);
    const long double atTb = calcRecordPressure(kBenzene, 353.24L); // about 1 atm
    const FitEvidence sound{QStringLiteral("handbook"), 300.0L, at300, 0.01L};
    EXPECT_TRUE(fitEvidenceProblems(kBenzene, {sound}).isEmpty());
    EXPECT_EQ(fitEvidenceProblems(kBenzene, {{QStringLiteral("curve"), 300.0L, 1.02L * at300, 0.01L}}).size(), 1);
    // Two compilations' boiling points: met where the record reaches 1 atm between them.
    const QList<FitEvidence> between{{QStringLiteral("Tb"), 352.9L, 1.01325L, 0.005L}, {QStringLiteral("Tb"), 353.6L, 1.01325L, 0.005L}};
    EXPECT_TRUE(fitEvidenceProblems(kBenzene, between).isEmpty());
    const QList<FitEvidence> above{{QStringLiteral("Tb"), 355.0L, 1.01325L, 0.005L}, {QStringLiteral("Tb"), 356.0L, 1.01325L, 0.005L}};
    EXPECT_EQ(fitEvidenceProblems(kBenzene, above).size(), 1);
    EXPECT_NEAR(double(atTb), 1.01325, 0.02);
}
