// Series base: visible range and pages, drawing order, depth, mouse, legend and mark texts, and
// the placing of the marks.
#include "TChartSeries.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"
#include "VisibleRange.h"

#include "PlotConst.h"
#include "PlotHtml.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "TCanvas3D.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <limits>

void TChartSeries::CalcFirstLastVisibleIndex()
{
    m_firstValueIndex = -1;
    m_lastValueIndex = -1;
    const int n = Count();
    if (n < 1)
        return;
    const TChartValueList *list = NotMandatoryValueList();
    const TChartAxis *axis = m_yMandatory ? GetHorizAxis() : GetVertAxis();
    const TCustomAxisPanel *chart = ParentChart();
    if (!VisibleRangeOnly || list->Order() == loNone || !axis || !chart) {
        m_firstValueIndex = 0;
        m_lastValueIndex = n - 1;
        return;
    }
    const TRect r = chart->ChartRect;
    int lowPixel = 0;
    int highPixel = 0;
    if (axis->Horizontal()) {
        lowPixel = axis->Inverted() ? r.right : r.left;
        highPixel = axis->Inverted() ? r.left : r.right;
    } else {
        lowPixel = axis->Inverted() ? r.top : r.bottom;
        highPixel = axis->Inverted() ? r.bottom : r.top;
    }
    const double low = axis->PixelToValue(lowPixel);
    const double high = axis->PixelToValue(highPixel);
    const PlotEngine::IndexRange range = list->Order() == loAscending
                                             ? PlotEngine::VisibleRangeBySearch(list->Values(), low, high, DrawOneBeyondEdge)
                                             : PlotEngine::VisibleRangeByScan(list->Values(), low, high, DrawOneBeyondEdge);
    m_firstValueIndex = range.first;
    m_lastValueIndex = range.last;
}

void TChartSeries::CalcFirstLastPage(int &first, int &last) const
{
    const int n = Count();
    const TCustomAxisPanel *chart = ParentChart();
    const int m = chart ? chart->MaxPointsPerPage() : 0;
    const int page = chart ? chart->Page() : 1;
    if (n == 0) {
        first = last = -1;
        return;
    }
    if (m < 1) {
        first = 0;
        last = n - 1;
        return;
    }
    first = (page - 1) * m;
    if (n <= first)
        first = std::max(0, n / m - 1) * m;
    last = first + m - 1;
    if (n <= last)
        last = (n % m) + first - 1;
}

void TChartSeries::DrawAllValues()
{
    if (m_firstValueIndex < 0)
        return;
    if (DrawValuesForward()) {
        for (int i = m_firstValueIndex; i <= m_lastValueIndex; ++i)
            DrawValue(i);
    } else {
        for (int i = m_lastValueIndex; i >= m_firstValueIndex; --i)
            DrawValue(i);
    }
}

bool TChartSeries::DrawValuesForward() const
{
    if (!m_yMandatory)
        return !(m_vertAxisObject && m_vertAxisObject->Inverted());
    const bool forward = !(m_horizAxisObject && m_horizAxisObject->Inverted());
    const TCustomAxisPanel *chart = ParentChart();
    return chart && chart->ViewReversed() ? !forward : forward;
}

bool TChartSeries::DrawSeriesForward(int valueIndex) const
{
    Q_UNUSED(valueIndex);
    const TCustomAxisPanel *chart = ParentChart();
    return !(chart && chart->ViewReversed());
}

