// The navigator of the chart data grid: moves among the rows, appends and deletes rows, starts,
// posts and cancels the cell edit.
#pragma once

#include "TCustomPlotNavigator.h"

#include <QPointer>

class TChartGrid;

class TChartGridNavigator : public TCustomPlotNavigator
{
    Q_OBJECT
public:
    explicit TChartGridNavigator(QWidget *parent = nullptr);
    ~TChartGridNavigator() override;

    TChartGrid *Grid() const { return m_grid; }
    // Hooks the grid's changed and moved notifications; none unhooks.
    void SetGrid(TChartGrid *grid);
    void EnableButtons() override;

protected:
    void ButtonAction(TPlotNavigateBtn index) override;

private:
    void unhook();

    QPointer<TChartGrid> m_grid;
};
