// Where each point's mark stands, for points that have a stored position; entries may be empty.
#pragma once

#include "SeriesMarkPosition.h"

#include <memory>
#include <vector>

class TSeriesMarksPositions
{
public:
    int Count() const { return int(m_items.size()); }
    // None beyond the list or for an empty entry.
    TSeriesMarkPosition *GetPosition(int index) const;
    // Grows the list with empty entries, creates the entry, marks it custom and copies the position.
    void SetPosition(int index, const TSeriesMarkPosition &position);
    // The entry of the index, created (not custom) when missing.
    TSeriesMarkPosition &Ensure(int index);
    void Append(const TSeriesMarkPosition &position);
    void Delete(int index);
    // Quantity is cut to what is there.
    void DeleteRange(int start, int quantity);
    void Clear() { m_items.clear(); }
    bool HasCustom() const;

private:
    std::vector<std::unique_ptr<TSeriesMarkPosition>> m_items;
};
