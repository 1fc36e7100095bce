// The solids file as shipped (data/tenso4.tsv): enough solids, sound lines, unique names, and the
// German order the solid-liquid window lists them in.
#include "DataListCheck.h"

#include "app/core/RecordFields.h"
#include "app/data/SolidsFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kHeaderLines = 5;
constexpr int kGermanName = 2;
constexpr int kOtherName = 4;

QStringList solids()
{
    return sourceLines(QStringLiteral("data/tenso4.tsv")).mid(kHeaderLines);
}

// Ten fields, both names and the formula, M > 0 kg/kmol, a limit that is empty or above 273.15 K.
QStringList solidProblems(QStringView line)
{
    QStringList problems;
    if (line.count(u'\t') != 9)
        return {QStringLiteral("%1 fields instead of 10").arg(line.count(u'\t') + 1)};
    for (const int n : {kGermanName, kOtherName, 6}) {
        if (getField(line, n).trimmed().isEmpty())
            problems << QStringLiteral("field %1 empty").arg(n);
    }
    if (!(dataNumber(getField(line, 9)) > 0))
        problems << QStringLiteral("molar mass not a number > 0");
    const QStringView limit = getField(line, 10);
    if (!limit.isEmpty() && !(dataNumber(limit) > 273.15L))
        problems << QStringLiteral("limit neither empty nor above 273.15 K");
    return problems;
}

} // namespace

TEST(ShippedSolids, EveryLineIsSound)
{
    const QStringList lines = solids();
    EXPECT_GE(lines.size(), 40);
    for (const QString &line : lines) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(solidProblems(line), QStringList());
    }
    // The solid-liquid dialog lists every one of them in both languages.
    for (const QChar language : {u'D', u'E'}) {
        const SolidsList listed = readSolids(sourceLines(QStringLiteral("data/tenso4.tsv")), language);
        EXPECT_FALSE(listed.damaged);
        EXPECT_EQ(qsizetype(listed.solids.size()), lines.size());
    }
}

TEST(ShippedSolids, NamesAreUniqueAndGermanNamesInTheProgramsOrder)
{
    const QStringList lines = solids();
    EXPECT_EQ(repeatedNames(lines, kGermanName), QStringList());
    EXPECT_EQ(repeatedNames(lines, kOtherName), QStringList());
    EXPECT_EQ(namesOutOfOrder(lines, kGermanName), QStringList());
}

TEST(ShippedSolids, ChecksReportBrokenLines)
{
    const QString sound = QStringLiteral("F1\tNatriumchlorid\t\tSodium chloride\t\tNaCl\t7647-14-5\t\t58.440\t");
    ASSERT_EQ(solidProblems(sound), QStringList());
    struct Case { const char *what; QString line; };
    const Case cases[] = {
        {"nine fields", sound.section(QLatin1Char('\t'), 0, 8)},
        {"no German name", withField(sound, kGermanName, QString())},
        {"no formula", withField(sound, 6, QString())},
        {"zero molar mass", withField(sound, 9, QStringLiteral("0"))},
        {"text as molar mass", withField(sound, 9, QStringLiteral("58,4x"))},
        {"limit below freezing", withField(sound, 10, QStringLiteral("250"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(solidProblems(c.line).isEmpty());
    }
    const QString other = withField(withField(sound, kGermanName, QStringLiteral("Ätznatron")), kOtherName,
                                     QStringLiteral("Caustic soda"));
    EXPECT_FALSE(repeatedNames({sound, withField(other, kOtherName, QStringLiteral("Sodium chloride"))}, kOtherName)
                     .isEmpty());
    // "Ätznatron" sorts as "Atznatron", before "Natriumchlorid".
    EXPECT_EQ(namesOutOfOrder({other, sound}, kGermanName), QStringList());
    EXPECT_FALSE(namesOutOfOrder({sound, other}, kGermanName).isEmpty());
}
