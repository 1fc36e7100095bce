// The six estimation dialogs driven through their widgets: results, refused inputs, the result
// label's reset, the unit lists and the menu commands.
#include "MainWindowFixture.h"
#include "app/windows/TAbschaetzung1Dlg.h"
#include "app/windows/TAbschaetzung1SiedepDlg.h"
#include "app/windows/TAbschaetzung2Dlg.h"
#include "app/windows/TAbschaetzung2MessDlg.h"
#include "app/windows/TAbschaetzung2SiedepDlg.h"
#include "app/windows/TDatenbank_erweiternDlg.h"
#include "app/windows/TMesswerteDlg.h"
#include "app/windows/TSiedepAbschae2MessDlg.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

// Control name and the text typed into the edit or chosen in the unit list.
using Inputs = std::vector<std::pair<const char *, const char *>>;

const Inputs kTwoPoints{{"Edit1", "373,15"}, {"Edit2", "1,01325"}, {"Edit3", "318,95"}, {"Edit4", "0,1"},
                        {"ComboBox1", "K"},   {"ComboBox2", "bar"}, {"ComboBox3", "K"}};
const Inputs kTwoPointsBoiling{{"Edit1", "1,01325"}, {"Edit2", "373,15"}, {"Edit3", "0,1"}, {"Edit4", "318,95"},
                               {"ComboBox1", "bar"},  {"ComboBox2", "K"},    {"ComboBox3", "bar"}};
const Inputs kWater{{"Edit1", "373,15"}, {"ComboBox1", "K"},  {"Edit3", "647,1"},
                    {"ComboBox2", "K"},  {"Edit4", "220,64"}, {"ComboBox3", "bar"}};
const Inputs kEthanol{{"Edit1", "351,44"}, {"ComboBox1", "K"},  {"Edit3", "513,9"},
                      {"ComboBox2", "K"},  {"Edit4", "61,48"}, {"ComboBox3", "bar"}};
const Inputs kBenzene{{"Edit1", "353,2"}, {"ComboBox1", "K"},  {"Edit3", "562,05"},
                      {"ComboBox2", "K"}, {"Edit4", "48,95"}, {"ComboBox3", "bar"}};

Inputs operator+(Inputs a, const Inputs &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// What a calculation shows: the result label's text, or the one error box and where the focus went.
struct Calculation
{
    const char *what;
    Inputs inputs;
    QString result; // the result label after the click
    QString box = {}; // the error box's text, empty when none
    const char *focus = nullptr;
};

class EstimationDialogs : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        start({w2000Record()});
        useFixedNotation();
    }

    QString g(GlobalText text) const { return form->globalText(text); }
    QString noResult() const { return g(GlobalText::CalculationImpossible); }

    // Shows the dialog afresh, types and chooses the inputs, and presses Calculate; the result label.
    QString calculate(QWidget *dialog, const char *resultLabel, const Inputs &inputs)
    {
        showAgain(dialog);
        for (const auto &[name, text] : inputs) {
            if (QLineEdit *e = edit(dialog, name))
                e->setText(QString::fromUtf8(text));
            else
                combo(dialog, name)->setCurrentText(QString::fromUtf8(text));
        }
        messages.clear();
        dialog->findChild<QPushButton *>("BitBtn1")->click();
        return label(dialog, resultLabel)->text();
    }

    void check(QWidget *dialog, const char *resultLabel, const Calculation &run)
    {
        SCOPED_TRACE(testing::Message() << dialog->objectName().toStdString() << ": " << run.what);
        EXPECT_EQ(calculate(dialog, resultLabel, run.inputs), run.result);
        if (run.box.isEmpty()) {
            EXPECT_TRUE(messages.shown().isEmpty());
            return;
        }
        EXPECT_EQ(onlyErrorBox(), run.box);
        if (run.focus) {
            EXPECT_EQ(dialog->focusWidget(), edit(dialog, run.focus));
        }
        // A failure never leaves a text that is not a number.
        for (const QLabel *shown : dialog->findChildren<QLabel *>()) {
            EXPECT_FALSE(shown->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
            EXPECT_FALSE(shown->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive));
        }
    }
};

} // namespace

