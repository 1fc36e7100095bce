// Point labels.
#include "TLabelsList.h"

#include "ListIndex.h"

#include <algorithm>

TLabelsList::TLabelsList(std::function<void()> changed)
    : m_changed(std::move(changed))
{
}

void TLabelsList::notify() const
{
    if (m_changed)
        m_changed();
}

QString TLabelsList::GetLabel(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return m_items[std::size_t(index)];
}

void TLabelsList::SetLabel(int index, const QString &text)
{
    if (index < 0)
        return;
    if (index < Count())
        m_items[std::size_t(index)] = text;
    else if (!text.isEmpty()) {
        m_items.resize(std::size_t(index) + 1);
        m_items[std::size_t(index)] = text;
    }
    notify();
}

void TLabelsList::InsertLabel(int index, const QString &text)
{
    if (index < 0 || (text.isEmpty() && m_items.empty()))
        return;
    if (index > Count())
        m_items.resize(std::size_t(index));
    m_items.insert(m_items.begin() + index, text);
}

void TLabelsList::DeleteLabel(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

void TLabelsList::DeleteRange(int start, int quantity)
{
    PlotEngine::EraseRange(m_items, start, quantity);
}

void TLabelsList::Swap(int a, int b)
{
    const int needed = std::max(a, b) + 1;
    if (m_items.empty() || a < 0 || b < 0)
        return;
    if (needed > Count())
        m_items.resize(std::size_t(needed));
    std::swap(m_items[std::size_t(a)], m_items[std::size_t(b)]);
}

void TLabelsList::Permute(const std::vector<int> &order)
{
    if (m_items.empty())
        return;
    m_items.resize(std::max(m_items.size(), order.size()));
    std::vector<QString> reordered(m_items.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        reordered[i] = std::move(m_items[std::size_t(order[i])]);
    m_items.swap(reordered);
}

void TLabelsList::Assign(const TLabelsList &source)
{
    m_items = source.m_items;
    notify();
}

void TLabelsList::Clear()
{
    m_items.clear();
}
