// The data files of the solid-liquid and aqueous dialogs: order, fields, and the rules that
// make a file damaged.
#include "app/data/AqueousFiles.h"
#include "app/data/SolidsFile.h"

#include "SolutionTestData.h"

#include <gtest/gtest.h>

namespace {

QStringList names(const SolidsList &list)
{
    QStringList result;
    for (const SolidEntry &solid : list.solids)
        result << solid.itemText();
    return result;
}

QStringList keys(const AqueousData &data)
{
    QStringList result;
    for (const AqueousSolute &solute : data.solutes)
        result << solute.key;
    return result;
}

QStringList replaced(QStringList lines, qsizetype index, const QString &line)
{
    if (line.isEmpty())
        lines.removeAt(index);
    else
        lines[index] = line;
    return lines;
}

} // namespace

TEST(SolidsFile, ListsTheSolidsByNameInTheCollatorsOrder)
{
    QStringList lines = solidsFileLines();
    lines << makeLine(10, {{2, QStringLiteral("Äpfelsäure")}, {4, QStringLiteral("Malic acid")},
                           {6, QStringLiteral("C4H6O5")}, {9, QStringLiteral("134,09")}});
    const SolidsList german = readSolids(lines, u'D');
    EXPECT_FALSE(german.damaged);
    EXPECT_EQ(names(german), (QStringList{QStringLiteral("Äpfelsäure\tC4H6O5"), QStringLiteral("Natriumchlorid\tNaCl"),
                                          QStringLiteral("Testsalz-350\tXY")}));
    EXPECT_EQ(german.solids[0].molarMass, 134.09L);
    EXPECT_EQ(german.solids[1].limitK, kNoSolidLimitK);
    EXPECT_EQ(german.solids[2].limitK, 350.0L);
    EXPECT_EQ(names(readSolids(lines, u'E')).first(), QStringLiteral("Malic acid\tC4H6O5"));
    // Only the header: nothing listed, nothing damaged.
    EXPECT_FALSE(readSolids(lines.mid(0, kSolidsHeaderLines), u'D').damaged);
    EXPECT_TRUE(readSolids(lines.mid(0, 2), u'D').solids.empty());
}

