// The colour line tool. Dragged without DragRepaint, the line moves in not-xor mode over the
// screen buffer; the passes of such a drag draw it in the same mode, so each step erases exactly.
#include "TColorLineTool.h"

#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotProCo.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"

#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kHitDistance = 3;
}

TColorLineTool::TColorLineTool(QObject *owner)
    : TPlotCustomToolAxis(owner)
{
}

QString TColorLineTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtColorLine);
}

void TColorLineTool::SetValue(double value)
{
    if (!IsLoading())
        m_style = clCustom;
    if (xorDragging()) {
        m_value = value;
        return;
    }
    SetDoubleProperty(m_value, value);
}

void TColorLineTool::Assign(const TCustomChartElement &source)
{
    if (const auto *line = qobject_cast<const TColorLineTool *>(&source)) {
        m_allowDrag = line->m_allowDrag;
        m_dragRepaint = line->m_dragRepaint;
        m_draw3D = line->m_draw3D;
        m_drawBehind = line->m_drawBehind;
        m_noLimitDrag = line->m_noLimitDrag;
        m_style = line->m_style;
        m_value = line->m_value;
    }
    TPlotCustomToolAxis::Assign(source);
}

void TColorLineTool::SetActive(bool value)
{
    if (!value) {
        m_dragging = false;
        m_overlay.forget();
    }
    TPlotCustomToolAxis::SetActive(value);
}

TCustomAxisPanel *TColorLineTool::drawingChart() const
{
    return m_ownerChart ? m_ownerChart.data() : ParentChart();
}

void TColorLineTool::bindAxisOnly(TChartAxis *axis)
{
    storeAxis(axis);
}

double TColorLineTool::GetValue() const
{
    const TChartAxis *axis = Axis();
    if (!axis)
        return m_value;
    switch (m_style) {
    case clMaximum: return axis->Maximum();
    case clCenter: return (axis->Maximum() + axis->Minimum()) * 0.5;
    case clMinimum: return axis->Minimum();
    case clCustom: break;
    }
    return m_value;
}

double TColorLineTool::LimitValue(double value) const
{
    const TChartAxis &axis = *Axis();
    double a = axis.PixelToValue(axis.StartPixel());
    double b = axis.PixelToValue(axis.EndPixel());
    if (a > b)
        std::swap(a, b);
    return std::clamp(value, a, b);
}

int TColorLineTool::linePixel() const
{
    double value = GetValue();
    if (m_allowDrag && !m_noLimitDrag)
        value = LimitValue(value);
    return Axis()->ValueToPixel(value);
}

std::optional<TColorLineTool::Frame> TColorLineTool::frame()
{
    TCustomAxisPanel *chart = drawingChart();
    const TChartAxis *axis = Axis();
    if (!chart || !axis || !std::isfinite(GetValue()))
        return std::nullopt;
    TCanvas3D &canvas = *chart->Canvas();
    canvas.AssignVisiblePen(*Pen());
    canvas.SetBackMode(cbmTransparent);
    return Frame{canvas, chart->ChartRect, chart->Width3D, linePixel(), axis->Horizontal()};
}

void TColorLineTool::DrawBackLine()
{
    const std::optional<Frame> f = frame();
    if (!f)
        return;
    const TRect &r = f->rect;
    if (f->horizontal) {
        if (m_draw3D)
            f->canvas.ZLine3D(f->p, r.bottom, 0, f->depth);
        if (m_drawBehind || m_draw3D)
            f->canvas.VertLine3D(f->p, r.top, r.bottom, f->depth);
    } else {
        if (m_draw3D)
            f->canvas.ZLine3D(r.left, f->p, 0, f->depth);
        if (m_drawBehind || m_draw3D)
            f->canvas.HorizLine3D(r.left, r.right, f->p, f->depth);
    }
}

void TColorLineTool::DrawFrontLine()
{
    const std::optional<Frame> f = frame();
    if (!f)
        return;
    const TRect &r = f->rect;
    if (f->horizontal) {
        if (m_draw3D)
            f->canvas.ZLine3D(f->p, r.top, 0, f->depth);
        if (!m_drawBehind)
            f->canvas.VertLine3D(f->p, r.top, r.bottom, 0);
    } else {
        if (m_draw3D)
            f->canvas.ZLine3D(r.right, f->p, 0, f->depth);
        if (!m_drawBehind)
            f->canvas.HorizLine3D(r.left, r.right, f->p, 0);
    }
}

