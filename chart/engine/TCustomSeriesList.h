// A list of series that does not own them (a chart's series, a group's, a source's dependents).
#pragma once

#include <algorithm>
#include <vector>

class TChartSeries;

class TCustomSeriesList
{
public:
    int Count() const { return int(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // Checked: an index outside the list raises ChartException.
    TChartSeries *GetSeries(int index) const;
    void SetSeries(int index, TChartSeries *series);
    TChartSeries *operator[](int index) const { return m_items[std::size_t(index)]; }
    int IndexOf(const TChartSeries *series) const;
    bool Contains(const TChartSeries *series) const { return IndexOf(series) >= 0; }

    void Add(TChartSeries *series) { m_items.push_back(series); }
    // Adds when not there yet.
    void AddUnique(TChartSeries *series);
    void Insert(int index, TChartSeries *series);
    void Delete(int index);
    void Remove(const TChartSeries *series);
    void Exchange(int a, int b);
    void Clear() { m_items.clear(); }
    // Clears the points of every series.
    void ClearValues();

    const std::vector<TChartSeries *> &Items() const { return m_items; }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<TChartSeries *> m_items;
};
