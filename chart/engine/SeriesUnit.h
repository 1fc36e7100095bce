// Routines around series: their names in editors, the tests of which optional columns a series'
// stored points need, and the class bitmap of galleries.
#pragma once

#include <QString>

#include <utility>
#include <vector>

class QObject;
class TChartSeries;
class TCustomSeriesList;
class TPlotCanvas;

namespace PlotEngine {

// The title (character 6 made a blank), else the name, else "Series" and the 1-based place in its
// chart; empty for an unnamed, untitled series outside a chart.
QString SeriesTitleOrName(const TChartSeries &series);
// Appends, for every series shown in editors, its title (or its name) and the series.
void FillSeriesItems(std::vector<std::pair<QString, TChartSeries *>> &items, const TCustomSeriesList &list,
                     bool useTitles);

// The flags of the stored points; every point is looked at, so that late columns are not lost.
bool SeriesHasOwnXValues(const TChartSeries &series);
bool SeriesHasPointColors(const TChartSeries &series);
bool SeriesHasLabels(const TChartSeries &series);
// The flags of the points WriteData stores.
int SeriesDataFlags(const TChartSeries &series);

// Draws the bitmap named after the object's class (or its parent class) at (x, y).
void DrawClassBitmap(TPlotCanvas &canvas, const QObject &object, int x, int y);

} // namespace PlotEngine
