// The liquid-liquid mixture dialog driven through its widgets.
#include "app/windows/TFlueFlueDlg.h"

#include "SystemDialogFixture.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TTabelleMischungDlg.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

class MixtureDialog : public SystemDialogFixture
{
protected:
    TFlueFlueDlg *dialog = nullptr;

    void startWith(const QStringList &records)
    {
        start(records);
        dialog = form->mixtureDialog();
        ASSERT_NE(dialog, nullptr);
        open(dialog);
    }

    void add(const QString &name, const QString &percent) { addComponent(dialog, name, percent); }

    void setMode(CalculationMode mode) { dialog->ComboBox2->setCurrentIndex(int(mode)); }

    QString calculate(const QString &input, const QString &resultUnit = QString())
    {
        if (!resultUnit.isEmpty())
            dialog->ComboBox3->setCurrentText(resultUnit);
        dialog->Edit1->setText(input);
        dialog->BitBtn3->click();
        return dialog->Label17->text();
    }

    QString badRow(const QString &row) const { return blockText(u"FlueFlueDlg", 2) + row; }

    // The message once, the label, and every calculation blocked until the second component goes.
    void expectNoOverlap()
    {
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, global(GlobalText::RangesDoNotOverlap));
        EXPECT_EQ(messages.shown().first().caption, global(GlobalText::InformationCaption));
        EXPECT_EQ(messages.shown().first().flags, 64);
        EXPECT_EQ(dialog->Label10->text(), global(GlobalText::RangesDoNotOverlap));
        for (const QPushButton *button : {dialog->BitBtn3, dialog->BitBtn4, dialog->BitBtn5, dialog->BitBtn1})
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_FALSE(dialog->CheckComposition());

        clickRow(dialog->StringGrid1, 2);
        dialog->SpeedButton2->click();
        EXPECT_TRUE(dialog->BitBtn3->isEnabled());
        EXPECT_TRUE(dialog->BitBtn4->isEnabled());
        EXPECT_EQ(dialog->Label10->text(), QStringLiteral("t min. 1 °C; t max. 99 °C"));
    }
};

const QString kWater = QStringLiteral("Wasser-Test");
const QString kEthanol = QStringLiteral("Ethanol-Test");

} // namespace

