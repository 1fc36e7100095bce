// Tasks as horizontal bars from a start date to an end date on the row of their Y value, each
// optionally joined to the task that follows it.
#pragma once

#include "ExtraValueLists.h"
#include "TPointSeries.h"

#include <optional>

class TGanttSeries : public TPointSeries
{
    Q_OBJECT
    Q_PROPERTY(bool ColorEachPoint READ ColorEachPoint WRITE SetColorEachPoint)
    Q_PROPERTY(TChartPen *ConnectingPen READ ConnectingPen WRITE SetConnectingPen)
    Q_PROPERTY(TChartValueList *EndValues READ EndValues WRITE SetEndValues)
    Q_PROPERTY(TChartValueList *NextTask READ NextTask WRITE SetNextTask)
    Q_PROPERTY(TChartValueList *StartValues READ StartValues WRITE SetStartValues STORED false)
public:
    Q_INVOKABLE explicit TGanttSeries(QObject *owner = nullptr);

    // The lines to the following tasks: the series' line pen, which copying takes along.
    TChartPen *ConnectingPen() const { return LinePen(); }
    void SetConnectingPen(const TChartPen *value) { SetLinePen(value); }
    Q_INVOKABLE bool IsColorEachPointStored() const { return !ColorEachPoint(); }
    TChartValueList *StartValues() const { return XValues(); }
    TChartValueList *EndValues() const { return m_endValues; }
    // The index of each task's following task; -1 (or any value that names no task) for none.
    TChartValueList *NextTask() const { return m_nextTask; }
    void SetStartValues(const TChartValueList *value) { ExtraValueLists::assignSettings(*XValues(), value); }
    void SetEndValues(const TChartValueList *value) { ExtraValueLists::assignSettings(*m_endValues, value); }
    void SetNextTask(const TChartValueList *value) { ExtraValueLists::assignSettings(*m_nextTask, value); }

    int AddGanttColor(double start, double end, double y, const QString &label = {}, TColor color = clPlotColor);
    int AddGantt(double start, double end, double y, const QString &label = {});
    // A task starts without a following one, unless its NextTask value was set just before: the
    // stored points' reader sets it so.
    int AddXY(double x, double y, const QString &label = {}, TColor color = clPlotColor) override;
    // The following task of a task, or -1: a value that is not finite or names no task is none.
    int NextTaskIndex(int valueIndex) const;

    QString GetEditorClassName() const override { return QStringLiteral("TGanttSeriesEditor"); }
    bool IsValidSeriesSource(const TChartSeries *source) const override;
    // The horizontal range reaches the latest end.
    double MaxXValue() const override;

    void DrawValue(int valueIndex) override;
    // Centred on the bar.
    void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position) override;
    // On the bar's row, between its ends.
    bool ClickedPointer(int valueIndex, int pointX, int pointY, int x, int y) const override;
    void AddSampleValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

private:
    // The end pixel of a task; none when its end cannot be drawn.
    std::optional<int> endPixel(int valueIndex) const;
    // The start pixel and row of a task; none when either value cannot be drawn.
    std::optional<TPoint> startPoint(int valueIndex) const;

    TChartValueList *m_endValues = nullptr;
    TChartValueList *m_nextTask = nullptr;
};
