// The series of a chart, and the named groups they may be gathered in.
#pragma once

#include "TCustomSeriesList.h"
#include "TSeriesGroup.h"

#include <QString>

#include <memory>
#include <vector>

class TChartSeriesList : public TCustomSeriesList
{
public:
    TChartSeriesList();
    ~TChartSeriesList();

    // True when every series is active (an empty list too).
    bool AllActive() const;
    void SetAllActive(bool value);

    int GroupCount() const { return int(m_groups.size()); }
    // Checked: an index outside the groups raises ChartException.
    TSeriesGroup *Group(int index) const;
    TSeriesGroup *AddGroup(const QString &name);
    void DeleteGroup(int index);
    // The first group holding the series; -1 when none.
    int IndexOfSeries(const TChartSeries *series) const;
    // Takes the series out of every group (it leaves the chart).
    void RemoveFromGroups(const TChartSeries *series);

private:
    std::vector<std::unique_ptr<TSeriesGroup>> m_groups;
};
