// The marks tip tool: the mark text of the point under the mouse, shown as a tip after a delay,
// whether or not the series shows its marks.
#pragma once

#include "ToolTypes.h"

#include "EngineTypes.h"
#include "TPlotCustomTool.h"

#include <QPoint>
#include <QPointer>

#include <functional>

class QTimer;
class TMarksTipTool;

using TMarksTipNotifyEvent = std::function<void(TMarksTipTool *sender)>;
// May change the tip text.
using TMarksTipGetText = std::function<void(TMarksTipTool *sender, QString &text)>;

class TMarksTipTool : public TPlotCustomToolSeries
{
    Q_OBJECT
    Q_PROPERTY(ToolEnums::TMarkToolMouseAction MouseAction READ MouseAction WRITE SetMouseAction)
    Q_PROPERTY(int MouseDelay READ MouseDelay WRITE SetMouseDelay)
    Q_PROPERTY(PlotEngineEnums::TSeriesMarksStyle Style READ Style WRITE SetStyle)
public:
    Q_INVOKABLE explicit TMarksTipTool(QObject *owner = nullptr);

    TMarkToolMouseAction MouseAction() const { return m_mouseAction; }
    // Takes the tip away.
    void SetMouseAction(TMarkToolMouseAction value);
    Q_INVOKABLE bool IsMouseActionStored() const { return m_mouseAction != mtmMove; }
    // Milliseconds before the tip shows; this tool's own, so one tool does not change every tip.
    int MouseDelay() const { return m_mouseDelay; }
    // A negative delay counts as 0.
    void SetMouseDelay(int value);
    Q_INVOKABLE bool IsMouseDelayStored() const { return m_mouseDelay != 500; }
    TSeriesMarksStyle Style() const { return m_style; }
    void SetStyle(TSeriesMarksStyle value) { m_style = value; }
    Q_INVOKABLE bool IsStyleStored() const { return m_style != smsLabel; }

    TMarksTipNotifyEvent OnCancelHint;
    TMarksTipGetText OnGetText;

    // The chart of Series when set, else the tool's own.
    TCustomAxisPanel *tipChart() const;
    // Fires OnCancelHint, clears the chart's hint and hides a tip that showed.
    void cancelHint();

    void SetActive(bool value) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TMarksTipToolEdit"); }

private:
    // The series with a point under the mouse and the point; none when no point is there.
    TChartSeries *pointAt(int x, int y, int &index) const;
    // The tip text of the point in the tool's style, the marks style and repainting restored on
    // every path, also when a text handler throws.
    QString tipText(TChartSeries &series, int index);
    void showPendingTip();
    bool anotherTipToolOnChart() const;

    TMarkToolMouseAction m_mouseAction = mtmMove;
    int m_mouseDelay = 500;
    TSeriesMarksStyle m_style = smsLabel;
    QTimer *m_timer = nullptr; // child
    QPoint m_tipAt;
    QPoint m_lastMouse{-1, -1};
};
