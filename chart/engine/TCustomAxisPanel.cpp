// Axis panel: axes, series list, tools, colours, axis queries, data sources, pages and 3D size.
#include "TCustomAxisPanel.h"

#include "ListIndex.h"
#include "PlotExceptions.h"
#include "SeriesUnit.h"
#include "TChartAxis.h"
#include "TChartDepthAxis.h"
#include "TChartSeries.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"
#include "TPlotSeriesSource.h"

#include "GuiCanvas.h"
#include "PlotConst.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "PrinterInfo.h"
#include "TCanvas3D.h"

#include <QPagedPaintDevice>
#include <QScopeGuard>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <memory>

// The axis seam, forwarded to the panel.

TCanvas3D *AxisPanelHost::Canvas() const { return m_panel.Canvas(); }
void AxisPanelHost::Invalidate() { m_panel.Invalidate(); }
TRect AxisPanelHost::ChartRect() const { return m_panel.ChartRect; }
bool AxisPanelHost::View3D() const { return m_panel.View3D(); }
int AxisPanelHost::Width3D() const { return m_panel.Width3D; }
int AxisPanelHost::Height3D() const { return m_panel.Height3D; }
int AxisPanelHost::GetAxisWallSize(const TChartAxis &axis) const { return m_panel.GetAxisWallSize(axis); }
bool AxisPanelHost::IsLoading() const { return m_panel.IsLoading(); }
int AxisPanelHost::SeriesCount() const { return m_panel.SeriesCount(); }
AxisSeriesView *AxisPanelHost::Series(int index) const { return m_panel.m_seriesList[index]; }
void AxisPanelHost::SyncMinMax(TChartAxis &axis) { m_panel.SyncMinMax(axis); }
int AxisPanelHost::MaxMarkWidth() const { return m_panel.MaxMarkWidth(); }
int AxisPanelHost::MaxLabelsWidth() const { return m_panel.MaxLabelsWidth(); }
QString AxisPanelHost::SeriesTitleLegend(int index) const { return m_panel.SeriesTitleLegend(index); }
const TAxisOnGetLabel &AxisPanelHost::OnGetAxisLabel() const { return m_panel.OnGetAxisLabel; }
const TAxisOnGetNextLabel &AxisPanelHost::OnGetNextAxisLabel() const { return m_panel.OnGetNextAxisLabel; }

int AxisPanelHost::AxisLabelsSize(const TChartAxis &axis, int size) const
{
    const auto &callback = m_panel.m_axes.SizeCallback;
    return callback ? callback(axis, size) : size;
}

double AxisPanelHost::AxisSeriesMinMax(const TChartAxis &axis, bool isMin, bool isX) const
{
    return m_panel.AxisSeriesMinMax(axis, isMin, isX);
}

int AxisPanelHost::MultiLineTextWidth(const QString &text, int &numLines) const
{
    return m_panel.MultiLineTextWidth(text, numLines);
}

// Construction.

TCustomAxisPanel::TCustomAxisPanel(QWidget *parent)
    : TCustomPlotPanelExtended(parent)
{
    AutoRepaint = false;
    createAxes();
    AutoRepaint = true;
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    SeriesEventsSuspended = true;
    AutoRepaint = false;
    FreeAllSeries();
    for (TPlotCustomTool *tool : m_tools.Items())
        if (auto *axisTool = qobject_cast<TPlotCustomToolAxis *>(tool))
            axisTool->SetAxis(nullptr);
    m_tools.Clear();
    // The axes hold the host, which dies with the panel's members: they go first.
    for (TChartAxis *axis : std::vector<TChartAxis *>(m_axes.Items()))
        std::unique_ptr<TChartAxis> freed(axis);
}

