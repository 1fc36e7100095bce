// The aqueous-solution dialog and its concentration-ranges window driven through their widgets.
#include "app/windows/TWaessrigDlg.h"

#include "SolutionTestData.h"
#include "SystemDialogFixture.h"
#include "app/container/DataPasswords.h"
#include "app/data/DataFiles.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TKonz_Bereiche_Dlg.h"
#include "app/windows/TTabelleWaessrigDlg.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

class AqueousDialog : public SystemDialogFixture
{
protected:
    TWaessrigDlg *dialog = nullptr;

    void startWith(const QStringList &coefficients = aqueousCoefficientFileLines())
    {
        const QString password = QString::fromLatin1(DataPasswords::kAqueous);
        folder.writeDataFile(kAqueousSolutesFile, password, aqueousSoluteFileLines());
        folder.writeDataFile(kAqueousCoefficientsFile, password, coefficients);
        start({waterTestRecord()});
        dialog = form->aqueousDialog();
        ASSERT_NE(dialog, nullptr);
        open(dialog);
    }

    void add(const QString &key, const QString &percent) { addComponent(dialog, key, percent); }

    QString calculate(const QString &input)
    {
        dialog->Edit1->setText(input);
        dialog->BitBtn4->click();
        return dialog->Label17->text();
    }

    QString outsideRange(const QString &key, const QString &range) const
    {
        return blockText(u"WaessrigDlg", 6) + u'\r' + key + u'\r' + range + QStringLiteral(" % !");
    }

    // A percentage inside its range that leaves too little water: the molalities name the cause.
    QString tooLittleWater(const QString &key, const QString &molality, const QString &highest) const
    {
        return form->globalText(GlobalText::MolalityAboveRange) + u'\r' + key + u'\r' + molality
            + QStringLiteral(" mol/kg > ") + highest + QStringLiteral(" mol/kg !");
    }
};

} // namespace

