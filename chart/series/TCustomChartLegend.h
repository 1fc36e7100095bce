// The legend box of a chart: one item per series or per value of one series, each with a symbol
// (after a check box, when asked) and up to two text columns; its layout on any side of the chart,
// the room it takes from the plot and the hit test of its items.
#pragma once

#include "LegendTypes.h"
#include "TLegendItems.h"
#include "TLegendSymbol.h"
#include "TLegendTitle.h"
#include "TPlotCustomShapePosition.h"

#include "EngineTypes.h"
#include "TChartSeries.h"

#include <QPointer>

#include <array>
#include <memory>

class TCustomChart;

class TCustomChartLegend : public TPlotCustomShapePosition
{
    Q_OBJECT
public:
    explicit TCustomChartLegend(TCustomChart *chart = nullptr);
    ~TCustomChartLegend() override;

    TLegendAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TLegendAlignment value) { setShapeProperty(m_alignment, value); }
    bool CheckBoxes() const { return m_checkBoxes; }
    void SetCheckBoxes(bool value) { setShapeProperty(m_checkBoxes, value); }
    TCheckBoxesStyle CheckBoxesStyle() const { return m_checkBoxesStyle; }
    // Radio style leaves only the first active series of the legend active.
    void SetCheckBoxesStyle(TCheckBoxesStyle value);
    int ColorWidth() const { return m_symbol->Width(); }
    void SetColorWidth(int value) { m_symbol->SetWidth(value); }
    bool CurrentPage() const { return m_currentPage; }
    void SetCurrentPage(bool value) { setShapeProperty(m_currentPage, value); }
    TChartHiddenPen *DividingLines() const { return m_dividingLines.get(); }
    void SetDividingLines(const TChartPen *value);
    int FirstValue() const { return m_firstValue; }
    // Raises LegendException below 0.
    void SetFirstValue(int value);
    bool FontSeriesColor() const { return m_fontSeriesColor; }
    void SetFontSeriesColor(bool value) { setShapeProperty(m_fontSeriesColor, value); }
    int HorizMargin() const { return m_horizMargin; }
    void SetHorizMargin(int value) { setShapeProperty(m_horizMargin, value); }
    int VertMargin() const { return m_vertMargin; }
    void SetVertMargin(int value) { setShapeProperty(m_vertMargin, value); }
    bool Inverted() const { return m_inverted; }
    void SetInverted(bool value) { setShapeProperty(m_inverted, value); }
    int LeftPercent() const { return m_leftPercent; }
    void SetLeftPercent(int value) { setShapeProperty(m_leftPercent, value); }
    int TopPercent() const { return m_topPercent; }
    void SetTopPercent(int value) { setShapeProperty(m_topPercent, value); }
    TLegendStyle LegendStyle() const { return m_legendStyle; }
    void SetLegendStyle(TLegendStyle value) { setShapeProperty(m_legendStyle, value); }
    int MaxNumRows() const { return m_maxNumRows; }
    void SetMaxNumRows(int value) { setShapeProperty(m_maxNumRows, value); }
    TPlotUnits PositionUnits() const { return m_positionUnits; }
    void SetPositionUnits(TPlotUnits value) { setShapeProperty(m_positionUnits, value); }
    bool ResizeChart() const { return m_resizeChart; }
    void SetResizeChart(bool value) { setShapeProperty(m_resizeChart, value); }
    TLegendSymbol *Symbol() const { return m_symbol.get(); }
    void SetSymbol(const TLegendSymbol *value);
    TLegendTextStyle TextStyle() const { return m_textStyle; }
    void SetTextStyle(TLegendTextStyle value) { setShapeProperty(m_textStyle, value); }
    TLegendTitle *Title() const { return m_title.get(); }
    void SetTitle(const TLegendTitle *value);
    int TopPos() const { return m_topPos; }
    void SetTopPos(int value) { setShapeProperty(m_topPos, value); }
    int VertSpacing() const { return m_vertSpacing; }
    void SetVertSpacing(int value) { setShapeProperty(m_vertSpacing, value); }
    TLegendItems &Items() { return m_items; }

    // The series whose values a value legend lists; none: the first active series in the legend.
    TChartSeries *Series() const { return m_series; }
    void SetSeries(TChartSeries *value);
    TChartSeries *LegendSeries() const;

    // What the items are now: lsAuto resolved by the series the legend shows.
    TLegendStyle ResolvedStyle() const;
    bool IsVertical() const { return m_alignment == laLeft || m_alignment == laRight; }
    // The item height in the legend font on the chart's canvas; squared symbols follow it.
    int CalcItemHeight();
    // Whether a draw would show any item (the layout may still leave no room for one).
    bool HasItems() const;

    // Lays the legend out, draws it and takes its room from the chart rectangle.
    void DrawLegend();
    // The item under the point, or -1.
    int Clicked(int x, int y) const;
    // The text of item index (counted over the whole list, FirstValue included).
    QString FormatLegendText(int index) const;
    // A click on item index with check boxes on: toggles its series (radio style: keeps only it
    // active). True when handled.
    bool DoCheckBox(int index);

    // The layout of the last draw.
    int FirstIndex() const { return m_first; }
    int LastIndex() const { return m_last; }
    int TotalItems() const { return m_totalItems; }
    int ItemHeight() const { return m_itemHeight; }
    int SymbolWidth() const { return m_symbolWidth; }
    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int ColumnWidth(int column) const { return m_columnWidths[std::size_t(column)]; }
    int FirstItemTop() const { return m_firstItemTop; }
    const TRect &LegendRect() const { return m_rect; }
    bool Shown() const { return m_shown; }

    void Assign(const TPlotCustomShapeBrushPen &source) override;