void TCustomAxisPanel::createAxes()
{
    // Made and set up in the classic order; listed Left, Right, Top, Bottom, Depth, DepthTop.
    auto *bottom = new TChartAxis(&m_host, this);
    bottom->SetHorizontal(true);
    auto *top = new TChartAxis(&m_host, this);
    top->SetHorizontal(true);
    top->SetOtherSide(true);
    top->SetZPosition(100.0);
    auto *left = new TChartAxis(&m_host, this);
    left->Title()->InitAngle(90);
    auto *right = new TChartAxis(&m_host, this);
    right->Title()->InitAngle(270);
    right->SetOtherSide(true);
    right->SetZPosition(100.0);
    auto *depth = new TChartDepthAxis(&m_host, this);
    depth->SetOtherSide(true);
    auto *depthTop = new TChartDepthAxis(&m_host, this);
    depth->SetTwin(depthTop);
    for (TChartAxis *axis : {left, right, top, bottom, static_cast<TChartAxis *>(depth), static_cast<TChartAxis *>(depthTop)})
        m_axes.append(axis);
}

TCustomAxisPanel *TCustomAxisPanel::FromHost(AxisHost *host)
{
    auto *panelHost = dynamic_cast<AxisPanelHost *>(host);
    return panelHost ? &panelHost->Panel() : nullptr;
}

void TCustomAxisPanel::SetChart3DPercent(int value)
{
    if (value < 1 || value > 100)
        throw PlotException(PlotConst::plotFormat(PlotConst::message(PlotConst::msg3DPercent), {1, 100}));
    setPanelProperty(m_chart3DPercent, value);
}

void TCustomAxisPanel::SetLeftAxis(const TChartAxis *value)
{
    if (value)
        LeftAxis()->Assign(*value);
}

void TCustomAxisPanel::SetRightAxis(const TChartAxis *value)
{
    if (value)
        RightAxis()->Assign(*value);
}

void TCustomAxisPanel::SetTopAxis(const TChartAxis *value)
{
    if (value)
        TopAxis()->Assign(*value);
}

void TCustomAxisPanel::SetBottomAxis(const TChartAxis *value)
{
    if (value)
        BottomAxis()->Assign(*value);
}

void TCustomAxisPanel::SetDepthAxis(const TChartDepthAxis *value)
{
    if (value)
        DepthAxis()->Assign(*value);
}

void TCustomAxisPanel::SetDepthTopAxis(const TChartDepthAxis *value)
{
    if (value)
        DepthTopAxis()->Assign(*value);
}

// Custom axes.

TChartAxis *TCustomAxisPanel::CustomAxis(int index) const
{
    PlotEngine::CheckListIndex("Custom axis", index, CustomAxisCount());
    return m_axes[TChartAxes::kStandardCount + index];
}

TChartAxis *TCustomAxisPanel::AddCustomAxis(bool horizontal)
{
    auto *axis = new TChartAxis(&m_host, this);
    axis->SetCustom(true);
    axis->SetHorizontal(horizontal);
    m_axes.append(axis);
    Invalidate();
    return axis;
}

void TCustomAxisPanel::RemoveCustomAxis(int index)
{
    TChartAxis *axis = CustomAxis(index);
    // Its series go back to the standard axes, and nothing follows it any more.
    for (TChartSeries *series : std::vector<TChartSeries *>(m_seriesList.Items())) {
        if (series->CustomHorizAxis() == axis)
            series->SetCustomHorizAxis(nullptr);
        if (series->CustomVertAxis() == axis)
            series->SetCustomVertAxis(nullptr);
    }
    for (TChartAxis *other : m_axes.Items())
        if (other->MasterAxis() == axis)
            other->SetMasterAxis(nullptr);
    for (TPlotCustomTool *tool : m_tools.Items())
        if (auto *axisTool = qobject_cast<TPlotCustomToolAxis *>(tool); axisTool && axisTool->Axis() == axis)
            axisTool->SetAxis(nullptr);
    m_axes.remove(axis);
    std::unique_ptr<TChartAxis> freed(axis);
    Invalidate();
}

void TCustomAxisPanel::ClearCustomAxes()
{
    while (CustomAxisCount() > 0)
        RemoveCustomAxis(CustomAxisCount() - 1);
}

void TCustomAxisPanel::SyncMinMax(TChartAxis &axis)
{
    // Masters that follow each other in a ring must not recurse without end.
    if (m_syncDepth > m_axes.Count())
        return;
    ++m_syncDepth;
    const auto done = qScopeGuard([this] { --m_syncDepth; });
    for (TChartAxis *other : std::vector<TChartAxis *>(m_axes.Items()))
        if (other != &axis && other->IsCustom() && other->MasterAxis() == &axis)
            other->SetMinMax(axis.Minimum(), axis.Maximum());
}

