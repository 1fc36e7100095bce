// The chart as applications place it: publishes what the chart component has.
#pragma once

#include "TCustomChart.h"

class TChart : public TCustomChart
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TMouseButton ScrollMouseButton READ ScrollMouseButton WRITE SetScrollMouseButton)
public:
    explicit TChart(QWidget *parent = nullptr);
};
