// The marks tip tool: finds the point under the mouse, builds its mark text and shows it as the
// chart's hint after the tool's delay.
#include "TMarksTipTool.h"

#include "MarksTipDisplay.h"
#include "PlotProCo.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TSeriesMarks.h"

#include <QScopeGuard>
#include <QTimer>

#include <algorithm>

TMarksTipTool::TMarksTipTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (TCustomAxisPanel *chart = tipChart())
            chart->runGuarded([this] { showPendingTip(); });
    });
}

QString TMarksTipTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtMarkTips);
}

void TMarksTipTool::SetMouseAction(TMarkToolMouseAction value)
{
    m_mouseAction = value;
    cancelHint();
}

void TMarksTipTool::SetMouseDelay(int value)
{
    m_mouseDelay = std::max(value, 0);
}

void TMarksTipTool::SetActive(bool value)
{
    TPlotCustomToolSeries::SetActive(value);
    if (!value)
        cancelHint();
}

TCustomAxisPanel *TMarksTipTool::tipChart() const
{
    if (const TChartSeries *series = Series())
        return series->ParentChart();
    return ParentChart();
}

void TMarksTipTool::cancelHint()
{
    m_timer->stop();
    m_lastMouse = {-1, -1};
    TCustomAxisPanel *chart = tipChart();
    if (!chart)
        return;
    if (OnCancelHint)
        OnCancelHint(this);
    const bool showing = !chart->toolTip().isEmpty();
    chart->setToolTip(QString());
    if (showing)
        MarksTipDisplay::current().hideTip();
}

TChartSeries *TMarksTipTool::pointAt(int x, int y, int &index) const
{
    index = -1;
    if (TChartSeries *series = Series()) {
        index = series->Clicked(x, y);
        return index != -1 ? series : nullptr;
    }
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return nullptr;
    for (int i = chart->SeriesCount() - 1; i >= 0; --i) {
        TChartSeries *series = chart->GetSeries(i);
        if (!series->Active())
            continue;
        index = series->Clicked(x, y);
        if (index != -1)
            return series;
    }
    return nullptr;
}

QString TMarksTipTool::tipText(TChartSeries &series, int index)
{
    TSeriesMarks &marks = *series.Marks();
    TCustomAxisPanel *chart = series.ParentChart();
    const TSeriesMarksStyle styleBefore = marks.Style();
    const bool repaintBefore = chart ? chart->AutoRepaint : true;
    if (chart)
        chart->AutoRepaint = false;
    const auto restore = qScopeGuard([&] {
        marks.SetStyle(styleBefore);
        if (chart)
            chart->AutoRepaint = repaintBefore;
    });
    marks.SetStyle(m_style);
    QString text = series.GetMarkText(index);
    if (OnGetText)
        OnGetText(this, text);
    return text;
}

bool TMarksTipTool::anotherTipToolOnChart() const
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return false;
    const auto &tools = chart->Tools().Items();
    return std::any_of(tools.begin(), tools.end(),
                       [this](const TPlotCustomTool *tool) { return tool != this && qobject_cast<const TMarksTipTool *>(tool); });
}

void TMarksTipTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton, TShiftState, int x, int y)
{
    const bool wanted = (kind == TChartMouseEventKind::cmeMove && m_mouseAction == mtmMove)
                        || (kind == TChartMouseEventKind::cmeDown && m_mouseAction == mtmClick);
    TCustomAxisPanel *chart = tipChart();
    if (!wanted || !chart)
        return;
    // A move within the same pixel finds what the last one found.
    const QPoint mouse(x, y);
    if (kind == TChartMouseEventKind::cmeMove && mouse == m_lastMouse)
        return;
    m_lastMouse = mouse;
    int index = -1;
    TChartSeries *series = pointAt(x, y, index);
    if (!series) {
        if (!anotherTipToolOnChart())
            cancelHint();
        m_lastMouse = mouse;
        return;
    }
    const QString text = tipText(*series, index);
    if (text == chart->toolTip())
        return; // the tip shows already
    MarksTipDisplay::current().hideTip();
    chart->setToolTip(text);
    m_tipAt = mouse;
    m_timer->start(m_mouseDelay);
}

void TMarksTipTool::showPendingTip()
{
    TCustomAxisPanel *chart = tipChart();
    if (!chart || chart->toolTip().isEmpty())
        return;
    MarksTipDisplay::current().showTip(*chart, chart->mapToGlobal(m_tipAt), chart->toolTip());
}