TEST_F(MixtureDialog, VapourPressureOfMixturesByRaoultsLaw)
{
    startWith({waterTestRecord(), ethanolTestRecord(), w2000Record()});
    EXPECT_TRUE(form->FlssigFlssig1->isEnabled());
    struct Case {
        const char *what;
        QList<std::pair<QString, QString>> rows;
        QString expected;
    };
    const Case cases[] = {
        {"50/50", {{kWater, "50"}, {kEthanol, "50"}}, QStringLiteral("Dampfdruck = 274,266")},
        // A named row with an empty percentage in the middle drops no other component.
        {"a row without percentage", {{kWater, "50"}, {QStringLiteral("Testwasser"), ""}, {kEthanol, "50"}},
         QStringLiteral("Dampfdruck = 274,266")},
        // Blanks around a typed percentage are no part of the number: 50 % of water, not 0 %.
        {"blanks around a percentage", {{kWater, " 50 "}, {kEthanol, "50"}}, QStringLiteral("Dampfdruck = 274,266")},
        // Decimal percentages that add up to 100 only in decimal are accepted.
        {"0,1 + 84,2 + 15,7", {{kWater, "0,1"}, {kEthanol, "84,2"}, {QStringLiteral("Testwasser"), "15,7"}},
         QStringLiteral("Dampfdruck = 380,343")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open(dialog);
        dialog->ComboBox3->setCurrentText(QStringLiteral("mbar"));
        for (const auto &[name, percent] : c.rows)
            add(name, percent);
        EXPECT_EQ(calculate(QStringLiteral("60")), c.expected);
        EXPECT_TRUE(messages.shown().isEmpty());
        dialog->BitBtn2->click();
    }
    EXPECT_EQ(dialog->StringGrid1->usedRows(), 0);

    // The same mixture in bar.
    open(dialog);
    add(kWater, QStringLiteral("50"));
    add(kEthanol, QStringLiteral("50"));
    EXPECT_EQ(calculate(QStringLiteral("60"), QStringLiteral("bar")), QStringLiteral("Dampfdruck = 0,274"));
    dialog->BitBtn2->click();

    // A pressure too small for three decimals is written in the exponent form, never "0,000".
    open(dialog);
    add(kEthanol, QStringLiteral("100"));
    dialog->ComboBox3->setCurrentText(QStringLiteral("MPa"));
    EXPECT_TRUE(calculate(QStringLiteral("-21")).endsWith(QStringLiteral("e-04"))) << dialog->Label17->text().toStdString();
}

TEST_F(MixtureDialog, BoilingPointsWithinThePressureRange)
{
    startWith({waterTestRecord(), ethanolTestRecord()});
    const QString pressureOutOfRange = global(GlobalText::PressureOutOfRange);
    struct Case {
        const char *what;
        QList<std::pair<QString, QString>> rows;
        QString pressure;
        QString expected; // the result, or the box
    };
    const Case cases[] = {
        {"water, 1 bar", {{kWater, "100"}}, QStringLiteral("1"), QStringLiteral("Siedepunkt =  99,6")},
        {"water, 1.01325 bar: above p(373.0 K)", {{kWater, "100"}}, QStringLiteral("1,01325"), pressureOutOfRange},
        {"50/50, 1.01325 bar", {{kWater, "50"}, {kEthanol, "50"}}, QStringLiteral("1.01325"),
         QStringLiteral("Siedepunkt =  91,8")},
        {"50/50, 5 bar", {{kWater, "50"}, {kEthanol, "50"}}, QStringLiteral("5"), pressureOutOfRange},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open(dialog);
        setMode(CalculationMode::BoilingPoint);
        for (const auto &[name, percent] : c.rows)
            add(name, percent);
        messages.clear();
        // Without the range button first: the calculation finds the range itself.
        const QString result = calculate(c.pressure, QStringLiteral("°C"));
        if (c.expected == pressureOutOfRange) {
            ASSERT_EQ(messages.shown().size(), 1);
            EXPECT_EQ(messages.shown().first().text, pressureOutOfRange);
            EXPECT_EQ(messages.shown().first().caption, global(GlobalText::ErrorCaption));
            EXPECT_EQ(messages.shown().first().flags, 16);
            EXPECT_EQ(dialog->focusWidget(), dialog->Edit1);
            EXPECT_EQ(result, QStringLiteral("Siedepunkt = "));
        } else {
            EXPECT_EQ(result, c.expected);
            EXPECT_TRUE(messages.shown().isEmpty());
        }
        dialog->BitBtn2->click();
    }

    // Enter in the input calculates once: one box, not two.
    open(dialog);
    setMode(CalculationMode::BoilingPoint);
    add(kWater, QStringLiteral("50"));
    add(kEthanol, QStringLiteral("50"));
    messages.clear();
    for (const char *pressure : {"5", "1,01325"}) {
        dialog->Edit1->setText(QString::fromLatin1(pressure));
        QTest::keyClick(dialog->Edit1, Qt::Key_Return);
    }
    EXPECT_EQ(shownTexts(), QStringList{pressureOutOfRange});
    EXPECT_EQ(dialog->Label17->text(), QStringLiteral("Siedepunkt =  91,8"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MixtureDialog, RangeLabelsFollowTheComponentsAndTheUnits)
{
    startWith({waterTestRecord(), ethanolTestRecord()});
    add(kEthanol, QStringLiteral("100"));
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("t min. -21 °C; t max. 96 °C"));
    dialog->ComboBox1->setCurrentText(QStringLiteral("K"));
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("T min. 251 K; T max. 370 K"));
    dialog->ComboBox1->setCurrentText(QStringLiteral("°C"));
    add(kWater, QStringLiteral("0"));
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("t min. 1 °C; t max. 96 °C"));

    // Boiling-point mode: the range button shows the pressure range of 50/50 in mbar and bar.
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("50"));
    dialog->StringGrid1->item(1, CompositionGrid::kPercentColumn)->setText(QStringLiteral("50"));
    setMode(CalculationMode::BoilingPoint);
    EXPECT_TRUE(dialog->BitBtn5->isVisibleTo(dialog));
    EXPECT_EQ(dialog->Label10->text(), QString());
    dialog->BitBtn5->click();
    EXPECT_EQ(dialog->Label10->text(), QStringLiteral("p min. in mbar: 9,4; p max. in bar: 1,2"));

    // A new composition has a new range: 1.1 bar is above the 0.95102 bar of 90 % water.
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("10"));
    dialog->StringGrid1->item(1, CompositionGrid::kPercentColumn)->setText(QStringLiteral("90"));
    EXPECT_EQ(calculate(QStringLiteral("1,1")), QStringLiteral("Siedepunkt = "));
    EXPECT_EQ(shownTexts(), QStringList{global(GlobalText::PressureOutOfRange)});
    EXPECT_EQ(dialog->MixPmax, dialog->CalcMixturePressure(370.0L));
    EXPECT_NEAR(double(dialog->MixPmax), 0.95102, 1e-5);

    // A pressure that is no number: the input-error box, nothing computed.
    messages.clear();
    EXPECT_EQ(calculate(QStringLiteral("1,0x")), QStringLiteral("Siedepunkt = "));
    EXPECT_EQ(shownTexts(), QStringList{global(GlobalText::InvalidInput) + QStringLiteral("\r\"Druck:\"!")});
    EXPECT_EQ(dialog->focusWidget(), dialog->Edit1);

    // Percentages that do not add up stop the range button with its own message.
    messages.clear();
    dialog->StringGrid1->item(1, CompositionGrid::kPercentColumn)->setText(QStringLiteral("5"));
    dialog->BitBtn5->click();
    EXPECT_EQ(shownTexts(), QStringList{blockText(u"FlueFlueDlg", 4)});
}

