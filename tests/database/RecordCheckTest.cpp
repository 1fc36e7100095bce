// The record checks themselves: each kind of broken record must be reported.
#include "RecordCheck.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A sound Perry-form record (benzene), fields joined with tabs.
const QString kBenzene = QStringLiteral(
    "S1\tPER\t71-43-2\tgeprüft\tBenzol\t\tBenzene\t\tC6H6\t6\t6\t78.11184\t278.68\t353.24\t101\t"
    "83.107\t-6486.2\t-9.2194\t6.9844E-06\t2\t278.68\t562.05\t562.05\t48.98");

QString withField(const QString &line, int n, const QString &value)
{
    QStringList fields = line.split(QLatin1Char('\t'));
    fields[n - 1] = value;
    return fields.join(QLatin1Char('\t'));
}

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