TColorLineTool::Drawn TColorLineTool::currentDrawn() const
{
    const TCustomAxisPanel &chart = *drawingChart();
    const TChartAxis &axis = *Axis();
    const TCanvas3D &canvas = *chart.Canvas();
    const TRect r = chart.ChartRect;
    const int depth = chart.Width3D;
    const int p = linePixel();
    const bool in3D = chart.View3D();
    Drawn drawn;
    const auto add = [&](int x0, int y0, int z0, int x1, int y1, int z1) {
        const TPoint a = in3D ? canvas.Calc3DPoint(x0, y0, z0) : TPoint{x0, y0};
        const TPoint b = in3D ? canvas.Calc3DPoint(x1, y1, z1) : TPoint{x1, y1};
        // Two parts on the same pixels would cancel each other out in not-xor.
        if (a == b || std::find(drawn.segments.begin(), drawn.segments.end(), Segment{a, b}) != drawn.segments.end())
            return;
        drawn.segments.emplace_back(a, b);
    };
    const bool horizontal = axis.Horizontal();
    const auto across = [&](int z) {
        if (horizontal)
            add(p, r.top, z, p, r.bottom, z);
        else
            add(r.left, p, z, r.right, p, z);
    };
    if (m_draw3D) {
        if (horizontal) {
            add(p, r.bottom, 0, p, r.bottom, depth);
            add(p, r.top, 0, p, r.top, depth);
        } else {
            add(r.left, p, 0, r.left, p, depth);
            add(r.right, p, 0, r.right, p, depth);
        }
    }
    if (m_drawBehind || m_draw3D)
        across(depth);
    if (!m_drawBehind)
        across(0);
    drawn.color = PlotColor::ColorToRGB(Pen()->Color()) ^ (0xFFFFFF - PlotColor::ColorToRGB(chart.paintColor()));
    drawn.width = std::max(1, Pen()->Width());
    return drawn;
}

OverlayShape<TColorLineTool::Drawn>::Draw TColorLineTool::drawnDraw() const
{
    return [this](TCanvas3D &canvas, const Drawn &drawn) {
        canvas.AssignVisiblePenColor(*Pen(), drawn.color);
        canvas.Pen()->SetMode(pmNotXor);
        QRegion covered;
        const int margin = drawn.width + 1;
        for (const auto &[a, b] : drawn.segments) {
            canvas.Line(a.x, a.y, b.x, b.y);
            covered += QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
                           .adjusted(-margin, -margin, margin, margin);
        }
        canvas.Pen()->SetMode(pmCopy);
        return covered;
    };
}

void TColorLineTool::ChartEvent(int kind)
{
    TCustomAxisPanel *chart = drawingChart();
    if (!chart || !Axis() || !std::isfinite(GetValue()))
        return;
    if (xorDragging()) {
        // The whole line in not-xor after the chart, so that the next step erases it exactly.
        if (kind == TCustomAxisPanel::teAfterDraw)
            m_overlay.drawInPass(*chart->Canvas(), currentDrawn(), drawnDraw());
        return;
    }
    if (kind == TCustomAxisPanel::teBeforeSeries)
        DrawBackLine();
    else if (kind == TCustomAxisPanel::teAfterDraw)
        DrawFrontLine();
}

bool TColorLineTool::Clicked(int x, int y) const
{
    const TCustomAxisPanel *chart = drawingChart();
    const TChartAxis *axis = Axis();
    if (!chart || !axis || !std::isfinite(GetValue()))
        return false;
    const int p = linePixel();
    const TRect r = chart->ChartRect;
    if (axis->Horizontal())
        return std::abs(x - p) < kHitDistance && y >= r.top && y <= r.bottom;
    return std::abs(y - p) < kHitDistance && x >= r.left && x <= r.right;
}

double TColorLineTool::valueAt(int x, int y) const
{
    const TChartAxis &axis = *Axis();
    const double v = axis.PixelToValue(axis.Horizontal() ? x : y);
    return m_noLimitDrag ? v : LimitValue(v);
}

void TColorLineTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState, int x, int y)
{
    handleMouse(kind, button, x, y);
}

void TColorLineTool::handleMouse(TChartMouseEventKind kind, TMouseButton button, int x, int y)
{
    TCustomAxisPanel *chart = drawingChart();
    if (!m_allowDrag || !Axis() || !chart)
        return;
    switch (kind) {
    case TChartMouseEventKind::cmeDown:
        if (button != mbLeft)
            return;
        m_dragging = Clicked(x, y);
        chart->CancelMouse = m_dragging;
        if (!m_dragging)
            return;
        // The pass that follows draws the line in not-xor, so the steps can erase it.
        if (!m_dragRepaint)
            chart->Invalidate();
        if (OnBeginDragLine)
            OnBeginDragLine(this);
        break;
    case TChartMouseEventKind::cmeMove:
        if (!m_dragging) {
            hoverCursor(Clicked(x, y), Axis()->Horizontal() ? ToolCursor::kHorizontalSplit : ToolCursor::kVerticalSplit);
            return;
        }
        {
            const double v = valueAt(x, y);
            if (m_dragRepaint) {
                SetValue(v);
            } else if (GetValue() != v) {
                m_overlay.move(
                    *chart,
                    [&] {
                        m_style = clCustom;
                        m_value = v;
                        return std::optional<Drawn>(currentDrawn());
                    },
                    drawnDraw());
            }
            chart->CancelMouse = true;
            if (OnDragLine)
                OnDragLine(this);
        }
        break;
    case TChartMouseEventKind::cmeUp:
        if (m_dragging)
            endDrag();
        break;
    }
}

void TColorLineTool::endDrag()
{
    const bool repaint = !m_dragRepaint;
    m_dragging = false;
    m_overlay.forget();
    if (repaint)
        if (TCustomAxisPanel *chart = drawingChart())
            chart->Invalidate();
    if (onDragEnded)
        onDragEnded(this);
    if (OnEndDragLine)
        OnEndDragLine(this);
}