TEST_F(MixtureDialog, PercentagesAreCheckedByCalculateAndTheTableButton)
{
    startWith({waterTestRecord(), ethanolTestRecord()});
    dialog->ComboBox3->setCurrentText(QStringLiteral("mbar"));
    add(kWater, QStringLiteral("60"));
    add(kEthanol, QStringLiteral("30"));
    const QString sumNot100 = blockText(u"FlueFlueDlg", 3);
    struct Case {
        const char *what;
        QString first, second;
        QStringList calculateBoxes, tableBoxes;
    };
    const Case cases[] = {
        {"60 and 30", "60", "30", {sumNot100}, {sumNot100}},
        {"abc in row 2", "60", "abc", {badRow("2!"), sumNot100}, {badRow(" 2!"), sumNot100}},
        // Out of range, yet they add up: only the two rows are reported.
        {"110 and -10", "110", "-10", {badRow("1!"), badRow("2!")}, {badRow(" 1!"), badRow(" 2!")}},
        {"150 and -40", "150", "-40", {badRow("1!"), badRow("2!"), sumNot100}, {badRow(" 1!"), badRow(" 2!"), sumNot100}},
        // An unreadable row counts 0 in the sum.
        {"100 and abc", "100", "abc", {badRow("2!")}, {badRow(" 2!")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(c.first);
        dialog->StringGrid1->item(1, CompositionGrid::kPercentColumn)->setText(c.second);
        messages.clear();
        EXPECT_EQ(calculate(QStringLiteral("60")), QStringLiteral("Dampfdruck = "));
        EXPECT_EQ(shownTexts(), c.calculateBoxes);
        EXPECT_EQ(messages.shown().first().caption, global(GlobalText::ErrorCaption));
        EXPECT_EQ(messages.shown().first().flags, 16);
        messages.clear();
        EXPECT_FALSE(opensTable(dialog->BitBtn4, dialog->tableDialog()));
        EXPECT_EQ(shownTexts(), c.tableBoxes);
    }

    // An unreadable or out-of-range temperature computes nothing and says why: the field, or the
    // range the dialog shows.
    dialog->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("50"));
    dialog->StringGrid1->item(1, CompositionGrid::kPercentColumn)->setText(QStringLiteral("50"));
    ASSERT_FALSE(dialog->Label10->text().isEmpty());
    const QString invalid = global(GlobalText::InvalidInput) + QStringLiteral("\r\"Temperatur:\"!");
    const QString outOfRange = global(GlobalText::TemperatureOutOfRange) + u'\r' + dialog->Label10->text();
    for (const auto &[input, box] : {std::pair{"", invalid}, {"6o", invalid}, {"2x5", invalid}, {"97", outOfRange}}) {
        SCOPED_TRACE(input);
        messages.clear();
        EXPECT_EQ(calculate(QString::fromLatin1(input)), QStringLiteral("Dampfdruck = "));
        EXPECT_EQ(shownTexts(), QStringList{box});
        EXPECT_EQ(messages.shown().first().flags, 16);
        EXPECT_EQ(dialog->focusWidget(), dialog->Edit1);
    }
}

TEST_F(MixtureDialog, GridHoldsFourteenComponentsAndOnlyPercentagesAreTyped)
{
    startWith({waterTestRecord(), ethanolTestRecord()});
    EXPECT_FALSE(dialog->BitBtn4->isEnabled());
    EXPECT_FALSE(dialog->BitBtn3->isEnabled());
    EXPECT_FALSE(dialog->BitBtn1->isEnabled());
    for (int i = 0; i < TFlueFlueDlg::kComponentRows; ++i)
        add(i % 2 ? kWater : kEthanol, QStringLiteral("1"));
    EXPECT_TRUE(dialog->BitBtn4->isEnabled());
    EXPECT_TRUE(dialog->BitBtn1->isEnabled());
    dialog->SpeedButton1->click();
    EXPECT_EQ(dialog->StringGrid1->usedRows(), TFlueFlueDlg::kComponentRows);
    EXPECT_TRUE(dialog->BitBtn4->isEnabled());
    const Qt::ItemFlags nameFlags = dialog->StringGrid1->item(0, 0)->flags();
    EXPECT_FALSE(nameFlags & Qt::ItemIsEditable);
    EXPECT_FALSE(dialog->StringGrid1->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(dialog->StringGrid1->item(0, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(dialog->StringGrid1->Cells(0, 0), global(GlobalText::SubstanceSelectionCaption));
    EXPECT_EQ(dialog->StringGrid1->Cells(2, 0), QStringLiteral("Ma.%"));

    // The row below a removed one moves up; removing the last component disables the table.
    dialog->BitBtn2->click();
    open(dialog);
    add(kEthanol, QStringLiteral("100"));
    add(kWater, QStringLiteral("0"));
    clickRow(dialog->StringGrid1, 1);
    dialog->SpeedButton2->click();
    EXPECT_EQ(dialog->StringGrid1->Cells(0, 1), kWater);
    EXPECT_EQ(dialog->StringGrid1->Cells(2, 1), QStringLiteral("0"));
    dialog->SpeedButton2->click();
    EXPECT_EQ(dialog->StringGrid1->usedRows(), 0);
    EXPECT_FALSE(dialog->BitBtn4->isEnabled());
    EXPECT_EQ(dialog->Label10->text(), QString());
    EXPECT_EQ(dialog->MixTmax, 5000.0L);
}

TEST_F(MixtureDialog, ComponentsWhoseRangesDoNotOverlapBlockEverything)
{
    // Apart, and touching in the one temperature 274 K (the water's Tmin): no range either way.
    for (const char *tmax : {"260", "274.0"}) {
        SCOPED_TRACE(tmax);
        startWith({waterTestRecord(), withField(ethanolTestRecord(QStringLiteral("Kalt")), 22, QString::fromLatin1(tmax))});
        add(kWater, QStringLiteral("50"));
        messages.clear();
        add(QStringLiteral("Kalt"), QStringLiteral("50"));
        expectNoOverlap();
    }
}

TEST_F(MixtureDialog, OpensWithTheSettingsAndAnEmptyGridAndClearsResultsOnEveryEdit)
{
    start({waterTestRecord(), ethanolTestRecord()});
    setUnits(Kelvin, WaterColumn);
    dialog = form->mixtureDialog();
    int shown = 0;
    QTimer::singleShot(0, dialog, [&] {
        ++shown;
        EXPECT_EQ(dialog->windowTitle(), blockText(u"FlueFlueDlg", 1));
        EXPECT_EQ(dialog->ComboBox1->currentText(), QStringLiteral("K"));
        EXPECT_EQ(dialog->ComboBox3->currentText(), QStringLiteral("m H2O"));
        EXPECT_EQ(dialog->ListBox1->count(), 2);
        add(kWater, QStringLiteral("100"));
        dialog->ComboBox3->setCurrentText(QStringLiteral("bar"));
        const QString result = calculate(QStringLiteral("333,15"));
        EXPECT_EQ(result, QStringLiteral("Dampfdruck = 0,199"));
        // Every input, unit or percentage change leaves only the caption.
        const std::function<void()> edits[] = {
            [&] { dialog->Edit1->setText(QStringLiteral("333")); },
            [&] { dialog->ComboBox1->setCurrentText(QStringLiteral("°C")); },
            [&] { dialog->ComboBox3->setCurrentText(QStringLiteral("mbar")); },
            [&] { dialog->StringGrid1->item(0, 2)->setText(QStringLiteral("99")); },
        };
        for (const auto &edit : edits) {
            calculate(QStringLiteral("60"));
            edit();
            EXPECT_EQ(dialog->Label17->text(), QStringLiteral("Dampfdruck = "));
        }
        dialog->BitBtn2->click();
    });
    form->FlssigFlssig1->trigger();
    QTimer::singleShot(0, dialog, [&] {
        ++shown;
        EXPECT_EQ(dialog->StringGrid1->usedRows(), 0);
        EXPECT_EQ(dialog->Label10->text(), QString());
        EXPECT_FALSE(dialog->BitBtn4->isEnabled());
        dialog->BitBtn2->click();
    });
    form->FlssigFlssig1->trigger();
    EXPECT_EQ(shown, 2);
}

TEST_F(MixtureDialog, NoticeNamesTheModel)
{
    startWith({waterTestRecord()});
    dialog->SpeedButton3->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, global(GlobalText::ModelNote1) + u'\r' + global(GlobalText::ModelNote2));
    EXPECT_EQ(messages.shown().first().flags, 64);
}

TEST_F(MixtureDialog, WindowsRestoredFromTheTaskBarKeepTheirInput)
{
    // Restoring a minimised window sends a spontaneous show; it must not start the window afresh.
    startWith({waterTestRecord(), ethanolTestRecord()});
    add(kWater, QStringLiteral("50"));
    dialog->showMinimized();
    dialog->showNormal();
    EXPECT_EQ(dialog->StringGrid1->usedRows(), 1);
    dialog->hide();

    // The settings remember what Cancel goes back to when they open, not when they are restored.
    TeinstellungenDlg *settings = form->settingsDialog();
    open(settings);
    const QString points = settings->Edit1->text();
    settings->Edit1->setText(QStringLiteral("999"));
    settings->showMinimized();
    settings->showNormal();
    settings->BitBtn2->click();
    EXPECT_EQ(settings->Edit1->text(), points);
}
