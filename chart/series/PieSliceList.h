// A number per pie slice (explode percent, height percent): 0 for a slice without an entry.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

class PieSliceList
{
public:
    explicit PieSliceList(std::function<void()> changed)
        : m_changed(std::move(changed))
    {
    }

    int Count() const { return int(m_values.size()); }
    int Value(int index) const
    {
        return index >= 0 && index < Count() ? m_values[std::size_t(index)] : 0;
    }
    // Writing grows the list with zeros up to the index; a change repaints the pie.
    void SetValue(int index, int value)
    {
        if (index < 0 || Value(index) == value)
            return;
        if (index >= Count())
            m_values.resize(std::size_t(index) + 1, 0);
        m_values[std::size_t(index)] = value;
        m_changed();
    }
    bool IsEmpty() const { return m_values.empty(); }
    void Clear() { m_values.clear(); }
    void Delete(int index)
    {
        if (index >= 0 && index < Count())
            m_values.erase(m_values.begin() + index);
    }
    // The caller repaints: the points are swapped with their entries.
    void Swap(int a, int b)
    {
        if (a < 0 || b < 0 || Value(a) == Value(b))
            return;
        if (std::max(a, b) >= Count())
            m_values.resize(std::size_t(std::max(a, b)) + 1, 0);
        std::swap(m_values[std::size_t(a)], m_values[std::size_t(b)]);
    }
    // New entry i is old entry order[i].
    void Permute(const std::vector<int> &order)
    {
        if (m_values.empty())
            return;
        std::vector<int> permuted(order.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            permuted[i] = Value(order[i]);
        m_values.swap(permuted);
    }
    const std::vector<int> &Values() const { return m_values; }
    void Assign(const PieSliceList &source) { m_values = source.m_values; }

private:
    std::function<void()> m_changed;
    std::vector<int> m_values;
};