// Series list.

void TCustomAxisPanel::AddSeries(TChartSeries *series)
{
    if (series)
        series->SetParentChart(this);
}

void TCustomAxisPanel::InternalAddSeries(TChartSeries *series)
{
    if (!series || m_seriesList.Contains(series))
        return;
    series->SetParentChart(this);
    series->Added();
    m_seriesList.Add(series);
    BroadcastSeriesEvent(TPlotSeriesEvent::seAdd, series);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries *series)
{
    const int index = m_seriesList.IndexOf(series);
    if (index >= 0)
        RemoveSeriesAt(index);
}

void TCustomAxisPanel::RemoveSeriesAt(int index)
{
    TChartSeries *series = m_seriesList.GetSeries(index);
    BroadcastSeriesEvent(TPlotSeriesEvent::seRemove, series);
    series->Removed();
    m_seriesList.Delete(m_seriesList.IndexOf(series));
    m_seriesList.RemoveFromGroups(series);
    Invalidate();
}

void TCustomAxisPanel::FreeAllSeries(const QMetaObject *seriesClass)
{
    for (TChartSeries *series : std::vector<TChartSeries *>(m_seriesList.Items()))
        if (!seriesClass || series->metaObject()->inherits(seriesClass))
            std::unique_ptr<TChartSeries> freed(series); // its destructor takes it out of the chart
}

void TCustomAxisPanel::ExchangeSeriesAt(int a, int b)
{
    m_seriesList.Exchange(a, b);
    TChartSeries *first = m_seriesList[a];
    TChartSeries *second = m_seriesList[b];
    for (int g = 0; g < m_seriesList.GroupCount(); ++g) {
        TCustomSeriesList &members = m_seriesList.Group(g)->Series();
        const int i = members.IndexOf(first);
        const int j = members.IndexOf(second);
        if (i >= 0 && j >= 0)
            members.Exchange(i, j);
    }
    BroadcastSeriesEvent(TPlotSeriesEvent::seSwap, first);
    Invalidate();
}

void TCustomAxisPanel::ExchangeSeries(TChartSeries *a, TChartSeries *b)
{
    ExchangeSeriesAt(m_seriesList.IndexOf(a), m_seriesList.IndexOf(b));
}

int TCustomAxisPanel::CountActiveSeries() const
{
    return int(std::count_if(m_seriesList.begin(), m_seriesList.end(), [](const TChartSeries *s) { return s->Active(); }));
}

int TCustomAxisPanel::MaxValuesCount() const
{
    int most = 0;
    for (const TChartSeries *series : m_seriesList)
        if (series->Active())
            most = std::max(most, series->Count());
    return most;
}

TChartSeries *TCustomAxisPanel::SeriesLegend(int index, bool onlyActive) const
{
    int n = 0;
    for (TChartSeries *series : m_seriesList)
        if (series->ShowInLegend() && (!onlyActive || series->Active()) && n++ == index)
            return series;
    return nullptr;
}

QString TCustomAxisPanel::SeriesTitleLegend(int index, bool onlyActive) const
{
    const TChartSeries *series = SeriesLegend(index, onlyActive);
    return series ? PlotEngine::SeriesTitleOrName(*series) : QString();
}

int TCustomAxisPanel::MultiLineTextWidth(const QString &text, int &numLines) const
{
    const QStringList lines = TSeriesMarks::Lines(text);
    numLines = text.isEmpty() ? 0 : int(lines.size());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, Canvas()->TextWidth(line));
    return widest;
}

int TCustomAxisPanel::MaxLabelsWidth() const
{
    int widest = 0;
    int lines = 0;
    for (const TChartSeries *series : m_seriesList)
        for (const QString &label : series->Labels().Items())
            if (!label.isEmpty())
                widest = std::max(widest, MultiLineTextWidth(label, lines));
    return widest;
}

int TCustomAxisPanel::MaxMarkWidth() const
{
    int widest = 0;
    int lines = 0;
    for (const TChartSeries *series : m_seriesList)
        if (series->Active())
            for (int i = 0; i < series->Count(); ++i)
                widest = std::max(widest, MultiLineTextWidth(series->GetMarkText(i), lines));
    return widest;
}

