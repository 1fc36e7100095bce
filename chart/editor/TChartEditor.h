// The component that opens the chart editor on a chart: its settings are copied into the dialog,
// which shows modally and is freed afterwards.
#pragma once

#include "ChartEditorTypes.h"
#include "TChartSeries.h"
#include "TCustomChartEditor.h"

#include <QPointer>
#include <QString>

#include <functional>

class TChartEditForm;

class TChartEditor : public TCustomChartEditor
{
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER Title)
    Q_PROPERTY(bool HighLightTabs MEMBER HighLightTabs)
    Q_PROPERTY(bool RememberPosition MEMBER RememberPosition)
    Q_PROPERTY(bool TreeView MEMBER TreeView)
    Q_PROPERTY(bool AutoRepaint MEMBER AutoRepaint)
public:
    explicit TChartEditor(QObject *parent = nullptr);

    QString Title;
    TChartEditorOptions Options = TChartEditorOptions::fromInt(kDefaultChartEditorOptions);
    TChartEditorTab DefaultTab = cetMain;
    TChartEditorHiddenTabs HideTabs;
    bool HighLightTabs = false;
    bool RememberPosition = false;
    bool TreeView = false;
    bool AutoRepaint = true;

    // The series to open first; it belongs to the chart, which follows it.
    TChartSeries *Series() const { return m_series; }
    void SetSeries(TChartSeries *series);
    // Drops a series that belongs to another chart.
    void SetChart(TCustomPlotPanel *chart) override;

    // Two series exchanged their places in the editor's list.
    std::function<void(TChartSeries *, TChartSeries *)> OnChangeSeriesOrder;

    // Opens the editor modally; nothing without a chart.
    void Execute() override;

private:
    QPointer<TChartSeries> m_series;
};
