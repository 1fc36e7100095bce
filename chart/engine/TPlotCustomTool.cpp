// Tool bases: joining a chart, the series and axis bindings, the stored axis index.
#include "TPlotCustomTool.h"

#include "PlotConst.h"
#include "PlotExceptions.h"
#include "PlotProcs.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

TPlotCustomTool::TPlotCustomTool(QObject *owner)
    : TCustomChartElement(owner)
{
}

TPlotCustomTool::~TPlotCustomTool()
{
    markDestroying();
    TPlotCustomTool::SetParentChart(nullptr);
}

void TPlotCustomTool::SetParentChart(TCustomAxisPanel *value)
{
    TCustomAxisPanel *old = ParentChart();
    if (old == value)
        return;
    if (old) {
        old->Tools().remove(this);
        old->RemoveListener(this);
        if (!value && !IsDestroying())
            old->Invalidate();
    }
    m_cursorBefore.reset();
    TCustomChartElement::SetParentChart(value);
    if (value) {
        // The panel owns its tools, wherever they were made.
        if (!parent())
            setParent(value);
        value->Tools().append(this);
        value->Listeners().Add(this);
    }
}

void TPlotCustomTool::PlotEvent(TPlotEvent &event)
{
    const auto *mouse = dynamic_cast<const TPlotMouseEvent *>(&event);
    if (!mouse || !Active())
        return;
    // The listeners number their kinds down, up, move; tools down, move, up.
    TChartMouseEventKind kind = TChartMouseEventKind::cmeDown;
    switch (mouse->Kind) {
    case TPlotMouseEvent::meDown: kind = TChartMouseEventKind::cmeDown; break;
    case TPlotMouseEvent::meMove: kind = TChartMouseEventKind::cmeMove; break;
    case TPlotMouseEvent::meUp: kind = TChartMouseEventKind::cmeUp; break;
    }
    ChartMouseEvent(kind, mouse->Button, mouse->Shift, mouse->X, mouse->Y);
}

void TPlotCustomTool::showToolCursor(int cursorNumber)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    if (!m_cursorBefore)
        m_cursorBefore = chart->cursor();
    chart->setCursor(PlotProcs::PlotCursor(cursorNumber));
}

void TPlotCustomTool::restoreToolCursor()
{
    TCustomAxisPanel *chart = ParentChart();
    if (chart && m_cursorBefore)
        chart->setCursor(*m_cursorBefore);
    m_cursorBefore.reset();
}

void TPlotCustomTool::hoverCursor(bool over, int cursorNumber)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!over || !chart) {
        restoreToolCursor();
        return;
    }
    showToolCursor(cursorNumber);
    chart->CancelMouse = true;
}

TChartSeries *TPlotCustomToolSeries::Series() const
{
    return m_series;
}

void TPlotCustomToolSeries::SetSeries(TChartSeries *value)
{
    if (value == m_series)
        return;
    m_series = value;
    Repaint();
}

QObject *TPlotCustomToolSeries::seriesObject() const
{
    return m_series;
}

void TPlotCustomToolSeries::setSeriesObject(QObject *value)
{
    SetSeries(qobject_cast<TChartSeries *>(value));
}

TChartAxis *TPlotCustomToolSeries::GetHorizAxis() const
{
    if (m_series)
        return m_series->GetHorizAxis();
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return nullptr;
    if (!chart->SeriesUseAxis(*chart->BottomAxis(), false) && chart->SeriesUseAxis(*chart->TopAxis(), false))
        return chart->TopAxis();
    return chart->BottomAxis();
}

TChartAxis *TPlotCustomToolSeries::GetVertAxis() const
{
    if (m_series)
        return m_series->GetVertAxis();
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return nullptr;
    if (!chart->SeriesUseAxis(*chart->LeftAxis(), false) && chart->SeriesUseAxis(*chart->RightAxis(), false))
        return chart->RightAxis();
    return chart->LeftAxis();
}

TChartAxis *TPlotCustomToolAxis::Axis() const
{
    return m_axis;
}

void TPlotCustomToolAxis::SetAxis(TChartAxis *value)
{
    if (value == m_axis)
        return;
    m_axis = value;
    SetParentChart(value ? TCustomAxisPanel::FromHost(value->Host()) : nullptr);
    Repaint();
}

void TPlotCustomToolAxis::storeAxis(TChartAxis *value)
{
    m_axis = value;
}

void TPlotCustomToolAxis::defineProperties(PropertyFiler &filer)
{
    TPlotCustomTool::defineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("AxisID"),
        [this](const QVariant &value) {
            const int index = FilerValues::toInt(value, QStringLiteral("AxisID"));
            TCustomAxisPanel *chart = ParentChart();
            // A stored index that names no axis comes from a damaged file.
            if (!chart || index < 0 || index >= chart->Axes().Count())
                throw PropertyValueError(PlotConst::plotFormat(PlotConst::message(PlotConst::msgNoSuchAxis), {index}));
            SetAxis(chart->Axes()[index]);
        },
        [this] {
            TCustomAxisPanel *chart = ParentChart();
            return QVariant(chart ? chart->Axes().IndexOf(m_axis) : -1);
        },
        [this] { return !m_axis.isNull(); });
}