TEST_F(AqueousDialog, VapourPressureOverSolutionsOfUpToThreeSolutes)
{
    startWith();
    EXPECT_TRUE(form->WssrigeLsungen1->isEnabled());
    const QString sumAbove80 = blockText(u"WaessrigDlg", 5);
    struct Case {
        const char *what;
        QList<std::pair<QString, QString>> rows;
        QString celsius;
        QString expected; // the result's value, or empty
        QStringList boxes;
    };
    const Case cases[] = {
        {"NaCl 10 %", {{"NaCl", "10"}}, "25", "29,735", {}},
        {"a solute without percentage adds nothing", {{"NaCl", "10"}, {"TB", ""}}, "25", "29,735", {}},
        {"blanks around a percentage", {{"NaCl", "10 "}}, "25", "29,735", {}},
        {"by mass, second line", {{"TB", "15"}}, "25", "29,223", {}},
        {"by temperature, second line", {{"TC", "10"}}, "60", "189,509", {}},
        // 80 % passes the sum; with 20 % water left every solute is far above the molality of its range.
        {"80 % in all", {{"TB", "30"}, {"TC", "30"}, {"NaCl", "20"}}, "25", "",
         {tooLittleWater("TB", "15,00", "4,29"), tooLittleWater("TC", "15,00", "4,29"),
          tooLittleWater("NaCl", "17,11", "6,01")}},
        {"80,01 %", {{"TB", "30"}, {"TC", "30"}, {"NaCl", "20,01"}}, "25", "", {sumAbove80}},
        {"above 80 %: the sum is checked before the ranges", {{"TB", "30"}, {"TC", "30"}, {"NaCl", "26,01"}}, "25",
         "", {sumAbove80}},
        {"outside the range", {{"NaCl", "30"}}, "25", "", {outsideRange("NaCl", "0 - 26")}},
        {"the top of the range", {{"NaCl", "26"}}, "25", "25,897", {}},
        // Each percentage in its range, but NaCl at 6.8 mol/kg in 50 % water, where 26 % alone gives 6.0.
        {"a molality beyond the range's", {{"NaCl", "20"}, {"TB", "20"}, {"TC", "10"}}, "25", "",
         {tooLittleWater("NaCl", "6,84", "6,01")}},
        {"one outside its range, one with too little water", {{"NaCl", "20"}, {"TB", "31"}, {"TC", "10"}}, "25", "",
         {tooLittleWater("NaCl", "8,78", "6,01"), outsideRange("TB", "0 - 30")}},
        {"the molalities of the range", {{"NaCl", "15"}, {"TB", "20"}, {"TC", "10"}}, "25", "21,978", {}},
        {"every row outside is reported", {{"NaCl", "27"}, {"TB", "31"}}, "25", "",
         {outsideRange("NaCl", "0 - 26"), outsideRange("TB", "0 - 30")}},
        {"an unreadable percentage", {{"NaCl", "10"}, {"TB", "1x"}}, "25", "", {blockText(u"WaessrigDlg", 4) + u'2'}},
        {"a temperature beyond the shown range", {{"NaCl", "10"}}, "150", "",
         {global(GlobalText::TemperatureOutOfRange) + QStringLiteral("\rt min. 0 °C; t max. 100 °C")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open(dialog);
        dialog->ComboBox3->setCurrentText(QStringLiteral("mbar"));
        for (const auto &[key, percent] : c.rows)
            add(key, percent);
        messages.clear();
        const QString result = calculate(c.celsius);
        EXPECT_EQ(result, QStringLiteral("Dampfdruck = ") + c.expected);
        EXPECT_EQ(shownTexts(), c.boxes);
        dialog->BitBtn8->click();
    }

    // A fourth solute is not added.
    open(dialog);
    for (const char *key : {"NaCl", "TB", "TC", "R2080"})
        add(QString::fromLatin1(key), QStringLiteral("1"));
    EXPECT_EQ(dialog->StringGrid1->usedRows(), 3);
    EXPECT_EQ(dialog->StringGrid1->Cells(1, 3), QStringLiteral("TC"));
}

TEST_F(AqueousDialog, BoilingPointsOfASolution)
{
    startWith();
    dialog->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
    add(QStringLiteral("NaCl"), QStringLiteral("10"));
    dialog->BitBtn5->click();
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("p min. in mbar: 5,8; p max. in bar: 0,9"));
    EXPECT_EQ(calculate(QStringLiteral("0,9")), QStringLiteral("Siedepunkt =  98,5"));
    EXPECT_EQ(calculate(QStringLiteral("1,01325")), QStringLiteral("Siedepunkt = "));
    EXPECT_EQ(shownTexts(), QStringList{global(GlobalText::PressureOutOfRange)});
    EXPECT_NEAR(double(dialog->AqPmax), 0.95138, 1e-5);

    // No salt in the water: pure water's boiling point.
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("0"));
    dialog->ComboBox3->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(calculate(QStringLiteral("0,9")), QStringLiteral("Siedepunkt =  369,8"));

    // 100 %: refused before any model sees it; the range stays as it was.
    messages.clear();
    const long double pmax = dialog->AqPmax;
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("100"));
    EXPECT_EQ(calculate(QStringLiteral("0,9")), QStringLiteral("Siedepunkt = "));
    dialog->BitBtn5->click();
    EXPECT_EQ(shownTexts(), QStringList(2, blockText(u"WaessrigDlg", 5)));
    EXPECT_EQ(dialog->AqPmax, pmax);
}

