// The Legend page and its symbol editor on a chart's legend.
#include "TFormPlotLegend.h"

#include "DialogDriver.h"
#include "EditorTestSetup.h"
#include "TChart.h"
#include "TChartLegend.h"
#include "TButtonPen.h"
#include "TFormPlotShape.h"
#include "TSymbolEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <memory>

namespace {

class LegendPage : public EditorChartTest
{
protected:
    TChartLegend &legend = *chart->Legend();
    std::unique_ptr<TFormPlotLegend> page;

    void open()
    {
        page = std::make_unique<TFormPlotLegend>(nullptr, &legend);
        page->show();
    }
};

TEST_F(LegendPage, CustomPositionTurnsOffResizingAndTheMarginAndOffsetControls)
{
    legend.SetResizeChart(true);
    open();
    page->PageControl1->setCurrentWidget(page->TabPosition);
    EXPECT_TRUE(page->CBResizeChart->isChecked());
    EXPECT_FALSE(page->UDLeft->isEnabled());
    EXPECT_FALSE(page->CBPosPercent->isEnabled());
    page->CBCustPos->click();
    EXPECT_TRUE(legend.CustomPosition());
    EXPECT_FALSE(legend.ResizeChart());
    EXPECT_FALSE(page->CBResizeChart->isChecked());
    for (QWidget *w : std::initializer_list<QWidget *>{page->CBResizeChart, page->UDMargin, page->UDTopPos, page->LabelMargin})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(page->UDLeft->isEnabled());
    EXPECT_TRUE(page->CBPosPercent->isEnabled());
}

TEST_F(LegendPage, TheCustomCornerIsWrittenInTheLegendsUnits)
{
    legend.SetCustomPosition(true);
    const struct { TPlotUnits units; bool percentBox; } cases[] = {{muPercent, true}, {muPixels, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.units));
        legend.SetPositionUnits(c.units);
        legend.SetLeftPercent(0);
        legend.SetLeft(0);
        open();
        EXPECT_EQ(page->CBPosPercent->isChecked(), c.percentBox);
        page->UDLeft->setValue(50);
        EXPECT_EQ(legend.LeftPercent(), c.units == muPercent ? 50 : 0);
        EXPECT_EQ(legend.Left(), c.units == muPixels ? 50 : 0);
    }
    // Switching the units shows the corner in the new ones.
    legend.SetTopPercent(30);
    page->CBPosPercent->click();
    EXPECT_EQ(legend.PositionUnits(), muPercent);
    EXPECT_EQ(page->UDTop->value(), 30);
}

TEST_F(LegendPage, TheMarginFollowsTheLegendsEdge)
{
    const struct { TLegendAlignment alignment; bool horizontal; } cases[] = {
        {laLeft, true}, {laRight, true}, {laTop, false}, {laBottom, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.alignment));
        legend.SetHorizMargin(0);
        legend.SetVertMargin(0);
        open();
        page->PositionButtons->button(int(c.alignment))->click();
        EXPECT_EQ(legend.Alignment(), c.alignment);
        page->UDMargin->setValue(12);
        EXPECT_EQ(legend.HorizMargin(), c.horizontal ? 12 : 0);
        EXPECT_EQ(legend.VertMargin(), c.horizontal ? 0 : 12);
    }
}

TEST_F(LegendPage, ATitleOnTwoLinesIsStoredAsTwoEntriesWithoutLineBreaks)
{
    open();
    page->MemoText->setPlainText(QStringLiteral("line1\r\nline2"));
    EXPECT_EQ(legend.Title()->Text(), (QStringList{QStringLiteral("line1"), QStringLiteral("line2")}));
    for (const QString &entry : legend.Title()->Text()) {
        EXPECT_FALSE(entry.contains(QLatin1Char('\n')));
        EXPECT_FALSE(entry.contains(QLatin1Char('\r')));
    }
    choose(*page->CBTextAlign, 2);
    EXPECT_EQ(legend.Title()->TextAlignment(), taRightJustify);
    // The title's shape tabs follow its Options tab.
    EXPECT_EQ(page->PageControlTitle->count(), 5);
    EXPECT_EQ(page->TitleShape->Shape(), legend.Title());
}

TEST_F(LegendPage, StylesAndCheckBoxesAreWrittenByIndex)
{
    open();
    choose(*page->CBLegendStyle, 3);
    EXPECT_EQ(legend.LegendStyle(), lsLastValues);
    choose(*page->CBLegStyle, 9);
    EXPECT_EQ(legend.TextStyle(), ltsXAndPercent);
    const struct { int index; bool boxes; TCheckBoxesStyle style; } cases[] = {
        {2, true, cbsRadio}, {1, true, cbsCheck}, {0, false, cbsRadio}};
    for (const auto &c : cases) {
        choose(*page->CBCheckBoxes, c.index);
        EXPECT_EQ(legend.CheckBoxes(), c.boxes);
        if (c.boxes)
            EXPECT_EQ(legend.CheckBoxesStyle(), c.style);
    }
}

TEST_F(LegendPage, TheSymbolEditorWritesTheLegendsSymbol)
{
    open();
    page->PageControl1->setCurrentWidget(page->TabSymbols);
    TSymbolEditor &symbols = *page->SymbolEditor;
    TLegendSymbol &symbol = *legend.Symbol();
    ASSERT_TRUE(symbol.DefaultPen());
    EXPECT_FALSE(symbols.BSymPen->isEnabled());
    symbols.CBSymPen->click();
    EXPECT_FALSE(symbol.DefaultPen());
    EXPECT_TRUE(symbols.BSymPen->isEnabled());
    symbols.UDColWi->setValue(35);
    EXPECT_EQ(symbol.Width(), 35);
    choose(*symbols.CBColWUnits, 1);
    EXPECT_EQ(symbol.WidthUnits(), lcsPixels);
    choose(*symbols.CBSymbolPos, 1);
    EXPECT_EQ(symbol.Position(), spRight);
    symbols.CBSquared->click();
    EXPECT_TRUE(symbol.Squared());
    EXPECT_FALSE(symbols.UDColWi->isEnabled());
}

} // namespace