void TCustomAxisPanel::BroadcastSeriesEvent(TPlotSeriesEvent::Kind kind, TCustomChartSeries *series)
{
    if (SeriesEventsSuspended)
        return;
    TPlotSeriesEvent event;
    event.Event = kind;
    event.Series = series;
    BroadcastPlotEvent(event);
}

bool TCustomAxisPanel::CheckMouseOverSeries(int x, int y)
{
    bool over = false;
    const std::vector<TChartSeries *> series(m_seriesList.Items());
    for (auto it = series.rbegin(); it != series.rend(); ++it)
        if ((*it)->Active() && (*it)->CheckMouse(x, y))
            over = true;
    return over;
}

void TCustomAxisPanel::BroadcastToolEvent(ToolEvent kind)
{
    std::vector<QPointer<TPlotCustomTool>> tools(m_tools.Items().begin(), m_tools.Items().end());
    for (const QPointer<TPlotCustomTool> &tool : tools)
        if (tool && tool->Active())
            tool->ChartEvent(kind);
}

// Colours.

TColor TCustomAxisPanel::GetDefaultColor(int index) const
{
    if (ColorPalette.empty())
        return PlotProcs::GetDefaultColor(index);
    const int n = int(ColorPalette.size());
    return ColorPalette[std::size_t(((index % n) + n) % n)];
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool checkBackground, const TChartSeries *series)
{
    const int n = ColorPalette.empty() ? PlotProcs::DefaultPaletteLength() : int(ColorPalette.size());
    for (int i = 0; i < n; ++i)
        if (IsFreeSeriesColor(GetDefaultColor(i), checkBackground, series))
            return GetDefaultColor(i);
    // None is free: the colour after the last, which the palette wraps to its first.
    return GetDefaultColor(n);
}

void TCustomAxisPanel::AssignSeriesColors()
{
    for (TChartSeries *series : m_seriesList)
        if (series->SeriesColor() == clPlotColor)
            series->SetDefaultColor(GetFreeSeriesColor(true, series));
}

// Axis queries.

bool TCustomAxisPanel::IsAxisShown(const TChartAxis &axis) const
{
    return axis.IsShown();
}

bool TCustomAxisPanel::IsAxisVisible(const TChartAxis &axis) const
{
    if (!m_axisVisible || !axis.Visible())
        return false;
    if (axis.IsDepthAxis())
        return View3D();
    return SeriesUseAxis(axis, true);
}

bool TCustomAxisPanel::SeriesUseAxis(const TChartAxis &axis, bool defaultValue) const
{
    bool anyActive = false;
    for (const TChartSeries *series : m_seriesList) {
        if (!series->Active())
            continue;
        anyActive = true;
        if (!series->UseAxis())
            return false;
        if (series->AssociatedToAxis(axis))
            return true;
    }
    return anyActive ? false : defaultValue;
}

bool TCustomAxisPanel::NoActiveSeriesOnAxis(const TChartAxis &axis) const
{
    return std::none_of(m_seriesList.begin(), m_seriesList.end(),
                        [&](const TChartSeries *s) { return s->Active() && s->AssociatedToAxis(axis); });
}

TChartSeries *TCustomAxisPanel::GetAxisSeries(const TChartAxis &axis) const
{
    const bool activeOnly = !NoActiveSeriesOnAxis(axis);
    for (TChartSeries *series : m_seriesList)
        if ((!activeOnly || series->Active()) && series->AssociatedToAxis(axis))
            return series;
    return nullptr;
}

TChartSeries *TCustomAxisPanel::GetAxisSeriesMaxPoints(const TChartAxis &axis) const
{
    const bool activeOnly = !NoActiveSeriesOnAxis(axis);
    TChartSeries *most = nullptr;
    for (TChartSeries *series : m_seriesList)
        if ((!activeOnly || series->Active()) && series->AssociatedToAxis(axis)
            && (!most || series->Count() > most->Count()))
            most = series;
    return most;
}