protected:
    void gradientCreated(TPlotGradient *gradient) override;

private:
    int frameWidth() const;
    int countItems(TLegendStyle style, int first) const;
    TChartSeries *seriesAt(int index) const;
    // Texts and the two column widths of the items first..last.
    void calcTexts();
    int textWidth(const QString &text) const;
    // The distance between two columns of a top or bottom legend.
    int itemStep() const;
    void drawItems(int itemLeft, int checkBoxX);
    void drawItem(int index, int position, int x, int y, int checkBoxX);
    void resizeChart();

    TCustomChart *m_chart = nullptr;
    TLegendAlignment m_alignment = laRight;
    bool m_checkBoxes = false;
    TCheckBoxesStyle m_checkBoxesStyle = cbsCheck;
    bool m_currentPage = true;
    std::unique_ptr<TChartHiddenPen> m_dividingLines;
    int m_firstValue = 0;
    bool m_fontSeriesColor = false;
    int m_horizMargin = 0;
    int m_vertMargin = 0;
    bool m_inverted = false;
    int m_leftPercent = 0;
    int m_topPercent = 0;
    TLegendStyle m_legendStyle = lsAuto;
    int m_maxNumRows = 10;
    TPlotUnits m_positionUnits = muPixels;
    bool m_resizeChart = true;
    std::unique_ptr<TLegendSymbol> m_symbol;
    TLegendTextStyle m_textStyle = ltsLeftValue;
    std::unique_ptr<TLegendTitle> m_title;
    int m_topPos = 10;
    int m_vertSpacing = 0;
    TLegendItems m_items;
    QPointer<TChartSeries> m_series;

    // Layout of the last draw.
    TLegendStyle m_style = lsSeries;
    bool m_shown = false;
    int m_first = 0;
    int m_last = -1;
    int m_totalItems = 0;
    int m_itemHeight = 0;
    int m_symbolWidth = 0;
    int m_columns = 0;
    int m_rows = 0;
    std::array<int, 2> m_columnWidths{};
    // The blank between the two columns, when an item has a second one.
    int m_columnGap = 0;
    int m_firstItemTop = 0;
    bool m_titleShown = false;
    TRect m_rect;
    std::vector<std::array<QString, 2>> m_texts;
};
