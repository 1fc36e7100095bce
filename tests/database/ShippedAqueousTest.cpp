// The aqueous-solution files as shipped (data/tenso5.tsv, data/tenso6.tsv): the solutes a user
// expects, sound lines in the program's order, a coefficient group of the right size for every
// solute, and coefficients that reproduce the published water activities they were fitted to, in
// dilute solutions also the vapour-pressure lowering 1 - a_w.
#include "DataListCheck.h"

#include "app/core/AqueousSolution.h"
#include "app/core/RecordFields.h"
#include "app/data/AqueousFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kGermanName = 3;
constexpr int kKey = 5;
constexpr long double kTolerance = 0.005L; // relative, in a_w
// Up to 3 mass % a_w is so close to 1 that 0.5 % in a_w lets the lowering 1 - a_w, which users read
// as the boiling-point elevation, be off by a fifth and more: there it is checked relative to itself.
constexpr long double kDiluteMassPercent = 3.0L;
constexpr long double kLoweringTolerance = 0.03L;

struct AqueousSources
{
    QStringList solutes;
    QStringList coefficients;
};

AqueousSources shipped()
{
    return {sourceLines(QStringLiteral("data/tenso5.tsv")).mid(kAqueousSolutesHeaderLines),
            sourceLines(QStringLiteral("data/tenso6.tsv")).mid(kAqueousCoefficientsHeaderLines)};
}

QString soluteLine(const QStringList &solutes, QStringView key)
{
    for (const QString &line : solutes) {
        if (getField(line, kKey) == key)
            return line;
    }
    return {};
}

// The key's coefficient lines: its line in field 5 and the lines without a key after it.
QStringList groupOf(const QStringList &coefficients, QStringView key)
{
    QStringList group;
    for (const QString &line : coefficients) {
        if (!group.isEmpty() && !getField(line, kKey).isEmpty())
            break;
        if (!group.isEmpty() || getField(line, kKey) == key)
            group << line;
    }
    return group;
}

int groupSize(QStringView type)
{
    return type == u"B" ? 3 : type == u"C" ? 2 : 1;
}

QStringList soluteProblems(QStringView line)
{
    if (line.count(u'\t') != 11)
        return {QStringLiteral("%1 fields instead of 12").arg(line.count(u'\t') + 1)};
    QStringList problems;
    const auto field = [&](int n) { return getField(line, n); };
    for (const int n : {kGermanName, 4, kKey}) {
        if (field(n).trimmed().isEmpty())
            problems << QStringLiteral("field %1 empty").arg(n);
    }
    if (!(dataNumber(field(6)) > 0))
        problems << QStringLiteral("molar mass not a number > 0");
    if (!isWholeNumber(field(8)) || !isWholeNumber(field(9)) || !(field(8).toInt() < field(9).toInt()))
        problems << QStringLiteral("mass-% limits not two whole numbers, low below high");
    if (field(10) == u"*") {
        if (!isWholeNumber(field(12)))
            problems << QStringLiteral("single temperature not a whole number");
    } else if (!isWholeNumber(field(10)) || !isWholeNumber(field(11)) || !(field(10).toInt() < field(11).toInt())) {
        problems << QStringLiteral("temperature limits not two whole numbers, low below high");
    }
    return problems;
}

// Every solute owns one group of the size its type asks for; every group belongs to a solute;
// thresholds and coefficients are numbers.
QStringList groupProblems(const AqueousSources &data)
{
    QStringList problems;
    QStringList keys;
    for (const QString &line : data.solutes)
        keys << getField(line, kKey).toString();
    QStringList groupKeys;
    for (const QString &line : data.coefficients) {
        const QString key = getField(line, kKey).toString();
        if (!key.isEmpty() && !keys.contains(key))
            problems << QStringLiteral("group %1 without a solute").arg(key);
        if (!key.isEmpty() && groupKeys.contains(key))
            problems << QStringLiteral("a second group for %1").arg(key);
        groupKeys << key;
        for (const int n : {7, 9, 11, 12, 13, 14, 15, 16}) {
            if (!std::isfinite(dataNumber(getField(line, n))))
                problems << QStringLiteral("field %1 of a line of %2 not a number").arg(n).arg(getField(line, 1));
        }
    }
    for (const QString &solute : data.solutes) {
        const QStringList group = groupOf(data.coefficients, getField(solute, kKey));
        const int expected = groupSize(getField(solute, 7));
        if (group.size() != expected)
            problems << QStringLiteral("%1: %2 coefficient lines instead of %3")
                            .arg(getField(solute, kKey)).arg(group.size()).arg(expected);
    }
    return problems;
}

// The solutes as the aqueous-solution dialog reads them from its files.
std::vector<AqueousSolute> programSolutes(const AqueousSources &data)
{
    const QStringList soluteHeader(kAqueousSolutesHeaderLines);
    const QStringList coefficientHeader(kAqueousCoefficientsHeaderLines);
    return readAqueousData(soluteHeader + data.solutes, coefficientHeader + data.coefficients, u'D').solutes;
}

