// Median and mode: the values are collected, sorted stably, and read in order.
#include "TCustomSortedFunction.h"

#include "TChartSeries.h"
#include "TChartValueList.h"

#include <algorithm>
#include <cmath>

void TCustomSortedFunction::SetIncludeNulls(bool value)
{
    if (value == m_includeNulls)
        return;
    m_includeNulls = value;
    Recalculate();
}

double TCustomSortedFunction::Calculate(TChartSeries &source, int firstIndex, int lastIndex)
{
    const std::span<const double> values = source.MandatoryValueList()->Values();
    if (firstIndex == -1)
        firstIndex = 0;
    if (lastIndex == -1)
        lastIndex = source.Count() - 1;
    m_values.clear();
    for (int i = std::max(firstIndex, 0); i <= std::min(lastIndex, int(values.size()) - 1); ++i)
        if (m_includeNulls || !source.IsNull(i))
            m_values.push_back(values[std::size_t(i)]);
    return sortedResult();
}

double TCustomSortedFunction::CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex)
{
    m_values.clear();
    for (const TChartSeries *source : sources) {
        const std::span<const double> values = source->MandatoryValueList()->Values();
        if (valueIndex >= 0 && valueIndex < int(values.size()) && (m_includeNulls || !source->IsNull(valueIndex)))
            m_values.push_back(values[std::size_t(valueIndex)]);
    }
    return sortedResult();
}

double TCustomSortedFunction::sortedResult()
{
    m_values.erase(std::remove_if(m_values.begin(), m_values.end(), [](double v) { return std::isnan(v); }),
                   m_values.end());
    // Stable: equal values keep their order of arrival, as one-by-one sorted insertion gives them.
    std::stable_sort(m_values.begin(), m_values.end());
    const double result = SortedResult(m_values);
    m_values.clear();
    return result;
}

double TCustomSortedFunction::SortedResult(std::span<const double> sorted) const
{
    Q_UNUSED(sorted);
    return 0.0;
}

void TCustomSortedFunction::Assign(const TPlotFunction &source)
{
    TPlotFunction::Assign(source);
    if (const auto *sorted = qobject_cast<const TCustomSortedFunction *>(&source))
        m_includeNulls = sorted->m_includeNulls;
}

double TMedianPlotFunction::SortedResult(std::span<const double> sorted) const
{
    const std::size_t n = sorted.size();
    if (n == 0)
        return 0.0;
    if (n % 2 == 1)
        return sorted[n / 2];
    return (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

double TModePlotFunction::SortedResult(std::span<const double> sorted) const
{
    if (sorted.empty())
        return 0.0;
    double result = sorted[0];
    std::size_t run = 1;
    std::size_t best = 0;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i - 1] == sorted[i]) {
            ++run;
            continue;
        }
        if (best < run) {
            result = sorted[i - 1];
            best = run;
        }
        run = 1;
    }
    if (best < run)
        result = sorted.back();
    return result;
}
