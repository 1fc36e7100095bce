// Points joined by a line, an area or stairs, with a marker (the pointer) at each point: stacking of
// the series of one class, a shadow and an outline pass, a 3D ribbon or a flat 2D line, filled
// areas with gradient and transparency, and the hit test on lines and pointers.
#pragma once

#include "PixelColumnCache.h"
#include "SeriesTypes.h"
#include "TCustomLineSeries.h"
#include "TSeriesPointer.h"

#include "TCustomPlotGradient.h"
#include "TPlotShadow.h"

#include <functional>
#include <optional>
#include <vector>

class TCanvas3D;
class TCustomSeries;

using TOnClickPointerEvent = std::function<void(TCustomSeries *sender, int valueIndex, int x, int y)>;
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TCustomSeries *sender, int valueIndex)>;

class TCustomSeries : public TCustomLineSeries
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TCustomSeries(QObject *owner = nullptr);
    ~TCustomSeries() override;

    // Properties; the concrete types publish those they show.
    TChartBrush *AreaChartBrush() const { return m_areaChartBrush; }
    void SetAreaChartBrush(const TChartBrush *value);
    TBrushStyle AreaBrush() const { return m_areaChartBrush->Style(); }
    void SetAreaBrush(TBrushStyle value) { m_areaChartBrush->SetStyle(value); }
    TColor AreaColor() const { return m_areaColor; }
    void SetAreaColor(TColor value) { SetColorProperty(m_areaColor, value); }
    Q_INVOKABLE bool IsAreaColorStored() const { return m_areaColor != clPlotColor; }
    TChartPen *AreaLinesPen() const { return m_areaLinesPen; }
    void SetAreaLinesPen(const TChartPen *value);
    bool ClickableLine() const { return m_clickableLine; }
    void SetClickableLine(bool value) { SetBooleanProperty(m_clickableLine, value); }
    bool ColorEachLine() const { return m_colorEachLine; }
    void SetColorEachLine(bool value) { SetBooleanProperty(m_colorEachLine, value); }
    Q_INVOKABLE bool IsColorEachLineStored() const { return !m_colorEachLine; }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value) { SetBooleanProperty(m_dark3D, value); }
    Q_INVOKABLE bool IsDark3DStored() const { return !m_dark3D; }
    bool DrawArea() const { return m_drawArea; }
    void SetDrawArea(bool value) { SetBooleanProperty(m_drawArea, value); }
    bool DrawLine() const { return m_drawLine; }
    void SetDrawLine(bool value) { SetBooleanProperty(m_drawLine, value); }
    bool InvertedStairs() const { return m_invertedStairs; }
    void SetInvertedStairs(bool value) { SetBooleanProperty(m_invertedStairs, value); }
    Q_INVOKABLE bool IsInvertedStairsStored() const { return m_invertedStairs; }
    TBrushStyle LineBrush() const { return Brush()->Style(); }
    void SetLineBrush(TBrushStyle value) { Brush()->SetStyle(value); }
    Q_INVOKABLE bool IsLineBrushStored() const { return LineBrush() != bsSolid; }
    int LineHeight() const { return m_lineHeight; }
    void SetLineHeight(int value) { SetIntegerProperty(m_lineHeight, value); }
    Q_INVOKABLE bool IsLineHeightStored() const { return m_lineHeight != 0; }
    TChartPen *OutLine() const { return m_outLine; }
    void SetOutLine(const TChartPen *value);
    TSeriesPointer *Pointer() const { return m_pointer; }
    void SetPointer(const TSeriesPointer *value);
    TPlotShadow *Shadow() const { return m_shadow; }
    void SetShadow(const TPlotShadow *value);
    TCustomSeriesStack Stacked() const { return m_stacked; }
    // Every other series of the chart of this class takes the same value.
    void SetStacked(TCustomSeriesStack value);
    Q_INVOKABLE bool IsStackedStored() const { return m_stacked != cssNone; }
    bool Stairs() const { return m_stairs; }
    void SetStairs(bool value) { SetBooleanProperty(m_stairs, value); }
    Q_INVOKABLE bool IsStairsStored() const { return m_stairs; }
    TPlotGradient *Gradient() const { return m_gradient; }
    void SetGradient(const TPlotGradient *value);
    // Percent 0..100 of the area; values outside are cut to the range.
    virtual int GetTransparency() const { return m_transparency; }
    virtual void SetTransparency(int value);
    int Transparency() const { return GetTransparency(); }
    Q_INVOKABLE bool IsTransparencyStored() const { return GetTransparency() != 0; }

    TOnClickPointerEvent OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;

    QString GetEditorClassName() const override { return QStringLiteral("TCustomSeriesEditor"); }
    void Assign(const TCustomChartElement &source) override;
    // The pointer follows the series into and out of a chart.
    void Added() override;
    void Removed() override;

    // Stacking moves the points along the value axis.
    int CalcXPos(int index) const override;
    int CalcYPos(int index) const override;
    // The pixel of the area's bottom at the point.
    virtual int GetOriginPos(int valueIndex) const;
    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;

    void CalcHorizMargins(int &left, int &right) override;
    void CalcVerticalMargins(int &top, int &bottom) override;
    // Pixels the marks need beyond a point.
    virtual int MarksExtent();
    void CalcZOrder() override;

    void DoBeforeDrawValues() override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position) override;
    void DrawLegendShape(int valueIndex, const TRect &rect) override;

    int Clicked(int x, int y) const override;
    virtual bool ClickedPointer(int valueIndex, int pointX, int pointY, int x, int y) const;
    // Sizes the pointer for one point; nothing here.
    virtual void PreparePointer(int valueIndex) const { Q_UNUSED(valueIndex); }
    virtual TPlotGradient *GetGradient() const { return m_gradient; }

    // Off draws every pass point by point: the reference for the drawing by pixel column (tests).
    void setColumnPaths(bool value) { m_columnPaths = value; }