TEST_F(AqueousDialog, ASoluteOfOneTemperatureFixesTheInput)
{
    startWith();
    dialog->ComboBox3->setCurrentText(QStringLiteral("mbar"));
    add(QStringLiteral("KCl"), QStringLiteral("5"));
    const QString onlyAt = blockText(u"WaessrigDlg", 3);
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("25"));
    EXPECT_EQ(dialog->Label10->text(), onlyAt + QStringLiteral(" 25 °C"));
    EXPECT_FALSE(dialog->BitBtn6->isEnabled());
    EXPECT_FALSE(dialog->BitBtn7->isEnabled());
    EXPECT_FALSE(dialog->CheckComposition());
    dialog->ComboBox1->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("298,15"));
    // Nothing can be typed: the input shows the temperature of the result.
    QTest::keyClicks(dialog->Edit1, QStringLiteral("3"));
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("298,15"));
    // What is typed is not taken: the result is the one at 25 °C.
    EXPECT_EQ(calculate(QStringLiteral("350")), QStringLiteral("Dampfdruck = 30,984"));

    messages.clear();
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("abc"));
    EXPECT_EQ(calculate(QStringLiteral("350")), QStringLiteral("Dampfdruck = "));
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("81"));
    EXPECT_EQ(calculate(QStringLiteral("350")), QStringLiteral("Dampfdruck = "));
    EXPECT_EQ(shownTexts(), (QStringList{blockText(u"WaessrigDlg", 4) + u'1', blockText(u"WaessrigDlg", 5)}));

    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("5"));
    dialog->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
    dialog->ComboBox3->setCurrentText(QStringLiteral("°C"));
    EXPECT_EQ(calculate(QString()), QStringLiteral("Siedepunkt =  25,0"));
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("0,03"));
    EXPECT_EQ(dialog->Label10->text(), onlyAt + QStringLiteral(" 0,03 bar"));
    EXPECT_TRUE(dialog->Edit1->isReadOnly());

    // Without the solute the input is the user's again.
    clickRow(dialog->StringGrid1, 1);
    dialog->SpeedButton2->click();
    EXPECT_FALSE(dialog->Edit1->isReadOnly());
}

TEST_F(AqueousDialog, TheSolutesNarrowTheRangeUntilNothingIsLeft)
{
    startWith();
    // The headings stand right above the list and the grid, however short the grid is.
    QCoreApplication::processEvents();
    for (const auto &[heading, headed] : {std::pair<QWidget *, QWidget *>{dialog->Label1, dialog->ListBox1},
                                          {dialog->Label3, dialog->StringGrid1}})
        EXPECT_LE(headed->y() - heading->y(), heading->sizeHint().height() + 12)
            << heading->objectName().toStdString();
    EXPECT_FALSE(dialog->BitBtn6->isEnabled());
    EXPECT_FALSE(dialog->BitBtn4->isEnabled());
    EXPECT_FALSE(dialog->CheckComposition());
    add(QStringLiteral("R2080"), QStringLiteral("10"));
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("t min. 20 °C; t max. 80 °C"));
    dialog->ComboBox1->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("T min. 294 K; T max. 353 K"));
    EXPECT_TRUE(dialog->BitBtn6->isEnabled());
    EXPECT_TRUE(dialog->BitBtn7->isEnabled());

    messages.clear();
    add(QStringLiteral("R90"), QStringLiteral("10"));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, global(GlobalText::RangesDoNotOverlap));
    EXPECT_EQ(messages.shown().first().caption, global(GlobalText::InformationCaption));
    EXPECT_EQ(messages.shown().first().flags, 64);
    EXPECT_EQ(dialog->Label10->text(), global(GlobalText::RangesDoNotOverlap));
    for (const QPushButton *button : {dialog->BitBtn4, dialog->BitBtn5, dialog->BitBtn6, dialog->BitBtn7})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();

    clickRow(dialog->StringGrid1, 2);
    dialog->SpeedButton2->click();
    EXPECT_TRUE(dialog->BitBtn6->isEnabled());
    EXPECT_EQ(dialog->AqTmax, 80);
}

