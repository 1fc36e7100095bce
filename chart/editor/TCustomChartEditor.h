// Base of the components that open an editor dialog on a chart: the chart, and the events
// around the dialog's showing.
#pragma once

#include "TCustomPlotPanel.h"

#include <QObject>
#include <QPointer>

class QWidget;

class TCustomChartEditor : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TCustomPlotPanel *Chart READ Chart WRITE SetChart)
public:
    explicit TCustomChartEditor(QObject *parent = nullptr);

    // The chart edited; it clears itself when the chart is destroyed.
    TCustomPlotPanel *Chart() const { return m_chart; }
    virtual void SetChart(TCustomPlotPanel *chart) { m_chart = chart; }
    // Opens the dialog; nothing without a chart.
    virtual void Execute() {}

Q_SIGNALS:
    // Before the dialog shows modally, and after it closed; the form is the sender.
    void OnShow(QWidget *form);
    void OnClose(QWidget *form);

private:
    QPointer<TCustomPlotPanel> m_chart;
};
