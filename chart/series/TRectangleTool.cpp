// The rectangle tool: moved by its inside, resized by its edges, never below 3 pixels a side.
#include "TRectangleTool.h"

#include "PlotProCo.h"
#include "TCustomAxisPanel.h"
#include "TPlotShadow.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kEdgeDistance = 4;
constexpr int kSmallestSide = 3;
} // namespace

TRectangleTool::TRectangleTool(QObject *owner)
    : TAnnotationTool(owner)
{
    SetAutoSize(false);
    TPlotShapePosition &shape = *Shape();
    shape.SetCustomPosition(true);
    shape.Shadow()->SetSize(0);
    shape.SetTransparency(75);
    shape.SetShapeBounds({10, 10, 60, 60});
    SetPositionUnits(muPixels);
    SetCursor(ToolCursor::kHandPoint);
}

QString TRectangleTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtRectangle);
}

TRectangleTool::TEdge TRectangleTool::ClickedEdge(int x, int y) const
{
    if (!Clicked(x, y))
        return reNone;
    const TRect box = BoxRect();
    if (std::abs(x - box.left) < kEdgeDistance)
        return reLeft;
    if (std::abs(y - box.top) < kEdgeDistance)
        return reTop;
    if (std::abs(x - box.right) < kEdgeDistance)
        return reRight;
    if (std::abs(y - box.bottom) < kEdgeDistance)
        return reBottom;
    return reNone;
}

void TRectangleTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y)
{
    TAnnotationTool::ChartMouseEvent(kind, button, shift, x, y);
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || !Active())
        return;
    TPlotShapePosition &shape = *Shape();
    switch (kind) {
    case TChartMouseEventKind::cmeDown: {
        if (button != mbLeft)
            return;
        m_edge = ClickedEdge(x, y);
        const TRect box = shape.ShapeBounds();
        if (m_edge == reNone) {
            if (!Clicked(x, y))
                return;
            m_offsetX = x - box.left;
            m_offsetY = y - box.top;
            m_dragging = true;
        } else {
            m_offsetX = x - (m_edge == reRight ? box.right : box.left);
            m_offsetY = y - (m_edge == reBottom ? box.bottom : box.top);
        }
        chart->CancelMouse = true;
        break;
    }
    case TChartMouseEventKind::cmeMove:
        if (m_dragging) {
            const TRect box = shape.ShapeBounds();
            const int w = box.right - box.left, h = box.bottom - box.top;
            shape.SetShapeBounds({x - m_offsetX, y - m_offsetY, x - m_offsetX + w, y - m_offsetY + h});
            Repaint();
            if (OnDragging)
                OnDragging(this);
        } else if (m_edge != reNone) {
            resizeTo(x, y);
        } else {
            const TEdge edge = ClickedEdge(x, y);
            if (edge == reLeft || edge == reRight)
                hoverCursor(true, ToolCursor::kSizeWestEast);
            else if (edge == reTop || edge == reBottom)
                hoverCursor(true, ToolCursor::kSizeNorthSouth);
            else
                hoverCursor(Cursor() != 0 && Clicked(x, y), Cursor());
        }
        break;
    case TChartMouseEventKind::cmeUp:
        if (m_dragging && OnDragged)
            OnDragged(this);
        m_dragging = false;
        if (m_edge != reNone && OnResized)
            OnResized(this);
        m_edge = reNone;
        break;
    }
}

void TRectangleTool::resizeTo(int x, int y)
{
    TRect box = Shape()->ShapeBounds();
    switch (m_edge) {
    case reLeft: box.left = std::min(box.right - kSmallestSide, x - m_offsetX); break;
    case reTop: box.top = std::min(box.bottom - kSmallestSide, y - m_offsetY); break;
    case reRight: box.right = std::max(box.left + kSmallestSide, x - m_offsetX); break;
    case reBottom: box.bottom = std::max(box.top + kSmallestSide, y - m_offsetY); break;
    case reNone: return;
    }
    Shape()->SetShapeBounds(box);
    Repaint();
    if (OnResizing)
        OnResizing(this);
}
