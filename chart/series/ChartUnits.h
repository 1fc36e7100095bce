// The registration function of each unit of the chart component library, called by
// registerChartLibrary() in this order.
#pragma once

class ChartClassRegistry;

// The chart, its titles and walls.
void registerChartUnit(ChartClassRegistry &registry);
// The series types: the standard nine, then those of the further series units.
void registerSeriesUnits(ChartClassRegistry &registry);
// The bubble, arrow, Gantt and shape series: called at the end of registerSeriesUnits, so that
// they follow the standard types and come before the functions.
void registerExtendedSeriesUnits(ChartClassRegistry &registry);
// The nine standard series types, in the order of the gallery's "Standard" page. A second call
// adds nothing.
void RegisterStandardSeries();
// The calculated functions.
void registerFunctionUnits(ChartClassRegistry &registry);
// The chart tools.
void registerToolUnits(ChartClassRegistry &registry);
// The page number tool, after the other tools; also the library's page number tool class.
void registerPageNumToolUnit(ChartClassRegistry &registry);