TEST_F(AqueousDialog, InformationOnASoluteAndItsConcentrationRanges)
{
    startWith();
    const QString concentration = global(GlobalText::ConcentrationWord);
    const QString temperature = global(GlobalText::TemperatureWord);
    const QString info = blockText(u"WaessrigDlg", 7);
    struct Case {
        int row;
        QStringList lines;
    };
    const Case cases[] = {
        {0, {"Natriumchlorid", info, concentration + " Ma% (0-26)", temperature + " °C (0-100)"}},
        {1, {"Kaliumchlorid", info, concentration + " Ma% (0-25)", temperature + " °C (25)"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        messages.clear();
        // The other solute is selected: the right click names the one it is made on.
        dialog->ListBox1->setCurrentRow(1 - c.row);
        const QPoint item = dialog->ListBox1->visualItemRect(dialog->ListBox1->item(c.row)).center();
        QTest::mouseClick(dialog->windowHandle(), Qt::RightButton, {},
                          dialog->ListBox1->viewport()->mapTo(dialog, item));
        EXPECT_EQ(dialog->ListBox1->currentRow(), c.row);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text.split(QStringLiteral("\r\n")), c.lines);
        EXPECT_EQ(messages.shown().first().caption, global(GlobalText::InformationCaption));
        EXPECT_EQ(messages.shown().first().flags, 64);
    }

    TKonz_Bereiche_Dlg *ranges = dialog->rangesDialog();
    int shown = 0;
    QTimer::singleShot(0, ranges, [&] {
        ++shown;
        EXPECT_EQ(ranges->windowTitle(), blockText(u"Konz_Bereiche_Dlg", 1));
        ASSERT_EQ(ranges->ListBox1->count(), 6);
        EXPECT_EQ(ranges->ListBox1->item(0)->text(), QStringLiteral("NaCl\t0 / 26"));
        EXPECT_EQ(ranges->ListBox1->item(1)->text(), QStringLiteral("KCl\t0 / 25"));
        EXPECT_EQ(ranges->ListBox1->currentRow(), 1);
        ranges->OKBtn->click();
    });
    dialog->BitBtn3->click();
    EXPECT_EQ(shown, 1);
}

TEST_F(AqueousDialog, FilesThatBreakTheRulesListNothing)
{
    QStringList shortGroup = aqueousCoefficientFileLines();
    shortGroup.removeAt(10); // the third line of TB
    QStringList withoutGroup = aqueousCoefficientFileLines();
    withoutGroup.removeAt(7); // NaCl
    for (const QStringList &coefficients : {shortGroup, withoutGroup}) {
        startWith(coefficients);
        EXPECT_EQ(shownTexts(),
                  QStringList{global(GlobalText::FileDamaged) + u' ' + programFilePath(kAqueousCoefficientsFile)});
        EXPECT_EQ(dialog->ListBox1->count(), 0);
        EXPECT_FALSE(dialog->SpeedButton1->isEnabled());
        messages.clear();
        form.reset();
    }
    QFile::remove(folder.filePath(kAqueousSolutesFile));
    start({waterTestRecord()});
    open(form->aqueousDialog());
    EXPECT_EQ(shownTexts(), QStringList{global(GlobalText::FileUnreadable) + u' ' + programFilePath(kAqueousSolutesFile)});
}

TEST_F(AqueousDialog, TheTableButtonChecksThePercentagesFirst)
{
    startWith();
    add(QStringLiteral("NaCl"), QStringLiteral("10"));
    struct Case {
        const char *percent;
        QStringList boxes; // none: the table window opens
    };
    const Case cases[] = {
        {"abc", {blockText(u"WaessrigDlg", 4) + u'1'}},
        {"81", {blockText(u"WaessrigDlg", 5)}},
        {"30", {outsideRange(QStringLiteral("NaCl"), QStringLiteral("0 - 26"))}},
        {"10", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.percent);
        dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QString::fromLatin1(c.percent));
        messages.clear();
        EXPECT_EQ(opensTable(dialog->BitBtn6, dialog->tableDialog()), c.boxes.isEmpty());
        EXPECT_EQ(shownTexts(), c.boxes);
    }

    // Beside 30 % of other solutes, 20 % NaCl is above the molality its range reaches alone: no
    // table, and no pressure range.
    add(QStringLiteral("TB"), QStringLiteral("20"));
    add(QStringLiteral("TC"), QStringLiteral("10"));
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("20"));
    dialog->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
    messages.clear();
    EXPECT_FALSE(opensTable(dialog->BitBtn6, dialog->tableDialog()));
    dialog->BitBtn5->click();
    EXPECT_EQ(shownTexts(), QStringList(2, tooLittleWater(QStringLiteral("NaCl"), QStringLiteral("6,84"),
                                                          QStringLiteral("6,01"))));
    EXPECT_TRUE(dialog->Label10->text().isEmpty());
}