void TChartSeries::DoBeforeDrawValues()
{
    // A copy: a hook may add or remove hooks.
    const std::vector<DrawValuesHooks> hooks = m_drawValuesHooks;
    for (const DrawValuesHooks &hook : hooks)
        if (hook.before)
            hook.before();
    if (BeforeDrawValues)
        BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues()
{
    if (AfterDrawValues)
        AfterDrawValues(this);
    const std::vector<DrawValuesHooks> hooks = m_drawValuesHooks;
    for (const DrawValuesHooks &hook : hooks)
        if (hook.after)
            hook.after();
}

void TChartSeries::AddDrawValuesHooks(const void *owner, std::function<void()> before, std::function<void()> after)
{
    RemoveDrawValuesHooks(owner);
    m_drawValuesHooks.push_back({owner, std::move(before), std::move(after)});
}

void TChartSeries::RemoveDrawValuesHooks(const void *owner)
{
    std::erase_if(m_drawValuesHooks, [owner](const DrawValuesHooks &hook) { return hook.owner == owner; });
}

// Depth.

void TChartSeries::CalcZOrder()
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    if (m_zOrder != -1) {
        chart->MaxZOrder = std::max(chart->MaxZOrder, m_zOrder);
    } else if (!chart->View3D()) {
        m_computedZOrder = 0;
    } else {
        ++chart->MaxZOrder;
        m_computedZOrder = chart->MaxZOrder;
    }
}