const AqueousSolute *findSolute(const std::vector<AqueousSolute> &solutes, QStringView key)
{
    for (const AqueousSolute &solute : solutes) {
        if (solute.key == key)
            return &solute;
    }
    return nullptr;
}

std::vector<AqueousComponent> solution(const AqueousSolute &solute, long double massPercent)
{
    return {{solute.selection, solute.group, solute.molarMassGPerMol, massPercent}};
}

// a_w of water with one solute by the program's model: p / p_water.
long double waterActivity(const AqueousSolute &solute, long double massPercent, long double celsius)
{
    const std::vector<AqueousComponent> components = solution(solute, massPercent);
    const std::vector<long double> m = molalities(components);
    return solutionPressureBar(1.0L, m, soluteCoefficients(components, m, celsius));
}

QStringList checkRows()
{
    return readTextLines(QStringLiteral(TENSIMO_TEST_DATA_DIR "/aqueous/aw_check.tsv")).mid(1);
}

QStringList diluteRows(const QStringList &rows)
{
    QStringList dilute;
    for (const QString &row : rows) {
        if (dataNumber(getField(row, 2)) <= kDiluteMassPercent)
            dilute << row;
    }
    return dilute;
}

// What the program's a_w is compared by: a_w itself, or the lowering 1 - a_w.
enum class Measure { WaterActivity, Lowering };

QStringList checkedActivityProblems(const AqueousSources &data, const QStringList &checkRows,
                                    Measure measure = Measure::WaterActivity)
{
    QStringList problems;
    const std::vector<AqueousSolute> solutes = programSolutes(data);
    for (const QString &row : checkRows) {
        const QStringView key = getField(row, 1);
        const AqueousSolute *solute = findSolute(solutes, key);
        const long double w = dataNumber(getField(row, 2));
        const long double t = dataNumber(getField(row, 3));
        const long double expected = dataNumber(getField(row, 4));
        const long double aw = solute ? waterActivity(*solute, w, t) : std::numeric_limits<long double>::quiet_NaN();
        const bool close = measure == Measure::WaterActivity
            ? std::fabs(aw / expected - 1.0L) <= kTolerance
            : std::fabs(aw - expected) / (1.0L - expected) <= kLoweringTolerance;
        if (!close)
            problems << QStringLiteral("%1 %2 % %3 °C: a_w %4 instead of %5")
                            .arg(key).arg(double(w)).arg(double(t)).arg(double(aw)).arg(double(expected));
    }
    return problems;
}

// Sodium chloride, 10 % (1.90 mol/kg): a_w within 0.5 % of the Pitzer value 0.9352 at 25 °C, and
// boiling at 101.9 °C +- 0.3 K under 1.01325 bar.
QStringList sodiumChlorideProblems(const AqueousSources &data)
{
    const std::vector<AqueousSolute> solutes = programSolutes(data);
    const AqueousSolute *solute = findSolute(solutes, u"NaCl");
    if (!solute)
        return {QStringLiteral("no NaCl")};
    QStringList problems;
    const long double aw = waterActivity(*solute, 10.0L, 25.0L);
    if (!(std::fabs(aw / 0.9352L - 1.0L) <= kTolerance))
        problems << QStringLiteral("a_w %1").arg(double(aw));
    const std::vector<AqueousComponent> components = solution(*solute, 10.0L);
    const long double celsius = solutionBoilingTemperatureK(components, molalities(components), 1.01325L) - 273.15L;
    if (!(std::fabs(celsius - 101.9L) <= 0.3L))
        problems << QStringLiteral("boils at %1 °C").arg(double(celsius));
    return problems;
}

// The data with the coefficient line at index i replaced (or removed when replacement is empty).
AqueousSources withCoefficientLine(AqueousSources data, qsizetype i, const QString &replacement)
{
    if (replacement.isEmpty())
        data.coefficients.removeAt(i);
    else
        data.coefficients[i] = replacement;
    return data;
}

// The data with c1 of the count coefficient lines from index first on scaled by factor.
AqueousSources withScaledC1(AqueousSources data, qsizetype first, qsizetype count, long double factor)
{
    for (qsizetype i = first; i < first + count; ++i) {
        const QString &line = data.coefficients.at(i);
        const long double c1 = dataNumber(getField(line, 11));
        data.coefficients[i] = withField(line, 11, QString::number(double(factor * c1), 'g', 12));
    }
    return data;
}

} // namespace

TEST(ShippedAqueous, SolutesAreSoundUniqueAndInTheProgramsOrder)
{
    const AqueousSources data = shipped();
    EXPECT_GE(data.solutes.size(), 15);
    for (const QString &line : data.solutes) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(soluteProblems(line), QStringList());
    }
    EXPECT_EQ(repeatedNames(data.solutes, kKey), QStringList());
    EXPECT_EQ(namesOutOfOrder(data.solutes, kGermanName), QStringList());
    const char *required[] = {"NaCl", "KCl", "LiCl", "LiBr", "CaCl2", "MgCl2", "Na2SO4", "K2SO4", "MgSO4",
                              "NaOH", "KOH", "HCl"};
    for (const char *key : required)
        EXPECT_FALSE(soluteLine(data.solutes, QString::fromLatin1(key)).isEmpty()) << key;
    const bool sugarOrGlycerol = !soluteLine(data.solutes, u"C12H22O11").isEmpty()
        || !soluteLine(data.solutes, u"C6H12O6").isEmpty() || !soluteLine(data.solutes, u"C3H8O3").isEmpty();
    EXPECT_TRUE(sugarOrGlycerol);
}

