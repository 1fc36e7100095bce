// The main window driven through its widgets: start, list, search, calculation, delete, settings.
#include "app/windows/TForm1.h"

#include "MainWindowFixture.h"
#include "StandInProgram.h"
#include "app/container/DataPasswords.h"
#include "app/core/RecordFields.h"
#include "app/data/DataFiles.h"
#include "app/data/SubstanceDatabase.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TDatenbank_erweiternDlg.h"
#include "app/windows/TInfo.h"
#include "app/windows/TTabelleDlg.h"
#include "app/windows/TeinstellungenDlg.h"
#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class MainWindow : public MainWindowFixture
{
protected:
    QStringList listTexts() const
    {
        QStringList texts;
        for (int i = 0; i < form->ListBox1->count(); ++i)
            texts.append(form->ListBox1->item(i)->text());
        return texts;
    }

    void clickRow(int row)
    {
        const QRect rect = form->ListBox1->visualItemRect(form->ListBox1->item(row));
        QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Types a value and presses the calculate button; the result label's text.
    QString calculate(const QString &input)
    {
        form->Edit1->setText(input);
        form->BitBtn1->click();
        return form->Label16->text().trimmed();
    }

    void setScientific(bool on) { form->settingsDialog()->CheckBox2->setChecked(on); }

    QString formText(int line) const
    {
        FormTextReader reader = form->languageTables().block(u"Form1");
        QString text;
        for (int i = 0; i < line; ++i)
            text = reader.next();
        return text;
    }
};

} // namespace

TEST_F(MainWindow, ShowsTheProgramTitleAndTheVersionInTheAboutBox)
{
    start({w2000Record()});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Korvex Tensimo 3.0"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Korvex Tensimo 3.0"));
    TInfo *info = form->infoDialog();
    QTimer::singleShot(0, info, [&] {
        EXPECT_EQ(info->VersionLabel->text(), QStringLiteral("3.0 - 15.02.2007"));
        EXPECT_EQ(info->TitleLabel->text(), QStringLiteral("Korvex Tensimo 3.0"));
        EXPECT_EQ(info->windowTitle(), QStringLiteral("Über Korvex Tensimo"));
        info->OKButton->click();
    });
    form->berKorvexTensimo1->trigger();
    // Captions come from the language table.
    EXPECT_EQ(form->Datei1->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(form->RadioGroup2Buttons->button(2)->text(), QStringLiteral("Anorganische"));
    EXPECT_EQ(form->Label9->text(), QStringLiteral("Molmasse in kg/kmol:"));
    EXPECT_EQ(form->BitBtn1->text(), QStringLiteral("Be&rechnen"));
}

TEST_F(MainWindow, QtsOwnButtonsSpeakTheProgramsLanguage)
{
    // The language letter decides, not the system's locale (C in the tests).
    start({w2000Record()});
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
}

TEST_F(MainWindow, CannotStartWithoutUsableLanguageTables)
{
    struct Case {
        const char *what;
        std::function<void(TestProgramFolder &)> spoil;
    };
    const Case cases[] = {
        {"missing", [](TestProgramFolder &folder) { QFile::remove(folder.filePath(QStringLiteral("varglob.gru"))); }},
        {"short", [](TestProgramFolder &) {
             QStringList lines = shippedSourceLines(QStringLiteral("varglob.tsv")).mid(0, 104);
             saveCryptFile(QStringLiteral("varglob.gru"), QString::fromLatin1(DataPasswords::kLanguage), lines);
         }},
        {"damaged", [](TestProgramFolder &folder) {
             QByteArray data;
             readWholeFile(folder.filePath(QStringLiteral("varsonst.gru")), &data);
             data[20] = char(data[20] ^ 0x40);
             writeFileAtomically(folder.filePath(QStringLiteral("varsonst.gru")), data);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TestProgramFolder fresh;
        c.spoil(fresh);
        messages.clear();
        TForm1 failed;
        EXPECT_FALSE(failed.started());
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text,
                  QStringLiteral("The files varsonst.gru/varglob.gru are not available. It is not possible to start the program."));
        EXPECT_EQ(messages.shown().first().flags, 48);
    }
}

TEST_F(MainWindow, ListsTheDatabaseWithItsCountAndFilters)
{
    start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4),
           testRecord(QStringLiteral("Benzol"), QStringLiteral("71-43-2"), 6, 6)});
    EXPECT_EQ(listTexts(), (QStringList{"Benzol\tH2O", "Methan\tH2O", "Testwasser\tH2O"}));
    EXPECT_EQ(form->Label22->text(), QStringLiteral("Database TEST = 3 elements"));
    EXPECT_EQ(form->ListBox1->currentRow(), 0);
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Benzol"));
    EXPECT_EQ(form->statusBar()->findChild<QLabel *>()->text(), formText(45));

    form->RadioGroup2Buttons->button(1)->click();
    EXPECT_EQ(listTexts(), (QStringList{"Benzol\tH2O", "Methan\tH2O"}));
    EXPECT_EQ(form->Label22->text(), QStringLiteral("Database TEST = 2 elements"));
    form->RadioGroup2Buttons->button(2)->click();
    EXPECT_EQ(listTexts(), QStringList{"Testwasser\tH2O"});
    form->RadioGroup2Buttons->button(0)->click();

    form->CheckBox1->click();
    EXPECT_EQ(listTexts(), (QStringList{"Testwasser\tH2O", "Methan\tH2O", "Benzol\tH2O"}));
}

