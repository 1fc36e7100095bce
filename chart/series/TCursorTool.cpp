// The cursor tool. Its lines are drawn in xor mode: over the finished picture at the end of every
// draw, and between draws through an overlay on the screen buffer, where drawing them again at the
// same place erases them, so a mouse move repaints only the pixels the lines leave and reach.
#include "TCursorTool.h"

#include "PlotProCo.h"

#include "PlotColor.h"
#include "PlotProcs.h"
#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TPlotCanvas3D.h"

#include <QRegion>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// Inside as the platform tests it: the right and bottom edges lie outside.
bool pointInRect(const TRect &rect, const TPoint &p)
{
    return p.x >= rect.left && p.x < rect.right && p.y >= rect.top && p.y < rect.bottom;
}

// Over the horizontal line the cursor splits vertically, over the vertical line horizontally.
constexpr int kHorizontalLineCursor = -15;
constexpr int kVerticalLineCursor = -14;
constexpr int kCrossingCursor = -22;

} // namespace

TCursorTool::TCursorTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
{
}

QString TCursorTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtCursor);
}

void TCursorTool::SetStyle(TCursorToolStyle value)
{
    m_style = value;
    SnapToPoint();
    Repaint();
}

void TCursorTool::SetSeries(TChartSeries *value)
{
    TPlotCustomToolSeries::SetSeries(value);
    m_lastSnap = -1;
    if (value && !IsLoading()) {
        SnapToPoint();
        Repaint();
    }
}

void TCursorTool::SetActive(bool value)
{
    if (!value)
        m_overlay.forget();
    TPlotCustomToolSeries::SetActive(value);
}

void TCursorTool::SetParentChart(TCustomAxisPanel *value)
{
    if (value == ParentChart())
        return;
    m_overlay.forget();
    TPlotCustomToolSeries::SetParentChart(value);
    Repaint();
}

TRect TCursorTool::GetCursorArea()
{
    TCustomAxisPanel *chart = ParentChart();
    TRect area;
    if (m_wholeChartArea && chart) {
        area = chart->ChartRect;
    } else {
        const TChartAxis *horiz = GetHorizAxis();
        const TChartAxis *vert = GetVertAxis();
        if (horiz && vert) {
            area.left = std::min(horiz->StartPixel(), horiz->EndPixel());
            area.right = std::max(horiz->StartPixel(), horiz->EndPixel());
            area.top = std::min(vert->StartPixel(), vert->EndPixel());
            area.bottom = std::max(vert->StartPixel(), vert->EndPixel());
        }
    }
    if (OnCursorArea)
        OnCursorArea(this, area);
    return area;
}

int TCursorTool::depth() const
{
    const TChartSeries *series = Series();
    return m_useSeriesZ && series ? series->StartZ() : 0;
}

TPoint TCursorTool::modelPoint(int x, int y) const
{
    TCustomAxisPanel *chart = ParentChart();
    if (m_useSeriesZ && Series() && chart)
        chart->Canvas()->InverseCalc3DPos(x, y, depth());
    return {x, y};
}

TCursorTool::TCursorClicked TCursorTool::Clicked(int x, int y)
{
    const TPoint p = modelPoint(x, y);
    if (!pointInRect(GetCursorArea(), p))
        return ccNone;
    const bool nearHorizontal = std::abs(p.y - m_y) <= m_clickTolerance;
    const bool nearVertical = std::abs(p.x - m_x) <= m_clickTolerance;
    if (m_style == cssBoth && nearHorizontal && nearVertical)
        return ccBoth;
    if (m_style != cssVertical && nearHorizontal)
        return ccHorizontal;
    if (m_style != cssHorizontal && nearVertical)
        return ccVertical;
    return ccNone;
}