TEST(SolidsFile, ALineThatBreaksTheRulesDamagesTheWholeFile)
{
    const QString sound = solidsFileLines().at(5);
    struct Case {
        const char *what;
        int field;
        QString value;
    };
    const Case cases[] = {
        {"no name", 2, {}},          {"no formula", 6, {}},
        {"no molar mass", 9, {}},    {"molar mass unreadable", 9, QStringLiteral("58.4x")},
        {"molar mass 0", 9, QStringLiteral("0")}, {"limit unreadable", 10, QStringLiteral("abc")},
        {"limit below 0", 10, QStringLiteral("-5")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QStringList fields = sound.split(u'\t');
        fields[c.field - 1] = c.value;
        const SolidsList list = readSolids(replaced(solidsFileLines(), 5, fields.join(u'\t')), u'D');
        EXPECT_TRUE(list.damaged);
        EXPECT_TRUE(list.solids.empty());
    }
}

TEST(AqueousFiles, ReadsSolutesWithTheirGroups)
{
    const AqueousData german = readAqueousData(aqueousSoluteFileLines(), aqueousCoefficientFileLines(), u'D');
    ASSERT_EQ(german.fault, AqueousDataFault::None);
    // German keeps the file order; other languages sort by their names.
    EXPECT_EQ(keys(german), (QStringList{"NaCl", "KCl", "TB", "TC", "R2080", "R90"}));
    EXPECT_EQ(keys(readAqueousData(aqueousSoluteFileLines(), aqueousCoefficientFileLines(), u'E')),
              (QStringList{"R90", "KCl", "R2080", "NaCl", "TB", "TC"}));

    const AqueousSolute &kcl = german.solutes[1];
    EXPECT_TRUE(kcl.singleTemperature);
    EXPECT_EQ(kcl.lowerC, 25);
    EXPECT_EQ(kcl.upperC, 25);
    EXPECT_EQ(kcl.massPercentMaxText, QStringLiteral("25"));
    EXPECT_EQ(kcl.itemText(u'D'), QStringLiteral("Kaliumchlorid\tKCl"));
    const AqueousSolute &tb = german.solutes[2];
    EXPECT_EQ(tb.selection, CoefficientSelection::ByMassPercent);
    ASSERT_EQ(tb.group.size(), 3u);
    EXPECT_EQ(tb.group[1].massPercentThreshold, 20.0L);
    EXPECT_EQ(tb.group[2].c[0], -0.03L);
    EXPECT_EQ(german.solutes[3].group[1].temperatureThresholdC, 999.0L);

    // Files no longer than their headers list nothing and are not damaged.
    const AqueousData empty
        = readAqueousData(aqueousSoluteFileLines(), aqueousCoefficientFileLines().mid(0, 3), u'D');
    EXPECT_EQ(empty.fault, AqueousDataFault::None);
    EXPECT_TRUE(empty.solutes.empty());
}

TEST(AqueousFiles, BrokenRulesDamageTheFileThatBreaksThem)
{
    const QStringList solutes = aqueousSoluteFileLines();
    const QStringList groups = aqueousCoefficientFileLines();
    const QString none;
    // Indexes after the headers: solutes 11 NaCl .. 16 R90; groups 7 NaCl, 8 KCl, 9-11 TB, 12-13 TC.
    struct Case {
        const char *what;
        QStringList soluteLines;
        QStringList coefficientLines;
        AqueousDataFault fault;
    };
    const Case cases[] = {
        {"a group of type B with two lines", solutes, replaced(groups, 11, none), AqueousDataFault::Coefficients},
        {"a key without its group", solutes, replaced(groups, 7, none), AqueousDataFault::Coefficients},
        {"the key on a later group line", solutes,
         replaced(groups, 10, coefficientLine(QStringLiteral("TB"), QStringLiteral("99"), none, QStringLiteral("-0.03"))),
         AqueousDataFault::Coefficients},
        {"a group without its solute", solutes,
         groups + QStringList{coefficientLine(QStringLiteral("NaI"), none, none, QStringLiteral("-0.01"))},
         AqueousDataFault::Coefficients},
        {"a line before the first key", solutes,
         replaced(groups, 7, coefficientLine(none, none, none, QStringLiteral("-0.0146"))),
         AqueousDataFault::Coefficients},
        {"an unreadable coefficient", solutes,
         replaced(groups, 8, coefficientLine(QStringLiteral("KCl"), none, none, QStringLiteral("-0,0x"))),
         AqueousDataFault::Coefficients},
        {"a missing threshold of type C", solutes,
         replaced(groups, 12, coefficientLine(QStringLiteral("TC"), none, none, QStringLiteral("-0.01"))),
         AqueousDataFault::Coefficients},
        {"a molar mass of 0", replaced(solutes, 11, soluteLine(QStringLiteral("N|S|NaCl|0|A|0|26|0|100").split(u'|'))),
         groups, AqueousDataFault::Solutes},
        {"an unreadable temperature", replaced(solutes, 11, soluteLine(QStringLiteral("N|S|NaCl|58|A|0|26|a|100").split(u'|'))),
         groups, AqueousDataFault::Solutes},
        {"a single temperature missing", replaced(solutes, 12, soluteLine(QStringLiteral("K|P|KCl|74|A|0|25|*||").split(u'|'))),
         groups, AqueousDataFault::Solutes},
        {"a key given twice", replaced(solutes, 16, soluteLine(QStringLiteral("H|Hot|NaCl|100|A|0|30|90|100").split(u'|'))),
         groups, AqueousDataFault::Solutes},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const AqueousData data = readAqueousData(c.soluteLines, c.coefficientLines, u'D');
        EXPECT_EQ(data.fault, c.fault);
        EXPECT_TRUE(data.solutes.empty());
    }
}
