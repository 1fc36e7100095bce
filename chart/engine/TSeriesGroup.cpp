// Series groups.
#include "TSeriesGroup.h"

#include "TChartSeries.h"

TSeriesGroup::TSeriesGroup(QObject *owner)
    : QObject(owner)
{
}

TSeriesGroupActive TSeriesGroup::Active() const
{
    int active = 0;
    for (const TChartSeries *series : m_series)
        active += series->Active() ? 1 : 0;
    if (active == m_series.Count())
        return gaYes;
    return active == 0 ? gaNo : gaSome;
}

void TSeriesGroup::SetActive(TSeriesGroupActive value)
{
    if (value == gaSome || value == Active())
        return;
    for (TChartSeries *series : std::vector<TChartSeries *>(m_series.Items()))
        series->SetActive(value == gaYes);
}

QObjectList TSeriesGroup::SeriesObjects() const
{
    QObjectList objects;
    for (TChartSeries *series : m_series)
        objects << series;
    return objects;
}

void TSeriesGroup::SetSeriesObjects(const QObjectList &value)
{
    m_series.Clear();
    for (QObject *object : value)
        if (auto *series = qobject_cast<TChartSeries *>(object))
            m_series.Add(series);
}
