// What every data exporter shares.
#include "TSeriesData.h"

#include "PlotColor.h"
#include "SeriesUnit.h"
#include "TChartSeries.h"
#include "TChartValueList.h"
#include "TCustomChart.h"

TSeriesData::TSeriesData(TCustomChart *chart, TChartSeries *series)
    : m_chart(chart)
    , m_series(series)
{
}

TCustomChart *TSeriesData::Chart() const
{
    return m_chart;
}

TChartSeries *TSeriesData::Series() const
{
    return m_series;
}

QString TSeriesData::AsString() const
{
    prepare();
    QString text;
    appendRows(text);
    return text;
}

void TSeriesData::appendRows(QString &text) const
{
    const int rows = MaxCount();
    const qsizetype start = text.size();
    for (int i = 0; i < rows; ++i) {
        AppendPoint(text, i);
        text += QLatin1String("\r\n");
        // The first row tells the size of the others closely enough to allocate once.
        if (i == 0) {
            const qsizetype row = text.size() - start;
            text.reserve(start + qsizetype(rows) * (row + row / 4 + 4));
        }
    }
}

void TSeriesData::AppendPoint(QString &text, int index) const
{
    text += PointToString(index);
}

int TSeriesData::GuessSeriesFormat() const
{
    const TChartSeries *source = m_series;
    if (!source && m_chart) {
        for (const TChartSeries *series : exportedSeries()) {
            if (series->Count() > 0) {
                source = series;
                break;
            }
        }
    }
    if (!source)
        return 0;
    return (PlotEngine::SeriesHasOwnXValues(*source) ? sfXValues : 0)
           | (PlotEngine::SeriesHasPointColors(*source) ? sfColors : 0)
           | (PlotEngine::SeriesHasLabels(*source) ? sfLabels : 0);
}

QString TSeriesData::PointToString(int index) const
{
    Q_UNUSED(index);
    return {};
}

void TSeriesData::prepare() const
{
    m_exported = chartSeries();
    int flags = GuessSeriesFormat();
    if (!IncludeLabels)
        flags &= ~sfLabels;
    if (!IncludeColors)
        flags &= ~sfColors;
    m_format = flags;
}

std::vector<TChartSeries *> TSeriesData::chartSeries() const
{
    if (m_series)
        return {m_series.data()};
    std::vector<TChartSeries *> all;
    if (m_chart) {
        for (int i = 0; i < m_chart->SeriesCount(); ++i)
            all.push_back(m_chart->GetSeries(i));
    }
    return all;
}

int TSeriesData::MaxCount() const
{
    if (m_series)
        return m_series->Count();
    if (!m_chart || m_chart->SeriesCount() == 0)
        return -1;
    int rows = 0;
    for (const TChartSeries *series : m_exported)
        rows = std::max(rows, series->Count());
    return rows;
}

QString TSeriesData::colorText(TColor color)
{
    if (color == clDefault || color == clNone)
        return QStringLiteral("#000000");
    const TColor rgb = PlotColor::ColorToRGB(color);
    return QStringLiteral("#%1%2%3")
        .arg(rgb & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

std::vector<const TChartValueList *> TSeriesData::otherLists(const TChartSeries &series)
{
    const auto &lists = series.ValueLists();
    return {lists.begin() + std::min<std::size_t>(2, lists.size()), lists.end()};
}

std::vector<const TChartValueList *> TSeriesData::valueListsAfterX(const TChartSeries &series)
{
    std::vector<const TChartValueList *> lists{series.MandatoryValueList()};
    for (const TChartValueList *list : otherLists(series))
        lists.push_back(list);
    return lists;
}
