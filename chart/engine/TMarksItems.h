// The per-point mark formats of a series: entry i belongs to point i; entries may be missing.
#pragma once

#include "TMarksItem.h"

#include <functional>
#include <memory>
#include <vector>

class TMarksItems
{
public:
    // prepare runs on each item the list creates (the marks give it their look and chart).
    explicit TMarksItems(std::function<void(TMarksItem &)> prepare = {});
    ~TMarksItems();

    int Count() const { return int(m_items.size()); }
    // The item of the point, created on demand (the list grows with missing entries).
    TMarksItem *Item(int index);
    // The item of the point, or none; creates nothing.
    TMarksItem *ItemIfAny(int index) const;
    bool IsEmpty() const;
    // The entries that hold an item (the formats a file stores).
    int heldCount() const;
    void Delete(int index);
    // Quantity is cut to what is there.
    void DeleteRange(int start, int quantity);
    void Clear() { m_items.clear(); }

private:
    std::function<void(TMarksItem &)> m_prepare;
    std::vector<std::unique_ptr<TMarksItem>> m_items;
};
