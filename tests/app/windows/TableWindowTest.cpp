// The pure-substance table window driven through the main window and its own widgets.
#include "app/windows/TTabelleDlg.h"

#include "FakePrinterService.h"
#include "PdfReader.h"
#include "ScriptedMessageService.h"
#include "TestProgramFolder.h"
#include "app/core/VapourPressure.h"
#include "app/print/TablePrinter.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString kelvinField(long double kelvin)
{
    return QString::asprintf("%.6Lf", kelvin).replace(u'.', u',');
}

// W2000 limited to the temperatures at which it boils at the two pressures.
QString recordBetweenPressures(long double pminBar, long double pmaxBar)
{
    const VapourPressureCoefficients c = readVapourPressureCoefficients(w2000Record());
    return withField(withField(w2000Record(), 21, kelvinField(boilingTemperatureK(c, pminBar))), 22,
                     kelvinField(boilingTemperatureK(c, pmaxBar)));
}

enum Unit : int { Celsius = 0, Kelvin = 2, Bar = 0, Millibar = 1, Pascal = 2 };

class TableWindow : public testing::Test
{
protected:
    TestProgramFolder folder;
    ScriptedMessageService messages;
    FakePrinterService printers;
    std::unique_ptr<TForm1> form;
    TTabelleDlg *table = nullptr;

    void start(const QStringList &records)
    {
        folder.writeDatabase(records);
        form = std::make_unique<TForm1>();
        ASSERT_TRUE(form->started());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        table = form->tableDialog();
        ASSERT_NE(table, nullptr);
        // The print dialog only counts; nothing reaches a printer.
        printers.acceptPrintDialog = false;
    }

    // The print dialog answers with a PDF file instead of a printer.
    void printInto(const QString &pdfFile)
    {
        printers.setOutputFile(pdfFile);
        printers.acceptPrintDialog = true;
    }

    void setUnits(int temperatureIndex, int pressureIndex)
    {
        form->settingsDialog()->ComboBox1->setCurrentIndex(temperatureIndex);
        form->settingsDialog()->ComboBox2->setCurrentIndex(pressureIndex);
    }

    // Shows the table window in a mode, as the menus do.
    void showTable(CalculationMode mode)
    {
        form->ComboBox2->setCurrentIndex(int(mode));
        table->setMode(mode);
        table->hide();
        table->show();
    }
};

} // namespace

