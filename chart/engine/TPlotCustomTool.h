// The bases of chart tools: a chart element that receives the chart's drawing and mouse events,
// and the tools bound to one series or one axis.
#pragma once

#include "TCustomChartElement.h"
#include "TPlotEventListeners.h"

#include <QCursor>
#include <QPointer>

#include <optional>

class TChartAxis;
class TChartSeries;

// Mouse kinds of ChartMouseEvent; another order than the panel listeners' mouse events.
enum class TChartMouseEventKind { cmeDown = 0, cmeMove = 1, cmeUp = 2 };

// A tool listens to its chart's mouse: the chart passes each mouse event to its listeners in
// order until one sets CancelMouse, and an active tool turns it into ChartMouseEvent.
class TPlotCustomTool : public TCustomChartElement, public TPlotEventListener
{
    Q_OBJECT
public:
    explicit TPlotCustomTool(QObject *owner = nullptr);
    ~TPlotCustomTool() override;

    // Drawing events (the panel's ToolEvent kinds); only active tools receive them. Empty here.
    virtual void ChartEvent(int kind) { Q_UNUSED(kind); }
    virtual void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y)
    {
        Q_UNUSED(kind);
        Q_UNUSED(button);
        Q_UNUSED(shift);
        Q_UNUSED(x);
        Q_UNUSED(y);
    }
    virtual QString Description() const { return {}; }

    // Leaves the old chart's tools and listeners (repainting it when no chart follows) and joins
    // the new one's.
    void SetParentChart(TCustomAxisPanel *value) override;

    // TPlotEventListener: mouse events of the chart reach ChartMouseEvent while the tool is active.
    void PlotEvent(TPlotEvent &event) override;

protected:
    // Shows the numbered cursor (PlotProcs::PlotCursor) over the tool's target, remembering the
    // chart's own cursor the first time.
    void showToolCursor(int cursorNumber);
    // Gives the chart its own cursor back when the tool showed one.
    void restoreToolCursor();
    // The mouse over the tool's target or not: the tool's cursor and the mouse taken, or the
    // chart's cursor back.
    void hoverCursor(bool over, int cursorNumber);
    // The panel has put its cursor back itself (the mouse left it).
    void forgetToolCursor() { m_cursorBefore.reset(); }

private:
    // The chart's cursor before the tool showed its own.
    std::optional<QCursor> m_cursorBefore;
};

class TPlotCustomToolSeries : public TPlotCustomTool
{
    Q_OBJECT
    Q_PROPERTY(QObject *Series READ seriesObject WRITE setSeriesObject)
public:
    using TPlotCustomTool::TPlotCustomTool;

    TChartSeries *Series() const;
    virtual void SetSeries(TChartSeries *value);
    QString GetEditorClassName() const override { return QStringLiteral("TSeriesToolEditor"); }
    // The series' axes; without a series the bottom (left) axis unless only the top (right) one is used.
    TChartAxis *GetHorizAxis() const;
    TChartAxis *GetVertAxis() const;

private:
    QObject *seriesObject() const;
    void setSeriesObject(QObject *value);

    QPointer<TChartSeries> m_series;
};

class TPlotCustomToolAxis : public TPlotCustomTool
{
    Q_OBJECT
public:
    using TPlotCustomTool::TPlotCustomTool;

    TChartAxis *Axis() const;
    // Takes the axis' chart as its chart (none for no axis).
    virtual void SetAxis(TChartAxis *value);
    QString GetEditorClassName() const override { return QStringLiteral("TAxisToolEditor"); }
    // "AxisID": the axis' index in the chart's axes list, written when an axis is set. An index
    // outside the list raises ChartException with the wrong-format text.
    void defineProperties(PropertyFiler &filer) override;

protected:
    // Binds the axis without joining its chart: for tools that another tool owns and drives.
    void storeAxis(TChartAxis *value);

private:
    QPointer<TChartAxis> m_axis;
};
