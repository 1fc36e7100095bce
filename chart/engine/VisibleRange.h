// The points of an ordered X list that fall within an axis range: the first not below low, the
// last up to high (or the first beyond it, when the point beyond the edge is drawn too).
#pragma once

#include <span>

namespace PlotEngine {

struct IndexRange
{
    int first = -1;
    int last = -1;
    friend bool operator==(const IndexRange &, const IndexRange &) = default;
};

// Any order: the scan over the list. No point at or above low gives (-1, -1).
IndexRange VisibleRangeByScan(std::span<const double> values, double low, double high, bool oneBeyondEdge);
// Ascending lists only: the same range by binary search.
IndexRange VisibleRangeBySearch(std::span<const double> values, double low, double high, bool oneBeyondEdge);

} // namespace PlotEngine