TEST_F(TableWindow, MenusSwitchTheModeAndOpenTheTable)
{
    start({w2000Record()});
    for (QAction *action : {form->Tabelle1, form->abelle1, form->TensimoTabelle1, form->SiedepunktTabelle1})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();

    struct Case {
        QAction *action;
        int mode;
        QString caption;
        QString firstHeading;
        bool notationEnabled;
        int rows;
        QString firstRow;
    };
    const Case cases[] = {
        {form->abelle1, 1, QStringLiteral("Siedepunkttabelle"), QStringLiteral("Druck"), false, 1, QStringLiteral("1\t 99,6")},
        {form->Tabelle1, 0, QStringLiteral("Dampfdrucktabelle"), QStringLiteral("Temperatur"), true, 99, QStringLiteral("2\t0,007")},
        {form->SiedepunktTabelle1, 1, QStringLiteral("Siedepunkttabelle"), QStringLiteral("Druck"), false, 1, QStringLiteral("1\t 99,6")},
        {form->TensimoTabelle1, 0, QStringLiteral("Dampfdrucktabelle"), QStringLiteral("Temperatur"), true, 99, QStringLiteral("2\t0,007")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.action->objectName().toStdString());
        bool shown = false;
        QTimer::singleShot(0, table, [&] {
            shown = true;
            EXPECT_TRUE(table->isModal());
            EXPECT_EQ(form->ComboBox2->currentIndex(), c.mode);
            EXPECT_EQ(table->windowTitle(), c.caption);
            EXPECT_EQ(table->Label1->text(), c.firstHeading);
            EXPECT_EQ(table->Label3->text(), QStringLiteral("Testwasser"));
            EXPECT_EQ(table->CheckBox2->isEnabled(), c.notationEnabled);
            EXPECT_EQ(table->CheckBox1->text(), QStringLiteral("Abstufung 1/10 Einheiten"));
            EXPECT_EQ(table->CheckBox2->text(), QStringLiteral("Wissenschaftliche Notation"));
            EXPECT_EQ(table->ListBox1->count(), c.rows);
            if (table->ListBox1->count() > 0) {
                EXPECT_EQ(table->ListBox1->item(0)->text(), c.firstRow);
            }
            table->BitBtn2->click();
        });
        c.action->trigger();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(table->isVisible());
    }
    // The mode switch reached the main window's calculation panel as well.
    EXPECT_EQ(form->ComboBox1->itemText(0), QStringLiteral("°C"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(TableWindow, TemperatureTableFollowsStepsNotationAndUnits)
{
    start({w2000Record()});
    setUnits(Celsius, Bar);
    showTable(CalculationMode::VapourPressure);
    ASSERT_EQ(table->ListBox1->count(), 99);
    EXPECT_EQ(table->rows().at(48), QStringLiteral("50\t0,123"));
    EXPECT_EQ(table->ComboBox1->currentText(), QStringLiteral("°C"));
    EXPECT_EQ(table->ComboBox2->currentText(), QStringLiteral("bar"));

    table->CheckBox1->setChecked(true);
    ASSERT_EQ(table->ListBox1->count(), 981);
    EXPECT_EQ(table->rows().first(), QStringLiteral(" 2,0\t0,007"));
    table->CheckBox1->setChecked(false);
    table->CheckBox2->setChecked(true);
    EXPECT_EQ(table->rows().at(1), QStringLiteral("3\t7.52052e-03"));
    table->CheckBox2->setChecked(false);

    // A new pressure unit keeps the selected row.
    table->ListBox1->setCurrentRow(10);
    table->ComboBox2->setCurrentText(QStringLiteral("mbar"));
    EXPECT_EQ(table->ListBox1->currentRow(), 10);
    EXPECT_EQ(table->rows().at(48), QStringLiteral("50\t123,056"));

    // The lower limit 274.15 K in the unit K: 275 is the first row.
    table->ComboBox1->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(table->rows().first().section(u'\t', 0, 0), QStringLiteral("275"));
    EXPECT_EQ(table->rows().last().section(u'\t', 0, 0), QStringLiteral("373"));

    // Showing the window again starts from the settings and unchecked boxes.
    showTable(CalculationMode::VapourPressure);
    EXPECT_EQ(table->ComboBox1->currentText(), QStringLiteral("°C"));
    EXPECT_FALSE(table->CheckBox1->isChecked());
    EXPECT_EQ(table->ListBox1->count(), 99);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(TableWindow, NegativeLimitsInCelsius)
{
    // -5.3 °C to -146.95 °C would be upside down; a cryogenic range from -210 °C to -146.95 °C.
    const QString record = withField(withField(testRecord(QStringLiteral("Kalt"), QStringLiteral("1-1-1"), 0, 0,
                                                          QStringLiteral("3")),
                                               21, QStringLiteral("63")),
                                     22, QStringLiteral("126,2"));
    start({withField(withField(withField(record, 16, QStringLiteral("9,3")), 17, QStringLiteral("588,7")), 18,
                     QStringLiteral("-6,6"))});
    setUnits(Celsius, Bar);
    showTable(CalculationMode::VapourPressure);
    ASSERT_GT(table->ListBox1->count(), 0);
    EXPECT_EQ(table->rows().first().section(u'\t', 0, 0), QStringLiteral("-209"));
    // Tmax = -146.95 °C: no row above it.
    EXPECT_EQ(table->rows().last().section(u'\t', 0, 0), QStringLiteral("-147"));
    EXPECT_EQ(table->ListBox1->count(), 63);
}

TEST_F(TableWindow, PressureTableAsksBeforeMoreThanAThousandSteps)
{
    start({w2000Record()});
    setUnits(Celsius, Millibar);
    messages.queueAnswer(IdNo);
    showTable(CalculationMode::BoilingPoint);
    ASSERT_EQ(messages.shown().size(), 1);
    const ScriptedMessageService::Shown question = messages.shown().first();
    EXPECT_EQ(question.flags, 36);
    EXPECT_EQ(question.caption, QStringLiteral("Hinweis"));
    EXPECT_EQ(question.text, QStringLiteral("Anzahl der Tabellenschritte: 1006\rDas Berechnen der Tabelle kann einige "
                                            "Zeit dauern.\rFortfahren?"));
    EXPECT_EQ(table->ListBox1->count(), 0);
    // The empty table offers nothing to print or copy: a click reaches no print dialog.
    EXPECT_FALSE(table->BitBtn1->isEnabled());
    EXPECT_FALSE(table->BitBtn3->isEnabled());
    QTest::mouseClick(table->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(printers.printDialogs, 0);

    messages.clear();
    messages.queueAnswer(IdYes);
    table->ComboBox2->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(messages.shown().size(), 1);
    ASSERT_EQ(table->ListBox1->count(), 1007);
    EXPECT_TRUE(table->BitBtn1->isEnabled());
    EXPECT_TRUE(table->BitBtn3->isEnabled());
    // No again empties the table and takes both away again.
    messages.queueAnswer(IdNo);
    table->ComboBox2->setCurrentText(QStringLiteral("°C"));
    EXPECT_EQ(table->ListBox1->count(), 0);
    EXPECT_FALSE(table->BitBtn1->isEnabled());
    EXPECT_FALSE(table->BitBtn3->isEnabled());
    messages.clear();
    messages.queueAnswer(IdYes);
    table->ComboBox2->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(table->rows().first().section(u'\t', 0, 0), QStringLiteral("7"));
    EXPECT_EQ(table->rows().last().section(u'\t', 0, 0), QStringLiteral("1013"));

    // Tenth steps are not counted by the question: still 1006 whole steps.
    messages.clear();
    messages.queueAnswer(IdYes);
    table->CheckBox1->setChecked(true);
    EXPECT_EQ(table->ListBox1->count(), 10061);
    EXPECT_EQ(table->rows().first(), QStringLiteral(" 7,0\t 275,1"));
}

TEST_F(TableWindow, ATableBeyondTheRowLimitIsRefusedAndTheWindowStaysUsable)
{
    start({w2000Record()});
    setUnits(Celsius, Pascal);
    showTable(CalculationMode::BoilingPoint); // about 100 700 whole steps; the question is answered Yes
    const int wholeSteps = table->ListBox1->count();
    ASSERT_GT(wholeSteps, 100000);

    // Tenth steps would give over a million rows: refused before any question, the limit named.
    messages.clear();
    table->CheckBox1->setChecked(true);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().flags, 16);
    EXPECT_TRUE(messages.shown().first().text.endsWith(QStringLiteral("1000000")));
    EXPECT_EQ(table->ListBox1->count(), 0);
    table->CheckBox1->setChecked(false);
    EXPECT_EQ(table->ListBox1->count(), wholeSteps);
}

TEST_F(TableWindow, PressureTableFallsBackToMillibar)
{
    start({recordBetweenPressures(0.2505L, 0.7505L)});
    setUnits(Celsius, Bar);
    showTable(CalculationMode::BoilingPoint);
    EXPECT_EQ(table->ComboBox1->currentText(), QStringLiteral("mbar"));
    ASSERT_EQ(table->ListBox1->count(), 500);
    EXPECT_EQ(table->rows().first().section(u'\t', 0, 0), QStringLiteral("251"));
    EXPECT_EQ(table->rows().last().section(u'\t', 0, 0), QStringLiteral("750"));
    EXPECT_TRUE(messages.shown().isEmpty());

    // A range of exactly 1001 whole steps asks nothing.
    form.reset();
    start({recordBetweenPressures(0.0995L, 1.1005L)});
    setUnits(Celsius, Millibar);
    showTable(CalculationMode::BoilingPoint);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(table->ListBox1->count(), 1001);
}

TEST_F(TableWindow, PrintAsksOnlyFromFiveHundredRows)
{
    for (const int rows : {499, 500}) {
        SCOPED_TRACE(rows);
        // From 275 K: Tmax 773.5 K gives 499 rows, 774.5 K gives 500.
        start({withField(w2000Record(), 22, rows == 499 ? QStringLiteral("773,5") : QStringLiteral("774,5"))});
        setUnits(Kelvin, Bar);
        showTable(CalculationMode::VapourPressure);
        ASSERT_EQ(table->ListBox1->count(), rows);
        printers.printDialogs = 0;
        messages.clear();
        if (rows == 500)
            messages.queueAnswer(IdNo);
        table->BitBtn1->click();
        if (rows == 499) {
            EXPECT_TRUE(messages.shown().isEmpty());
            EXPECT_EQ(printers.printDialogs, 1);
        } else {
            ASSERT_EQ(messages.shown().size(), 1);
            EXPECT_EQ(messages.shown().first().text, QStringLiteral("Anzahl der Druckseiten: 2\rFortfahren?"));
            EXPECT_EQ(messages.shown().first().flags, 36);
            EXPECT_EQ(printers.printDialogs, 0);
            messages.queueAnswer(IdYes);
            table->BitBtn1->click();
            EXPECT_EQ(printers.printDialogs, 1);
        }
        form.reset();
    }
}

TEST_F(TableWindow, ThePrintQuestionNamesThePagesThatArePrinted)
{
    start({withField(w2000Record(), 22, QStringLiteral("365,0"))});
    setUnits(Kelvin, Bar);
    showTable(CalculationMode::VapourPressure);
    table->CheckBox1->setChecked(true);
    // "275,1" beside "%9.5e" needs four columns of 82 rows: 328 rows a page, not 500.
    table->CheckBox2->setChecked(true);
    ASSERT_EQ(table->ListBox1->count(), 901);
    QTemporaryDir dir;
    const QString pdfFile = dir.filePath(QStringLiteral("w2000.pdf"));
    printInto(pdfFile);
    messages.clear();
    messages.queueAnswer(IdYes);
    table->BitBtn1->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Anzahl der Druckseiten: 3\rFortfahren?"));
    EXPECT_EQ(pdfInfo(pdfFile).pages, 3);
}

TEST_F(TableWindow, TheDialogsPrinterOrFilePrintsOnA4AsThePageCountSays)
{
    start({withField(w2000Record(), 22, QStringLiteral("365,0"))});
    setUnits(Kelvin, Bar);
    showTable(CalculationMode::VapourPressure);
    table->CheckBox1->setChecked(true);
    ASSERT_EQ(table->ListBox1->count(), 901);
    QTemporaryDir dir;
    const QString letterFile = dir.filePath(QStringLiteral("letter-queue.pdf"));
    printers.addPrinter(QStringLiteral("Letter"), letterFile, QPageSize(QPageSize::Letter));
    const struct {
        const char *chosen;
        int printer;
        QString file; // chosen in the dialog, "print to file"
        QString printed;
    } choices[] = {
        {"a queue with Letter paper", 1, QString(), letterFile},
        {"a PDF file", -1, dir.filePath(QStringLiteral("file.pdf")), dir.filePath(QStringLiteral("file.pdf"))},
    };
    for (const auto &choice : choices) {
        SCOPED_TRACE(choice.chosen);
        printers.usePrinter(0);
        printers.acceptPrintDialog = true;
        printers.printDialogPrinter = choice.printer;
        printers.printDialogFile = choice.file;
        messages.clear();
        messages.queueAnswer(IdYes);
        table->BitBtn1->click();
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, QStringLiteral("Anzahl der Druckseiten: 3\rFortfahren?"));
        const PdfInfo printed = pdfInfo(choice.printed);
        EXPECT_EQ(printed.pages, 3);
        EXPECT_NEAR(printed.pageSizePoints.width(), 595.3, 1.0); // A4 portrait in points
        EXPECT_NEAR(printed.pageSizePoints.height(), 841.9, 1.0);
    }
}

TEST_F(TableWindow, PrintsHeadingAndDisclaimerIntoAPdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed; setup.sh installs it";
    start({w2000Record()});
    setUnits(Celsius, Bar);
    showTable(CalculationMode::VapourPressure);
    QTemporaryDir dir;
    const QString pdfFile = dir.filePath(QStringLiteral("w2000.pdf"));
    printInto(pdfFile);
    table->BitBtn1->click();
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Testwasser (°C / bar)"))) << text.left(300).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Alle Ergebnisse sind ohne Gewähr. Bitte prüfen Sie die Werte vor ihrer "
                                             "Verwendung.")));
    EXPECT_TRUE(text.contains(QStringLiteral("100 1,013")));
}

