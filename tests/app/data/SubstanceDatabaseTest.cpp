// The substance list: header, filter, the two orders and the search.
#include "app/data/SubstanceDatabase.h"

#include "TestRecords.h"
#include "app/core/RecordFields.h"

#include <gtest/gtest.h>

namespace {

QStringList names(const QStringList &records)
{
    QStringList result;
    for (const QString &record : records)
        result.append(displayName(record, u'D'));
    return result;
}

} // namespace

TEST(SubstanceDatabase, DropsTheThreeHeaderLinesAndKeepsTheLabel)
{
    const SubstanceDatabase database = splitDatabaseFile(
        {QStringLiteral("H\tTEST\tx"), QStringLiteral("h2"), QStringLiteral("h3"), w2000Record(), QString()});
    EXPECT_EQ(database.label, QStringLiteral("TEST"));
    EXPECT_EQ(database.records, QStringList{w2000Record()});
    EXPECT_TRUE(splitDatabaseFile({QStringLiteral("H\tLEER"), QStringLiteral("h2"), QStringLiteral("h3")}).records.isEmpty());
    EXPECT_EQ(elementCountText(QStringLiteral("TEST"), 0), QStringLiteral("Database TEST = 0 elements"));
}

TEST(SubstanceDatabase, FiltersOrganicAndInorganicByCarbonAtoms)
{
    const QStringList records = {testRecord(QStringLiteral("Wasser"), QStringLiteral("1"), 0, 2),
                                 testRecord(QStringLiteral("Methan"), QStringLiteral("2"), 1, 4),
                                 testRecord(QStringLiteral("Benzol"), QStringLiteral("3"), 6, 6)};
    EXPECT_EQ(names(filterRecords(records, SubstanceFilter::All)), (QStringList{"Wasser", "Methan", "Benzol"}));
    EXPECT_EQ(names(filterRecords(records, SubstanceFilter::Organic)), (QStringList{"Methan", "Benzol"}));
    EXPECT_EQ(names(filterRecords(records, SubstanceFilter::Inorganic)), QStringList{"Wasser"});
}

TEST(SubstanceDatabase, SortsNamesTheGermanWayWithoutRegardToCase)
{
    const QStringList records = {testRecord(QStringLiteral("Zinn"), QStringLiteral("1"), 0, 0),
                                 testRecord(QStringLiteral("äthan"), QStringLiteral("2"), 2, 6),
                                 testRecord(QStringLiteral("Aceton"), QStringLiteral("3"), 3, 6),
                                 testRecord(QStringLiteral("benzol"), QStringLiteral("4"), 6, 6),
                                 testRecord(QStringLiteral("Öl"), QStringLiteral("5"), 0, 0)};
    EXPECT_EQ(names(sortByName(records, u'D')), (QStringList{"Aceton", "äthan", "benzol", "Öl", "Zinn"}));
    // Other languages sort by the English name.
    EXPECT_EQ(displayName(records.first(), u'E'), QStringLiteral("Test Zinn"));
}

TEST(SubstanceDatabase, NameOrderIgnoresOnlyHyphensAndApostrophes)
{
    // Commas and digits decide ("10,11-" is not "1011"); hyphens do not ("Di-tert" sorts as "Ditert").
    QStringList records;
    for (const char *name : {"Di-tert-butylperoxid", "10,11-Dithiaeicosan", "1,11-Undecandithiol", "Diethylether",
                             "1,1,1-Trifluorethan", "N,N'-Diphenylharnstoff", "N,N-Diethylanilin"})
        records.append(testRecord(QString::fromUtf8(name), QStringLiteral("1"), 1, 1));
    EXPECT_EQ(names(sortByName(records, u'D')),
              (QStringList{"1,1,1-Trifluorethan", "1,11-Undecandithiol", "10,11-Dithiaeicosan", "Diethylether",
                           "Di-tert-butylperoxid", "N,N-Diethylanilin", "N,N'-Diphenylharnstoff"}));
}

TEST(SubstanceDatabase, SortsByFormulaAsCarbonThenHydrogenThenName)
{
    const QStringList records = {
        testRecord(QStringLiteral("Ethan"), QStringLiteral("1"), 2, 6),
        testRecord(QStringLiteral("Wasser"), QStringLiteral("2"), 0, 2),
        testRecord(QStringLiteral("Ethen"), QStringLiteral("3"), 2, 4),
        testRecord(QStringLiteral("Argon"), QStringLiteral("4"), 0, 0),
        testRecord(QStringLiteral("Acetylen"), QStringLiteral("5"), 2, 2),
        testRecord(QStringLiteral("Dichlorethin"), QStringLiteral("6"), 2, 0),
        testRecord(QStringLiteral("Hexacontan"), QStringLiteral("7"), 60, 122),
        // A count below zero must not make the record vanish from the list.
        testRecord(QStringLiteral("Fehlerhaft"), QStringLiteral("8"), -1, 3),
        testRecord(QStringLiteral("Ammoniak"), QStringLiteral("9"), 0, 3),
    };
    EXPECT_EQ(names(sortByFormula(records, u'D')),
              (QStringList{"Argon", "Wasser", "Ammoniak", "Fehlerhaft", "Dichlorethin", "Acetylen", "Ethen", "Ethan",
                           "Hexacontan"}));
}

TEST(SubstanceDatabase, SearchStepsOnAndWrapsAround)
{
    QStringList records = {testRecord(QStringLiteral("Methanol"), QStringLiteral("67-56-1"), 1, 4),
                           testRecord(QStringLiteral("Ethanol"), QStringLiteral("64-17-5"), 2, 6),
                           testRecord(QStringLiteral("Propanol"), QStringLiteral("71-23-8"), 3, 8),
                           testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)};
    // The further name is searched too.
    QStringList fields = records[2].split(u'\t');
    fields[5] = QStringLiteral("Propylalkohol");
    records[2] = fields.join(u'\t');

    struct Case {
        const char *text;
        SearchKey key;
        int current;
        int found;
    };
    const Case cases[] = {
        {"anol", SearchKey::Name, 0, 1}, // after the selection first
        {"anol", SearchKey::Name, 1, 2}, // a second search steps on
        {"anol", SearchKey::Name, 2, 0}, // and wraps around
        {"ethan", SearchKey::Name, 0, 3}, // "Ethanol" does not contain "ethan": case matters
        {"Methanol", SearchKey::Name, 2, 0}, // only the first record has it
        {"alkohol", SearchKey::Name, 0, 2},
        {"methanol", SearchKey::Name, 2, -1}, // case matters
        {"", SearchKey::Name, 0, -1},
        {"64-17-5", SearchKey::Cas, 3, 1},
        {"64-17", SearchKey::Cas, 0, -1}, // the CAS number must match exactly
        {"xyz", SearchKey::Name, -1, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(findSubstance(records, QString::fromUtf8(c.text), c.key, c.current, u'D'), c.found);
    }
}
