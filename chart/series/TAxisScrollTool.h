// The axis scroll tool: the user drags an axis itself and it scrolls by the dragged distance.
#pragma once

#include "TChartAxis.h"
#include "TPlotCustomTool.h"

#include <QPointer>

class TAxisScrollTool : public TPlotCustomToolAxis
{
    Q_OBJECT
    Q_PROPERTY(bool ScrollInverted READ ScrollInverted WRITE SetScrollInverted)
public:
    Q_INVOKABLE explicit TAxisScrollTool(QObject *owner = nullptr);

    bool ScrollInverted() const { return m_scrollInverted; }
    void SetScrollInverted(bool value) { m_scrollInverted = value; }
    Q_INVOKABLE bool IsScrollInvertedStored() const { return m_scrollInverted; }
    TChartAxis *DraggedAxis() const { return m_dragged; }

    // The axis under the point: Axis only when set, else the first visible axis of the chart.
    TChartAxis *axisAt(int x, int y) const;

    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;

private:
    // Scrolls the dragged axis, and every axis of its orientation sharing a series with it, each by
    // its own range over its own length.
    void scrollBy(int x, int y);

    bool m_scrollInverted = false;
    QPointer<TChartAxis> m_dragged;
    int m_lastX = 0;
    int m_lastY = 0;
};
