// Point-by-point combination of several sources.
#include "TManySeriesPlotFunction.h"

#include "TChartSeries.h"
#include "TChartValueList.h"

double TManySeriesPlotFunction::CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex)
{
    bool started = false;
    double result = 0.0;
    for (const TChartSeries *source : sources) {
        const std::span<const double> values = ValueList(*source)->Values();
        if (valueIndex < 0 || valueIndex >= int(values.size()))
            continue;
        const double value = values[std::size_t(valueIndex)];
        result = started ? CalculateValue(result, value) : value;
        started = true;
    }
    return result;
}

double TManySeriesPlotFunction::CalculateValue(double result, double value) const
{
    Q_UNUSED(result);
    Q_UNUSED(value);
    return 0.0;
}