double TCustomAxisPanel::AxisSeriesMinMax(const TChartAxis &axis, bool isMin, bool isX) const
{
    if (axis.IsDepthAxis()) {
        if (axis.GetLabelStyle() != talValue)
            return isMin ? -0.5 : MaxZOrder + 0.5;
        bool found = false;
        double result = 0.0;
        for (const TChartSeries *series : m_seriesList)
            if (series->Active()) {
                const double z = isMin ? series->MinZValue() : series->MaxZValue();
                if (!found || (isMin ? z < result : z > result))
                    result = z;
                found = true;
            }
        return result;
    }
    if (m_maxPointsPerPage > 0) {
        const TChartSeries *first = GetAxisSeries(axis);
        const bool pagedX = !first || first->YMandatory();
        if (pagedX == isX) {
            const TChartSeries *series = GetAxisSeriesMaxPoints(axis);
            if (!series || series->Count() == 0)
                return 0.0;
            int from = 0;
            int to = 0;
            series->CalcFirstLastPage(from, to);
            const TChartValueList *list = isX ? series->XValues() : series->YValues();
            const double minimum = list->Value(from);
            double maximum = list->Value(to);
            const int n = to - from + 1;
            if (isMin)
                return minimum;
            if (!m_scaleLastPage && n < m_maxPointsPerPage)
                maximum = maximum == minimum ? minimum + double(m_maxPointsPerPage) / n
                                             : minimum + (maximum - minimum) * m_maxPointsPerPage / n;
            return maximum;
        }
    }
    const auto associated = [&](const TChartSeries &series) {
        return isX ? series.HorizAxis() == aBothHorizAxis || series.GetHorizAxis() == &axis
                   : series.VertAxis() == aBothVertAxis || series.GetVertAxis() == &axis;
    };
    bool anyActive = false;
    for (const TChartSeries *series : m_seriesList)
        anyActive = anyActive || (series->Active() && series->UseAxis() && associated(*series));
    bool found = false;
    double result = 0.0;
    for (const TChartSeries *series : m_seriesList) {
        if ((anyActive && !series->Active()) || series->Count() == 0 || !series->UseAxis() || !associated(*series))
            continue;
        const double v = isX ? (isMin ? series->MinXValue() : series->MaxXValue())
                             : (isMin ? series->MinYValue() : series->MaxYValue());
        if (!found || (isMin ? v < result : v > result))
            result = v;
        found = true;
    }
    return result;
}

// Data sources.

bool TCustomAxisPanel::IsValidDataSource(const TChartSeries &series, const QObject *component) const
{
    if (series.IsValidComponentSource(component))
        return true;
    const auto *source = qobject_cast<const TPlotSeriesSource *>(component);
    return source && source->Available();
}

void TCustomAxisPanel::CheckCircularSource(const TChartSeries &series, const QObject *source) const
{
    if (TChartSeries::DependsOn(source, &series))
        throw ChartException(PlotConst::message(PlotConst::msgCircularSeries));
}

void TCustomAxisPanel::RefreshDataSource(TChartSeries &series)
{
    if (series.IsLoading() || m_loading)
        return;
    QObject *source = series.DataSource();
    if (!source) {
        TPlotFunction *function = series.FunctionType();
        if (function && function->NoSourceRequired) {
            TChartSeries::UpdateScope update(series);
            series.Clear();
            function->AddFunctionPoints(nullptr);
            update.end();
        }
        return;
    }
    if (auto *sourceSeries = qobject_cast<TChartSeries *>(source))
        series.AddValuesFrom(sourceSeries);
    else if (auto *seriesSource = qobject_cast<TPlotSeriesSource *>(source))
        seriesSource->Refresh();
}

void TCustomAxisPanel::RemovedDataSource(TChartSeries &series, QObject *component)
{
    auto *source = qobject_cast<TPlotSeriesSource *>(component);
    if (source && series.DataSource() == source)
        source->attach(nullptr);
}

// Pages.