TEST_F(MainWindow, AnEmptyDatabaseShowsNothingAndCommandsDoNothing)
{
    start({});
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_EQ(form->Label22->text(), QStringLiteral("Database TEST = 0 elements"));
    form->BitBtn1->click();
    form->Datensatzlschen1->trigger();
    form->Datensatzndern1->trigger();
    form->SpeedButton1->click();
    // The table commands open nothing without a substance (a modal window would block here).
    form->Tabelle1->trigger();
    form->abelle1->trigger();
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindow, AMissingDatabaseIsReportedAndLeavesAnEmptyList)
{
    start({w2000Record()});
    QFile::remove(folder.filePath(QStringLiteral("tenso20.dad")));
    messages.clear();
    form->CheckBox1->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Fehler"));
    EXPECT_TRUE(messages.shown().first().text.endsWith(QStringLiteral("tenso20.dad")));
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_TRUE(form->Label5->text().isEmpty());
}

TEST_F(MainWindow, SearchFindsByNameWithWrapAndByExactCas)
{
    start({testRecord(QStringLiteral("Aceton"), QStringLiteral("67-64-1"), 3, 6),
           testRecord(QStringLiteral("Butanol"), QStringLiteral("71-36-3"), 4, 10),
           testRecord(QStringLiteral("Propanol"), QStringLiteral("71-23-8"), 3, 8)});
    form->ListBox1->setCurrentRow(2);
    form->Edit2->setText(QStringLiteral("Aceton"));
    form->SpeedButton1->click();
    EXPECT_EQ(form->ListBox1->currentRow(), 0);
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Aceton"));

    form->Edit2->setText(QStringLiteral("anol"));
    form->SpeedButton1->click();
    EXPECT_EQ(form->ListBox1->currentRow(), 1);
    form->SpeedButton1->click();
    EXPECT_EQ(form->ListBox1->currentRow(), 2);

    form->RadioGroup1Cas->setChecked(true);
    form->Edit2->setText(QStringLiteral("71-36"));
    form->SpeedButton1->click();
    EXPECT_EQ(form->ListBox1->currentRow(), 2);
    form->Edit2->setText(QStringLiteral("71-36-3"));
    form->SpeedButton1->click();
    EXPECT_EQ(form->ListBox1->currentRow(), 1);
    EXPECT_EQ(form->Label8->text(), QStringLiteral("71-36-3"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindow, EveryWayToAnotherSubstanceClearsTheResult)
{
    start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4),
           testRecord(QStringLiteral("Benzol"), QStringLiteral("71-43-2"), 6, 6)});
    const struct {
        const char *way;
        std::function<void()> act;
        const char *shown;
    } ways[] = {
        {"search and Enter",
         [&] {
             form->Edit2->setText(QStringLiteral("Methan"));
             QTest::keyClick(form->Edit2, Qt::Key_Return);
         },
         "Methan"},
        {"search button",
         [&] {
             form->Edit2->setText(QStringLiteral("Testwasser"));
             form->SpeedButton1->click();
         },
         "Testwasser"},
        {"sort by formula", [&] { form->CheckBox1->click(); }, "Testwasser"},
        {"sort by name", [&] { form->CheckBox1->click(); }, "Benzol"},
        {"inorganic only", [&] { form->RadioGroup2Buttons->button(2)->click(); }, "Testwasser"},
        {"all substances", [&] { form->RadioGroup2Buttons->button(0)->click(); }, "Benzol"},
        {"deletion",
         [&] {
             messages.queueAnswer(IdYes);
             form->Datensatzlschen1->trigger();
         },
         "Methan"},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.way);
        ASSERT_FALSE(calculate(QStringLiteral("50")).isEmpty());
        way.act();
        EXPECT_EQ(form->Label5->text(), QString::fromLatin1(way.shown));
        EXPECT_TRUE(form->Label16->text().isEmpty());
    }
}

