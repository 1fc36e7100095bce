// Index checks and range deletes of the engine's lists.
#pragma once

#include "PlotExceptions.h"

#include <QString>

#include <algorithm>

namespace PlotEngine {

// Public accessors check their index: one outside 0..count-1 raises ChartException naming the list.
inline void CheckListIndex(const char *list, int index, int count)
{
    if (index < 0 || index >= count)
        throw ChartException(
            QStringLiteral("%1 index %2 out of bounds (0 to %3).").arg(QLatin1String(list)).arg(index).arg(count - 1));
}

// Removes quantity entries from start, cut to what is there; a negative start or no quantity
// removes nothing.
template <class Vector>
void EraseRange(Vector &items, int start, int quantity)
{
    const int count = int(items.size());
    if (start < 0 || quantity <= 0 || start >= count)
        return;
    quantity = std::min(quantity, count - start);
    items.erase(items.begin() + start, items.begin() + start + quantity);
}

} // namespace PlotEngine