TEST_F(TableWindow, APrintJobThatCannotBeWrittenIsReported)
{
    start({w2000Record()});
    showTable(CalculationMode::VapourPressure);
    QTemporaryDir dir;
    const QString pdfFile = dir.filePath(QStringLiteral("no folder/w2000.pdf"));
    printInto(pdfFile);
    table->BitBtn1->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().flags, 16);
    EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Fehler"));
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Die Tabelle konnte nicht gedruckt werden.\r") + pdfFile);
}

TEST_F(TableWindow, CopyPutsTheRowsWithCrLfOnTheClipboard)
{
    start({w2000Record()});
    setUnits(Celsius, Bar);
    showTable(CalculationMode::VapourPressure);
    QGuiApplication::clipboard()->clear();
    table->BitBtn3->click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, table->rows().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    EXPECT_TRUE(copied.startsWith(QStringLiteral("2\t0,007\r\n3\t0,008\r\n")));
    EXPECT_EQ(copied.count(QStringLiteral("\r\n")), 99);
}

TEST_F(TableWindow, NoticeShowsTheDisclaimer)
{
    start({w2000Record()});
    showTable(CalculationMode::VapourPressure);
    table->SpeedButton1->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().flags, 64);
    EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Information"));
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Hinweis: Alle Ergebnisse sind ohne Gewähr.\rBitte prüfen "
                                                            "Sie die Werte vor ihrer Verwendung."));
}

TEST_F(TableWindow, ARowThatCannotBeComputedIsReportedNotShown)
{
    // An equation code the program does not know gives no number at any temperature.
    start({withField(w2000Record(), 15, QStringLiteral("77"))});
    setUnits(Celsius, Bar);
    showTable(CalculationMode::VapourPressure);
    EXPECT_EQ(table->ListBox1->count(), 0);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().flags, 16);
    EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Fehler"));
    EXPECT_TRUE(messages.shown().first().text.endsWith(QStringLiteral("\rTemperatur: 2 °C")))
        << messages.shown().first().text.toStdString();

    // Without pressure limits the boiling table has no range: an error, no rows, no question.
    messages.clear();
    showTable(CalculationMode::BoilingPoint);
    EXPECT_EQ(table->ListBox1->count(), 0);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().flags, 16);
    for (int i = 0; i < table->ListBox1->count(); ++i)
        EXPECT_FALSE(table->ListBox1->item(i)->text().contains(QStringLiteral("nan")));
}
