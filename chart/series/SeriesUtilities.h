// Series utilities of the galleries and editors: new series and functions with unique names,
// copies, replacing a series by one of another type in place, and its legend symbol drawn anywhere.
#pragma once

#include "PlotTypes.h"

class GuiCanvas;
class QObject;
class TChartSeries;
class TCustomAxisPanel;
class TPlotFunction;
struct ChartClassDescriptor;

// A new series of the class, named "Series<n>" with the lowest free n among the owner's children
// and put into the chart; with a function class it also gets its function. The owner is the given
// one, or the chart when none is given or the chart owns one of its series already; the caller
// owns a series with neither. None when the class cannot make a series.
TChartSeries *CreateNewSeries(QObject *owner, TCustomAxisPanel *chart, const ChartClassDescriptor &seriesClass,
                              const ChartClassDescriptor *functionClass = nullptr);
// A new function of the class for the series, named "PlotFunction<n>" among the series' owner's
// children; none when the class cannot make a function.
TPlotFunction *CreateNewPlotFunction(TChartSeries &series, const ChartClassDescriptor &functionClass);
// A series of the same class and function class with the series' properties, in the given chart
// or the series' own.
TChartSeries *CloneChartSeries(const TChartSeries &series, TCustomAxisPanel *chart = nullptr);
// The new series takes the old one's place: its properties, events, dependents, tools, list
// position and name. The old series is freed.
void AssignSeries(TChartSeries *&oldSeries, TChartSeries *newSeries);
// Replaces the series by a new one of the class in the same chart; the variable then refers to it.
// Nothing happens when the class is the series' own or cannot make a series.
void ChangeSeriesType(TChartSeries *&series, const ChartClassDescriptor &newClass);

// Draws the series' legend symbol (for the whole series) into the rectangle of a canvas outside any
// chart, such as a list row or a grid header. The chart that lends its canvas settings and legend
// is the series' own, else the reference chart, else one made for the call. A canvas that is not
// painting yet is begun and ended here.
void PaintSeriesLegend(TChartSeries &series, GuiCanvas &canvas, const TRect &rect,
                       TCustomAxisPanel *referenceChart = nullptr);
