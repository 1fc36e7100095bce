// The table windows of the mixture, solid-liquid and aqueous dialogs: their rows, notes, print
// headers, questions and notices.
#include "app/windows/TTabMischFestDlg.h"
#include "app/windows/TTabelleDlg.h"
#include "app/windows/TTabelleMischungDlg.h"
#include "app/windows/TTabelleWaessrigDlg.h"

#include "SolutionTestData.h"
#include "SystemDialogFixture.h"
#include "app/container/DataPasswords.h"
#include "app/data/DataFiles.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TWaessrigDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

class MixtureTableWindows : public SystemDialogFixture
{
protected:
    QTemporaryDir pdfFolder;

    void SetUp() override
    {
        folder.writeDataFile(kSolidsFile, QString::fromLatin1(DataPasswords::kSolids), solidsFileLines());
        const QString aqueous = QString::fromLatin1(DataPasswords::kAqueous);
        folder.writeDataFile(kAqueousSolutesFile, aqueous, aqueousSoluteFileLines());
        folder.writeDataFile(kAqueousCoefficientsFile, aqueous, aqueousCoefficientFileLines());
        start({waterTestRecord(), ethanolTestRecord(), w2000Record(), testRecord(QStringLiteral("A"), "1-1-1", 0, 2),
               testRecord(QStringLiteral("B"), "1-1-2", 0, 2), testRecord(QStringLiteral("C"), "1-1-3", 0, 2),
               testRecord(QStringLiteral("D"), "1-1-4", 0, 2)});
    }

    // The mixture dialog with the components and percentages, as the user fills it.
    TFlueFlueDlg *mixture(const QList<std::pair<QString, QString>> &rows)
    {
        TFlueFlueDlg *dialog = form->mixtureDialog();
        open(dialog);
        for (const auto &[name, percent] : rows)
            addComponent(dialog, name, percent);
        return dialog;
    }

    TFestFlueDlg *solid(const QString &solvent, const QString &percent)
    {
        TFestFlueDlg *dialog = form->solidLiquidDialog();
        open(dialog);
        dialog->ListBox1->setCurrentItem(dialog->ListBox1->findItems(solvent + u'\t', Qt::MatchStartsWith).value(0));
        dialog->ListBox1Click();
        dialog->Edit3->setText(percent);
        return dialog;
    }

    TWaessrigDlg *aqueous(const QString &key, const QString &percent)
    {
        TWaessrigDlg *dialog = form->aqueousDialog();
        open(dialog);
        addComponent(dialog, key, percent);
        return dialog;
    }

    static void showTable(ValueTableDialog *table, CalculationMode mode)
    {
        table->setMode(mode);
        open(table);
    }

    static QString column(const QString &row, int n) { return row.section(u'\t', n, n); }
};

} // namespace

TEST_F(MixtureTableWindows, MixtureTablesByTemperatureAndByPressure)
{
    setUnits(Celsius, Millibar);
    TFlueFlueDlg *dialog = mixture({{QStringLiteral("Wasser-Test"), "50"}, {QStringLiteral("Ethanol-Test"), "50"}});
    TTabelleMischungDlg *table = dialog->tableDialog();
    int shown = 0;
    QTimer::singleShot(0, table, [&] {
        ++shown;
        EXPECT_EQ(table->windowTitle(), global(GlobalText::VapourPressureTableCaption));
        ASSERT_EQ(table->ListBox1->count(), 96);
        EXPECT_EQ(column(table->rows().first(), 0), QStringLiteral("1"));
        EXPECT_EQ(column(table->rows().last(), 0), QStringLiteral("96"));
        EXPECT_EQ(table->rows().at(59), QStringLiteral("60\t274,266"));
        EXPECT_EQ(table->Label2->text(), blockText(u"TabelleMischungDlg", 8));
        EXPECT_EQ(table->Label3->text(), global(GlobalText::MixtureCaption) + u':');
        EXPECT_EQ(table->Label4->text(), blockText(u"TabelleMischungDlg", 3) + QStringLiteral(" in °C: 91,8"));
        EXPECT_EQ(table->StringGrid1->Cells(0, 2), QStringLiteral("Ethanol-Test"));
        EXPECT_EQ(table->StringGrid1->Cells(2, 2), QStringLiteral("50"));
        table->BitBtn2->click();
    });
    dialog->BitBtn4->click();
    EXPECT_EQ(shown, 1);

    // By pressure in mbar: 9.314 to 1220.3 mbar asks first; Yes builds 1211 rows, No none.
    const QString question = blockText(u"TabelleMischungDlg", 4) + QStringLiteral("1210\r")
        + blockText(u"TabelleMischungDlg", 5) + u'\r' + blockText(u"TabelleMischungDlg", 6);
    for (const int answer : {IdYes, IdNo}) {
        messages.clear();
        messages.queueAnswer(answer);
        dialog->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
        showTable(table, CalculationMode::BoilingPoint);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, question);
        EXPECT_EQ(messages.shown().first().caption, global(GlobalText::NoteCaption));
        EXPECT_EQ(messages.shown().first().flags, 36);
        if (answer == IdNo) {
            EXPECT_EQ(table->ListBox1->count(), 0);
            continue;
        }
        ASSERT_EQ(table->ListBox1->count(), 1211);
        EXPECT_EQ(column(table->rows().first(), 0), QStringLiteral("10"));
        EXPECT_EQ(column(table->rows().last(), 0), QStringLiteral("1220"));
        EXPECT_EQ(table->Label4->text(), blockText(u"TabelleMischungDlg", 3) + QStringLiteral(" in °C: 91,8"));
    }
}