void TChartSeries::CalcDepthPositions()
{
    const TCustomAxisPanel *chart = ParentChart();
    const int seriesDepth = chart ? chart->SeriesWidth3D : 0;
    // A file's depth may be any integer: the sums saturate instead of wrapping.
    m_startZ = int(std::clamp<long long>(static_cast<long long>(seriesDepth) * m_computedZOrder,
                                         std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    m_endZ = addSaturated(m_startZ, m_depth == -1 ? seriesDepth : m_depth);
    m_middleZ = int((static_cast<long long>(m_startZ) + m_endZ) / 2);
    m_marks->SetZPosition(m_middleZ);
}

bool TChartSeries::MoreSameZOrder() const
{
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart || !chart->DepthPerSeries)
        return false;
    for (const TChartSeries *other : chart->SeriesList())
        if (other != this && other->Active() && !other->ExcludeFromZOrderTest && other->GetZOrder() == GetZOrder())
            return true;
    return false;
}

bool TChartSeries::IsFirstInZOrder() const
{
    if (!Active())
        return false;
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return true;
    for (const TChartSeries *other : chart->SeriesList()) {
        if (other == this)
            return true;
        if (other->Active() && other->GetZOrder() == GetZOrder())
            return false;
    }
    return true;
}

// Mouse.

int TChartSeries::Clicked(int x, int y) const
{
    Q_UNUSED(x);
    Q_UNUSED(y);
    return -1;
}

bool TChartSeries::CheckMouse(int x, int y)
{
    if (m_cursor == 0 && !OnMouseEnter && !OnMouseLeave)
        return false;
    TCustomAxisPanel *chart = ParentChart();
    if (Clicked(x, y) != -1) {
        if (m_cursor != 0 && chart)
            chart->setCursor(PlotProcs::PlotCursor(m_cursor));
        if (!m_mouseInside) {
            m_mouseInside = true;
            if (OnMouseEnter)
                OnMouseEnter(this);
        }
        return true;
    }
    if (m_mouseInside) {
        m_mouseInside = false;
        if (OnMouseLeave)
            OnMouseLeave(this);
    }
    return false;
}

// Texts.

QString TChartSeries::ValueText(double value) const
{
    if (MandatoryValueList()->DateTime())
        return PlotFormat::FormatDateTime(PlotProcs::DateTimeDefaultFormat(value), value);
    return PlotFormat::FormatFloat(m_valueFormat, value);
}

QString TChartSeries::PercentText(double value) const
{
    const double total = MandatoryValueList()->TotalAbs();
    return PlotFormat::FormatFloat(m_percentFormat, total == 0.0 ? 100.0 : 100.0 * value / total);
}

QString TChartSeries::XValueText(int index) const
{
    const double x = NotMandatoryValueList()->Value(index);
    if (const TChartAxis *axis = GetHorizAxis())
        return axis->FormatLabelValue(x);
    return PlotFormat::FormatFloat(m_valueFormat, x);
}

QString TChartSeries::GetLegendText(int legendIndex, TLegendTextStyle style) const
{
    const int index = LegendToValueIndex(legendIndex);
    const QString label = m_labels.GetLabel(index);
    const double value = GetMarkValue(index);
    const QString separator(QChar(6));
    const auto withLabel = [&](const QString &text, bool labelFirst) {
        if (label.isEmpty())
            return text;
        return labelFirst ? label + separator + text : text + separator + label;
    };
    switch (style) {
    case ltsPlain: return label;
    case ltsLeftValue: return withLabel(ValueText(value), false);
    case ltsRightValue: return withLabel(ValueText(value), true);
    case ltsLeftPercent: return withLabel(PercentText(value), false);
    case ltsRightPercent: return withLabel(PercentText(value), true);
    case ltsXValue: return XValueText(index);
    case ltsValue: return ValueText(value);
    case ltsPercent: return PercentText(value);
    case ltsXAndValue: return XValueText(index) + separator + ValueText(value);
    case ltsXAndPercent: return XValueText(index) + separator + PercentText(value);
    }
    return label;
}

QString TChartSeries::GetMarkText(int valueIndex) const
{
    QString text;
    const TMarksItem *item = m_marks->Items().ItemIfAny(valueIndex);
    if (item && item->HasText()) {
        text = item->Text().join(QStringLiteral("\r\n"));
    } else {
        const bool multiLine = m_marks->MultiLine();
        const QString separator = multiLine ? QStringLiteral("\r") : QStringLiteral(" ");
        const double markValue = GetMarkValue(valueIndex);
        const double total = MandatoryValueList()->TotalAbs();
        const QString value = PlotFormat::FormatFloat(m_valueFormat, markValue);
        const QString label = m_labels.GetLabel(valueIndex).isEmpty() ? value : m_labels.GetLabel(valueIndex);
        const QString percent =
            PlotFormat::FormatFloat(m_percentFormat, total == 0.0 ? 100.0 : std::fabs(markValue) * 100.0 / total);
        const auto percentTotal = [&] {
            return PlotConst::plotFormat(
                PlotConst::message(multiLine ? PlotConst::msgDefaultPercentOf2 : PlotConst::msgDefaultPercentOf),
                {percent, PlotFormat::FormatFloat(m_valueFormat, total)});
        };
        switch (m_marks->Style()) {
        case smsValue: text = value; break;
        case smsPercent: text = percent; break;
        case smsLabel: text = label; break;
        case smsLabelPercent: text = label + separator + percent; break;
        case smsLabelValue: text = label + separator + value; break;
        case smsLegend:
            if (const TCustomAxisPanel *chart = ParentChart())
                text = chart->GetValueLegendText(*this, valueIndex);
            if (!multiLine)
                text.replace(QChar(6), u' ');
            break;
        case smsPercentTotal: text = percentTotal(); break;
        case smsLabelPercentTotal: text = label + separator + percentTotal(); break;
        case smsXValue: text = XValueText(valueIndex); break;
        case smsXY: text = XValueText(valueIndex) + separator + value; break;
        }
    }
    if (OnGetMarkText)
        OnGetMarkText(const_cast<TChartSeries *>(this), valueIndex, text);
    return text;
}

// Legend symbol.

void TChartSeries::DrawLegend(int valueIndex, const TRect &rect)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || (valueIndex == -1 && m_colorEachPoint))
        return;
    TCanvas3D &canvas = *chart->Canvas();
    const bool autoRepaint = std::exchange(chart->AutoRepaint, false);
    const auto restoreRepaint = qScopeGuard([&] { chart->AutoRepaint = autoRepaint; });
    const TColor color = valueIndex == -1 ? Color() : LegendItemColor(valueIndex);
    canvas.Brush()->SetColor(color);
    if (color == clNone)
        return;
    TColor back = chart->BackgroundColor;
    TBrushStyle style = Brush()->Style();
    canvas.AssignVisiblePen(*Pen());
    PrepareLegendCanvas(valueIndex, back, style);
    if (chart->LegendPen)
        canvas.AssignVisiblePen(*chart->LegendPen);
    if (back == clPlotColor)
        back = chart->BackgroundColor == clPlotColor ? chart->Color() : chart->BackgroundColor;
    const TBrushStyle own = Brush()->Style();
    const bool swapStyle = style != own && !(Brush()->imageIfAny() && !Brush()->imageIfAny()->IsEmpty());
    if (swapStyle) {
        const QSignalBlocker quiet(Brush());
        Brush()->SetStyle(style);
    }
    const auto restoreStyle = qScopeGuard([&] {
        if (swapStyle) {
            const QSignalBlocker quiet(Brush());
            Brush()->SetStyle(own);
        }
    });
    chart->SetBrushCanvas(color, *Brush(), back);
    DrawLegendShape(valueIndex, rect);
}

