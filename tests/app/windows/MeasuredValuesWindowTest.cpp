// The measured-values window driven through its widgets: its list, the points, the
// interpolation and its limits, and a data file that is missing, damaged or short of points.
#include "MainWindowFixture.h"
#include "app/container/DataPasswords.h"
#include "app/data/DataFiles.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TMesswerteDlg.h"

#include <QPushButton>

namespace {

const QString kPassword = QString::fromLatin1(DataPasswords::kMeasuredValues);

QStringList measuredFile()
{
    QStringList lines(10, QStringLiteral("Kopf"));
    lines << measuredLine(QStringLiteral("Wasser-Test"), QStringLiteral("Testdaten"),
                          {"20", "2,339", "40", "7,385", "60", "19,946"})
          << measuredLine(QStringLiteral("Ohne-Quelle"), QString(), {"20", "2,339", "40", "7,385"})
          << measuredLine(QStringLiteral("Leer-Test"), QStringLiteral("Testdaten"), {})
          << measuredLine(QStringLiteral("Defekt-Test"), QStringLiteral("Testdaten"), {"10", "1", "10", "2", "20", "0", "30", "3"})
          << measuredLine(QStringLiteral("Hoch-Test"), QStringLiteral("Testdaten"), {"240", "3000", "250", "4000"});
    return lines;
}

class MeasuredValuesWindow : public MainWindowFixture
{
protected:
    TMesswerteDlg *dialog = nullptr;

    void SetUp() override
    {
        folder.writeDataFile(kMeasuredValuesFile, kPassword, measuredFile());
        const QString wasserTest = testRecord(QStringLiteral("Wasser-Test"), QStringLiteral("7732-18-5"), 0, 2);
        start({wasserTest, w2000Record()});
        form->selectRecord(wasserTest);
        useFixedNotation();
        dialog = form->measuredValuesDialog();
    }

    static QStringList items(const QListWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }

    void choose(const QString &name)
    {
        const QStringList names = items(dialog->MediumListbox);
        dialog->MediumListbox->setCurrentRow(int(names.indexOf(name + QStringLiteral("\tH2O"))));
        dialog->MediumListboxClick();
    }

    QString interpolate(const QString &temperature, const QString &unit = QStringLiteral("°C"),
                        const QString &resultUnit = QStringLiteral("bar"))
    {
        dialog->ComboBox1->setCurrentText(unit);
        dialog->ComboBox3->setCurrentText(resultUnit);
        dialog->Edit1->setText(temperature);
        messages.clear();
        dialog->BitBtn1->click();
        return dialog->Label5->text();
    }
};

} // namespace

