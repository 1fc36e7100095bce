// Two chart classes that add nothing to TChart: saved charts may name them as their class.
#pragma once

#include "TChart.h"

class TChartChart : public TChart
{
    Q_OBJECT
public:
    using TChart::TChart;
};

class TODBCChart : public TChart
{
    Q_OBJECT
public:
    using TChart::TChart;
};
