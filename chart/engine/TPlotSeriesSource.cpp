// Series sources: opening, closing, refreshing and their registry.
#include "TPlotSeriesSource.h"

#include "TChartSeries.h"

#include <algorithm>

TPlotSeriesSource::TPlotSeriesSource(QObject *owner)
    : QObject(owner)
{
}

TPlotSeriesSource::~TPlotSeriesSource()
{
    m_destroying = true;
    Close();
    if (m_series && m_series->DataSources().Contains(this))
        m_series->DataSources().remove(this);
}

void TPlotSeriesSource::SetActive(bool value)
{
    if (value != m_active && m_series) {
        if (value) {
            if (!m_loading)
                Load();
        } else if (!m_loading && !m_destroying && !m_series->IsDestroying() && !LoadingGuard) {
            m_series->Clear();
        }
    }
    m_active = value;
}

void TPlotSeriesSource::SetSeries(TChartSeries *value)
{
    if (value == m_series)
        return;
    Close();
    if (m_series)
        m_series->DataSources().remove(this);
    m_series = nullptr;
    // The series links the source back when it takes it.
    if (value)
        value->SetDataSource(this);
}

bool TPlotSeriesSource::IsSourceOf(const TChartSeries &series) const
{
    const QObject *source = series.DataSource();
    return source && qstrcmp(source->metaObject()->className(), metaObject()->className()) == 0;
}

void TPlotSeriesSource::Close()
{
    if (!m_loading)
        SetActive(false);
}

void TPlotSeriesSource::Refresh()
{
    if (m_active && !m_loading)
        Load();
}

void TPlotSeriesSource::Loaded()
{
    m_loading = false;
    Refresh();
}

QObject *TPlotSeriesSource::seriesObject() const
{
    return m_series;
}

void TPlotSeriesSource::setSeriesObject(QObject *value)
{
    SetSeries(qobject_cast<TChartSeries *>(value));
}

namespace PlotEngine {

std::vector<const QMetaObject *> &PlotSourcesList()
{
    static std::vector<const QMetaObject *> list;
    return list;
}

void RegisterSeriesSource(const QMetaObject *sourceClass)
{
    auto &list = PlotSourcesList();
    if (sourceClass && std::find(list.begin(), list.end(), sourceClass) == list.end())
        list.push_back(sourceClass);
}

} // namespace PlotEngine
