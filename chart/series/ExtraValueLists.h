// The value lists that series types add to X and Y (radius, end point, end date, next task): their
// setters and the axis limits of points that reach beyond their X and Y values.
#pragma once

#include "TChartValueList.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace ExtraValueLists {

// A published list's setter: copies the settings of the list given, never its values.
inline void assignSettings(TChartValueList &list, const TChartValueList *value)
{
    if (value)
        list.Assign(*value);
}

// The limit widened by the finite values of a list; a value that cannot be drawn is left out, so the
// axis range stays finite.
inline double widened(double limit, std::span<const double> values, bool maximum)
{
    for (const double v : values)
        if (std::isfinite(v))
            limit = maximum ? std::max(limit, v) : std::min(limit, v);
    return limit;
}

} // namespace ExtraValueLists