int TCursorTool::SnapToPoint()
{
    const TChartSeries *series = Series();
    if (!m_snap || !series || series->Count() == 0)
        return -1;
    const int first = std::max(series->FirstValueIndex(), 0);
    int last = series->LastValueIndex();
    if (last < 0 || last >= series->Count())
        last = series->Count() - 1;
    const auto distance = [&](int i) {
        const double dx = m_xValue - series->GetXValue(i);
        const double dy = m_yValue - series->GetYValue(i);
        switch (m_style) {
        case cssHorizontal: return std::abs(dy);
        case cssVertical: return std::abs(dx);
        case cssBoth: break;
        }
        return std::sqrt(dx * dx + dy * dy);
    };
    int nearest = -1;
    double best = 0;
    // The lower index wins a tie: a later point replaces it only when strictly nearer.
    for (int i = first; i <= last; ++i) {
        const double d = distance(i);
        if (nearest == -1 || d < best) {
            nearest = i;
            best = d;
        }
    }
    if (nearest == -1)
        return -1;
    if (m_style != cssVertical)
        m_yValue = series->GetYValue(nearest);
    if (m_style != cssHorizontal)
        m_xValue = series->GetXValue(nearest);
    return nearest;
}

void TCursorTool::CalcLinePositions()
{
    const TChartAxis *horiz = GetHorizAxis();
    const TChartAxis *vert = GetVertAxis();
    if (!horiz || !vert)
        return;
    if (m_x != -1 && m_y != -1) {
        m_x = horiz->ValueToPixel(m_xValue);
        m_y = vert->ValueToPixel(m_yValue);
        return;
    }
    m_x = (horiz->StartPixel() + horiz->EndPixel()) / 2;
    m_y = (vert->StartPixel() + vert->EndPixel()) / 2;
    m_xValue = horiz->PixelToValue(m_x);
    m_yValue = vert->PixelToValue(m_y);
    const int snapped = SnapToPoint();
    m_x = horiz->ValueToPixel(m_xValue);
    m_y = vert->ValueToPixel(m_yValue);
    DoChange(snapped);
}

void TCursorTool::DoChange(int snappedIndex)
{
    if (OnChange)
        OnChange(this, m_x, m_y, m_xValue, m_yValue, Series(), snappedIndex);
}

TCursorTool::DrawnLines TCursorTool::currentLines()
{
    TCustomAxisPanel &chart = *ParentChart();
    DrawnLines lines;
    lines.area = GetCursorArea();
    lines.x = m_x;
    lines.y = m_y;
    lines.z = depth();
    lines.horizontal = m_style != cssVertical;
    lines.vertical = m_style != cssHorizontal;
    lines.in3D = chart.View3D();
    // Xor with the background: where the lines cross the background they show in the pen colour.
    lines.color = PlotColor::ColorToRGB(Pen()->Color()) ^ PlotColor::ColorToRGB(chart.paintColor());
    return lines;
}

void TCursorTool::drawLines(TCanvas3D &canvas, const DrawnLines &lines) const
{
    canvas.AssignVisiblePenColor(*Pen(), lines.color);
    canvas.Pen()->SetMode(pmXor);
    canvas.Brush()->SetStyle(bsClear);
    const TRect &a = lines.area;
    if (lines.horizontal) {
        if (lines.in3D)
            canvas.HorizLine3D(a.left, a.right, lines.y, lines.z);
        else
            canvas.HorizLine(a.left, a.right, lines.y);
    }
    if (lines.vertical) {
        if (lines.in3D)
            canvas.VertLine3D(lines.x, a.top, a.bottom, lines.z);
        else
            canvas.VertLine(lines.x, a.top, a.bottom);
    }
    canvas.Pen()->SetMode(pmCopy);
}

