// The language tables: the shipped files' layout, block lookup and the global texts.
#include "app/data/LanguageTables.h"

#include "TestRecords.h"
#include "app/core/RecordFields.h"

#include <gtest/gtest.h>

namespace {

struct Block {
    const char *name;
    int lines;
};

// Every window block the program ships, with its exact number of lines.
const Block kShippedBlocks[] = {
    {"Form1", 51},
    {"Info", 2},
    {"einstellungenDlg", 4},
    {"TabelleDlg", 6},
    {"Datenbank_erweiternDlg", 18},
    {"MesswerteDlg", 2},
    {"Abschaetzung2MessDlg", 5},
    {"SiedepAbschae2MessDlg", 5},
    {"Abschaetzung2Dlg", 5},
    {"Abschaetzung2SiedepDlg", 5},
    {"Abschaetzung1Dlg", 5},
    {"Abschaetzung1SiedepDlg", 5},
    {"FlueFlueDlg", 4},
    {"FestFlueDlg", 5},
    {"WaessrigDlg", 7},
    {"Konz_Bereiche_Dlg", 3},
    {"TabelleMischungDlg", 8},
    {"TabMischFestDlg", 9},
    {"TabelleWaessrigDlg", 10},
    {"KurveDlg", 7},
    {"MeddazuDlg", 4},
};

bool isBlockName(QStringView field)
{
    for (const Block &block : kShippedBlocks) {
        if (field == QLatin1StringView(block.name))
            return true;
    }
    return false;
}

} // namespace

TEST(ShippedLanguageTables, EveryBlockHasItsExactLineCount)
{
    const QStringList lines = shippedSourceLines(QStringLiteral("varsonst.tsv"));
    for (const Block &block : kShippedBlocks) {
        SCOPED_TRACE(block.name);
        int header = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (getField(lines.at(i), 1) == QLatin1StringView(block.name)) {
                EXPECT_EQ(header, -1) << "the block appears twice";
                header = i;
            }
        }
        ASSERT_GE(header, 0);
        // The block ends at the next header or at the end of the table.
        int end = header + 1;
        while (end < lines.size() && !isBlockName(getField(lines.at(end), 1)))
            ++end;
        EXPECT_EQ(end - header, block.lines);
    }
}

TEST(ShippedLanguageTables, GlobalTableHoldsAllTextsInAllFourLanguages)
{
    const QStringList lines = shippedSourceLines(QStringLiteral("varglob.tsv"));
    ASSERT_GE(lines.size(), LanguageTables::kGlobalTableMinimumLines);
    for (int n = 1; n <= LanguageTables::kGlobalTextCount; ++n) {
        const QString &line = lines.at(LanguageTables::kGlobalHeaderLines + n - 1);
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(getField(line, 1), QString::number(n));
        EXPECT_EQ(line.count(u'\t'), 6);
        for (int column = 4; column <= 7; ++column)
            EXPECT_FALSE(getField(line, column).isEmpty());
    }
    for (const QString &line : shippedSourceLines(QStringLiteral("varsonst.tsv")))
        EXPECT_EQ(line.count(u'\t'), 6) << line.toStdString();
}

TEST(ShippedLanguageTables, MarkersThatDataAndCodeCompareAreTheSameInEveryLanguage)
{
    const QStringList global = shippedSourceLines(QStringLiteral("varglob.tsv"));
    for (const QChar letter : {u'D', u'E', u'F', u'H'}) {
        LanguageTables tables;
        ASSERT_TRUE(tables.setTables({}, global, letter));
        SCOPED_TRACE(QString(letter).toStdString());
        // The database writes "k.A." for a value that is not known, in every language.
        EXPECT_EQ(tables.globalText(GlobalText::NotKnownMarker), QStringLiteral("k.A."));
        EXPECT_TRUE(tables.globalText(GlobalText::SettingsPath).endsWith(u'\\'));
        EXPECT_EQ(tables.globalText(GlobalText::HelpFile), QStringLiteral("tensimo.html"));
    }
}

TEST(ShippedLanguageTables, GermanTextsSpellMesswertInCurrentOrthography)
{
    // The two estimation menus and the dialogs once wrote "Meßwerten" beside "Messwerten".
    int messwert = 0;
    for (const char *file : {"varsonst.tsv", "varglob.tsv"}) {
        for (const QString &line : shippedSourceLines(QString::fromLatin1(file))) {
            const QString german = getField(line, 4).toString();
            EXPECT_FALSE(german.contains(QStringLiteral("Meß"), Qt::CaseInsensitive)) << german.toStdString();
            messwert += german.count(QStringLiteral("Messwert"), Qt::CaseInsensitive);
        }
    }
    EXPECT_GE(messwert, 6);
}