void TChartSeries::DrawLegendThrough(TCustomAxisPanel &chart, int valueIndex, const TRect &rect)
{
    if (ParentChart()) {
        DrawLegend(valueIndex, rect);
        return;
    }
    storeParentChart(&chart);
    const auto unlend = qScopeGuard([this] { storeParentChart(nullptr); });
    DrawLegend(valueIndex, rect);
}

void TChartSeries::DrawLegendLine(const TRect &rect)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    // A curve of width 1000 painted the whole panel with its symbol, over the titles and the
    // legend; unclipped where the chart may not clip, as the series themselves are.
    TCanvas3D &canvas = *chart->Canvas();
    const bool clip = chart->CanClip();
    if (clip)
        canvas.ClipRectangle(rect);
    const auto unclip = qScopeGuard([&] {
        if (clip)
            canvas.UnClipRectangle();
    });
    const int middle = int((static_cast<long long>(rect.top) + rect.bottom) / 2);
    canvas.Line(rect.left, middle, rect.right, middle);
}

void TChartSeries::DrawLegendShape(int valueIndex, const TRect &rect)
{
    Q_UNUSED(valueIndex);
    // Through the chart: its legend symbol may fill the box with a gradient.
    if (TCustomAxisPanel *chart = ParentChart())
        chart->DrawVisibleRect(rect);
}

void TChartSeries::PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle)
{
    Q_UNUSED(valueIndex);
    Q_UNUSED(backColor);
    Q_UNUSED(brushStyle);
}

// Marks.

void TChartSeries::DrawMarks()
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || m_firstValueIndex < 0)
        return;
    TCanvas3D &canvas = *chart->Canvas();
    const TView3DOptions *view = chart->View3DOptions();
    const bool zoomText = chart->View3D() && !canvas.ReservedQuery() && view->ZoomText() && view->Zoom() != 100;
    const int every = std::max(1, m_marks->DrawEvery());
    for (int p = m_firstValueIndex; p <= m_lastValueIndex; ++p) {
        if (p % every != 0 || IsNull(p))
            continue;
        const QString text = GetMarkText(p);
        if (text.isEmpty())
            continue;
        TPlotCustomShape &item = m_marks->ItemFor(p);
        if (!item.Visible())
            continue;
        canvas.AssignFont(item.Font());
        if (zoomText)
            canvas.Font()->SetSize(std::max(1, plotRound(canvas.Font()->Size() * view->Zoom() * 0.01)));
        int width = 0;
        int height = 0;
        const int lineHeight = canvas.FontHeight();
        if (item.TextFormat() == ttfHtml) {
            const QSize size = PlotHtml::HtmlTextExtent(canvas, text);
            width = size.width();
            height = size.height();
        } else {
            const QStringList lines = TSeriesMarks::Lines(text);
            for (const QString &line : lines)
                width = std::max(width, canvas.TextWidth(line));
            height = int(lines.size()) * lineHeight;
        }
        width += canvas.TextWidth(QStringLiteral("W"));
        if (m_marks->SymbolShown())
            width += lineHeight - 4;
        canvas.AssignVisiblePen(*item.Pen());
        const int grow = item.Pen()->Visible() ? 2 * item.Pen()->Width() : 1;
        width += grow;
        height += grow;
        TSeriesMarkPosition position;
        position.ArrowTo = {CalcXPos(p), CalcYPos(p)};
        position.ArrowFrom = position.ArrowTo;
        position.LeftTop = {position.ArrowTo.x - width / 2, position.ArrowTo.y - height + 1};
        position.Width = width;
        position.Height = height;
        DrawMark(p, text, position);
    }
}

void TChartSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    m_marks->DrawItem(valueIndex, GetValueColor(valueIndex), text, position);
}
