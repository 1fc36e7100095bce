// The data sources of a series.
#include "TDataSourcesList.h"

#include "ListIndex.h"
#include "TChartSeries.h"

#include <algorithm>

TDataSourcesList::TDataSourcesList(TChartSeries &series)
    : m_series(series)
{
}

void TDataSourcesList::compact() const
{
    std::erase_if(m_items, [](const QPointer<QObject> &p) { return p.isNull(); });
}

int TDataSourcesList::Count() const
{
    compact();
    return int(m_items.size());
}

QObject *TDataSourcesList::Item(int index) const
{
    compact();
    PlotEngine::CheckListIndex("Data source", index, int(m_items.size()));
    return m_items[std::size_t(index)];
}

QObject *TDataSourcesList::First() const
{
    compact();
    return m_items.empty() ? nullptr : m_items.front().data();
}

int TDataSourcesList::IndexOf(const QObject *component) const
{
    compact();
    const auto it = std::find(m_items.begin(), m_items.end(), component);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

std::vector<QObject *> TDataSourcesList::Items() const
{
    compact();
    return {m_items.begin(), m_items.end()};
}

void TDataSourcesList::Add(QObject *component)
{
    m_series.AddCheckedDataSource(component);
}

void TDataSourcesList::Delete(int index)
{
    m_series.RemoveDataSource(Item(index));
}

void TDataSourcesList::Clear()
{
    m_series.UnlinkFromSources();
    m_items.clear();
    if (!m_series.ManualData())
        m_series.Clear();
}

int TDataSourcesList::append(QObject *component)
{
    m_items.emplace_back(component);
    return int(m_items.size()) - 1;
}

void TDataSourcesList::remove(const QObject *component)
{
    std::erase_if(m_items, [&](const QPointer<QObject> &p) { return p.isNull() || p.data() == component; });
}
