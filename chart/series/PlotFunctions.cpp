// Sum, high, low and average over a range of one source or across sources at one index.
#include "PlotFunctions.h"

#include "TChartSeries.h"
#include "TChartValueList.h"

#include <algorithm>
#include <functional>

namespace {

// The value of the source at the index, when it has one there.
const double *valueAt(const TPlotFunction &function, const TChartSeries &source, int index)
{
    const std::span<const double> values = function.ValueList(source)->Values();
    return index >= 0 && index < int(values.size()) ? &values[std::size_t(index)] : nullptr;
}

// The range first..last of the list, cut to its values; -1 as first means all of them.
std::span<const double> rangeOf(const TChartValueList &list, int first, int last)
{
    const std::span<const double> values = list.Values();
    if (first == -1) {
        first = 0;
        last = int(values.size()) - 1;
    }
    first = std::max(first, 0);
    last = std::min(last, int(values.size()) - 1);
    if (last < first)
        return {};
    return values.subspan(std::size_t(first), std::size_t(last - first + 1));
}

// The first value seeds the result; a later one replaces it when better. 0 for no value.
double extreme(std::span<const double> values, const std::function<bool(double, double)> &better)
{
    if (values.empty())
        return 0.0;
    double result = values.front();
    for (const double v : values.subspan(1))
        if (better(v, result))
            result = v;
    return result;
}

// The same across sources: the first source that has a value at the index seeds the result. (Seeding
// with 0 made the highest of {-5} 0 when the first source had no value there.)
double extremeMany(const TPlotFunction &function, const std::vector<TChartSeries *> &sources, int index,
                   const std::function<bool(double, double)> &better)
{
    bool seeded = false;
    double result = 0.0;
    for (const TChartSeries *source : sources) {
        const double *v = valueAt(function, *source, index);
        if (!v)
            continue;
        if (!seeded || better(*v, result))
            result = *v;
        seeded = true;
    }
    return result;
}

} // namespace

double TAddPlotFunction::Calculate(TChartSeries &source, int firstIndex, int lastIndex)
{
    const TChartValueList &list = *ValueList(source);
    if (firstIndex == -1)
        return list.Total();
    double sum = 0.0;
    for (const double v : rangeOf(list, firstIndex, lastIndex))
        sum += v;
    return sum;
}

double TAddPlotFunction::CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex)
{
    double sum = 0.0;
    for (const TChartSeries *source : sources)
        if (const double *v = valueAt(*this, *source, valueIndex))
            sum += *v;
    return sum;
}

double THighPlotFunction::Calculate(TChartSeries &source, int firstIndex, int lastIndex)
{
    const TChartValueList &list = *ValueList(source);
    if (firstIndex == -1)
        return list.MaxValue();
    return extreme(rangeOf(list, firstIndex, lastIndex), std::greater<double>());
}

double THighPlotFunction::CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex)
{
    return extremeMany(*this, sources, valueIndex, std::greater<double>());
}

double TLowPlotFunction::Calculate(TChartSeries &source, int firstIndex, int lastIndex)
{
    const TChartValueList &list = *ValueList(source);
    if (firstIndex == -1)
        return list.MinValue();
    return extreme(rangeOf(list, firstIndex, lastIndex), std::less<double>());
}

double TLowPlotFunction::CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex)
{
    return extremeMany(*this, sources, valueIndex, std::less<double>());
}

void TAveragePlotFunction::SetIncludeNulls(bool value)
{
    if (value == m_includeNulls)
        return;
    m_includeNulls = value;
    Recalculate();
}

double TAveragePlotFunction::Calculate(TChartSeries &source, int firstIndex, int lastIndex)
{
    const TChartValueList &list = *ValueList(source);
    if (firstIndex == -1 && m_includeNulls)
        return source.Count() == 0 ? 0.0 : list.Total() / source.Count();
    if (firstIndex == -1) {
        firstIndex = 0;
        lastIndex = source.Count() - 1;
    }
    const std::span<const double> values = list.Values();
    double sum = 0.0;
    int count = 0;
    for (int i = std::max(firstIndex, 0); i <= std::min(lastIndex, int(values.size()) - 1); ++i) {
        if (!m_includeNulls && source.IsNull(i))
            continue;
        sum += values[std::size_t(i)];
        ++count;
    }
    return count == 0 ? 0.0 : sum / count;
}

double TAveragePlotFunction::CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex)
{
    double sum = 0.0;
    int count = 0;
    for (const TChartSeries *source : sources) {
        const double *v = valueAt(*this, *source, valueIndex);
        if (!v || (!m_includeNulls && source->IsNull(valueIndex)))
            continue;
        sum += *v;
        ++count;
    }
    return count == 0 ? 0.0 : sum / count;
}

void TAveragePlotFunction::Assign(const TPlotFunction &source)
{
    TPlotFunction::Assign(source);
    if (const auto *average = qobject_cast<const TAveragePlotFunction *>(&source))
        m_includeNulls = average->m_includeNulls;
}