TEST(ShippedAqueous, EverySoluteHasItsCoefficientGroup)
{
    EXPECT_EQ(groupProblems(shipped()), QStringList());
    // The aqueous-solution dialog lists every solute.
    EXPECT_EQ(qsizetype(programSolutes(shipped()).size()), shipped().solutes.size());
}

TEST(ShippedAqueous, CoefficientsReproduceThePublishedWaterActivities)
{
    const QStringList rows = checkRows();
    EXPECT_GE(rows.size(), 100);
    EXPECT_EQ(checkedActivityProblems(shipped(), rows), QStringList());
}

TEST(ShippedAqueous, DiluteSolutionsLowerTheVapourPressureByThePublishedAmount)
{
    const AqueousSources data = shipped();
    const QStringList rows = diluteRows(checkRows());
    for (const QString &solute : data.solutes) {
        const QStringView key = getField(solute, kKey);
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const QString &row) { return getField(row, 1) == key; }))
            << "no dilute check row for " << key.toString().toStdString();
    }
    EXPECT_EQ(checkedActivityProblems(data, rows, Measure::Lowering), QStringList());
}

TEST(ShippedAqueous, SodiumChlorideAtTenPercentMatchesPitzerAndBoilsAt1019)
{
    EXPECT_EQ(sodiumChlorideProblems(shipped()), QStringList());
}

TEST(ShippedAqueous, ChecksReportBrokenLines)
{
    const QString sound = QStringLiteral("A1\tPITZER\tNatriumchlorid\tSodium chloride\tNaCl\t58.440\tA\t0\t26\t0\t150\t");
    ASSERT_EQ(soluteProblems(sound), QStringList());
    struct Case { const char *what; QString line; };
    const Case solutes[] = {
        {"eleven fields", sound.section(QLatin1Char('\t'), 0, 10)},
        {"no key", withField(sound, kKey, QString())},
        {"zero molar mass", withField(sound, 6, QStringLiteral("0"))},
        {"mass limits reversed", withField(sound, 8, QStringLiteral("30"))},
        {"fractional mass limit", withField(sound, 9, QStringLiteral("26.5"))},
        {"equal temperatures", withField(sound, 11, QStringLiteral("0"))},
        {"single temperature missing", withField(sound, 10, QStringLiteral("*"))},
    };
    for (const Case &c : solutes) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(soluteProblems(c.line).isEmpty());
    }

    const AqueousSources data = shipped();
    const qsizetype nacl = data.coefficients.indexOf(groupOf(data.coefficients, u"NaCl").value(0));
    const qsizetype mgcl2 = data.coefficients.indexOf(groupOf(data.coefficients, u"MgCl2").value(0)); // 3 lines by mass %
    ASSERT_GE(nacl, 0);
    ASSERT_GE(mgcl2, 0);
    const QString naclLine = data.coefficients.at(nacl);
    struct Broken { const char *what; AqueousSources data; };
    const Broken broken[] = {
        {"a key without its group", withCoefficientLine(data, nacl, QString())},
        {"a group cut short", withCoefficientLine(data, mgcl2 + 1, QString())},
        {"the key on a later group line",
         withCoefficientLine(data, mgcl2 + 1, withField(data.coefficients.at(mgcl2 + 1), kKey, QStringLiteral("MgCl2")))},
        {"an unreadable coefficient", withCoefficientLine(data, nacl, withField(naclLine, 13, QStringLiteral("-0,0x")))},
        {"a group without a solute", withCoefficientLine(data, nacl, withField(naclLine, kKey, QStringLiteral("NaI")))},
    };
    for (const Broken &b : broken) {
        SCOPED_TRACE(b.what);
        EXPECT_FALSE(groupProblems(b.data).isEmpty());
    }

    // c1 of every NaCl set off by 20 %: the check rows and the 10 % point both notice.
    QStringList naclRows;
    for (const QString &row : checkRows()) {
        if (getField(row, 1) == u"NaCl")
            naclRows << row;
    }
    ASSERT_FALSE(naclRows.isEmpty());
    const AqueousSources shifted = withScaledC1(data, nacl, groupOf(data.coefficients, u"NaCl").size(), 1.2L);
    EXPECT_FALSE(checkedActivityProblems(shifted, naclRows).isEmpty());
    EXPECT_FALSE(sodiumChlorideProblems(shifted).isEmpty());

    // c1 of the dilute NaCl set off by 10 %: a_w stays within 0.5 %, the lowering at 0 °C does not.
    const AqueousSources dilute = withScaledC1(data, nacl, 1, 1.1L);
    EXPECT_EQ(checkedActivityProblems(dilute, naclRows), QStringList());
    EXPECT_FALSE(checkedActivityProblems(dilute, diluteRows(naclRows), Measure::Lowering).isEmpty());
}
