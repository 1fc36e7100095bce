// The medium picker: the main list on the left, the diagram's media on the right, and buttons
// that act only on a selected line.
#include "app/diagram/TMeddazuDlg.h"

#include "MainWindowFixture.h"
#include "TestRecords.h"
#include "app/windows/SubstanceListBox.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

class MediumPicker : public MainWindowFixture
{
protected:
    TMeddazuDlg *picker = nullptr;

    void SetUp() override
    {
        start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4),
               testRecord(QStringLiteral("Benzol"), QStringLiteral("71-43-2"), 6, 6)});
        picker = form->mediumPicker();
        picker->show();
    }

    void TearDown() override
    {
        if (picker)
            picker->hide();
    }

    static void click(SubstanceListBox *list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    static void doubleClick(SubstanceListBox *list, int row)
    {
        // A real double click starts with a click: the view takes only a second press on the
        // item of the first.
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    static QStringList lines(const SubstanceListBox *list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }

    QStringList mainLines() const { return lines(form->ListBox1); }
};

} // namespace

TEST_F(MediumPicker, ShowsTheMainListWithItsCaptionsAndOnlyTheAddButtonEnabled)
{
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("Medium zum Diagramm hinzufügen"));
    EXPECT_EQ(picker->Label2->text(), QStringLiteral("Medien in Diagramm:"));
    EXPECT_EQ(picker->Label1->text(), QStringLiteral("Medienauswahl:"));
    EXPECT_EQ(picker->BitBtn2->text(), QStringLiteral("Diagramm &aktualisieren"));
    EXPECT_EQ(picker->BitBtn1->text(), QStringLiteral("&Schließen"));
    EXPECT_EQ(lines(picker->ListBox1), mainLines());
    EXPECT_EQ(picker->ListBox1->currentRow(), 0);
    EXPECT_TRUE(picker->SpeedButton1->isEnabled());
    EXPECT_FALSE(picker->SpeedButton2->isEnabled());
}

TEST_F(MediumPicker, AClickEnablesOnlyTheButtonThatActsOnItsList)
{
    picker->SpeedButton1->click();
    click(picker->ListBox2, 0);
    EXPECT_FALSE(picker->SpeedButton1->isEnabled());
    EXPECT_TRUE(picker->SpeedButton2->isEnabled());
    click(picker->ListBox1, 2);
    EXPECT_TRUE(picker->SpeedButton1->isEnabled());
    EXPECT_FALSE(picker->SpeedButton2->isEnabled());
}

TEST_F(MediumPicker, AddsAndRemovesOnlySelectedLines)
{
    const QStringList all = mainLines();
    doubleClick(picker->ListBox1, 1);
    picker->SpeedButton1->click();
    click(picker->ListBox1, 2);
    picker->SpeedButton1->click();
    // The same substance may be picked twice.
    EXPECT_EQ(lines(picker->ListBox2), (QStringList{all[1], all[1], all[2]}));

    // A removed line's neighbour is selected next, until the list is empty.
    click(picker->ListBox2, 1);
    picker->SpeedButton2->click();
    EXPECT_EQ(lines(picker->ListBox2), (QStringList{all[1], all[2]}));
    EXPECT_EQ(picker->ListBox2->currentRow(), 1);
    doubleClick(picker->ListBox2, 1);
    EXPECT_EQ(lines(picker->ListBox2), QStringList{all[1]});
    picker->SpeedButton2->click();
    EXPECT_EQ(picker->ListBox2->count(), 0);
    EXPECT_FALSE(picker->SpeedButton2->isEnabled());
    // Called without a selection, neither button does anything.
    picker->SpeedButton2Click();
    EXPECT_EQ(picker->ListBox2->count(), 0);

    picker->hide();
    folder.writeDatabase({});
    form->LoadDatabase();
    picker->show();
    EXPECT_FALSE(picker->SpeedButton1->isEnabled());
    picker->SpeedButton1Click();
    EXPECT_EQ(picker->ListBox2->count(), 0);
}

TEST_F(MediumPicker, RedrawRunsTheDiagramsDrawingWhileThePickerStaysOpen)
{
    picker->hide();
    int redraws = 0;
    bool openWhileDrawing = false;
    picker->setOnRedraw([&] {
        ++redraws;
        openWhileDrawing = picker->isVisible();
    });
    QTimer::singleShot(0, picker, [&] {
        picker->BitBtn2->click();
        picker->BitBtn1->click();
    });
    EXPECT_EQ(picker->exec(), QDialog::Rejected);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(openWhileDrawing);
}