TEST_F(MainWindow, ComputesVapourPressureAndBoilingPointOfTheTestRecord)
{
    start({w2000Record()});
    setScientific(false);
    EXPECT_EQ(calculate(QStringLiteral("50")), QStringLiteral("0,123"));
    EXPECT_EQ(calculate(QStringLiteral("50,0")), QStringLiteral("0,123"));
    setScientific(true);
    EXPECT_EQ(calculate(QStringLiteral("50")), QStringLiteral("1.23056e-01"));
    // The exact limits 1 °C and 100 °C are inside the range.
    EXPECT_FALSE(calculate(QStringLiteral("1")).isEmpty());
    EXPECT_FALSE(calculate(QStringLiteral("100")).isEmpty());
    EXPECT_EQ(calculate(QStringLiteral("20,5")), calculate(QStringLiteral("20.5")));
    // Any edit clears the result.
    form->Edit1->setText(QStringLiteral("21"));
    EXPECT_TRUE(form->Label16->text().isEmpty());

    form->ComboBox2->setCurrentIndex(1);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("bar"));
    EXPECT_EQ(calculate(QStringLiteral("0,5")), QStringLiteral("81,4"));
    EXPECT_EQ(form->Label16->text(), QStringLiteral(" 81,4"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindow, RefusesInputOutsideTheRangeOrNotANumber)
{
    start({withField(w2000Record(), 21, QStringLiteral("200,15"))});
    EXPECT_EQ(form->Label19->text(), QStringLiteral("-73"));
    EXPECT_EQ(form->Label17->text(), QStringLiteral("t min. in °C:"));
    EXPECT_FALSE(calculate(QStringLiteral("-73")).isEmpty());
    EXPECT_TRUE(messages.shown().isEmpty());

    form->activateWindow();
    form->BitBtn1->setFocus();
    EXPECT_TRUE(calculate(QStringLiteral("-73,1")).isEmpty());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().last().text, form->globalText(GlobalText::TemperatureOutOfRange));
    EXPECT_EQ(messages.shown().last().caption, QStringLiteral("Fehler"));
    EXPECT_EQ(messages.shown().last().flags, 16);
    EXPECT_EQ(QApplication::focusWidget(), form->Edit1);

    EXPECT_TRUE(calculate(QStringLiteral("2O")).isEmpty());
    ASSERT_EQ(messages.shown().size(), 2);
    // The field by its caption, as the record editor names its fields; the typed text is in the field.
    EXPECT_EQ(messages.shown().last().text, QStringLiteral("Ungültige Eingabe im Feld\r\"Temperatur:\"!"));

    form->ComboBox2->setCurrentIndex(1);
    EXPECT_TRUE(calculate(QStringLiteral("2")).isEmpty());
    EXPECT_EQ(messages.shown().last().text, form->globalText(GlobalText::PressureOutOfRange));
}

