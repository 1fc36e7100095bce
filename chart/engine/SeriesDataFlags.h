// Which optional columns a series' data has, for the data exporters and the stored point data.
#pragma once

#include "PlotTypes.h"

#include <QString>

#include <functional>
#include <span>

class TChartValueList;

// The parts of a series the flags are computed from.
struct SeriesDataView
{
    const TChartValueList *notMandatoryValues = nullptr; // X for ordinary series
    std::span<const TColor> colors;                      // per-point colours, empty when none
    TColor seriesColor = clDefault;
    std::span<const QString> labels;                     // may be shorter than the point count
    bool customMarkPositions = false;
    // Whether a point belongs to the data; none: every point. The others are left out, and the
    // X values of those that remain are compared with their new positions.
    std::function<bool(int)> isStored;
};

namespace PlotEngine {

enum SeriesDataFlag { sdfXValues = 1, sdfColors = 2, sdfLabels = 4, sdfMarkPositions = 8 };

// sdfXValues when some X value differs from its index, sdfColors when some point has a colour of
// its own (neither the default sentinel nor the series colour), sdfLabels when some label is not
// empty, sdfMarkPositions for custom mark positions. Every point is looked at: a column whose data
// start late must not be dropped.
int GetSeriesDataFlags(const SeriesDataView &series);

} // namespace PlotEngine
