// Data flags of a series, over all its points.
#include "SeriesDataFlags.h"

#include "TChartValueList.h"

#include <algorithm>

namespace PlotEngine {

int GetSeriesDataFlags(const SeriesDataView &series)
{
    int flags = 0;
    const auto stored = [&series](std::size_t i) { return !series.isStored || series.isStored(int(i)); };
    if (series.notMandatoryValues) {
        const std::span<const double> x = series.notMandatoryValues->Values();
        std::size_t position = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (!stored(i))
                continue;
            if (x[i] != double(position++)) {
                flags |= sdfXValues;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < series.colors.size(); ++i) {
        const TColor c = series.colors[i];
        if (c != clDefault && c != series.seriesColor && stored(i)) {
            flags |= sdfColors;
            break;
        }
    }
    for (std::size_t i = 0; i < series.labels.size(); ++i) {
        if (!series.labels[i].isEmpty() && stored(i)) {
            flags |= sdfLabels;
            break;
        }
    }
    if (series.customMarkPositions)
        flags |= sdfMarkPositions;
    return flags;
}

} // namespace PlotEngine
