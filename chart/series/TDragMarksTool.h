// The drag marks tool: the user drags a series mark to another place; the mark keeps it.
#pragma once

#include "TChartSeries.h"
#include "TPlotCustomTool.h"

#include <QPointer>

class TDragMarksTool : public TPlotCustomToolSeries
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TDragMarksTool(QObject *owner = nullptr);

    // The mark being dragged: its point's index (-1 for none) and its series.
    int DraggedIndex() const { return m_index; }
    TChartSeries *DraggedSeries() const { return m_dragged; }

    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TDragMarksToolEditor"); }

private:
    // The series whose mark lies under the point, its Series only when set, else the last series
    // first; index is the mark's point.
    TChartSeries *markAt(int x, int y, bool visibleMarksOnly, int &index) const;
    void dragTo(int x, int y);

    int m_index = -1;
    QPointer<TChartSeries> m_dragged;
    int m_lastX = 0;
    int m_lastY = 0;
};