TEST_F(MainWindow, EveryShownTemperatureLimitIsAccepted)
{
    // Benzol's range starts at 5.53 °C: the label must not show the 5 that would be refused.
    start({withField(withField(w2000Record(), 21, QStringLiteral("278,68")), 22, QStringLiteral("372,7"))});
    EXPECT_EQ(form->Label19->text(), QStringLiteral("6"));
    EXPECT_EQ(form->Label20->text(), QStringLiteral("99"));
    EXPECT_FALSE(calculate(form->Label19->text()).isEmpty());
    EXPECT_FALSE(calculate(form->Label20->text()).isEmpty());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindow, NameAndFormulaNeverTouchInTheList)
{
    // A name that ends just short of the first tab stop (30 average characters), and one wider
    // than the list, which is elided and shown whole in its tooltip.
    const QFontMetrics metrics(QApplication::font());
    QString nearTheTab = QStringLiteral("Tetrafluoriodpropan");
    while (metrics.horizontalAdvance(nearTheTab + u'i') < 30 * metrics.averageCharWidth())
        nearTheTab += u'i';
    const QString tooLong
        = QStringLiteral("2,5,14,17-Tetramethyl-4,7,12,15-tetraoxo-3,6,13,16-tetraoxaoctansäure").repeated(3);
    start({withField(testRecord(nearTheTab, QStringLiteral("1"), 3, 3), 9, QStringLiteral("C3H3F4I")),
           withField(testRecord(tooLong, QStringLiteral("2"), 9, 9), 9, QStringLiteral("C28H42O14"))});
    const QImage image = form->ListBox1->viewport()->grab().toImage();
    for (int i = 0; i < 2; ++i) {
        // The widest run of blank columns between the first and the last ink parts the columns;
        // blank is compared line by line, as a selection may shade from top to bottom.
        const QRect row = form->ListBox1->visualItemRect(form->ListBox1->item(i));
        int widestGap = 0;
        for (int x = row.left(), gap = -1; x < row.right(); ++x) {
            bool ink = false;
            for (int y = row.top() + 1; y < row.bottom() && !ink; ++y)
                ink = image.pixel(x, y) != image.pixel(row.left() + 1, y);
            widestGap = ink ? std::max(widestGap, gap) : widestGap;
            gap = ink ? 0 : (gap < 0 ? -1 : gap + 1);
        }
        EXPECT_GE(widestGap, metrics.averageCharWidth()) << i;
    }
    const int longRow = form->ListBox1->item(0)->text().startsWith(tooLong) ? 0 : 1;
    EXPECT_EQ(form->ListBox1->item(longRow)->text(), tooLong + QStringLiteral("\tC28H42O14"));
    const QPoint at = form->ListBox1->visualItemRect(form->ListBox1->item(longRow)).center();
    QHelpEvent help(QEvent::ToolTip, at, form->ListBox1->viewport()->mapToGlobal(at));
    QApplication::sendEvent(form->ListBox1->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), tooLong);
}

TEST_F(MainWindow, ACalculationWithoutANumberIsReportedNotShown)
{
    start({withField(w2000Record(), 15, QStringLiteral("1,8")), withField(withField(w2000Record(), 5, QStringLiteral("Zwei")), 15, QStringLiteral(" 3"))});
    for (int row : {0, 1}) {
        SCOPED_TRACE(row);
        clickRow(row);
        messages.clear();
        EXPECT_TRUE(calculate(QStringLiteral("50")).isEmpty());
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, form->globalText(GlobalText::CalculationImpossible));
        EXPECT_FALSE(form->Label16->text().contains(QStringLiteral("nan")));
    }
}

TEST_F(MainWindow, ModeSwitchStartsFromTheFirstInputUnitAndKeepsTheSettingsResultUnit)
{
    SettingsStore store(QStringLiteral("Software\\Korvex\\Tensimo\\Einstellungen"));
    store.writeString(QStringLiteral("Temp"), QStringLiteral("°F"));
    store.writeString(QStringLiteral("Tenso"), QStringLiteral("Torr"));
    store.flush();
    start({w2000Record()});
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("°F"));
    EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("Torr"));
    form->ComboBox2->setCurrentIndex(1);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("bar"));
    EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("°F"));
    EXPECT_EQ(form->Label15->text(), QStringLiteral("Druck:"));
    EXPECT_EQ(form->Label21->text(), QStringLiteral("Siedepunkt ="));
    // The pressure range in mode 1: minimum in mbar, maximum in bar.
    EXPECT_EQ(form->Label17->text(), QStringLiteral("p min. in mbar:"));
    EXPECT_EQ(form->Label20->text(), QStringLiteral("1,0"));
    form->ComboBox2->setCurrentIndex(0);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("°C"));
    EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("Torr"));
    // Melting and boiling point in the settings unit.
    EXPECT_EQ(form->Label13->text(), QStringLiteral("Siedepunkt in °F:"));
    EXPECT_EQ(form->Label14->text(), QStringLiteral("212,0"));
}

