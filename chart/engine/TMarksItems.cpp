// Per-point mark formats, created on demand.
#include "TMarksItems.h"

#include "ListIndex.h"

#include <algorithm>

TMarksItems::TMarksItems(std::function<void(TMarksItem &)> prepare)
    : m_prepare(std::move(prepare))
{
}

TMarksItems::~TMarksItems() = default;

TMarksItem *TMarksItems::Item(int index)
{
    if (index < 0)
        return nullptr;
    if (index >= Count())
        m_items.resize(std::size_t(index) + 1);
    auto &entry = m_items[std::size_t(index)];
    if (!entry) {
        entry = std::make_unique<TMarksItem>();
        if (m_prepare)
            m_prepare(*entry);
    }
    return entry.get();
}

TMarksItem *TMarksItems::ItemIfAny(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_items[std::size_t(index)].get();
}

int TMarksItems::heldCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(), [](const auto &item) { return item != nullptr; }));
}

bool TMarksItems::IsEmpty() const
{
    return std::none_of(m_items.begin(), m_items.end(), [](const auto &item) { return item != nullptr; });
}

void TMarksItems::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

void TMarksItems::DeleteRange(int start, int quantity)
{
    PlotEngine::EraseRange(m_items, start, quantity);
}