protected:
    // Whether a flat thin line may be drawn by pixel column: only types whose points are drawn
    // by this class's DrawValue alone say yes.
    virtual bool pixelColumnsAllowed() const { return false; }
    // The brush colour of an area or ribbon for a point colour.
    TColor areaColorOf(TColor pointColor) const;
    TSeriesPointerStyle pointerStyle(int valueIndex) const;
    // Whether the stacked position applies along the value axis.
    bool isStacking() const { return m_stacked == cssStack || m_stacked == cssStack100; }

private:
    struct StackSums
    {
        double origin = 0.0;
        double total = 0.0;
    };
    // The state of one drawing pass.
    struct DrawState
    {
        int prevX = 0;
        int prevY = 0;
        int prevIndex = -1;
        TColor prevColor = clNone;
        int origin = 0;
        int prevOrigin = 0;
        double slope = 0.0;
        bool forward = true; // the drawing direction, asked once per pass
        // The line pen colour last put on the canvas, while nothing else has drawn since.
        bool linePenSet = false;
        TColor linePenColor = clNone;
        // Likewise the 3D ribbon's pen and brush colours.
        bool ribbonSet = false;
        TColor ribbonPenColor = clNone;
        TColor ribbonOutlineColor = clNone; // on the pen: the ribbon's pen colour, or an edge-on face's own
        TColor ribbonBrushColor = clNone;
    };
    // What the shadow and outline passes change, undone by a scope guard.
    struct PassState
    {
        TColor color = clNone; // clNone: the points' own colours
        bool pointers = true;
        const TChartPen *linePen = nullptr; // none: LinePen
    };

    StackSums stackSums(int valueIndex) const;
    std::optional<int> stackedPixel(int valueIndex, double value) const;
    double stackedLimit(bool maximum) const;
    // The point's pixel, or none when a value cannot be drawn (not finite).
    bool pointPixel(int valueIndex, int &x, int &y) const;
    // Narrows the points the hit test walks to those that can lie under the mouse.
    void narrowToMouse(int x, int y, int &first, int &last) const;
    TColor drawColor(int valueIndex) const;
    TColor seriesDrawColor() const { return m_pass.color != clNone ? m_pass.color : Color(); }
    const TChartPen &linePen() const { return m_pass.linePen ? *m_pass.linePen : *LinePen(); }
    bool pointersShown() const { return m_pass.pointers && m_pointer->Visible(); }
    void drawPass();
    void drawShadowPass();
    void drawOutlinePass();
    void fillPixelCache();
    // Whether this pass sets the same pixels by pixel column as point by point.
    bool columnPathApplies() const;
    void drawByColumns();
    bool enterFromEdge(int valueIndex, int x, int y);
    void breakLine();
    void drawSegment(int valueIndex, int x, int y, TColor color, bool withPointers, bool isLast);
    void drawRibbon(TCanvas3D &canvas, int x, int y, TColor color, bool isLast);
    void drawAreaPiece(TCanvas3D &canvas, int x, int y, TColor color, bool isLast);
    void drawFlatLine(TCanvas3D &canvas, int x, int y, TColor color);
    void drawPointerAt(int valueIndex, int x, int y, TColor color);
    void fillAreaShape(TCanvas3D &canvas, const TRect &bounds, bool is3D, int z);
    bool clickedSegment(int x, int y, const TPoint &previous, const TPoint &point, int prevOrigin,
                        int origin) const;

    TChartBrush *m_areaChartBrush = nullptr; // children
    TChartPen *m_areaLinesPen = nullptr;
    TChartHiddenPen *m_outLine = nullptr;
    TSeriesPointer *m_pointer = nullptr;
    TPlotShadow *m_shadow = nullptr;
    TPlotGradient *m_gradient = nullptr;
    TColor m_areaColor = clPlotColor;
    bool m_clickableLine = true;
    bool m_colorEachLine = true;
    bool m_dark3D = true;
    bool m_drawArea = false;
    bool m_drawLine = false;
    bool m_invertedStairs = false;
    int m_lineHeight = 0;
    TCustomSeriesStack m_stacked = cssNone;
    bool m_stairs = false;
    int m_transparency = 0;

    DrawState m_state;
    PassState m_pass;
    TChartPen m_outlinePen; // the line pen of the outline pass
    // Pixels of the visible points, converted once per pass.
    std::vector<int> m_xPixels;
    std::vector<int> m_yPixels;
    int m_cacheFirst = 0;
    bool m_cacheValid = false;
    bool m_columnPaths = true;
    bool m_inPass = false; // DrawValue runs in this series' own loop: nothing else draws between points
    TPointArray m_polygon;
    PixelColumnCache m_columnCache; // the line by pixel column, kept for the next redraw
};
