// The point marker editor driven through its widgets: on a point series' Format tab, for a
// bubble series, and as the dialog of a marks callout's pointer.
#include "TSeriesPointerEditor.h"

#include "EditorTestSetup.h"
#include "TBubbleSeries.h"
#include "TButtonPen.h"
#include "TChart.h"
#include "TFormPlotSeries.h"
#include "TPlotGradientEditor.h"
#include "TPointSeries.h"
#include "TSeriesMarks.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr TColor kDefaultColor = 0x20000000;

class PointerEditor : public EditorChartTest
{
protected:
    TFormPlotSeries form;

    template <class Series>
    TSeriesPointerEditor *open()
    {
        auto *series = chart->AddSeriesOfClass<Series>();
        series->FillSampleValues(5);
        form.SetChart(chart.get());
        form.show();
        EXPECT_TRUE(form.SelectSeries(series));
        return form.TabFormat->findChild<TSeriesPointerEditor *>();
    }
    static void choose(QComboBox *combo, int index)
    {
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
};

bool hasColor(const QImage &image, QColor color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == color.rgb())
                return true;
    return false;
}

} // namespace

TEST_F(PointerEditor, PointSeriesFormatTabIsThePointerEditorAndItsStyleListWritesTheStyle)
{
    TSeriesPointerEditor *editor = open<TPointSeries>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(form.PageSeries->isTabVisible(form.PageSeries->indexOf(form.TabFormat)));
    EXPECT_FALSE(editor->CBColorEach->isHidden());
    EXPECT_FALSE(editor->BGradient->isHidden());
    ASSERT_EQ(editor->CBStyle->count(), 12);
    EXPECT_EQ(editor->CBStyle->itemText(11), QStringLiteral("Right Triangle"));
    for (const int row : {7, 9, 11, 0}) {
        SCOPED_TRACE(row);
        choose(editor->CBStyle, row);
        EXPECT_EQ(int(editor->ThePointer()->Style()), row);
    }
    editor->SEPointHorizSize->setValue(9);
    EXPECT_EQ(editor->ThePointer()->HorizSize(), 9);
    editor->CBColorEach->click();
    EXPECT_TRUE(form.TheSeries()->ColorEachPoint());
}

TEST_F(PointerEditor, VisibleOffDisablesEveryOtherControl)
{
    chart->SetView3D(true);
    TSeriesPointerEditor *editor = open<TPointSeries>();
    ASSERT_NE(editor, nullptr);
    const QList<QWidget *> controls{editor->CBStyle, editor->SEPointHorizSize, editor->SEPointVertSize,
                                    editor->BPattern, editor->BBorder, editor->CBDefault,
                                    editor->CBInflateMargins, editor->CB3D, editor->BGradient};
    for (QWidget *control : controls)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    editor->CBVisible->click();
    EXPECT_FALSE(editor->ThePointer()->Visible());
    for (QWidget *control : controls)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(editor->CBDark3D->isEnabled());
}

TEST_F(PointerEditor, ThreeDIsOfferedForFlatSidedStylesInA3DChartOnly)
{
    TSeriesPointerEditor *editor = open<TPointSeries>();
    ASSERT_NE(editor, nullptr);
    struct Case { bool view3D; int style; bool offered; };
    const Case cases[] = {{true, 0, true},  {true, 1, false}, {true, 2, true},  {true, 3, true},
                          {true, 4, false}, {true, 7, false}, {true, 11, false}, {false, 0, false},
                          {false, 2, false}, {false, 3, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "3D " << c.view3D << " style " << c.style);
        chart->SetView3D(c.view3D);
        choose(editor->CBStyle, c.style);
        EXPECT_EQ(editor->CB3D->isEnabled(), c.offered);
        EXPECT_EQ(editor->CBDark3D->isEnabled(), c.offered && editor->CB3D->isChecked());
    }
    chart->SetView3D(true);
    choose(editor->CBStyle, 0);
    editor->CB3D->click();
    EXPECT_FALSE(editor->ThePointer()->Draw3D());
    EXPECT_FALSE(editor->CBDark3D->isEnabled());
}

