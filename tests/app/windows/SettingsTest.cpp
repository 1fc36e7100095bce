// Settings: stored values, their defaults, and the dialog's OK and cancel.
#include "app/data/StoredSettings.h"

#include "ScriptedMessageService.h"
#include "TestProgramFolder.h"
#include "app/data/LanguageTables.h"
#include "app/windows/TeinstellungenDlg.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
const QString kKey = QStringLiteral("Software\\Korvex\\Tensimo\\Einstellungen");
}

TEST(StoredSettings, MissingOrUnusableValuesGiveTheDefaults)
{
    TestProgramFolder folder;
    SettingsStore store(kKey);
    StoredSettings read = readStoredSettings(store);
    EXPECT_EQ(read.temperatureUnit, QStringLiteral("°C"));
    EXPECT_EQ(read.pressureUnit, QStringLiteral("bar"));
    EXPECT_TRUE(read.scientificNotation);
    EXPECT_EQ(read.diagramPoints, QStringLiteral("250"));

    struct Case {
        const char *name;
        const char *stored;
    };
    // A unit that is no item and a useless point count fall back; any notation but "dez" is scientific.
    for (const Case &c : {Case{"Temp", "Kelvin"}, Case{"Tenso", "m H2O"}, Case{"Notation", "Dez"}, Case{"ABP", "1"},
                          Case{"ABP", "abc"}, Case{"ABP", "2.5"}, Case{"ABP", "100001"}}) {
        SCOPED_TRACE(c.stored);
        store.writeString(QString::fromUtf8(c.name), QString::fromUtf8(c.stored));
        read = readStoredSettings(store);
        EXPECT_EQ(read.temperatureUnit, QStringLiteral("°C"));
        EXPECT_EQ(read.pressureUnit, QStringLiteral("bar"));
        EXPECT_TRUE(read.scientificNotation);
        EXPECT_EQ(read.diagramPoints, QStringLiteral("250"));
    }
}

TEST(StoredSettings, AllFourValuesAreWrittenAsStrings)
{
    TestProgramFolder folder;
    SettingsStore store(kKey);
    writeStoredSettings(store, StoredSettings{QStringLiteral("K"), QStringLiteral("mm WS"), false, QStringLiteral("500")});
    const SettingsStore again(kKey);
    EXPECT_EQ(again.readString(QStringLiteral("Temp")), QStringLiteral("K"));
    EXPECT_EQ(again.readString(QStringLiteral("Tenso")), QStringLiteral("mm WS"));
    EXPECT_EQ(again.readString(QStringLiteral("Notation")), QStringLiteral("dez"));
    EXPECT_EQ(again.readString(QStringLiteral("ABP")), QStringLiteral("500"));
    const StoredSettings read = readStoredSettings(again);
    EXPECT_EQ(read.pressureUnit, QStringLiteral("mm WS"));
    EXPECT_FALSE(read.scientificNotation);
}

class SettingsDialog : public testing::Test
{
protected:
    TestProgramFolder folder;
    LanguageTables texts;
    ScriptedMessageService messages;

    void SetUp() override
    {
        ASSERT_TRUE(texts.setTables(shippedSourceLines(QStringLiteral("varsonst.tsv")),
                                    shippedSourceLines(QStringLiteral("varglob.tsv"))));
    }

    // Opens the dialog, lets `act` work on it while it is shown, and returns the exec result.
    int runDialog(TeinstellungenDlg &dialog, std::function<void()> act)
    {
        QTimer::singleShot(0, &dialog, [&dialog, act] {
            act();
            // A dialog that stayed open (a refused OK) is closed here, so the test goes on.
            if (dialog.isVisible())
                QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(-1); });
        });
        return dialog.exec();
    }
};

TEST_F(SettingsDialog, ShowsItsTextsFromTheLanguageTables)
{
    TeinstellungenDlg dialog(texts, nullptr);
    runDialog(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einstellungen"));
        EXPECT_EQ(dialog.CheckBox2->text(), QStringLiteral("Wissenschaftliche Notation"));
        EXPECT_EQ(dialog.BitBtn2->text(), QStringLiteral("Abbrechen"));
        dialog.BitBtn2->click();
    });
}

TEST_F(SettingsDialog, CancelRestoresUnitsPointsAndNotation)
{
    TeinstellungenDlg dialog(texts, nullptr);
    dialog.setValues(StoredSettings{QStringLiteral("°F"), QStringLiteral("Torr"), false, QStringLiteral("300")});
    const int result = runDialog(dialog, [&] {
        dialog.ComboBox1->setCurrentIndex(2);
        dialog.ComboBox2->setCurrentIndex(8);
        dialog.CheckBox2->setChecked(true);
        dialog.Edit1->setText(QStringLiteral("1000"));
        dialog.BitBtn2->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    const StoredSettings values = dialog.values();
    EXPECT_EQ(values.temperatureUnit, QStringLiteral("°F"));
    EXPECT_EQ(values.pressureUnit, QStringLiteral("Torr"));
    EXPECT_FALSE(values.scientificNotation);
    EXPECT_EQ(values.diagramPoints, QStringLiteral("300"));
}

TEST_F(SettingsDialog, OkRefusesAPointCountThatIsNoWholeNumberFromTwoTo100000)
{
    TeinstellungenDlg dialog(texts, nullptr);
    int accepted = 0;
    dialog.setOnAccepted([&] { ++accepted; });
    for (const char *points : {"abc", "1", "12.5", "", "100001", "1e3"}) {
        SCOPED_TRACE(points);
        messages.clear();
        const int result = runDialog(dialog, [&] {
            dialog.Edit1->setText(QString::fromUtf8(points));
            dialog.BitBtn1->click();
        });
        EXPECT_EQ(result, -1) << "the dialog must stay open";
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Fehler"));
        EXPECT_EQ(messages.shown().first().text,
                  QStringLiteral("Ungültige Eingabe im Feld\r\"Anzahl Punkte:\"!\r"
                                 "Erlaubt ist eine ganze Zahl von 2 bis 100 000."));
    }
    EXPECT_EQ(accepted, 0);

    const int result = runDialog(dialog, [&] {
        dialog.ComboBox2->setCurrentIndex(8);
        dialog.Edit1->setText(QStringLiteral("100000"));
        dialog.BitBtn1->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(dialog.values().pressureUnit, QStringLiteral("m WS"));
    EXPECT_EQ(dialog.values().diagramPoints, QStringLiteral("100000"));
}
