// The colour line tool: a line across the chart at one value of an axis, which the user may drag.
#pragma once

#include "OverlayShape.h"
#include "ToolTypes.h"

#include "TPlotCustomTool.h"

#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

class TColorLineTool;

using TColorLineToolOnDrag = std::function<void(TColorLineTool *sender)>;

class TColorLineTool : public TPlotCustomToolAxis
{
    Q_OBJECT
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(bool AllowDrag READ AllowDrag WRITE SetAllowDrag)
    Q_PROPERTY(bool DragRepaint READ DragRepaint WRITE SetDragRepaint)
    Q_PROPERTY(bool Draw3D READ Draw3D WRITE SetDraw3D)
    Q_PROPERTY(bool DrawBehind READ DrawBehind WRITE SetDrawBehind)
    Q_PROPERTY(bool NoLimitDrag READ NoLimitDrag WRITE SetNoLimitDrag)
    Q_PROPERTY(ToolEnums::TColorLineStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(double Value READ Value WRITE SetValue)
public:
    Q_INVOKABLE explicit TColorLineTool(QObject *owner = nullptr);

    bool AllowDrag() const { return m_allowDrag; }
    void SetAllowDrag(bool value) { m_allowDrag = value; }
    Q_INVOKABLE bool IsAllowDragStored() const { return !m_allowDrag; }
    bool DragRepaint() const { return m_dragRepaint; }
    void SetDragRepaint(bool value) { m_dragRepaint = value; }
    Q_INVOKABLE bool IsDragRepaintStored() const { return m_dragRepaint; }
    bool Draw3D() const { return m_draw3D; }
    void SetDraw3D(bool value) { SetBooleanProperty(m_draw3D, value); }
    Q_INVOKABLE bool IsDraw3DStored() const { return !m_draw3D; }
    bool DrawBehind() const { return m_drawBehind; }
    void SetDrawBehind(bool value) { SetBooleanProperty(m_drawBehind, value); }
    Q_INVOKABLE bool IsDrawBehindStored() const { return m_drawBehind; }
    bool NoLimitDrag() const { return m_noLimitDrag; }
    void SetNoLimitDrag(bool value) { m_noLimitDrag = value; }
    Q_INVOKABLE bool IsNoLimitDragStored() const { return m_noLimitDrag; }
    TColorLineStyle Style() const { return m_style; }
    void SetStyle(TColorLineStyle value) { setProperty(m_style, value); }
    Q_INVOKABLE bool IsStyleStored() const { return m_style != clCustom; }
    double Value() const { return m_value; }
    // Makes the style custom (unless loading); while dragged in not-xor mode, stores only.
    void SetValue(double value);
    Q_INVOKABLE bool IsValueStored() const { return m_value != 0; }

    bool Dragging() const { return m_dragging; }

    TColorLineToolOnDrag OnBeginDragLine;
    TColorLineToolOnDrag OnDragLine;
    TColorLineToolOnDrag OnEndDragLine;
    // Told first when a drag ends; the colour band listens here.
    TColorLineToolOnDrag onDragEnded;

    // The value the line stands at, by Style.
    double GetValue() const;
    // The value inside the axis' visible range.
    double LimitValue(double value) const;
    // Less than 3 pixels across the line, inside the chart rectangle along it.
    bool Clicked(int x, int y) const;

    // A chart to draw on instead of the parent chart, for lines that are in no tool list.
    void SetOwnerChart(TCustomAxisPanel *chart) { m_ownerChart = chart; }
    TCustomAxisPanel *drawingChart() const;
    // Binds the axis and draws on its chart, without joining that chart's tools.
    void bindAxisOnly(TChartAxis *axis);
    // The parts behind (before the series) and in front (after the chart).
    void DrawBackLine();
    void DrawFrontLine();
    // Mouse handling on the drawing chart: the colour band passes its events here.
    void handleMouse(TChartMouseEventKind kind, TMouseButton button, int x, int y);

    void Assign(const TCustomChartElement &source) override;
    void ChartEvent(int kind) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TColorLineToolEditor"); }
    void SetActive(bool value) override;

private:
    using Segment = std::pair<TPoint, TPoint>;
    // The line as the screen shows it, for the not-xor drawing during a drag.
    struct Drawn
    {
        std::vector<Segment> segments;
        TColor color = 0;
        int width = 1;
    };

    // What both parts draw with: the canvas with the pen set, the chart rectangle, the depth and
    // the line's pixel; none without an axis or a finite value.
    struct Frame
    {
        TCanvas3D &canvas;
        TRect rect;
        int depth = 0;
        int p = 0;
        bool horizontal = true;
    };
    std::optional<Frame> frame();
    bool xorDragging() const { return m_dragging && !m_dragRepaint; }
    // The back and front parts' segments, projected, each once.
    Drawn currentDrawn() const;
    OverlayShape<Drawn>::Draw drawnDraw() const;
    int linePixel() const;
    double valueAt(int x, int y) const;
    void endDrag();

    bool m_allowDrag = true;
    bool m_dragRepaint = false;
    bool m_draw3D = true;
    bool m_drawBehind = false;
    bool m_noLimitDrag = false;
    TColorLineStyle m_style = clCustom;
    double m_value = 0;
    bool m_dragging = false;
    QPointer<TCustomAxisPanel> m_ownerChart;
    OverlayShape<Drawn> m_overlay;
};