TEST_F(MixtureTableWindows, AqueousTablesListTheSolutesWholeDegrees)
{
    TWaessrigDlg *dialog = aqueous(QStringLiteral("R2080"), QStringLiteral("10"));
    TTabelleWaessrigDlg *table = dialog->tableDialog();
    showTable(table, CalculationMode::VapourPressure);
    ASSERT_EQ(table->ListBox1->count(), 61);
    EXPECT_EQ(column(table->rows().first(), 0), QStringLiteral("20"));
    EXPECT_EQ(column(table->rows().last(), 0), QStringLiteral("80"));
    EXPECT_EQ(table->Label3->text(), blockText(u"TabelleWaessrigDlg", 1) + u':');
    EXPECT_TRUE(table->Label4->text().startsWith(blockText(u"TabelleWaessrigDlg", 4) + QStringLiteral(" °C: ")));
    table->ComboBox1->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(column(table->rows().first(), 0), QStringLiteral("294"));
    EXPECT_EQ(column(table->rows().last(), 0), QStringLiteral("353"));

    showTable(table, CalculationMode::BoilingPoint);
    EXPECT_GT(table->ListBox1->count(), 0);
    EXPECT_TRUE(table->Label4->text().startsWith(blockText(u"TabelleWaessrigDlg", 4) + QStringLiteral(" in °C: ")));
}

TEST_F(MixtureTableWindows, SolidTablesNoteTheBoilingPointOnlyWhenItLiesInTheRange)
{
    TFestFlueDlg *dialog = solid(QStringLiteral("Wasser-Test"), QStringLiteral("10")); // to 373.0 K: 0.97455 bar
    TTabMischFestDlg *table = dialog->tableDialog();
    showTable(table, CalculationMode::VapourPressure);
    EXPECT_GT(table->ListBox1->count(), 0);
    EXPECT_EQ(table->Label15->text(), QString());
    EXPECT_EQ(table->Label4->text(), QStringLiteral("Wasser-Test"));
    EXPECT_EQ(table->Label6->text(), QStringLiteral("Natriumchlorid"));
    EXPECT_EQ(table->Label8->text(), QStringLiteral("10 %"));
    EXPECT_EQ(table->Label7->text(), global(GlobalText::MassFractionCaption) + u':');

    // Testwasser reaches 373.15 K, 1.01336 bar.
    setUnits(Kelvin, Bar);
    solid(QStringLiteral("Testwasser"), QStringLiteral("0"));
    showTable(table, CalculationMode::VapourPressure);
    EXPECT_EQ(table->Label15->text(), blockText(u"TabMischFestDlg", 4) + QStringLiteral(" K: 373,1"));
    showTable(table, CalculationMode::BoilingPoint);
    EXPECT_EQ(table->Label15->text(), blockText(u"TabMischFestDlg", 4) + QStringLiteral(" in K: 373,1"));
}