TEST_F(EstimationDialogs, TwoPointsGiveThePressureAndTheBoilingTemperatureOrRefuseWhatHasNoResult)
{
    const QString p = QStringLiteral("Dampfdruck =");
    const QString pressureCaption = inputErrorText(QStringLiteral("Druck:"));
    const QString mustRise = g(GlobalText::PressureMustRise);
    const Calculation pressures[] = {
        {"point 2 again", kTwoPoints + Inputs{{"Edit5", "318,95"}}, p + QStringLiteral(" 0,100")},
        {"350 K", kTwoPoints + Inputs{{"Edit5", "350"}}, p + QStringLiteral(" 0,411")},
        {"350 K in mbar", kTwoPoints + Inputs{{"Edit5", "350"}, {"ComboBox4", "mbar"}}, p + QStringLiteral(" 411,397")},
        {"p2 0", kTwoPoints + Inputs{{"Edit5", "350"}, {"Edit4", "0"}}, p, pressureCaption, "Edit4"},
        {"p1 0,0", kTwoPoints + Inputs{{"Edit5", "350"}, {"Edit2", "0,0"}}, p, pressureCaption, "Edit2"},
        {"p2 -1", kTwoPoints + Inputs{{"Edit5", "350"}, {"Edit4", "-1"}}, p, pressureCaption, "Edit4"},
        {"T1 -300 °C", kTwoPoints + Inputs{{"Edit5", "350"}, {"ComboBox1", "°C"}, {"Edit1", "-300"}}, p, noResult()},
        {"T1 = T2", kTwoPoints + Inputs{{"Edit5", "350"}, {"Edit3", "373,15"}}, p, noResult()},
        {"p falls as T rises", kTwoPoints + Inputs{{"Edit5", "350"}, {"Edit3", "423,15"}}, p, mustRise, "Edit4"},
        {"p falls as T rises, swapped",
         kTwoPoints + Inputs{{"Edit5", "350"}, {"Edit1", "423,15"}, {"Edit2", "0,1"}, {"Edit3", "373,15"}, {"Edit4", "1,01325"}},
         p, mustRise, "Edit4"},
        {"p falls, T2 at 0 K", kTwoPoints + Inputs{{"Edit5", "350"}, {"Edit3", "0"}, {"Edit4", "2"}}, p, noResult()},
        {"no target", kTwoPoints, p, inputErrorText(QStringLiteral("Temperatur für den Dampfdruck:")), "Edit5"},
    };
    for (const Calculation &run : pressures)
        check(form->twoPointDialog(), "Label4", run);

    const QString t = QStringLiteral("Siedepunkt =");
    const Calculation temperatures[] = {
        {"1 atm in °F", kTwoPointsBoiling + Inputs{{"Edit5", "1,01325"}, {"ComboBox4", "°F"}}, t + QStringLiteral("  212,0")},
        {"0,5 bar in °C", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"ComboBox4", "°C"}}, t + QStringLiteral("  81,6")},
        {"0,5 bar in K", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"ComboBox4", "K"}}, t + QStringLiteral("  354,8")},
        {"target 0", kTwoPointsBoiling + Inputs{{"Edit5", "0"}}, t,
         inputErrorText(QStringLiteral("Druck für den Siedepunkt:")), "Edit5"},
        {"p1 -1", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"Edit1", "-1"}}, t, inputErrorText(QStringLiteral("Druck:")),
         "Edit1"},
        {"T1 = T2", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"Edit4", "373,15"}}, t, noResult()},
        {"p1 = p2", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"Edit3", "1,01325"}}, t, noResult()},
        {"p falls as T rises", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"Edit4", "423,15"}}, t, mustRise, "Edit3"},
        {"p falls as T rises, swapped",
         kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"Edit1", "0,1"}, {"Edit2", "423,15"}, {"Edit3", "1,01325"}, {"Edit4", "373,15"}},
         t, mustRise, "Edit3"},
        {"p falls, T2 at 0 K", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}, {"Edit3", "2"}, {"Edit4", "0"}}, t, noResult()},
    };
    for (const Calculation &run : temperatures)
        check(form->twoPointBoilingDialog(), "Label4", run);
}

