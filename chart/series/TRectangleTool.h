// The rectangle tool: an annotation box that the user moves and resizes with the mouse.
#pragma once

#include "TAnnotationTool.h"

#include <functional>

class TRectangleTool;

using TRectangleToolNotifyEvent = std::function<void(TRectangleTool *sender)>;

class TRectangleTool : public TAnnotationTool
{
    Q_OBJECT
public:
    // The edge under a point or being dragged.
    enum TEdge { reNone = -1, reLeft = 0, reTop = 1, reRight = 2, reBottom = 3 };

    Q_INVOKABLE explicit TRectangleTool(QObject *owner = nullptr);

    TRectangleToolNotifyEvent OnDragged;
    TRectangleToolNotifyEvent OnDragging;
    TRectangleToolNotifyEvent OnResized;
    TRectangleToolNotifyEvent OnResizing;

    // Inside the box: left, top, right, bottom, in this order, within 4 pixels; else none.
    TEdge ClickedEdge(int x, int y) const;

    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;

private:
    void resizeTo(int x, int y);

    bool m_dragging = false;
    TEdge m_edge = reNone;
    int m_offsetX = 0;
    int m_offsetY = 0;
};