TEST_F(MainWindow, StatusTextCyclesOnEveryClickAlsoOnTheSameItem)
{
    start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
    QLabel *status = form->StatusText;
    EXPECT_EQ(status->text(), formText(45));
    clickRow(1);
    EXPECT_EQ(status->text(), formText(46));
    clickRow(1);
    EXPECT_EQ(status->text(), formText(47));
    clickRow(0);
    EXPECT_EQ(status->text(), formText(45));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Methan"));
}

TEST_F(MainWindow, DeleteAsksFirstAndRemovesOnlyTheFirstEqualLine)
{
    const QString methan = testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4);
    const QString benzol = testRecord(QStringLiteral("Benzol"), QStringLiteral("71-43-2"), 6, 6);
    start({w2000Record(), methan, benzol, methan});
    const QStringList before = folder.databaseLines();

    clickRow(1); // Methan
    messages.queueAnswer(IdNo);
    form->Datensatzlschen1->trigger();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().flags, 36);
    EXPECT_EQ(messages.shown().first().caption, form->globalText(GlobalText::DeleteCaption));
    EXPECT_EQ(messages.shown().first().text, formText(43) + QStringLiteral("\rMethan"));
    EXPECT_EQ(folder.databaseLines(), before);

    messages.queueAnswer(IdYes);
    form->Datensatzlschen1->trigger();
    QStringList expected = before;
    expected.removeAt(4); // the first Methan line only
    EXPECT_EQ(folder.databaseLines(), expected);
    EXPECT_EQ(listTexts(), (QStringList{"Benzol\tH2O", "Methan\tH2O", "Testwasser\tH2O"}));
    EXPECT_EQ(form->ListBox1->currentRow(), 0);

    clickRow(0);
    messages.queueAnswer(IdYes);
    form->Datensatzlschen1->trigger();
    EXPECT_EQ(form->ListBox1->currentRow(), 0);
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Methan"));
}

TEST_F(MainWindow, DeleteNeverRewritesAFileItCouldNotReadOrWhereTheRecordIsMissing)
{
    start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
    // The file changed behind the window's back: the listed record is not in it any more.
    folder.writeDatabase({w2000Record()});
    QByteArray before;
    ASSERT_TRUE(readWholeFile(folder.filePath(QStringLiteral("tenso20.dad")), &before));
    messages.clear();
    messages.setDefaultAnswer(IdYes);
    form->Datensatzlschen1->trigger(); // Methan is selected
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown().last().caption, QStringLiteral("Fehler"));
    EXPECT_TRUE(messages.shown().last().text.startsWith(form->globalText(GlobalText::RecordNotFound)));
    QByteArray after;
    ASSERT_TRUE(readWholeFile(folder.filePath(QStringLiteral("tenso20.dad")), &after));
    EXPECT_EQ(after, before);

    // A damaged file is reported and left alone, not saved again with a valid tag.
    before[30] = char(before[30] ^ 0x10);
    ASSERT_TRUE(writeFileAtomically(folder.filePath(QStringLiteral("tenso20.dad")), before));
    messages.clear();
    form->Datensatzlschen1->trigger();
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(messages.shown().last().text.startsWith(form->globalText(GlobalText::FileDamaged)));
    ASSERT_TRUE(readWholeFile(folder.filePath(QStringLiteral("tenso20.dad")), &after));
    EXPECT_EQ(after, before);
}

