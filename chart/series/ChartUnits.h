// The registration function of each unit of the chart component library, called by
// registerChartLibrary() in this order.
#pragma once

class ChartClassRegistry;

// The chart, its titles and walls.
void registerChartUnit(ChartClassRegistry &registry);
// The standard series types (line, point, area and the others as they are built).
void registerSeriesUnits(ChartClassRegistry &registry);
// The chart tools.
void registerToolUnits(ChartClassRegistry &registry);
