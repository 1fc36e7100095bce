// The rotate tool. Angles follow the drag: right turns the chart on, up raises the elevation
// (a positive delta, at most 360), down lowers it (at least 270).
#include "TRotateTool.h"

#include "PlotColor.h"
#include "PlotProCo.h"
#include "TCanvas3D.h"
#include "TCustomAxisPanel.h"
#include "TView3DOptions.h"

#include <algorithm>

namespace {

double wrapped(double angle)
{
    if (angle >= 360)
        angle -= 360;
    else if (angle < 0)
        angle += 360;
    return angle;
}

} // namespace

TRotateTool::TRotateTool(QObject *owner)
    : TPlotCustomTool(owner)
{
    Pen()->setDefaultVisible(false);
    Pen()->SetColor(clWhite);
    Pen()->SetMode(pmXor);
}

TRotateTool::~TRotateTool()
{
    endDrag();
}

QString TRotateTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtRotate);
}

void TRotateTool::SetActive(bool value)
{
    if (!value)
        endDrag();
    TPlotCustomTool::SetActive(value);
}

void TRotateTool::SetParentChart(TCustomAxisPanel *value)
{
    if (value != ParentChart())
        endDrag();
    TPlotCustomTool::SetParentChart(value);
}

void TRotateTool::endDrag()
{
    m_dragging = false;
    m_outline.forget();
    if (!m_savedAutoRepaint)
        return;
    const bool saved = *m_savedAutoRepaint;
    m_savedAutoRepaint.reset();
    if (TCustomAxisPanel *chart = ParentChart()) {
        chart->AutoRepaint = saved;
        if (!IsDestroying())
            chart->Invalidate();
    }
}

void TRotateTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState, int x, int y)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    switch (kind) {
    case TChartMouseEventKind::cmeDown:
        if (button != m_button)
            return;
        m_dragging = true;
        m_lastX = x;
        m_lastY = y;
        m_firstMove = true;
        chart->CancelMouse = true;
        break;
    case TChartMouseEventKind::cmeMove:
        if (m_dragging)
            rotateStep(x, y);
        break;
    case TChartMouseEventKind::cmeUp:
        if (m_dragging)
            endDrag();
        break;
    }
}

void TRotateTool::rotateStep(int x, int y)
{
    TCustomAxisPanel &chart = *ParentChart();
    // A chart without width or height has no angle per pixel.
    if (chart.width() <= 0 || chart.height() <= 0)
        return;
    double dRot = (x - m_lastX) * 90.0 / chart.width();
    double dElev = (m_lastY - y) * 90.0 / chart.height();
    if (m_inverted) {
        dRot = -dRot;
        dElev = -dElev;
    }
    const bool outline = Pen()->Visible();
    if (outline && m_firstMove) {
        m_savedAutoRepaint = chart.AutoRepaint;
        chart.AutoRepaint = false;
        m_firstMove = false;
    }
    const auto turn = [&] {
        chart.SetView3D(true);
        TView3DOptions &view = *chart.View3DOptions();
        view.SetOrthogonal(false);
        const bool full = chart.Canvas()->ReservedQuery();
        // The rotation wraps into 0..360 whether or not the canvas turns fully.
        if (m_style != rsElevation && dRot != 0)
            view.SetRotationFloat(wrapped(view.RotationFloat() + dRot));
        if (m_style != rsRotation && dElev != 0) {
            double elevation = view.ElevationFloat() + dElev;
            if (full)
                elevation = wrapped(elevation);
            else if (dElev < 0)
                elevation = std::max(elevation, 270.0);
            else
                elevation = std::min(elevation, 360.0);
            view.SetElevationFloat(elevation);
        }
        m_lastX = x;
        m_lastY = y;
    };
    if (outline) {
        m_outline.move(
            chart,
            [&] {
                turn();
                chart.Canvas()->CalcProjection(chart.Width3D, chart.ChartRect);
                return std::optional<Outline>(currentOutline());
            },
            outlineDraw());
    } else {
        turn();
    }
    chart.CancelMouse = true;
    if (OnRotate)
        OnRotate(this);
}

TRotateTool::Outline TRotateTool::currentOutline() const
{
    const TCustomAxisPanel &chart = *ParentChart();
    const TCanvas3D &canvas = *chart.Canvas();
    const TRect r = chart.ChartRect;
    const int depth = chart.Width3D;
    Outline corners;
    const TPoint face[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    for (int i = 0; i < 4; ++i) {
        corners[std::size_t(i)] = canvas.Calc3DPoint(face[i].x, face[i].y, 0);
        corners[std::size_t(i + 4)] = canvas.Calc3DPoint(face[i].x, face[i].y, depth);
    }
    return corners;
}

OverlayShape<TRotateTool::Outline>::Draw TRotateTool::outlineDraw() const
{
    return [this](TCanvas3D &canvas, const Outline &c) {
        canvas.AssignVisiblePen(*Pen());
        canvas.Pen()->SetMode(pmXor);
        canvas.Brush()->SetStyle(bsClear);
        QRegion covered;
        const auto line = [&](std::size_t a, std::size_t b) {
            canvas.Line(c[a].x, c[a].y, c[b].x, c[b].y);
            covered += QRect(QPoint(std::min(c[a].x, c[b].x), std::min(c[a].y, c[b].y)),
                             QPoint(std::max(c[a].x, c[b].x), std::max(c[a].y, c[b].y)))
                           .adjusted(-2, -2, 2, 2);
        };
        for (std::size_t i = 0; i < 4; ++i) {
            line(i, (i + 1) % 4);
            line(i + 4, (i + 1) % 4 + 4);
            line(i, i + 4);
        }
        canvas.Pen()->SetMode(pmCopy);
        return covered;
    };
}