TEST_F(MainWindow, ChangeIsRefusedForRecordsTheUserDidNotCreate)
{
    start({withField(w2000Record(), 2, QStringLiteral("E001 ")),
           withField(withField(w2000Record(), 5, QStringLiteral("Eigen")), 2, QStringLiteral("E001"))});
    clickRow(1); // Testwasser, source "E001 "
    form->Datensatzndern1->trigger();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, formText(44));
    EXPECT_EQ(messages.shown().first().caption, form->globalText(GlobalText::NoteCaption));
    EXPECT_EQ(messages.shown().first().flags, 48);
    clickRow(0); // Eigen, the user's own record: the editor opens on it
    TDatenbank_erweiternDlg *editor = form->recordEditorDialog();
    QTimer::singleShot(0, editor, [&] {
        EXPECT_EQ(editor->editMode(), TDatenbank_erweiternDlg::kModeChange);
        EXPECT_EQ(editor->edit(2)->text(), QStringLiteral("Eigen"));
        editor->reject();
    });
    form->Datensatzndern1->trigger();
    EXPECT_EQ(messages.shown().size(), 1);
}

TEST_F(MainWindow, SettingsStartWithDefaultsAndPersistOnClose)
{
    start({w2000Record()});
    TeinstellungenDlg *settings = form->settingsDialog();
    EXPECT_EQ(settings->ComboBox1->currentText(), QStringLiteral("°C"));
    EXPECT_EQ(settings->ComboBox2->currentText(), QStringLiteral("bar"));
    EXPECT_TRUE(settings->CheckBox2->isChecked());
    EXPECT_EQ(settings->Edit1->text(), QStringLiteral("250"));

    settings->ComboBox2->setCurrentIndex(8);
    form->close();
    const SettingsStore store(QStringLiteral("Software\\Korvex\\Tensimo\\Einstellungen"));
    EXPECT_EQ(store.readString(QStringLiteral("Tenso")), QStringLiteral("m WS"));
    for (const char *name : {"Temp", "Notation", "ABP"})
        EXPECT_TRUE(store.contains(QString::fromLatin1(name))) << name;

    startAgain();
    EXPECT_EQ(form->settingsDialog()->ComboBox2->currentText(), QStringLiteral("m WS"));
    EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("m H2O"));
}