TEST(ShippedLanguageTables, TheMainCalculateButtonSharesNoAcceleratorWithTheMenus)
{
    const auto accelerator = [](const QString &caption) { return caption.section(u'&', 1).left(1).toLower(); };
    for (const QChar letter : {u'D', u'E', u'F', u'H'}) {
        SCOPED_TRACE(QString(letter).toStdString());
        LanguageTables tables;
        ASSERT_TRUE(tables.setTables(shippedSourceLines(QStringLiteral("varsonst.tsv")),
                                     shippedSourceLines(QStringLiteral("varglob.tsv")), letter));
        const QString button = accelerator(tables.globalText(GlobalText::MainCalculateCaption));
        ASSERT_FALSE(button.isEmpty());
        // The menu bar's menus are lines 1, 3, 11, 18, 22, 26 and 28 of the main window's block.
        FormTextReader reader = tables.block(u"Form1");
        for (int line = 1; line <= 28; ++line) {
            const QString caption = reader.next();
            if (QList<int>{1, 3, 11, 18, 22, 26, 28}.contains(line)) {
                EXPECT_NE(accelerator(caption), button) << caption.toStdString();
            }
        }
    }
}

TEST(LanguageTables, GlobalTextNIsTheLanguageColumnOfLineNPlusSix)
{
    QStringList global;
    for (int line = 1; line <= 105; ++line)
        global.append(QStringLiteral("%1\tid\tc\tdeutsch %1\tenglish %1").arg(line));
    LanguageTables tables;
    ASSERT_TRUE(tables.setTables({}, global, u'D'));
    EXPECT_EQ(tables.globalText(GlobalText::NoteCaption), QStringLiteral("deutsch 8"));
    EXPECT_EQ(tables.globalText(GlobalText::ModelNote2), QStringLiteral("deutsch 105"));
    ASSERT_TRUE(tables.setTables({}, global, u'E'));
    EXPECT_EQ(tables.globalText(GlobalText::ErrorCaption), QStringLiteral("english 91"));
    // French has no column in these lines: a short line gives an empty text.
    ASSERT_TRUE(tables.setTables({}, global, u'F'));
    EXPECT_EQ(tables.globalText(GlobalText::AlsoWord), QString());
}

TEST(LanguageTables, AShortGlobalTableIsRefused)
{
    LanguageTables tables;
    EXPECT_FALSE(tables.setTables({}, QStringList(104, QStringLiteral("x\tx\tx\tx"))));
    EXPECT_TRUE(tables.setTables({}, QStringList(105, QStringLiteral("x\tx\tx\tx"))));
}

TEST(LanguageTables, BlocksAreFoundByTheirFirstHeaderAndReadLineByLine)
{
    const QStringList form = {
        QStringLiteral("\tfree\t\tVorspann"),
        QStringLiteral("Info\t\t\tÜber"),
        QStringLiteral("\t\t\tPlattform"),
        QStringLiteral("Info\t\t\tzweiter Block"),
    };
    LanguageTables tables;
    ASSERT_TRUE(tables.setTables(form, QStringList(105)));
    FormTextReader info = tables.block(u"Info");
    ASSERT_TRUE(info.found());
    EXPECT_EQ(info.next(), QStringLiteral("Über"));
    EXPECT_EQ(info.next(), QStringLiteral("Plattform"));
    EXPECT_EQ(info.next(), QStringLiteral("zweiter Block"));
    // Past the end of the table: empty, or the window's own text, never a crash.
    EXPECT_EQ(info.next(), QString());
    EXPECT_EQ(info.next(QStringLiteral("eigener Text")), QStringLiteral("eigener Text"));

    FormTextReader missing = tables.block(u"TabelleDlg");
    EXPECT_FALSE(missing.found());
    EXPECT_EQ(missing.next(QStringLiteral("&Drucken")), QStringLiteral("&Drucken"));
    // Names compare exactly.
    EXPECT_FALSE(tables.block(u"info").found());
}

TEST(LanguageTables, LabelsLoseTheAccelerator)
{
    EXPECT_EQ(withoutAccelerator(QStringLiteral("&Diagramm")), QStringLiteral("Diagramm"));
    EXPECT_EQ(withoutAccelerator(QStringLiteral("B&erechnen")), QStringLiteral("Berechnen"));
    EXPECT_EQ(withoutAccelerator(QStringLiteral("Fest && Flüssig")), QStringLiteral("Fest & Flüssig"));
    EXPECT_EQ(withoutAccelerator(QStringLiteral("ohne")), QStringLiteral("ohne"));
}
