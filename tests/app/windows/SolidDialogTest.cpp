// The solid-liquid dialog driven through its widgets.
#include "app/windows/TFestFlueDlg.h"

#include "SolutionTestData.h"
#include "SystemDialogFixture.h"
#include "app/container/DataPasswords.h"
#include "app/data/DataFiles.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TTabMischFestDlg.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

class SolidDialog : public SystemDialogFixture
{
protected:
    TFestFlueDlg *dialog = nullptr;

    void startWith(const QStringList &records, const QStringList &solids = solidsFileLines())
    {
        folder.writeDataFile(kSolidsFile, QString::fromLatin1(DataPasswords::kSolids), solids);
        start(records);
        dialog = form->solidLiquidDialog();
        ASSERT_NE(dialog, nullptr);
        open(dialog);
    }

    // Clicks the item that starts with the name, as the user selects it.
    static void select(SubstanceListBox *list, const QString &name)
    {
        const QList<QListWidgetItem *> found = list->findItems(name + u'\t', Qt::MatchStartsWith);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }

    QString calculate(const QString &percent, const QString &input)
    {
        dialog->Edit3->setText(percent);
        dialog->Edit1->setText(input);
        dialog->BitBtn3->click();
        return dialog->Label17->text();
    }
};

} // namespace

TEST_F(SolidDialog, VapourPressureAndBoilingPointOfASolution)
{
    startWith({waterTestRecord()});
    EXPECT_TRUE(form->FestFlssig1->isEnabled());
    dialog->ComboBox3->setCurrentText(QStringLiteral("mbar"));
    EXPECT_EQ(calculate(QStringLiteral("10"), QStringLiteral("60")), QStringLiteral("Dampfdruck = 192,121"));
    EXPECT_EQ(calculate(QStringLiteral("0"), QStringLiteral("60")), QStringLiteral("Dampfdruck = 198,701"));
    // A new percentage or another solid leaves only the caption.
    dialog->Edit3->setText(QStringLiteral("5"));
    EXPECT_EQ(dialog->Label17->text(), QStringLiteral("Dampfdruck = "));
    calculate(QStringLiteral("0"), QStringLiteral("60"));
    select(dialog->ListBox2, QStringLiteral("Testsalz-350"));
    EXPECT_EQ(dialog->Label17->text(), QStringLiteral("Dampfdruck = "));
    select(dialog->ListBox2, QStringLiteral("Natriumchlorid"));

    dialog->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
    EXPECT_EQ(dialog->ComboBox1->currentText(), QStringLiteral("bar"));
    dialog->Edit3->setText(QStringLiteral("10"));
    dialog->BitBtn5->click();
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("p min. in mbar: 6,3; p max. in bar: 0,9"));
    EXPECT_NEAR(double(dialog->MixPmax), 0.97455, 1e-5);
    EXPECT_EQ(calculate(QStringLiteral("10"), QStringLiteral("0,9")), QStringLiteral("Siedepunkt =  97,6"));
    EXPECT_EQ(calculate(QStringLiteral("10"), QStringLiteral("1,01325")), QStringLiteral("Siedepunkt = "));
    EXPECT_EQ(shownTexts(), QStringList{global(GlobalText::PressureOutOfRange)});

    // A new percentage has a new range: 26 % ends at 0.90943 bar, below 0.95.
    messages.clear();
    EXPECT_EQ(calculate(QStringLiteral("26"), QStringLiteral("0,95")), QStringLiteral("Siedepunkt = "));
    EXPECT_EQ(shownTexts(), QStringList{global(GlobalText::PressureOutOfRange)});
    EXPECT_NEAR(double(dialog->MixPmax), 0.90943, 1e-5);
}

TEST_F(SolidDialog, MassPercentageIsCheckedBeforeAnyCalculation)
{
    startWith({waterTestRecord()});
    const QString badPercentage = global(GlobalText::InvalidInput) + u'\r' + dialog->Label3->text();
    struct Case {
        const char *percent;
        QString box;
    };
    const Case cases[] = {{"", blockText(u"FestFlueDlg", 4)}, {"101", badPercentage}, {"100", badPercentage},
                          {"-5", badPercentage}, {"1O", badPercentage}};
    for (const CalculationMode mode : {CalculationMode::VapourPressure, CalculationMode::BoilingPoint}) {
        dialog->ComboBox2->setCurrentIndex(int(mode));
        for (const Case &c : cases) {
            SCOPED_TRACE(c.percent);
            messages.clear();
            const QString input = mode == CalculationMode::VapourPressure ? QStringLiteral("50") : QStringLiteral("0,5");
            const QString result = calculate(QString::fromLatin1(c.percent), input);
            EXPECT_FALSE(result.contains(u','));
            ASSERT_EQ(shownTexts(), QStringList{c.box});
            EXPECT_EQ(messages.shown().first().flags, 16);
            EXPECT_EQ(dialog->focusWidget(), dialog->Edit3);
            messages.clear();
            dialog->BitBtn5->click();
            EXPECT_FALSE(opensTable(dialog->BitBtn4, dialog->tableDialog()));
            EXPECT_EQ(shownTexts(), QStringList(2, c.box));
        }
    }
}