TEST_F(EstimationDialogs, RiedelGivesThePressureAndTheBoilingTemperatureOrRefusesWhatHasNoResult)
{
    const QString p = QStringLiteral("Dampfdruck =");
    const QString pcCaption = inputErrorText(QStringLiteral("Kritischer Druck:"));
    const Calculation pressures[] = {
        {"water at Tb", kWater + Inputs{{"Edit2", "373,15"}, {"ComboBox4", "K"}}, p + QStringLiteral(" 1,013")},
        {"water at 25 °C", kWater + Inputs{{"Edit2", "25"}, {"ComboBox5", "mbar"}}, p + QStringLiteral(" 27,896")},
        {"benzene at 25 °C", kBenzene + Inputs{{"Edit2", "25"}, {"ComboBox5", "mbar"}}, p + QStringLiteral(" 128,681")},
        {"Tb -273,15 °C", kWater + Inputs{{"Edit2", "25"}, {"ComboBox1", "°C"}, {"Edit1", "-273,15"}}, p, noResult()},
        {"no Pc", kWater + Inputs{{"Edit2", "25"}, {"Edit4", ""}}, p, pcCaption, "Edit4"},
        {"Pc 0", kWater + Inputs{{"Edit2", "25"}, {"Edit4", "0"}}, p, pcCaption, "Edit4"},
        {"Tb = Tc", kWater + Inputs{{"Edit2", "25"}, {"Edit3", "373,15"}}, p, noResult()},
        {"Pc below 1 atm", kWater + Inputs{{"Edit2", "25"}, {"Edit4", "0,5"}}, p, noResult()},
        {"water at Tc", kWater + Inputs{{"Edit2", "647,1"}, {"ComboBox4", "K"}}, p + QStringLiteral(" 220,640")},
        {"ethanol at 400 °C, above Tc", kEthanol + Inputs{{"Edit2", "400"}}, p, g(GlobalText::TemperatureOutOfRange),
         "Edit2"},
    };
    for (const Calculation &run : pressures)
        check(form->riedelDialog(), "Label8", run);

    const QString t = QStringLiteral("Siedepunkt =");
    const Calculation temperatures[] = {
        {"water at 1 atm in °F", kWater + Inputs{{"Edit2", "1,01325"}, {"ComboBox5", "°F"}}, t + QStringLiteral("  212,0")},
        {"water at 0,5 bar", kWater + Inputs{{"Edit2", "0,5"}, {"ComboBox5", "°C"}}, t + QStringLiteral("  81,9")},
        {"benzene at 0,5 bar", kBenzene + Inputs{{"Edit2", "0,5"}, {"ComboBox5", "°C"}}, t + QStringLiteral("  58,7")},
        {"p 0", kWater + Inputs{{"Edit2", "0"}}, t, inputErrorText(QStringLiteral("Druck:")), "Edit2"},
        {"Pc 0", kWater + Inputs{{"Edit2", "0,5"}, {"Edit4", "0"}}, t, pcCaption, "Edit4"},
        {"Tb = Tc", kWater + Inputs{{"Edit2", "0,5"}, {"Edit3", "373,15"}}, t, noResult()},
        {"water at Pc", kWater + Inputs{{"Edit2", "220,64"}, {"ComboBox5", "K"}}, t + QStringLiteral("  647,1")},
        {"ethanol at 100 bar, above Pc", kEthanol + Inputs{{"Edit2", "100"}}, t, g(GlobalText::PressureOutOfRange),
         "Edit2"},
    };
    for (const Calculation &run : temperatures)
        check(form->riedelBoilingDialog(), "Label8", run);
}

