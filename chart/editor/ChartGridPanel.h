// The chart data grid with its navigator below: the "Manual" panel of the series editor's Data
// Source tab (on one series) and the body of the chart editor's Data tab (on the chart).
#pragma once

#include <QWidget>

class TChartGrid;
class TChartGridNavigator;

class ChartGridPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ChartGridPanel(QWidget *parent = nullptr);

    TChartGrid *ChartGrid1;
    TChartGridNavigator *ChartGridNavigator1;
};
