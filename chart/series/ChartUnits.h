// The registration function of each unit of the chart component library, called by
// registerChartLibrary() in this order.
#pragma once

class ChartClassRegistry;

// The chart, its titles and walls.
void registerChartUnit(ChartClassRegistry &registry);
// The standard series types (line, point, area and the others as they are built).
void registerSeriesUnits(ChartClassRegistry &registry);
// The bubble, arrow, Gantt and shape series: called at the end of registerSeriesUnits, so that
// they follow the standard types and come before the functions.
void registerExtendedSeriesUnits(ChartClassRegistry &registry);
// The chart tools.
void registerToolUnits(ChartClassRegistry &registry);