int TCustomAxisPanel::NumPages() const
{
    if (m_maxPointsPerPage < 1 || m_seriesList.IsEmpty())
        return 1;
    const auto pages = [this](const TChartAxis *axis) {
        int n = 0;
        for (const TChartSeries *series : m_seriesList)
            if (series->Active() && series->AssociatedToAxis(*axis))
                n = std::max(n, series->Count());
        if (n < 1)
            return 1;
        return n / m_maxPointsPerPage + (n % m_maxPointsPerPage ? 1 : 0);
    };
    if (m_seriesList[0]->YMandatory())
        return std::max(pages(TopAxis()), pages(BottomAxis()));
    return std::max(pages(LeftAxis()), pages(RightAxis()));
}

void TCustomAxisPanel::broadcastPageChange()
{
    TChartChangePage event;
    BroadcastPlotEvent(event);
}

void TCustomAxisPanel::SetPage(int value)
{
    value = std::max(std::min(value, NumPages()), 1);
    if (value == m_page)
        return;
    m_page = value;
    Invalidate();
    broadcastPageChange();
    fire(OnPageChange);
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
    if (value < 0)
        throw ChartException(PlotConst::message(PlotConst::msgMaxPointsPerPage));
    setPanelProperty(m_maxPointsPerPage, value);
    if (NumPages() < m_page)
        SetPage(NumPages());
    broadcastPageChange();
}

// 3D.

void TCustomAxisPanel::CalcSize3D()
{
    if (!View3D()) {
        SeriesWidth3D = SeriesHeight3D = Width3D = Height3D = 0;
        return;
    }
    const TView3DOptions &view = *View3DOptions();
    double d = m_chart3DPercent * 0.001;
    if (!view.Orthogonal())
        d *= 2.0;
    SeriesWidth3D = plotRound(d * ChartWidth);
    const double ratio = view.OrthoRatio();
    if (ratio > 1.0)
        SeriesWidth3D = plotRound(SeriesWidth3D / ratio);
    SeriesHeight3D = plotRound(SeriesWidth3D * ratio);
    const int depths = DepthPerSeries ? std::max(1, MaxZOrder + 1) : 1;
    Width3D = SeriesWidth3D * depths;
    Height3D = SeriesHeight3D * depths;
}

QString TCustomAxisPanel::GetValueLegendText(const TChartSeries &series, int valueIndex) const
{
    Q_UNUSED(series);
    Q_UNUSED(valueIndex);
    return {};
}

// Printing and copying.

void TCustomAxisPanel::PrintPages(int fromPage, int toPage)
{
    QPaintDevice *device = Printer().PaintDevice();
    if (!device)
        return;
    if (auto *printer = dynamic_cast<QPrinter *>(device); printer && !objectName().isEmpty())
        printer->setDocName(objectName());
    QPainter painter;
    if (!painter.begin(device))
        return;
    GuiCanvas canvas;
    canvas.attachPainter(&painter);
    const int saved = m_page;
    const int first = fromPage < 1 ? 1 : fromPage;
    const int last = toPage < 1 ? NumPages() : toPage;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            if (auto *paged = dynamic_cast<QPagedPaintDevice *>(device))
                paged->newPage();
        SetPage(page);
        PrintPartialCanvas(&canvas, ChartPrintRect());
    }
    SetPage(saved);
    canvas.endPaint();
    painter.end();
}

void TCustomAxisPanel::Assign(const TCustomPlotPanel &source)
{
    if (const auto *panel = qobject_cast<const TCustomAxisPanel *>(&source); panel && panel != this) {
        m_chart3DPercent = panel->m_chart3DPercent;
        m_axisBehind = panel->m_axisBehind;
        m_axisVisible = panel->m_axisVisible;
        m_clipPoints = panel->m_clipPoints;
        ColorPalette = panel->ColorPalette;
        for (int i = 0; i < TChartAxes::kStandardCount; ++i)
            m_axes[i]->Assign(*panel->m_axes[i]);
        ClearCustomAxes();
        for (int i = 0; i < panel->CustomAxisCount(); ++i)
            AddCustomAxis(panel->CustomAxis(i)->Horizontal())->Assign(*panel->CustomAxis(i));
        m_maxPointsPerPage = panel->m_maxPointsPerPage;
        m_page = panel->m_page;
        m_scaleLastPage = panel->m_scaleLastPage;
        m_view3DWalls = panel->m_view3DWalls;
    }
    TCustomPlotPanelExtended::Assign(source);
}
