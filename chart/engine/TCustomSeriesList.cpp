// Lists of series.
#include "TCustomSeriesList.h"

#include "ListIndex.h"
#include "TChartSeries.h"

namespace {

void checkIndex(int index, int count)
{
    PlotEngine::CheckListIndex("Series", index, count);
}

} // namespace

TChartSeries *TCustomSeriesList::GetSeries(int index) const
{
    checkIndex(index, Count());
    return m_items[std::size_t(index)];
}

void TCustomSeriesList::SetSeries(int index, TChartSeries *series)
{
    checkIndex(index, Count());
    m_items[std::size_t(index)] = series;
}

int TCustomSeriesList::IndexOf(const TChartSeries *series) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), series);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

void TCustomSeriesList::AddUnique(TChartSeries *series)
{
    if (!Contains(series))
        m_items.push_back(series);
}

void TCustomSeriesList::Insert(int index, TChartSeries *series)
{
    m_items.insert(m_items.begin() + std::clamp(index, 0, Count()), series);
}

void TCustomSeriesList::Delete(int index)
{
    checkIndex(index, Count());
    m_items.erase(m_items.begin() + index);
}

void TCustomSeriesList::Remove(const TChartSeries *series)
{
    std::erase(m_items, series);
}

void TCustomSeriesList::Exchange(int a, int b)
{
    checkIndex(a, Count());
    checkIndex(b, Count());
    std::swap(m_items[std::size_t(a)], m_items[std::size_t(b)]);
}

void TCustomSeriesList::ClearValues()
{
    for (TChartSeries *series : std::vector<TChartSeries *>(m_items))
        series->Clear();
}
