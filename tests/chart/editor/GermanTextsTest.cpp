// The shipped German texts: the language list and the German wording of the messages.
#include "PlotGerman.h"

#include "ChartClassRegistry.h"
#include "ChartLibrary.h"
#include "ChartTextRef.h"
#include "ChartTypeRegistries.h"
#include "EnglishLibrary.h"
#include "PlotConst.h"
#include "PlotProCo.h"
#include "PlotTranslate.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <map>

using namespace PlotGerman;

namespace {

// Selecting German changes the library for the whole program: each test puts English back.
class German : public testing::Test
{
protected:
    void TearDown() override { restoreEnglishLibrary(); }
};

QStringList placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%[sd]"));
    for (const QRegularExpressionMatch &m : placeholder.globalMatch(text))
        found.append(m.captured());
    return found;
}

} // namespace

TEST_F(German, TheShippedRowsFollowTheListsRules)
{
    QFile file(QStringLiteral(":/plot/language/PlotGerman.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    EXPECT_FALSE(utf8.hasError());

    BuildGermanLanguageList();
    const QStringList &rows = *PlotGermanLanguage();
    // The whole block: 781 rows of 17,296 characters, each row ended by its line break.
    ASSERT_EQ(rows.size(), 781);
    qsizetype characters = 0;
    for (const QString &row : rows)
        characters += row.size() + 1;
    EXPECT_EQ(characters, 17296);
    const QStringList added{QStringLiteral("MOVING AVERAGE=Gleitender Durchschnitt"), QStringLiteral("CLIPBOARD=Zwischenablage"),
                            QStringLiteral("LEGEND TITLE=Legendentitel"), QStringLiteral("NULL POINTS=Leere Punkte"),
                            QStringLiteral("START COLOR=Startfarbe"), QStringLiteral("SAVE AS=Speichern unter"),
                            QStringLiteral("EXPLODED=Herausgezogen")};
    for (const QString &row : added)
        EXPECT_TRUE(rows.contains(row)) << row.toStdString();
    PlotTranslate::PlotCurrentLanguage = &rows;
    QString used;
    QString caption = QStringLiteral("Save &As...");
    EXPECT_TRUE(PlotTranslate::TranslateCaptionText(caption, used));
    EXPECT_EQ(caption, QStringLiteral("&Speichern unter..."));
    PlotTranslate::PlotCurrentLanguage = nullptr;
    EXPECT_EQ(rows, text.split(u'\n', Qt::SkipEmptyParts));
    EXPECT_EQ(rows.mid(0, 4), (QStringList{QStringLiteral("GRADIENT EDITOR=Verlaufseditor"), QStringLiteral("GRADIENT=Verlauf"),
                                           QStringLiteral("DIRECTION=Richtung"), QStringLiteral("VISIBLE=Anzeigen")}));
    EXPECT_EQ(rows.last(), QStringLiteral("XY=XY"));

    const QStringList quoted{
        QStringLiteral("GRADIENT EDITOR=Verlaufseditor"), QStringLiteral("GRADIENT=Verlauf"),
        QStringLiteral("DIRECTION=Richtung"), QStringLiteral("VISIBLE=Anzeigen"), QStringLiteral("OK=OK"),
        QStringLiteral("CANCEL=Abbrechen"), QStringLiteral("SERIES=Reihe"), QStringLiteral("DATA SOURCE=Datenquelle"),
        QStringLiteral("% BAR WIDTH=% Säulenbreite"), QStringLiteral("NUMBER OF SAMPLE VALUES=Anz. Beispielwerte"),
        QStringLiteral("MARGINS (%)=Rand (%)"), QStringLiteral("PLOT GALLERY=Plot Galerie"), QStringLiteral("XY=XY"),
        QStringLiteral("AREA LINES=Trennlinie"), QStringLiteral("AREA LINES=Flächenränder"),
        QStringLiteral("NUM. POINTS="), QStringLiteral("DRAG STYLE="), QStringLiteral("REVERSAL AMOUNT="),
        QStringLiteral("ON BALANCE VOLUME="), QStringLiteral("VOLUME OSCILLATOR="), QStringLiteral("BALANCE=")};
    for (const QString &row : quoted)
        EXPECT_TRUE(rows.contains(row)) << row.toStdString();
    EXPECT_LT(rows.indexOf(QStringLiteral("AREA LINES=Trennlinie")), rows.indexOf(QStringLiteral("AREA LINES=Flächenränder")));

    // Words German writes as English does; a row may keep them.
    const QSet<QString> shared{QStringLiteral("NORMAL"), QStringLiteral("DETAIL"), QStringLiteral("PROPORTIONAL"),
                               QStringLiteral("STANDARD"), QStringLiteral("INDEX"), QStringLiteral("TEXT"),
                               QStringLiteral("FORMAT"), QStringLiteral("POSITION"), QStringLiteral("SYMBOL")};
    std::map<QString, int> keys;
    for (const QString &row : rows) {
        SCOPED_TRACE(row.toStdString());
        ASSERT_EQ(row.count(u'='), 1);
        const QString key = row.section(u'=', 0, 0);
        const QString german = row.section(u'=', 1);
        ++keys[key];
        EXPECT_FALSE(key.isEmpty());
        for (const QChar c : key)
            EXPECT_TRUE(c.unicode() < 128 && !c.isLower()) << "key character " << int(c.unicode());
        EXPECT_FALSE(german.contains(u'&'));
        EXPECT_FALSE(german.endsWith(u':'));
        EXPECT_FALSE(german.endsWith(QStringLiteral("...")));
        if (!quoted.contains(row) && !shared.contains(key)) {
            EXPECT_NE(german.toUpper(), key) << "an English text in the German list";
        }
    }
    QStringList repeated;
    for (const auto &[key, count] : keys)
        if (count > 1)
            repeated.append(key);
    EXPECT_EQ(repeated, (QStringList{QStringLiteral("ALIGNMENT"), QStringLiteral("AREA LINES"), QStringLiteral("AXIS LINE")}));
}

TEST_F(German, EveryTextOfBothTablesIsGermanOrListedAsEnglishWithItsPlaceholders)
{
    struct Table
    {
        MessageTable table;
        int count;
        QString (*english)(int);
    };
    const Table tables[] = {{MessageTable::Library, PlotConst::kMessageCount, [](int n) { return PlotConst::message(n); }},
                            {MessageTable::Gallery, PlotProCo::kGalleryTextCount, PlotProCo::text}};
    for (const Table &t : tables) {
        SCOPED_TRACE(int(t.table));
        std::map<int, int> german;
        for (const GermanMessage &m : germanMessages()) {
            if (m.table != t.table)
                continue;
            ++german[m.number];
            SCOPED_TRACE(m.number);
            EXPECT_EQ(placeholders(QString::fromUtf8(m.text)), placeholders(t.english(m.number)));
        }
        QSet<int> english;
        for (const EnglishMessage &m : englishMessages())
            if (m.table == t.table)
                english.insert(m.number);
        for (int n = 1; n <= t.count; ++n) {
            SCOPED_TRACE(n);
            const int inGerman = german.count(n) ? german[n] : 0;
            EXPECT_LE(inGerman, 1);
            EXPECT_NE(inGerman == 1, english.contains(n)) << t.english(n).toStdString();
        }
        EXPECT_EQ(german.rbegin()->first, t.count);
    }
}

TEST_F(German, SelectingGermanGivesTheQuotedWordingOnceBuiltAndAgainOnEveryCall)
{
    PlotTranslate::PlotHotkeyAfterText = true;
    SelectGermanLanguage();
    const QStringList *list = PlotGermanLanguage();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(PlotTranslate::PlotCurrentLanguage, list);
    EXPECT_FALSE(PlotTranslate::PlotHotkeyAfterText);
    const std::pair<int, const char *> quoted[] = {
        {4, "Kein ParentChart um Datenquelle zu erlauben"}, {13, "Achs-Logarithmusbase sollte >= 2 sein"},
        {18, "%s von %s"}, {20, "##0.## %"}, {21, "#,##0.###"}, {23, "Achs-Titel"}, {24, "Achs-Labels"},
        {26, "Series.ParentChart bin ich nicht selbst!"}, {27, "Linie"}, {28, "Punkt"}, {30, "Balken"},
        {32, "Stapel"}, {33, "Kreis"}, {34, "Rund"}, {35, "Schnelle Linie"}, {36, "Horiz Linie"},
        {37, "Autos"}, {38, "Telefone"}, {39, "Tische"}, {40, "Monitore"}, {41, "Lampen"}, {42, "Tastaturen"},
        {46, "Bearbeiten %s"}, {47, "Standard"}, {48, "Erweitert"}, {49, "Funktionen"},
        {50, "Chart &bearbeiten..."}, {51, "&Seitenansicht..."}, {52, "Chart e&xportieren..."}, {55, "%s: hat keinen Editor Dialog"},
        {56, "Pfeil"}};
    for (const auto &[number, text] : quoted) {
        SCOPED_TRACE(number);
        EXPECT_EQ(PlotConst::message(number), QString::fromUtf8(text));
    }
    EXPECT_EQ(PlotConst::message(45), QStringLiteral("Courier New")); // listed as English
    for (const auto &[number, text] : {std::pair{196, "Turm"}, {197, "Einzelne Farbe"}, {198, "Abdeckung"},
                                       {199, "Konus"}, {200, "Tortenschnitte"}})
        EXPECT_EQ(PlotProCo::text(number), QString::fromUtf8(text)) << number;

    PlotConst::setMessage(48, QStringLiteral("Extended"));
    SelectGermanLanguage();
    EXPECT_EQ(PlotGermanLanguage(), list); // built once
    EXPECT_EQ(PlotConst::message(48), QStringLiteral("Erweitert"));
}

TEST_F(German, TheRegistriesReadTheCurrentLanguageWithoutRegisteringAgain)
{
    registerChartLibrary();
    const ChartClassDescriptor *line = ChartClassRegistry::instance().find(QStringLiteral("TLineSeries"));
    const TPlotSeriesType *type = PlotSeriesTypes().FindSeriesType(line);
    ASSERT_NE(type, nullptr);
    const auto pages = [&] {
        return QStringList{type->Description.text(), type->GalleryPage.text(), ChartTextRef::library(PlotConst::msgGalleryExtended).text(),
                           ChartTextRef::library(PlotConst::msgGalleryFunctions).text(), ChartTextRef::gallery(196).text()};
    };
    EXPECT_EQ(pages(), (QStringList{QStringLiteral("Line"), QStringLiteral("Standard"), QStringLiteral("Extended"),
                                    QStringLiteral("Functions"), QStringLiteral("Tower")}));
    SelectGermanLanguage();
    EXPECT_EQ(pages(), (QStringList{QStringLiteral("Linie"), QStringLiteral("Standard"), QStringLiteral("Erweitert"),
                                    QStringLiteral("Funktionen"), QStringLiteral("Turm")}));
}
