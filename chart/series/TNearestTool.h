// The nearest point tool: follows the mouse and marks the point of its series nearest to it on
// the screen, optionally with a line from the mouse to the point.
#pragma once

#include "OverlayShape.h"
#include "ToolTypes.h"

#include "TPlotCustomTool.h"

#include <functional>

class TNearestTool;

using TNearestToolNotifyEvent = std::function<void(TNearestTool *sender)>;

class TNearestTool : public TPlotCustomToolSeries
{
    Q_OBJECT
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(bool DrawLine READ DrawLine WRITE SetDrawLine)
    Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE SetFullRepaint)
    Q_PROPERTY(TChartPen *LinePen READ LinePen WRITE SetLinePen)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(ToolEnums::TNearestToolStyle Style READ Style WRITE SetStyle)
public:
    Q_INVOKABLE explicit TNearestTool(QObject *owner = nullptr);

    // The visibility of LinePen.
    bool DrawLine() const;
    void SetDrawLine(bool value);
    Q_INVOKABLE bool IsDrawLineStored() const { return !DrawLine(); }
    bool FullRepaint() const { return m_fullRepaint; }
    void SetFullRepaint(bool value);
    Q_INVOKABLE bool IsFullRepaintStored() const { return !m_fullRepaint; }
    TChartPen *LinePen() const { return m_linePen; }
    void SetLinePen(const TChartPen *value);
    int Size() const { return m_size; }
    void SetSize(int value) { SetIntegerProperty(m_size, value); }
    Q_INVOKABLE bool IsSizeStored() const { return m_size != 20; }
    TNearestToolStyle Style() const { return m_style; }
    void SetStyle(TNearestToolStyle value) { setProperty(m_style, value); }
    Q_INVOKABLE bool IsStyleStored() const { return m_style != hsCircle; }

    // The nearest point found last; -1 for none.
    int Point() const { return m_point; }

    TNearestToolNotifyEvent OnChange;

    // The index of the shown point of the series nearest to the pixel: inside the chart rectangle,
    // nearer than 10000 pixels (rounded), null points skipped, the lower index on a tie; -1 for none.
    int GetNearestPoint(int x, int y) const;

    void ChartEvent(int kind) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TNearestToolEdit"); }
    void SetSeries(TChartSeries *value) override;
    void SetActive(bool value) override;
    void SetParentChart(TCustomAxisPanel *value) override;

private:
    // The marker as drawn: its centre, depth and the mouse it is joined to.
    struct Marker
    {
        TPoint centre;
        int z = 0;
        TPoint mouse;
        bool in3D = false;
    };

    std::optional<Marker> currentMarker() const;
    OverlayShape<Marker>::Draw markerDraw() const;
    QRegion drawMarker(TCanvas3D &canvas, const Marker &marker) const;
    // Looks at the points from first to last one by one.
    int fullWalk(int x, int y, int first, int last) const;
    // On a flat chart with ordered points: outward from the mouse's column (row for a horizontal
    // series), stopping where the distance along the axis alone exceeds the best distance.
    int outwardWalk(int x, int y, int first, int last) const;
    bool canWalkOutward() const;
    void moveTo(int x, int y);

    bool m_fullRepaint = true;
    TChartPen *m_linePen = nullptr; // child
    int m_size = 20;
    TNearestToolStyle m_style = hsCircle;
    int m_point = -1;
    TPoint m_mouse{-1, -1};
    OverlayShape<Marker> m_marker;
};
