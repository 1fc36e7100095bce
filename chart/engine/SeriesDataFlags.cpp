// Data flags of a series, over all its points.
#include "SeriesDataFlags.h"

#include "TChartValueList.h"

#include <algorithm>

namespace PlotEngine {

int GetSeriesDataFlags(const SeriesDataView &series)
{
    int flags = 0;
    if (series.notMandatoryValues) {
        const std::span<const double> x = series.notMandatoryValues->Values();
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (x[i] != double(i)) {
                flags |= sdfXValues;
                break;
            }
        }
    }
    if (std::any_of(series.colors.begin(), series.colors.end(),
                    [&](TColor c) { return c != clDefault && c != series.seriesColor; }))
        flags |= sdfColors;
    if (std::any_of(series.labels.begin(), series.labels.end(), [](const QString &s) { return !s.isEmpty(); }))
        flags |= sdfLabels;
    if (series.customMarkPositions)
        flags |= sdfMarkPositions;
    return flags;
}

} // namespace PlotEngine
