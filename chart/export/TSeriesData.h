// Base of the series data exporters: which series, which optional columns, and the shared texts
// of values, labels and colours.
#pragma once

#include "PlotTypes.h"
#include "TPlotExportData.h"

#include <QPointer>
#include <QString>

#include <vector>

class TChartSeries;
class TChartValueList;
class TCustomChart;

class TSeriesData : public TPlotExportData
{
public:
    // series none: every series of the chart, side by side.
    explicit TSeriesData(TCustomChart *chart, TChartSeries *series = nullptr);

    bool IncludeColors = false;
    bool IncludeIndex = false;
    bool IncludeHeader = false;
    bool IncludeLabels = true;

    TCustomChart *Chart() const;
    TChartSeries *Series() const;

    // The rows: PointToString of every index, each followed by CR LF.
    QString AsString() const override;

    enum FormatFlag { sfXValues = 1, sfColors = 2, sfLabels = 4 };

protected:
    // The columns the series (or the first series with points) has; 0 without.
    virtual int GuessSeriesFormat() const;
    virtual QString PointToString(int index) const;
    // Appends the row of index to text; exporters that can build a row in place override it, so
    // a million rows make no string each.
    virtual void AppendPoint(QString &text, int index) const;

    // Appends every row, each followed by CR LF (prepare first).
    void appendRows(QString &text) const;
    // Settles the flags and the series of one export; AsString and SaveToStream call it first.
    void prepare() const;
    // The flags of this export, with labels and colours as the Include switches allow.
    int exportFormat() const { return m_format; }
    // The exported series: Series alone, or every series of the chart in list order.
    const std::vector<TChartSeries *> &exportedSeries() const { return m_exported; }
    // Rows: the point count of Series, or the largest one; -1 for a chart without series.
    int MaxCount() const;

    // "#rrggbb" of the colour; the sentinels give "#000000".
    static QString colorText(TColor color);
    // The lists after X and Y (the third on).
    static std::vector<const TChartValueList *> otherLists(const TChartSeries &series);
    // The Y list and the others: the values of one row after X.
    static std::vector<const TChartValueList *> valueListsAfterX(const TChartSeries &series);

private:
    std::vector<TChartSeries *> chartSeries() const;

    QPointer<TCustomChart> m_chart;
    QPointer<TChartSeries> m_series;
    mutable int m_format = 0;
    mutable std::vector<TChartSeries *> m_exported;
};
