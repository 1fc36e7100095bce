// The axis scroll tool: a press on an axis takes it, each move scrolls it by the pixels moved.
#include "TAxisScrollTool.h"

#include "PlotProCo.h"
#include "ToolTypes.h"
#include "TChartAxes.h"
#include "TCustomAxisPanel.h"
#include "ToolAxes.h"

namespace {

void scrollByPixels(TChartAxis &axis, int pixels)
{
    if (axis.PixelSize() == 0)
        return;
    axis.Scroll((axis.Maximum() - axis.Minimum()) * pixels / axis.PixelSize(), false);
}
} // namespace

TAxisScrollTool::TAxisScrollTool(QObject *owner)
    : TPlotCustomToolAxis(owner)
{
}

QString TAxisScrollTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtAxisScroll);
}

TChartAxis *TAxisScrollTool::axisAt(int x, int y) const
{
    if (TChartAxis *axis = Axis())
        return axis->Visible() && axis->Clicked(x, y) ? axis : nullptr;
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return nullptr;
    const TChartAxes &axes = chart->Axes();
    for (int i = 0; i < axes.Count(); ++i)
        if (axes[i]->Visible() && axes[i]->Clicked(x, y))
            return axes[i];
    return nullptr;
}

void TAxisScrollTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton, TShiftState, int x, int y)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    switch (kind) {
    case TChartMouseEventKind::cmeDown:
        m_dragged = axisAt(x, y);
        m_lastX = x;
        m_lastY = y;
        break;
    case TChartMouseEventKind::cmeMove:
        if (m_dragged) {
            scrollBy(x, y);
            m_lastX = x;
            m_lastY = y;
            chart->CancelMouse = true;
        } else {
            hoverCursor(axisAt(x, y) != nullptr, ToolCursor::kHandPoint);
        }
        break;
    case TChartMouseEventKind::cmeUp:
        m_dragged = nullptr;
        break;
    }
}

void TAxisScrollTool::scrollBy(int x, int y)
{
    TChartAxis &dragged = *m_dragged;
    const bool horizontal = dragged.Horizontal();
    int d = horizontal ? m_lastX - x : m_lastY - y;
    if (dragged.Inverted())
        d = -d;
    // Screen y grows downwards: a vertical axis follows the mouse unless inverted by the user.
    if (horizontal == m_scrollInverted)
        d = -d;
    TCustomAxisPanel &chart = *ParentChart();
    scrollByPixels(dragged, d);
    const TChartAxes &axes = chart.Axes();
    for (int i = 0; i < axes.Count(); ++i) {
        TChartAxis *other = axes[i];
        if (other != &dragged && other->Horizontal() == horizontal && ToolAxes::shareASeries(chart, dragged, *other))
            scrollByPixels(*other, d);
    }
}