TEST_F(SolidDialog, RangeIsTheSolventsUpToTheSolidsLimit)
{
    QStringList solids = solidsFileLines();
    solids << makeLine(10, {{2, QStringLiteral("Zersetzt-250")}, {4, QStringLiteral("Decomposes 250")},
                            {6, QStringLiteral("Z")}, {9, QStringLiteral("50")}, {10, QStringLiteral("250")}});
    // Its limit is the solvent's Tmin: a range of no width.
    solids << makeLine(10, {{2, QStringLiteral("Zersetzt-274")}, {4, QStringLiteral("Decomposes 274")},
                            {6, QStringLiteral("Y")}, {9, QStringLiteral("50")}, {10, QStringLiteral("274")}});
    startWith({waterTestRecord()}, solids);
    // Ordered by name, the five header lines left out.
    ASSERT_EQ(dialog->ListBox2->count(), 4);
    EXPECT_EQ(dialog->ListBox2->item(0)->text(), QStringLiteral("Natriumchlorid\tNaCl"));
    EXPECT_EQ(dialog->ListBox2->item(2)->text(), QStringLiteral("Zersetzt-250\tZ"));
    EXPECT_EQ(dialog->Label8->text(), QStringLiteral("Natriumchlorid\tNaCl"));
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("t min. 1 °C; t max. 99 °C"));
    select(dialog->ListBox2, QStringLiteral("Testsalz-350"));
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("t min. 1 °C; t max. 76 °C"));
    // A temperature beyond the shown range computes nothing and says the range.
    messages.clear();
    EXPECT_EQ(calculate(QStringLiteral("10"), QStringLiteral("80")), QStringLiteral("Dampfdruck = "));
    EXPECT_EQ(shownTexts(), QStringList{global(GlobalText::TemperatureOutOfRange) + QStringLiteral("\rt min. 1 °C; t max. 76 °C")});

    // Below the solvent's lower limit: nothing can be computed, and nothing says more than the label.
    messages.clear();
    select(dialog->ListBox2, QStringLiteral("Zersetzt-250"));
    EXPECT_EQ(dialog->Label10->text(), global(GlobalText::RangesDoNotOverlap));
    for (const QPushButton *button : {dialog->BitBtn3, dialog->BitBtn4, dialog->BitBtn5, dialog->BitBtn6})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(dialog->CheckComposition());
    dialog->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
    dialog->Edit3->setText(QStringLiteral("5"));
    EXPECT_EQ(dialog->Label10->text(), global(GlobalText::RangesDoNotOverlap));
    dialog->ComboBox2->setCurrentIndex(int(CalculationMode::VapourPressure));
    select(dialog->ListBox2, QStringLiteral("Zersetzt-274"));
    EXPECT_EQ(dialog->Label10->text(), global(GlobalText::RangesDoNotOverlap));
    EXPECT_FALSE(dialog->BitBtn5->isEnabled());
    EXPECT_FALSE(dialog->CheckComposition());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(SolidDialog, ASolidsFileThatCannotBeUsedListsNothing)
{
    QStringList damaged = solidsFileLines();
    damaged[6] = withField(damaged[6], 9, QStringLiteral("0"));
    struct Case {
        const char *what;
        bool write;
        QStringList lines;
        GlobalText box;
    };
    const Case cases[] = {{"missing", false, {}, GlobalText::FileUnreadable},
                          {"a molar mass of 0", true, damaged, GlobalText::FileDamaged}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.filePath(kSolidsFile));
        if (c.write)
            folder.writeDataFile(kSolidsFile, QString::fromLatin1(DataPasswords::kSolids), c.lines);
        start({waterTestRecord()});
        dialog = form->solidLiquidDialog();
        messages.clear();
        open(dialog);
        EXPECT_EQ(shownTexts(), QStringList{global(c.box) + u' ' + programFilePath(kSolidsFile)});
        EXPECT_EQ(dialog->ListBox2->count(), 0);
        for (const QPushButton *button : {dialog->BitBtn3, dialog->BitBtn4, dialog->BitBtn5})
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        form.reset();
    }
}

TEST_F(SolidDialog, NoticeNamesTheModelAndItsLimits)
{
    startWith({waterTestRecord()});
    dialog->SpeedButton3->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text.split(u'\r'),
              (QStringList{global(GlobalText::ModelNote1), global(GlobalText::ModelNote2), blockText(u"FestFlueDlg", 5),
                           blockText(u"FestFlueDlg", 2), blockText(u"FestFlueDlg", 3)}));
    EXPECT_EQ(messages.shown().first().caption, QString());
    EXPECT_EQ(messages.shown().first().flags, 64);
}