TEST_F(EstimationDialogs, KollarProsztGivesThePressureAndTheBoilingTemperatureOrRefusesWhatHasNoResult)
{
    const QString p = QStringLiteral("Dampfdruck =");
    const Inputs kelvin{{"ComboBox1", "K"}, {"ComboBox3", "mbar"}};
    const Calculation pressures[] = {
        {"T = Tb", {{"ComboBox1", "K"}, {"Edit1", "373,15"}, {"Edit2", "373,15"}}, p + QStringLiteral(" 1,013")},
        {"25 °C", kelvin + Inputs{{"Edit1", "373,15"}, {"Edit2", "298,15"}}, p + QStringLiteral(" 57,183")},
        {"60 °C", kelvin + Inputs{{"Edit1", "373,15"}, {"Edit2", "333,15"}}, p + QStringLiteral(" 265,423")},
        {"Tb 353,2 K", kelvin + Inputs{{"Edit1", "353,2"}, {"Edit2", "298,15"}}, p + QStringLiteral(" 128,879")},
        // One unit for both temperatures: 100 and 25 in °C are H1's 373.15 K and 298.15 K.
        {"both in °C", {{"ComboBox1", "K"}, {"Edit1", "100"}, {"Edit2", "25"}, {"ComboBox3", "mbar"}, {"ComboBox1", "°C"}},
         p + QStringLiteral(" 57,183")},
        {"Tb 0 K", kelvin + Inputs{{"Edit1", "0"}, {"Edit2", "298,15"}}, p, noResult()},
        {"T 0 K", kelvin + Inputs{{"Edit1", "373,15"}, {"Edit2", "0"}}, p, noResult()},
        {"T 50 K, beyond the pole", kelvin + Inputs{{"Edit1", "373,15"}, {"Edit2", "50"}}, p, noResult()},
        {"no T", kelvin + Inputs{{"Edit1", "373,15"}}, p, inputErrorText(QStringLiteral("Temperatur:")), "Edit2"},
    };
    for (const Calculation &run : pressures)
        check(form->kollarProsztDialog(), "Label4", run);

    const QString t = QStringLiteral("Siedepunkt =");
    const Inputs tb{{"ComboBox1", "K"}, {"Edit1", "373,15"}, {"ComboBox2", "bar"}};
    const Calculation temperatures[] = {
        {"1 atm in °F", tb + Inputs{{"Edit2", "1,01325"}, {"ComboBox4", "°F"}}, t + QStringLiteral("  212,0")},
        {"0,5 bar", tb + Inputs{{"Edit2", "0,5"}, {"ComboBox4", "°C"}}, t + QStringLiteral("  77,6")},
        {"Tb 0 K", tb + Inputs{{"Edit2", "0,5"}, {"Edit1", "0"}}, t, noResult()},
        {"p 0", tb + Inputs{{"Edit2", "0"}}, t, inputErrorText(QStringLiteral("Druck:")), "Edit2"},
        {"Tb unreadable", tb + Inputs{{"Edit2", "0,5"}, {"Edit1", "abc"}},
         t, inputErrorText(QStringLiteral("Siedepunkt bei Normaldruck:")), "Edit1"},
    };
    for (const Calculation &run : temperatures)
        check(form->kollarProsztBoilingDialog(), "Label4", run);
}

TEST_F(EstimationDialogs, EveryEditAndUnitChangeTakesTheResultBackToItsCaption)
{
    struct Dialog
    {
        QWidget *dialog;
        const char *result;
        Inputs inputs;
        QString caption;
    };
    const Dialog dialogs[] = {
        {form->kollarProsztDialog(), "Label4", {{"Edit1", "100"}, {"Edit2", "25"}}, QStringLiteral("Dampfdruck =")},
        {form->kollarProsztBoilingDialog(), "Label4", {{"Edit1", "100"}, {"Edit2", "0,5"}}, QStringLiteral("Siedepunkt =")},
        {form->riedelDialog(), "Label8", kWater + Inputs{{"Edit2", "300"}, {"ComboBox4", "K"}}, QStringLiteral("Dampfdruck =")},
        {form->riedelBoilingDialog(), "Label8", kWater + Inputs{{"Edit2", "0,5"}}, QStringLiteral("Siedepunkt =")},
        {form->twoPointDialog(), "Label4", kTwoPoints + Inputs{{"Edit5", "350"}}, QStringLiteral("Dampfdruck =")},
        {form->twoPointBoilingDialog(), "Label4", kTwoPointsBoiling + Inputs{{"Edit5", "0,5"}}, QStringLiteral("Siedepunkt =")},
    };
    for (const Dialog &d : dialogs) {
        const auto calculated = [&] { return calculate(d.dialog, d.result, d.inputs); };
        for (QLineEdit *e : d.dialog->findChildren<QLineEdit *>()) {
            SCOPED_TRACE(e->objectName().toStdString());
            EXPECT_TRUE(calculated().startsWith(d.caption + u' '));
            e->setText(e->text() + u'1');
            EXPECT_EQ(label(d.dialog, d.result)->text(), d.caption);
        }
        for (QComboBox *c : d.dialog->findChildren<QComboBox *>()) {
            SCOPED_TRACE(c->objectName().toStdString());
            EXPECT_TRUE(calculated().startsWith(d.caption + u' '));
            c->setCurrentIndex((c->currentIndex() + 1) % c->count());
            EXPECT_EQ(label(d.dialog, d.result)->text(), d.caption);
        }
    }
}

TEST_F(EstimationDialogs, EnterInAnEditCalculatesOnce)
{
    QWidget *const dialogs[] = {form->kollarProsztDialog(), form->kollarProsztBoilingDialog(), form->riedelDialog(),
                                form->riedelBoilingDialog(),  form->twoPointDialog(),            form->twoPointBoilingDialog()};
    for (QWidget *dialog : dialogs) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        showAgain(dialog);
        messages.clear();
        // Every edit is empty: one calculation reports the first of them, once.
        QTest::keyClick(edit(dialog, "Edit1"), Qt::Key_Return);
        EXPECT_TRUE(onlyErrorBox().startsWith(g(GlobalText::InvalidInput)));
        EXPECT_TRUE(dialog->isVisible());
    }
}

