// The axis arrow tool: draws its arrows after the chart, scrolls its axis on a click.
#include "TAxisArrowTool.h"

#include "PlotProCo.h"
#include "ToolTypes.h"
#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TCustomChart.h"
#include "ToolAxes.h"

#include <cstdlib>

namespace {
constexpr int kHitDistance = 3;
} // namespace

TAxisArrowTool::TAxisArrowTool(QObject *owner)
    : TPlotCustomToolAxis(owner)
{
}

QString TAxisArrowTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtAxisArrows);
}

void TAxisArrowTool::ChartEvent(int kind)
{
    TChartAxis *axis = Axis();
    TCustomAxisPanel *chart = ParentChart();
    if (kind != TCustomAxisPanel::teAfterDraw || !axis || !chart)
        return;
    TCanvas3D &canvas = *chart->Canvas();
    canvas.AssignBrush(*Brush(), chart->paintColor());
    canvas.AssignVisiblePen(*Pen());
    // An axis on the far side of a 3D chart has its arrows at the back.
    const int z = chart->View3D() && axis->OtherSide() ? chart->Width3D : 0;
    if (m_position != aaEnd)
        drawArrow(axis->StartPixel(), m_length, z);
    if (m_position != aaStart)
        drawArrow(axis->EndPixel(), -m_length, z);
}

void TAxisArrowTool::drawArrow(int position, int length, int z)
{
    const TChartAxis &axis = *Axis();
    const int line = axis.PosAxis();
    const TPoint from = axis.Horizontal() ? TPoint{position + length, line} : TPoint{line, position + length};
    const TPoint to = axis.Horizontal() ? TPoint{position, line} : TPoint{line, position};
    ParentChart()->Canvas()->Arrow(true, from, to, m_headWidth, m_headWidth, z, m_sizePercent);
}

TAxisArrowTool::TArrowHit TAxisArrowTool::ClickedArrow(int x, int y) const
{
    const TChartAxis *axis = Axis();
    if (!axis)
        return ahNone;
    const int across = axis->Horizontal() ? y : x;
    const int along = axis->Horizontal() ? x : y;
    if (std::abs(across - axis->PosAxis()) >= kHitDistance)
        return ahNone;
    if (m_position != aaEnd && along > axis->StartPixel() && along < axis->StartPixel() + m_length)
        return ahStart;
    if (m_position != aaStart && along < axis->EndPixel() && along > axis->EndPixel() - m_length)
        return ahEnd;
    return ahNone;
}

void TAxisArrowTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton, TShiftState, int x, int y)
{
    TChartAxis *axis = Axis();
    TCustomAxisPanel *chart = ParentChart();
    if (!axis || !axis->Visible() || !chart)
        return;
    if (kind == TChartMouseEventKind::cmeDown) {
        if (m_scrollPercent == 0)
            return;
        const TArrowHit hit = ClickedArrow(x, y);
        if (hit == ahNone)
            return;
        double delta = m_scrollPercent * (axis->Maximum() - axis->Minimum()) / 100.0;
        if (m_scrollInverted)
            delta = -delta;
        scrollAxis(hit == ahStart ? delta : -delta);
        chart->CancelMouse = true;
        if (OnClick)
            OnClick(this, hit == ahStart);
    } else if (kind == TChartMouseEventKind::cmeMove) {
        hoverCursor(ClickedArrow(x, y) != ahNone, ToolCursor::kHandPoint);
    }
}

void TAxisArrowTool::scrollAxis(double delta)
{
    TChartAxis &axis = *Axis();
    auto *chart = dynamic_cast<TCustomChart *>(ParentChart());
    bool allowed = true;
    if (chart && chart->OnAllowScroll) {
        // The handler may change these; the arrow scrolls by its own delta all the same.
        double minimum = axis.Minimum() + delta;
        double maximum = axis.Maximum() + delta;
        chart->OnAllowScroll(*chart, &axis, minimum, maximum, allowed);
    }
    if (!allowed)
        return;
    axis.Scroll(delta, false);
    TCustomAxisPanel &panel = *ParentChart();
    if (TChartAxis *other = ToolAxes::opposite(panel, axis); other && ToolAxes::shareASeries(panel, axis, *other))
        other->Scroll(delta, false);
    if (chart)
        chart->DoScroll();
}
