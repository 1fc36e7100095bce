// A chart's series list and its groups.
#include "TChartSeriesList.h"

#include "ListIndex.h"
#include "TChartSeries.h"

TChartSeriesList::TChartSeriesList() = default;
TChartSeriesList::~TChartSeriesList() = default;

bool TChartSeriesList::AllActive() const
{
    return std::all_of(begin(), end(), [](const TChartSeries *s) { return s->Active(); });
}

void TChartSeriesList::SetAllActive(bool value)
{
    for (TChartSeries *series : std::vector<TChartSeries *>(Items()))
        series->SetActive(value);
}

TSeriesGroup *TChartSeriesList::Group(int index) const
{
    PlotEngine::CheckListIndex("Series group", index, GroupCount());
    return m_groups[std::size_t(index)].get();
}

TSeriesGroup *TChartSeriesList::AddGroup(const QString &name)
{
    m_groups.push_back(std::make_unique<TSeriesGroup>());
    m_groups.back()->SetName(name);
    return m_groups.back().get();
}

void TChartSeriesList::DeleteGroup(int index)
{
    Group(index);
    m_groups.erase(m_groups.begin() + index);
}

int TChartSeriesList::IndexOfSeries(const TChartSeries *series) const
{
    for (int i = 0; i < GroupCount(); ++i)
        if (m_groups[std::size_t(i)]->Series().Contains(series))
            return i;
    return -1;
}

void TChartSeriesList::RemoveFromGroups(const TChartSeries *series)
{
    for (auto &group : m_groups)
        group->Series().Remove(series);
}