TEST_F(MeasuredValuesWindow, OpensOnTheMainWindowsSubstanceWithItsPointsAndInterpolatesOnTheStoredValues)
{
    dialog->show();
    EXPECT_EQ(items(dialog->MediumListbox),
              (QStringList{"Defekt-Test\tH2O", "Hoch-Test\tH2O", "Leer-Test\tH2O", "Wasser-Test\tH2O"}));
    EXPECT_EQ(dialog->Stofflabel->text(), QStringLiteral("Wasser-Test"));
    EXPECT_EQ(items(dialog->TemperaturListbox), (QStringList{"20\t0,023", "40\t0,074", "60\t0,199"}));
    EXPECT_EQ(dialog->Label9->text(), QStringLiteral("CAS: 7732-18-5"));
    EXPECT_EQ(dialog->Label2->text(), QStringLiteral("Temp. °C / Dampfdruck bar:"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tensimo-Messwerte"));

    struct Case
    {
        const char *temperature, *unit, *resultUnit, *result;
    };
    // 30 °C from the shown 3-decimal pressures would give 42,058 mbar.
    const Case cases[] = {{"20", "°C", "bar", "Dampfdruck = 0,023"}, {"40", "°C", "bar", "Dampfdruck = 0,074"},
                          {"30", "°C", "mbar", "Dampfdruck = 42,357"}, {"50", "°C", "mbar", "Dampfdruck = 123,248"},
                          {"333,15", "K", "mbar", "Dampfdruck = 199,460"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.temperature);
        EXPECT_EQ(interpolate(QString::fromUtf8(c.temperature), QString::fromUtf8(c.unit), QString::fromUtf8(c.resultUnit)),
                  QString::fromUtf8(c.result));
        EXPECT_TRUE(messages.shown().isEmpty());
    }

    // A substance without measured values keeps the window's selection.
    choose(QStringLiteral("Hoch-Test"));
    dialog->hide();
    form->selectRecord(w2000Record());
    dialog->show();
    EXPECT_EQ(dialog->Stofflabel->text(), QStringLiteral("Hoch-Test"));
}

TEST_F(MeasuredValuesWindow, RefusesTemperaturesOutsideThePointsAndAcceptsTheLastInAnyUnit)
{
    dialog->show();
    for (const char *outside : {"19", "61"}) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(interpolate(QString::fromUtf8(outside)), QStringLiteral("Dampfdruck ="));
        EXPECT_EQ(onlyErrorBox(), form->globalText(GlobalText::TemperatureOutOfRange));
        EXPECT_EQ(dialog->focusWidget(), dialog->Edit1);
    }
    interpolate(QStringLiteral("abc"));
    EXPECT_EQ(onlyErrorBox(), inputErrorText(QStringLiteral("Temperatur:")));

    // Enter in the edit calculates once: one box, or the result.
    dialog->Edit1->setText(QStringLiteral("19"));
    QTest::keyClick(dialog->Edit1, Qt::Key_Return);
    EXPECT_EQ(onlyErrorBox(), form->globalText(GlobalText::TemperatureOutOfRange));
    dialog->Edit1->setText(QStringLiteral("30"));
    QTest::keyClick(dialog->Edit1, Qt::Key_Return);
    EXPECT_EQ(dialog->Label5->text(), QStringLiteral("Dampfdruck = 0,042"));
    EXPECT_TRUE(dialog->isVisible());

    // 250 °C -> K -> °C lands just above 250 in long double; the limits allow for it.
    choose(QStringLiteral("Hoch-Test"));
    EXPECT_EQ(interpolate(QStringLiteral("250")), QStringLiteral("Dampfdruck = 40,000"));
    EXPECT_EQ(interpolate(QStringLiteral("523,15"), QStringLiteral("K")), QStringLiteral("Dampfdruck = 40,000"));
    EXPECT_TRUE(messages.shown().isEmpty());

    // Edit1 and the result unit take the result back to its caption.
    interpolate(QStringLiteral("245"));
    dialog->ComboBox3->setCurrentIndex(1);
    EXPECT_EQ(dialog->Label5->text(), QStringLiteral("Dampfdruck ="));
    interpolate(QStringLiteral("245"));
    dialog->Edit1->setText(QStringLiteral("246"));
    EXPECT_EQ(dialog->Label5->text(), QStringLiteral("Dampfdruck ="));
}

TEST_F(MeasuredValuesWindow, LinesWithoutUsablePointsCannotBreakTheInterpolation)
{
    dialog->show();
    choose(QStringLiteral("Leer-Test"));
    EXPECT_TRUE(items(dialog->TemperaturListbox).isEmpty());
    EXPECT_FALSE(dialog->BitBtn1->isEnabled());
    choose(QStringLiteral("Defekt-Test"));
    EXPECT_EQ(items(dialog->TemperaturListbox), (QStringList{"10\t0,010", "30\t0,030"}));
    EXPECT_TRUE(dialog->BitBtn1->isEnabled());
    EXPECT_EQ(interpolate(QStringLiteral("20")), QStringLiteral("Dampfdruck = 0,018"));
}

TEST_F(MeasuredValuesWindow, AMissingOrDamagedFileIsReportedOnceAndListsNothing)
{
    struct Case
    {
        const char *what;
        QString password; // empty: no file
        GlobalText message;
    };
    const Case cases[] = {{"missing", QString(), GlobalText::FileUnreadable},
                          {"wrong password", QStringLiteral("anderes"), GlobalText::FileDamaged}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.filePath(kMeasuredValuesFile));
        if (!c.password.isEmpty())
            folder.writeDataFile(kMeasuredValuesFile, c.password, measuredFile());
        messages.clear();
        startAgain(); // the start never reads the file
        EXPECT_TRUE(messages.shown().isEmpty());
        TMesswerteDlg *fresh = form->measuredValuesDialog();
        fresh->show();
        EXPECT_EQ(onlyErrorBox(), form->globalText(c.message) + u' ' + folder.filePath(kMeasuredValuesFile));
        EXPECT_EQ(fresh->MediumListbox->count(), 0);
        EXPECT_FALSE(fresh->BitBtn1->isEnabled());
        EXPECT_TRUE(fresh->Stofflabel->text().isEmpty());
        showAgain(fresh);
        EXPECT_TRUE(messages.shown().isEmpty());
    }
}

TEST(ShippedMeasuredValuesWindow, OpensOnEthanolAndInterpolatesBetweenItsPoints)
{
    TestProgramFolder folder;
    const ScriptedMessageService messages;
    folder.writeDataFile(kDatabaseFile, QString::fromLatin1(DataPasswords::kDatabase),
                         shippedSourceLines(QStringLiteral("tenso20.tsv")));
    folder.writeDataFile(kMeasuredValuesFile, kPassword, shippedSourceLines(QStringLiteral("tenso7.tsv")));
    TForm1 form;
    ASSERT_TRUE(form.started());
    form.show();
    form.settingsDialog()->CheckBox2->setChecked(false);
    const QStringList &records = form.databaseList();
    const auto ethanol = std::find_if(records.begin(), records.end(), [](const QString &record) {
        return record.section(u'\t', 4, 4) == u"Ethanol";
    });
    ASSERT_NE(ethanol, records.end());
    form.selectRecord(*ethanol);
    TMesswerteDlg *dialog = form.measuredValuesDialog();
    dialog->show();
    EXPECT_EQ(dialog->Stofflabel->text(), QStringLiteral("Ethanol"));
    dialog->ComboBox1->setCurrentText(QStringLiteral("°C"));
    dialog->ComboBox3->setCurrentText(QStringLiteral("bar"));
    dialog->Edit1->setText(QStringLiteral("50"));
    dialog->BitBtn1->click();
    EXPECT_EQ(dialog->Label5->text(), QStringLiteral("Dampfdruck = 0,296"));
    EXPECT_TRUE(messages.shown().isEmpty());
}