TEST_F(MainWindow, SettingsThatCannotBeWrittenAreReportedOnce)
{
    start({w2000Record()});
    // A file where the settings folder should be: nothing can be written below it.
    QFile blocker(folder.filePath(QStringLiteral("settings")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    form->settingsDialog()->ComboBox2->setCurrentIndex(8);
    form->close();
    form->close();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Fehler"));
    const SettingsStore store(QStringLiteral("Software\\Korvex\\Tensimo\\Einstellungen"));
    EXPECT_EQ(messages.shown().first().text, form->globalText(GlobalText::FileNotWritten) + u'\r' + store.fileName());
    EXPECT_EQ(form->settingsDialog()->ComboBox2->currentText(), QStringLiteral("m WS"));
}

TEST_F(MainWindow, HelpThatCannotBeOpenedIsReported)
{
    start({w2000Record()}); // the test's program folder holds no help file
    form->Index1->trigger();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Fehler"));
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Die Hilfe konnte nicht geöffnet werden:\r")
                                                 + folder.filePath(QStringLiteral("tensimo.html")));
}

TEST_F(MainWindow, HelpWhoseViewerFailsIsReportedAndOneThatOpensIsNot)
{
    start({w2000Record()});
    const QString helpFile = folder.filePath(QStringLiteral("tensimo.html"));
    QFile file(helpFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
    file.close();
    for (const int exitCode : {3, 0}) {
        SCOPED_TRACE(exitCode);
        // xdg-open's "no method available" is its exit status only.
        const StandInProgram xdgOpen(QStringLiteral("xdg-open"), exitCode);
        messages.clear();
        QTest::keyClick(form.get(), Qt::Key_F1);
        EXPECT_EQ(xdgOpen.calls(), QList<QStringList>{{helpFile}});
        if (exitCode == 0) {
            EXPECT_TRUE(messages.shown().isEmpty());
            continue;
        }
        EXPECT_EQ(onlyErrorBox(), QStringLiteral("Die Hilfe konnte nicht geöffnet werden:\r") + helpFile);
    }
}

TEST_F(MainWindow, WaterFromTheShippedDatabaseBoilsAtOneAtmosphere)
{
    const QStringList records = shippedRecords(u"7732-18-5");
    ASSERT_EQ(records.size(), 1);
    start(records);
    setScientific(false);
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Wasser"));
    EXPECT_EQ(calculate(QStringLiteral("100")), QStringLiteral("1,014"));
}

TEST_F(MainWindow, ShippedAndUsersRecordsShowTheirNumbersAlike)
{
    // The shipped database writes a decimal point, a user's record what was typed: a comma.
    const QStringList shipped = shippedRecords(u"64-17-5");
    ASSERT_EQ(shipped.size(), 1);
    const QString users = withField(withField(withField(withField(w2000Record(), 2, QStringLiteral("E001")), 12,
                                                        QStringLiteral("46,07")),
                                              13, QStringLiteral("159,0")),
                                    14, QStringLiteral("k.A."));
    start({shipped.first(), users});
    setUnits(2, 0); // K: melting and boiling point as stored
    const struct {
        const char *record;
        QString molarMass;
        QString meltingK;
        QString boilingK;
    } shown[] = {
        {"shipped", QStringLiteral("46,06844"), QStringLiteral("159,01"), QStringLiteral("351,39")},
        {"user's", QStringLiteral("46,07"), QStringLiteral("159,0"), QStringLiteral("k.A.")},
    };
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(shown[row].record);
        clickRow(row);
        EXPECT_EQ(form->Label10->text(), shown[row].molarMass);
        EXPECT_EQ(form->Label12->text(), shown[row].meltingK);
        EXPECT_EQ(form->Label14->text(), shown[row].boilingK);
    }
}

TEST_F(MainWindow, ThePanelAlwaysNamesTheRecordTheCommandsActOn)
{
    start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
    ASSERT_EQ(form->Label5->text(), QStringLiteral("Methan"));
    QWidget *viewport = form->ListBox1->viewport();
    const QPoint second = form->ListBox1->visualItemRect(form->ListBox1->item(1)).center();
    const QPoint belowTheItems(second.x(), viewport->height() - 2);
    ASSERT_EQ(form->ListBox1->itemAt(belowTheItems), nullptr);
    // The middle button does not select.
    QTest::mouseClick(viewport, Qt::MiddleButton, {}, second);
    EXPECT_EQ(form->ListBox1->currentRow(), 0);
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Methan"));

    // A right click through the window asks for the context menu; on a record it first shows that
    // record, beside the items it keeps the selected one.
    int menuRequests = 0;
    QObject::connect(form->ListBox1, &QWidget::customContextMenuRequested, form.get(), [&] { ++menuRequests; });
    const struct { QPoint at; int row; const char *shown; } clicks[] = {
        {belowTheItems, 0, "Methan"},
        {second, 1, "Testwasser"},
        {belowTheItems, 1, "Testwasser"},
    };
    for (const auto &click : clicks) {
        SCOPED_TRACE(click.at.y());
        const int before = menuRequests;
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, viewport->mapTo(form.get(), click.at));
        EXPECT_EQ(menuRequests, before + 1);
        EXPECT_EQ(form->ListBox1->currentRow(), click.row);
        EXPECT_EQ(form->Label5->text(), QString::fromLatin1(click.shown));
        EXPECT_EQ(displayName(form->currentRecord(), u'D'), form->Label5->text());
        form->PopupMenu1->hide();
    }

    // The context menu's delete asks about the record it deletes.
    messages.queueAnswer(IdYes);
    form->Datensatzlschen2->trigger();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().first().text.endsWith(QStringLiteral("\rTestwasser")));
    EXPECT_EQ(listTexts(), QStringList{"Methan\tH2O"});
}

TEST_F(MainWindow, APressLetGoBesideTheItemsStillShowsTheSelectedRecord)
{
    start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
    QWidget *viewport = form->ListBox1->viewport();
    const QPoint second = form->ListBox1->visualItemRect(form->ListBox1->item(1)).center();
    const QPoint belowTheItems(second.x(), viewport->height() - 2);
    ASSERT_EQ(form->ListBox1->itemAt(belowTheItems), nullptr);
    QTest::mousePress(viewport, Qt::LeftButton, {}, second);
    QTest::mouseMove(viewport, belowTheItems);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, belowTheItems);
    EXPECT_EQ(form->ListBox1->currentRow(), 1);
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Testwasser"));
    EXPECT_EQ(form->StatusText->text(), formText(46));
}