TEST_F(PointerEditor, DefaultColoursFollowTheSeriesAndUncheckingBlackensOnlyTheDefaultPen)
{
    TSeriesPointerEditor *editor = open<TPointSeries>();
    ASSERT_NE(editor, nullptr);
    TSeriesPointer &pointer = *editor->ThePointer();
    pointer.Brush()->SetColor(0x00FF00);
    pointer.Pen()->SetColor(0x0000FF);
    editor->hide();
    editor->show();
    EXPECT_FALSE(editor->CBDefault->isChecked());
    editor->CBDefault->click();
    EXPECT_EQ(pointer.Brush()->Color(), kDefaultColor);
    EXPECT_EQ(pointer.Pen()->Color(), kDefaultColor);
    editor->CBDefault->click();
    EXPECT_EQ(pointer.Brush()->Color(), kDefaultColor);
    EXPECT_EQ(pointer.Pen()->Color(), clBlack);
    editor->CBDefault->click();
    EXPECT_EQ(pointer.Pen()->Color(), kDefaultColor);
    pointer.Pen()->SetColor(0x00FF00);
    editor->CBDefault->click(); // unchecked while the pen is no longer the default: kept
    EXPECT_EQ(pointer.Pen()->Color(), TColor(0x00FF00));
}

TEST_F(PointerEditor, StyleRowsShowTheSymbolInTheSeriesColour)
{
    TSeriesPointerEditor *editor = open<TPointSeries>();
    ASSERT_NE(editor, nullptr);
    form.TheSeries()->SetSeriesColor(0x00FF00); // green
    editor->CBDefault->setChecked(false);
    editor->CBDefault->click(); // brush and pen take the series colour, icons redrawn
    const QColor green(0, 255, 0);
    const QSize size = editor->CBStyle->iconSize();
    EXPECT_TRUE(hasColor(editor->CBStyle->itemIcon(0).pixmap(size).toImage(), green));     // Square
    EXPECT_TRUE(hasColor(editor->CBStyle->itemIcon(4).pixmap(size).toImage(), green));     // Cross
    EXPECT_FALSE(hasColor(editor->CBStyle->itemIcon(9).pixmap(size).toImage(), green));    // Nothing
}

TEST_F(PointerEditor, BubblePointerOffersNoSize)
{
    TSeriesPointerEditor *editor = open<TBubbleSeries>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->SEPointHorizSize->isHidden());
    EXPECT_TRUE(editor->LabelHeight->isHidden());
    EXPECT_TRUE(editor->CBVisible->isHidden());
    EXPECT_FALSE(editor->CBStyle->isHidden());
    auto *transparency = editor->findChild<QSpinBox *>(QStringLiteral("SETransparency"));
    ASSERT_NE(transparency, nullptr);
    transparency->setValue(35);
    EXPECT_EQ(editor->ThePointer()->Transparency(), 35);
}

TEST_F(PointerEditor, MarksPointerButtonEditsTheCalloutInADialogWithoutSeriesControls)
{
    open<TPointSeries>();
    form.PageSeries->setCurrentWidget(form.TabMarks);
    ASSERT_FALSE(form.BPointer->isHidden());
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Pointer"));
        auto *editor = dialog->findChild<TSeriesPointerEditor *>();
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->CBInflateMargins->isHidden());
        EXPECT_TRUE(editor->CBColorEach->isHidden());
        EXPECT_TRUE(editor->BClose->isVisible());
        choose(editor->CBStyle, int(psDiamond));
        editor->BClose->click();
    });
    form.BPointer->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(form.TheSeries()->Marks()->Callout()->Style(), psDiamond);
}

TEST_F(PointerEditor, GradientButtonEditsThePointersGradient)
{
    TSeriesPointerEditor *editor = open<TPointSeries>();
    ASSERT_NE(editor, nullptr);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<TPlotGradientEditor *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->Gradient(), editor->ThePointer()->Gradient());
        dialog->reject();
    });
    editor->BGradient->click();
    EXPECT_TRUE(seen);
}
