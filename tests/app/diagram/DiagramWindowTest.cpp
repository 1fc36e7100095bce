// The diagram window's strip below the chart: unit lists and headings by the mode, its texts, the
// point count of the settings, and the picker's list from showing to closing.
#include "app/diagram/TKurveDlg.h"

#include "MainWindowFixture.h"
#include "TestRecords.h"
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"
#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TFlueFlueDlg.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

class DiagramWindow : public MainWindowFixture
{
protected:
    TKurveDlg *window = nullptr;

    void startWith(const QStringList &records)
    {
        start(records);
        window = form->diagramWindow();
        ASSERT_NE(window, nullptr);
    }

    static QStringList items(const QComboBox *box)
    {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts.append(box->itemText(i));
        return texts;
    }

    QStringList picked() const
    {
        QStringList lines;
        for (int row = 0; row < form->mediumPicker()->ListBox2->count(); ++row)
            lines.append(form->mediumPicker()->ListBox2->item(row)->text());
        return lines;
    }
};

} // namespace

TEST_F(DiagramWindow, UnitListsAndHeadingsFollowTheModeAndTheSettingsIndexes)
{
    startWith({w2000Record()});
    setUnits(2, 8); // K and "m WS", which the diagram lists as "m H2O"
    struct Case
    {
        CalculationMode mode;
        QStringList list1, list2;
        QString unit1, unit2, label1, label2, caption;
    };
    const Case cases[] = {
        {CalculationMode::VapourPressure, temperatureUnitTexts(), pressureUnitTexts(), "K", "m H2O", "Temperatur",
         "Dampfdruck", "Tensimo-Diagramm"},
        {CalculationMode::BoilingPoint, pressureUnitTexts(), temperatureUnitTexts(), "m H2O", "K", "Druck",
         "Temperatur", "Siedepunkts-Diagramm"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        form->ComboBox2->setCurrentIndex(int(c.mode));
        window->show();
        EXPECT_EQ(items(window->ComboBox1), c.list1);
        EXPECT_EQ(items(window->ComboBox2), c.list2);
        EXPECT_EQ(window->ComboBox1->currentText(), c.unit1);
        EXPECT_EQ(window->ComboBox2->currentText(), c.unit2);
        EXPECT_EQ(window->Label1->text(), c.label1);
        EXPECT_EQ(window->Label2->text(), c.label2);
        EXPECT_EQ(window->windowTitle(), c.caption);
        EXPECT_EQ(window->CheckBox1->text(), QStringLiteral("Logarithmische Achse"));
        EXPECT_EQ(window->BitBtn2->text(), QStringLiteral("Medium hinzufügen"));
        EXPECT_EQ(window->BitBtn3->text(), QStringLiteral("&Schließen"));
        EXPECT_TRUE(window->BitBtn2->isVisible());
        window->BitBtn3->click();
    }
    // With the mixture dialog open only the mixture is drawn: nothing can be added.
    form->mixtureDialog()->show();
    window->show();
    EXPECT_FALSE(window->BitBtn2->isVisible());
    window->BitBtn3->click();
    form->mixtureDialog()->hide();
}

TEST_F(DiagramWindow, ThePointCountOfTheSettingsIsHeldWithinItsBounds)
{
    startWith({w2000Record()});
    struct Case
    {
        const char *text;
        int count;
    };
    for (const Case &c : {Case{"1", 2}, Case{"0", 2}, Case{"-5", 2}, Case{"1000000000", 100000}, Case{"abc", 250},
                          Case{" 300 ", 300}}) {
        SCOPED_TRACE(c.text);
        form->settingsDialog()->Edit1->setText(QString::fromUtf8(c.text));
        window->show();
        EXPECT_EQ(window->pointCount(), c.count);
        window->BitBtn3->click();
    }
}

TEST_F(DiagramWindow, EachShowingStartsThePickerWithTheCurrentMediumOnly)
{
    startWith({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
    const QString current = DiagramHost(*form).currentMedium();
    window->show();
    form->mediumPicker()->ListBox2->addItem(form->ListBox1->item(1)->text());
    EXPECT_EQ(picked().size(), 2);
    window->BitBtn3->click();
    EXPECT_TRUE(picked().isEmpty());
    window->show();
    EXPECT_EQ(picked(), QStringList{current});
    window->BitBtn3->click();

    // Without a substance there is no current medium to add.
    folder.writeDatabase({});
    form->LoadDatabase();
    window->show();
    EXPECT_TRUE(picked().isEmpty());
    window->BitBtn3->click();
}