TEST_F(EstimationDialogs, UnitListsOpenAtTheSettingsUnitsAtEveryShow)
{
    QWidget *const dialogs[] = {form->kollarProsztDialog(), form->kollarProsztBoilingDialog(), form->riedelDialog(),
                                form->riedelBoilingDialog(),  form->twoPointDialog(),            form->twoPointBoilingDialog(),
                                form->measuredValuesDialog()};
    for (const auto &[temperature, pressure] : {std::pair{2, 1}, std::pair{1, 10}}) {
        setUnits(temperature, pressure);
        for (QWidget *dialog : dialogs) {
            SCOPED_TRACE(dialog->objectName().toStdString());
            showAgain(dialog);
            for (QComboBox *c : dialog->findChildren<QComboBox *>()) {
                const bool temperatureList = c->count() == 3;
                EXPECT_EQ(c->currentIndex(), temperatureList ? temperature : pressure) << c->objectName().toStdString();
                c->setCurrentIndex(0); // a choice of the last show does not stay
            }
        }
    }
}

TEST_F(EstimationDialogs, AWindowRestoredFromTheTaskBarKeepsItsInput)
{
    QDialog *const dialogs[] = {form->kollarProsztDialog(), form->kollarProsztBoilingDialog(), form->riedelDialog(),
                                form->riedelBoilingDialog(),  form->twoPointDialog(),            form->twoPointBoilingDialog(),
                                form->measuredValuesDialog(), form->recordEditorDialog()};
    for (QDialog *dialog : dialogs) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        showAgain(dialog);
        QLineEdit *typed = dialog->findChild<QLineEdit *>(dialog == form->recordEditorDialog() ? "Edit2" : "Edit1");
        typed->setText(QStringLiteral("42"));
        dialog->showMinimized();
        dialog->showNormal();
        EXPECT_EQ(typed->text(), QStringLiteral("42"));
        dialog->hide();
    }
}

TEST_F(EstimationDialogs, MenuCommandsOpenTheirWindows)
{
    // Every window's menu command is there and opens it modally; the editor opens for a new record.
    const std::pair<QAction *, QDialog *> commands[] = {
        {form->Mewerte1, form->measuredValuesDialog()},
        {form->auszweiMewerten1, form->twoPointDialog()},
        {form->ausnormalerSiedetemperatur1, form->kollarProsztDialog()},
        {form->ausSiedetempkritTempukritDruck1, form->riedelDialog()},
        {form->Aus2Messwerten1, form->twoPointBoilingDialog()},
        {form->ausnormalerSiedetemperatur2, form->kollarProsztBoilingDialog()},
        {form->ausSiedetempkritTempukritDruck2, form->riedelBoilingDialog()},
        {form->Datenbankerweitern1, form->recordEditorDialog()},
    };
    for (const auto &[action, dialog] : commands) {
        SCOPED_TRACE(action->objectName().toStdString());
        EXPECT_TRUE(action->isEnabled());
        bool shown = false;
        QTimer::singleShot(0, dialog, [&, dialog = dialog] {
            shown = QApplication::activeModalWidget() == dialog;
            dialog->reject();
        });
        action->trigger();
        EXPECT_TRUE(shown);
    }
    EXPECT_EQ(form->recordEditorDialog()->editMode(), TDatenbank_erweiternDlg::kModeNew);
    EXPECT_EQ(form->recordEditorDialog()->windowTitle(), QStringLiteral("Datensatz neu"));
}

TEST_F(EstimationDialogs, MenusAndDialogsSpellMesswertOneWay)
{
    EXPECT_EQ(form->auszweiMewerten1->text(), QStringLiteral("aus zwei &Messwerten..."));
    EXPECT_EQ(form->Aus2Messwerten1->text(), QStringLiteral("aus zwei Messwerten..."));
    const QList<QWidget *> dialogs{form->twoPointDialog(), form->twoPointBoilingDialog()};
    for (QWidget *dialog : dialogs) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        showAgain(dialog);
        EXPECT_TRUE(label(dialog, "Label1")->text().endsWith(QStringLiteral("aus 2 Messwerten")));
        EXPECT_EQ(label(dialog, "Label9")->text(), QStringLiteral("oder aus normalem Siedepunkt und 1 Messwert"));
        EXPECT_EQ(label(dialog, "Label6")->text(), QStringLiteral("Messwert 1"));
        dialog->hide();
    }
}
