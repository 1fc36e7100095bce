// Visible point ranges.
#include "VisibleRange.h"

#include <algorithm>

namespace PlotEngine {

IndexRange VisibleRangeByScan(std::span<const double> values, double low, double high, bool oneBeyondEdge)
{
    const int n = int(values.size());
    IndexRange range;
    for (int i = 0; i < n; ++i)
        if (!(values[std::size_t(i)] < low)) {
            range.first = i;
            break;
        }
    if (range.first < 0)
        return range;
    if (!(values[std::size_t(n - 1)] > high)) {
        range.last = n - 1;
        return range;
    }
    range.last = n - 1;
    for (int i = range.first; i < n; ++i)
        if (!(values[std::size_t(i)] < high)) {
            range.last = i;
            break;
        }
    if (!oneBeyondEdge && values[std::size_t(range.last)] > high)
        --range.last;
    return range;
}

IndexRange VisibleRangeBySearch(std::span<const double> values, double low, double high, bool oneBeyondEdge)
{
    const int n = int(values.size());
    IndexRange range;
    const auto first = std::lower_bound(values.begin(), values.end(), low);
    if (first == values.end())
        return range;
    range.first = int(first - values.begin());
    if (!(values[std::size_t(n - 1)] > high)) {
        range.last = n - 1;
        return range;
    }
    const auto last = std::lower_bound(first, values.end(), high);
    range.last = last == values.end() ? n - 1 : int(last - values.begin());
    if (!oneBeyondEdge && values[std::size_t(range.last)] > high)
        --range.last;
    return range;
}

} // namespace PlotEngine
