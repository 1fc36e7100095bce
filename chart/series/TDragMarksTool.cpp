// The drag marks tool: a press on a mark takes it, moves shift its stored position.
#include "TDragMarksTool.h"

#include "PlotProCo.h"
#include "ToolTypes.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TSeriesMarks.h"

TDragMarksTool::TDragMarksTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
{
}

QString TDragMarksTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtDragMarks);
}

TChartSeries *TDragMarksTool::markAt(int x, int y, bool visibleMarksOnly, int &index) const
{
    const auto hit = [&](TChartSeries *series) {
        if (!series || !series->Active() || (visibleMarksOnly && !series->Marks()->Visible()))
            return false;
        index = series->Marks()->Clicked(x, y);
        return index != -1;
    };
    index = -1;
    if (TChartSeries *series = Series())
        return hit(series) ? series : nullptr;
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return nullptr;
    for (int i = chart->SeriesCount() - 1; i >= 0; --i)
        if (hit(chart->GetSeries(i)))
            return chart->GetSeries(i);
    return nullptr;
}

void TDragMarksTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton, TShiftState, int x, int y)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    switch (kind) {
    case TChartMouseEventKind::cmeDown: {
        int index = -1;
        if (TChartSeries *series = markAt(x, y, false, index)) {
            m_dragged = series;
            m_index = index;
            m_lastX = x;
            m_lastY = y;
            chart->CancelMouse = true;
        }
        break;
    }
    case TChartMouseEventKind::cmeMove:
        if (m_index != -1 && m_dragged) {
            dragTo(x, y);
            chart->CancelMouse = true;
            break;
        }
        {
            int index = -1;
            hoverCursor(markAt(x, y, true, index) != nullptr, ToolCursor::kHandPoint);
        }
        break;
    case TChartMouseEventKind::cmeUp:
        m_index = -1;
        m_dragged = nullptr;
        break;
    }
}

void TDragMarksTool::dragTo(int x, int y)
{
    TSeriesMarkPosition *position = m_dragged->Marks()->Positions().GetPosition(m_index);
    if (!position)
        return;
    const int dx = x - m_lastX;
    const int dy = y - m_lastY;
    position->Custom = true;
    position->LeftTop.x += dx;
    position->LeftTop.y += dy;
    position->ArrowTo.x += dx;
    position->ArrowTo.y += dy;
    m_lastX = x;
    m_lastY = y;
    m_dragged->Repaint();
}
