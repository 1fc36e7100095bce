// The stored mark positions of a series.
#include "TSeriesMarksPositions.h"

#include "ListIndex.h"

#include <algorithm>

TSeriesMarkPosition *TSeriesMarksPositions::GetPosition(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_items[std::size_t(index)].get();
}

TSeriesMarkPosition &TSeriesMarksPositions::Ensure(int index)
{
    if (index >= Count())
        m_items.resize(std::size_t(index) + 1);
    auto &entry = m_items[std::size_t(index)];
    if (!entry)
        entry = std::make_unique<TSeriesMarkPosition>();
    return *entry;
}

void TSeriesMarksPositions::SetPosition(int index, const TSeriesMarkPosition &position)
{
    if (index < 0)
        return;
    TSeriesMarkPosition &entry = Ensure(index);
    entry = position;
    entry.Custom = true;
}

void TSeriesMarksPositions::Append(const TSeriesMarkPosition &position)
{
    m_items.push_back(std::make_unique<TSeriesMarkPosition>(position));
}

void TSeriesMarksPositions::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

void TSeriesMarksPositions::DeleteRange(int start, int quantity)
{
    PlotEngine::EraseRange(m_items, start, quantity);
}

bool TSeriesMarksPositions::HasCustom() const
{
    return std::any_of(m_items.begin(), m_items.end(), [](const auto &p) { return p && p->Custom; });
}