TEST_F(MixtureTableWindows, PrintedHeadersNameTheSystem)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed; setup.sh installs it";
    setUnits(Celsius, Millibar);
    struct Case {
        const char *what;
        std::function<ValueTableDialog *()> prepare;
        QStringList printed;
    };
    const Case cases[] = {
        {"mixture",
         [&] {
             return mixture({{"A", "25"}, {"B", "25"}, {"C", "25"}, {"D", "25"}})->tableDialog();
         },
         {"Mischung Flüssig / Flüssig (°C / mbar)", "A 25 Ma.%; B 25 Ma.%; C 25 Ma.% ...", global(GlobalText::ModelNote1)}},
        {"solid", [&] { return solid(QStringLiteral("Wasser-Test"), QStringLiteral("10"))->tableDialog(); },
         {"Natriumchlorid (10 % Ma.%) gelöst in Wasser-Test (°C / mbar)", global(GlobalText::ModelNote2)}},
        {"aqueous", [&] { return aqueous(QStringLiteral("NaCl"), QStringLiteral("10"))->tableDialog(); },
         {blockText(u"TabelleWaessrigDlg", 10) + " (°C / mbar)", "Natriumchlorid 10 Ma.%",
          global(GlobalText::DisclaimerPart1) + u' ' + global(GlobalText::DisclaimerPart2)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ValueTableDialog *table = c.prepare();
        showTable(table, CalculationMode::VapourPressure);
        const QString text = printedText(table, pdfFolder.filePath(QString::fromLatin1(c.what) + ".pdf"));
        for (const QString &line : c.printed)
            EXPECT_TRUE(text.contains(line)) << line.toStdString() << " in " << text.left(400).toStdString();
    }
}

namespace {

// The rows of a printed table read back: every line of numbers alone splits at its blanks into
// first field, second field, first field, ...; a line where two fields ran together (a word that
// is no number, or an odd count) gives no rows.
QStringList rowsReadBack(const QString &layout)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+([,.]\\d+)?(e[+-]\\d+)?$"));
    QStringList rows;
    for (const QString &line : layout.split(u'\n')) {
        const QStringList words = line.simplified().split(u' ', Qt::SkipEmptyParts);
        const bool numbers = std::all_of(words.begin(), words.end(), [](const QString &w) {
            return number.match(w).hasMatch();
        });
        if (!numbers || words.size() % 2 != 0)
            continue;
        for (qsizetype i = 0; i < words.size(); i += 2)
            rows.append(words.at(i) + u'\t' + words.at(i + 1));
    }
    return rows;
}

} // namespace

TEST_F(MixtureTableWindows, PrintedTablesInScientificNotationKeepTheirFieldsApart)
{
    setUnits(Celsius, Millibar);
    struct Case {
        const char *what;
        std::function<ValueTableDialog *()> prepare;
    };
    const Case cases[] = {
        {"pure substance",
         [&]() -> ValueTableDialog * {
             form->selectRecord(w2000Record());
             return form->tableDialog();
         }},
        {"mixture", [&] { return mixture({{"Wasser-Test", "60"}, {"Ethanol-Test", "40"}})->tableDialog(); }},
        {"solid", [&] { return solid(QStringLiteral("Wasser-Test"), QStringLiteral("10"))->tableDialog(); }},
        {"aqueous", [&] { return aqueous(QStringLiteral("NaCl"), QStringLiteral("10"))->tableDialog(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ValueTableDialog *table = c.prepare();
        showTable(table, CalculationMode::VapourPressure);
        table->CheckBox2->setChecked(true);
        QStringList expected;
        for (const QString &row : table->rows())
            expected.append(column(row, 0).trimmed() + u'\t' + column(row, 1).trimmed());
        ASSERT_GT(expected.size(), 82);
        ASSERT_TRUE(column(expected.first(), 1).contains(u'e'));
        QStringList printed = rowsReadBack(printedLayout(table, pdfFolder.filePath(QString::fromLatin1(c.what) + ".pdf")));
        printed.sort();
        expected.sort();
        EXPECT_EQ(printed.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    }
}

TEST_F(MixtureTableWindows, PrintQuestionsAndNotices)
{
    const QString notes = global(GlobalText::ModelNote1) + u'\r' + global(GlobalText::ModelNote2);
    struct Case {
        const char *what;
        std::function<ValueTableDialog *()> prepare;
        QString block;
        QString pageCount; // as the print question writes it: the pages the rows are printed on
        QString notice;
    };
    const Case cases[] = {
        {"mixture", [&] { return mixture({{"Wasser-Test", "100"}})->tableDialog(); }, "TabelleMischungDlg", "3", notes},
        {"solid", [&] { return solid(QStringLiteral("Wasser-Test"), QStringLiteral("10"))->tableDialog(); }, "TabMischFestDlg", " 3", notes},
        {"aqueous", [&] { return aqueous(QStringLiteral("NaCl"), QStringLiteral("10"))->tableDialog(); },
         "TabelleWaessrigDlg", " 3", global(GlobalText::ModelNote1)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ValueTableDialog *table = c.prepare();
        showTable(table, CalculationMode::VapourPressure);
        table->CheckBox1->setChecked(true); // tenth steps: more than 500 rows
        ASSERT_GE(table->ListBox1->count(), 500);
        messages.clear();
        messages.queueAnswer(IdNo);
        table->BitBtn1->click();
        const int printLine = c.block == u"TabelleMischungDlg" ? 7 : 8;
        const int lastQuestionLine = c.block == u"TabelleMischungDlg" ? 6 : 7;
        table->SpeedButton1->click();
        ASSERT_EQ(messages.shown().size(), 2);
        EXPECT_EQ(messages.shown().at(0).text,
                  blockText(c.block, printLine) + c.pageCount + u'\r' + blockText(c.block, lastQuestionLine));
        EXPECT_EQ(messages.shown().at(1).text, c.notice);
        EXPECT_EQ(messages.shown().at(1).caption, global(GlobalText::InformationCaption));
        EXPECT_EQ(messages.shown().at(1).flags, 64);
    }
}