QRegion TCursorTool::linesRegion(const DrawnLines &lines) const
{
    const TCanvas3D &canvas = *ParentChart()->Canvas();
    const auto projected = [&](int x, int y) {
        return lines.in3D ? canvas.Calc3DPoint(x, y, lines.z) : TPoint{x, y};
    };
    const int margin = std::max(1, Pen()->Width()) + 1;
    QRegion region;
    const auto add = [&](TPoint a, TPoint b) {
        region += QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
                      .adjusted(-margin, -margin, margin, margin);
    };
    const TRect &a = lines.area;
    if (lines.horizontal)
        add(projected(a.left, lines.y), projected(a.right, lines.y));
    if (lines.vertical)
        add(projected(lines.x, a.top), projected(lines.x, a.bottom));
    return region;
}

void TCursorTool::ChartEvent(int kind)
{
    TCustomAxisPanel *chart = ParentChart();
    // The panel puts its own cursor back when the mouse leaves it.
    if (kind == TCustomAxisPanel::teMouseLeave)
        forgetToolCursor();
    if (kind != TCustomAxisPanel::teAfterDraw || !chart)
        return;
    CalcLinePositions();
    if (m_x == -1 || m_y == -1)
        return;
    m_overlay.drawInPass(*chart->Canvas(), currentLines(), overlayDraw());
}

OverlayShape<TCursorTool::DrawnLines>::Draw TCursorTool::overlayDraw() const
{
    return [this](TCanvas3D &canvas, const DrawnLines &lines) {
        drawLines(canvas, lines);
        return linesRegion(lines);
    };
}

void TCursorTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y)
{
    Q_UNUSED(button);
    Q_UNUSED(shift);
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    switch (kind) {
    case TChartMouseEventKind::cmeDown:
        if (!m_followMouse) {
            m_dragging = Clicked(x, y);
            if (m_dragging != ccNone)
                chart->CancelMouse = true;
        }
        break;
    case TChartMouseEventKind::cmeMove:
        mouseMove(x, y);
        break;
    case TChartMouseEventKind::cmeUp:
        m_dragging = ccNone;
        break;
    }
}

void TCursorTool::mouseMove(int x, int y)
{
    TCustomAxisPanel &chart = *ParentChart();
    const TPoint p = modelPoint(x, y);
    if ((m_dragging != ccNone || m_followMouse) && pointInRect(GetCursorArea(), p)) {
        moveTo(p);
        // A dragged line has the mouse: the chart shows no series cursor meanwhile.
        if (m_dragging != ccNone)
            chart.CancelMouse = true;
        return;
    }
    const TCursorClicked part = Clicked(x, y);
    showCursorFor(part);
    chart.CancelMouse = part != ccNone;
}

void TCursorTool::showCursorFor(TCursorClicked part)
{
    if (part == ccNone) {
        restoreToolCursor();
        return;
    }
    const int number = part == ccHorizontal ? kHorizontalLineCursor
                       : part == ccVertical ? kVerticalLineCursor
                                            : kCrossingCursor;
    showToolCursor(number);
}

void TCursorTool::valuesFromPoint(const TPoint &point)
{
    // Following the mouse, the style says which lines move.
    TCursorClicked part = m_dragging;
    if (part == ccNone)
        part = m_style == cssHorizontal ? ccHorizontal : m_style == cssVertical ? ccVertical : ccBoth;
    if (part != ccVertical)
        m_yValue = GetVertAxis()->PixelToValue(point.y);
    if (part != ccHorizontal)
        m_xValue = GetHorizAxis()->PixelToValue(point.x);
}

void TCursorTool::moveTo(const TPoint &point)
{
    TCustomAxisPanel &chart = *ParentChart();
    if (!GetHorizAxis() || !GetVertAxis())
        return;
    int snapped = -1;
    m_overlay.move(
        chart,
        [&] {
            valuesFromPoint(point);
            snapped = SnapToPoint();
            CalcLinePositions();
            return std::optional<DrawnLines>(currentLines());
        },
        overlayDraw());
    DoChange(snapped);
    if (OnSnapChange && snapped != m_lastSnap)
        OnSnapChange(this, m_x, m_y, m_xValue, m_yValue, Series(), snapped);
    m_lastSnap = snapped;
}
