// The cursor tool: a horizontal and/or a vertical line across the plot that the user drags, or
// that follows the mouse, optionally snapping to the nearest point of a series.
#pragma once

#include "OverlayShape.h"
#include "ToolTypes.h"

#include "TPlotCustomTool.h"

#include <functional>
#include <optional>

class TCanvas3D;
class TChartSeries;
class TCursorTool;

// x and y are the pixel positions of the vertical and the horizontal line; valueIndex is the
// snapped point or -1.
using TCursorToolChangeEvent = std::function<void(TCursorTool *sender, int x, int y, double xValue, double yValue,
                                                  TChartSeries *series, int valueIndex)>;
// May widen or change the area the lines are drawn and hit in.
using TCursorToolGetAreaEvent = std::function<void(TCursorTool *sender, TRect &rect)>;

class TCursorTool : public TPlotCustomToolSeries
{
    Q_OBJECT
    Q_PROPERTY(int ClickTolerance READ ClickTolerance WRITE SetClickTolerance)
    Q_PROPERTY(bool FollowMouse READ FollowMouse WRITE SetFollowMouse)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(bool Snap READ Snap WRITE SetSnap)
    Q_PROPERTY(ToolEnums::TCursorToolStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool UseSeriesZ READ UseSeriesZ WRITE SetUseSeriesZ)
public:
    // The part of the cursor under a point, or being dragged.
    enum TCursorClicked { ccNone, ccHorizontal, ccVertical, ccBoth };

    Q_INVOKABLE explicit TCursorTool(QObject *owner = nullptr);

    int ClickTolerance() const { return m_clickTolerance; }
    void SetClickTolerance(int value) { m_clickTolerance = value; }
    Q_INVOKABLE bool IsClickToleranceStored() const { return m_clickTolerance != 3; }
    bool FollowMouse() const { return m_followMouse; }
    void SetFollowMouse(bool value) { m_followMouse = value; }
    Q_INVOKABLE bool IsFollowMouseStored() const { return m_followMouse; }
    bool Snap() const { return m_snap; }
    void SetSnap(bool value) { m_snap = value; }
    Q_INVOKABLE bool IsSnapStored() const { return m_snap; }
    TCursorToolStyle Style() const { return m_style; }
    // Stores, snaps and repaints.
    void SetStyle(TCursorToolStyle value);
    Q_INVOKABLE bool IsStyleStored() const { return m_style != cssBoth; }
    bool UseSeriesZ() const { return m_useSeriesZ; }
    void SetUseSeriesZ(bool value) { SetBooleanProperty(m_useSeriesZ, value); }
    Q_INVOKABLE bool IsUseSeriesZStored() const { return m_useSeriesZ; }
    // The chart's rectangle instead of the axes' extent.
    bool WholeChartArea() const { return m_wholeChartArea; }
    void SetWholeChartArea(bool value) { SetBooleanProperty(m_wholeChartArea, value); }

    // The cursor position in axis values; a change repaints the chart.
    double XValue() const { return m_xValue; }
    void SetXValue(double value) { SetDoubleProperty(m_xValue, value); }
    double YValue() const { return m_yValue; }
    void SetYValue(double value) { SetDoubleProperty(m_yValue, value); }
    // Pixel positions of the vertical and the horizontal line; -1 until first computed.
    int VerticalLineX() const { return m_x; }
    int HorizontalLineY() const { return m_y; }
    TCursorClicked Dragging() const { return m_dragging; }
    // The point snapped to last; -1 for none.
    int SnappedIndex() const { return m_lastSnap; }

    TCursorToolChangeEvent OnChange;
    TCursorToolChangeEvent OnSnapChange;
    TCursorToolGetAreaEvent OnCursorArea;

    // The area the lines span and are hit in: the axes' extent or the chart's rectangle, then
    // whatever OnCursorArea makes of it.
    TRect GetCursorArea();
    // The part of the cursor at the pixel: none outside the area or away from the lines.
    TCursorClicked Clicked(int x, int y);
    // With Snap and a series: moves the values to the nearest shown point (by the distance the
    // style measures) and returns its index; -1 otherwise.
    int SnapToPoint();
    // The line pixels from the values; the first time, both lines start in the middle of their axes.
    void CalcLinePositions();

    void SetSeries(TChartSeries *value) override;
    // Inactive, the lines leave the picture with the next draw.
    void SetActive(bool value) override;
    // The lines drawn on the former chart stay with its picture; the new chart draws its own.
    void SetParentChart(TCustomAxisPanel *value) override;
    void ChartEvent(int kind) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TCursorToolEditor"); }

protected:
    // Fires OnChange with the current positions, values and the snapped index.
    virtual void DoChange(int snappedIndex);

private:
    // The lines as they were last drawn on the screen buffer, so that they are erased exactly there.
    struct DrawnLines
    {
        TRect area;
        int x = 0;
        int y = 0;
        int z = 0;
        bool horizontal = false;
        bool vertical = false;
        bool in3D = false;
        TColor color = 0;
    };

    DrawnLines currentLines();
    // Xor-draws the lines; drawing the same lines again removes them.
    void drawLines(TCanvas3D &canvas, const DrawnLines &lines) const;
    // The pixels the lines cover, for repainting only those.
    QRegion linesRegion(const DrawnLines &lines) const;
    OverlayShape<DrawnLines>::Draw overlayDraw() const;
    int depth() const;
    // The mouse point turned back onto the series' depth when the lines are drawn there.
    TPoint modelPoint(int x, int y) const;
    void mouseMove(int x, int y);
    // Erases the lines, takes the values from the point, snaps, draws the lines again and tells.
    void moveTo(const TPoint &point);
    void valuesFromPoint(const TPoint &point);
    void showCursorFor(TCursorClicked part);

    int m_clickTolerance = 3;
    bool m_followMouse = false;
    bool m_snap = false;
    TCursorToolStyle m_style = cssBoth;
    bool m_useSeriesZ = false;
    bool m_wholeChartArea = false;
    double m_xValue = 0;
    double m_yValue = 0;
    int m_x = -1;
    int m_y = -1;
    TCursorClicked m_dragging = ccNone;
    int m_lastSnap = -1;
    OverlayShape<DrawnLines> m_overlay;
};
