// Bar series base: properties, the shared arrangement, the layout of one drawing, stacking, limits,
// margins, depth, the gallery styles and the sample values.
#include "TCustomBarSeries.h"

#include "SeriesGalleryTexts.h"
#include "SeriesPixel.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"

#include "PlotRound.h"
#include "TCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <limits>

TCustomBarSeries::TCustomBarSeries(QObject *owner)
    : TChartSeries(owner)
    , m_gradient(new TBarSeriesGradient(this))
    , m_tickLines(new TChartHiddenPen(this))
{
    m_gradient->SetVisible(true);
    connect(m_gradient, &TCustomPlotGradient::changed, this, [this] { CanvasChanged(); });
    connect(m_tickLines, &TPen::changed, this, [this] { CanvasChanged(); });
    Marks()->SetVisible(true);
    Marks()->Callout()->SetLength(20);
}

TCustomBarSeries::~TCustomBarSeries() = default;

void TCustomBarSeries::SetGradient(const TBarSeriesGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

void TCustomBarSeries::SetTickLines(const TChartHiddenPen *value)
{
    if (value)
        m_tickLines->Assign(*value);
}

void TCustomBarSeries::SetTransparency(int value)
{
    SetIntegerProperty(m_transparency, std::clamp(value, 0, 100));
}

std::vector<TCustomBarSeries *> TCustomBarSeries::sameClassSeries(bool activeOnly) const
{
    std::vector<TCustomBarSeries *> result;
    if (const TCustomAxisPanel *chart = ParentChart())
        for (TChartSeries *series : chart->SeriesList())
            if (auto *bar = qobject_cast<TCustomBarSeries *>(series);
                bar && (!activeOnly || bar->Active()) && SameClass(*bar))
                result.push_back(bar);
    return result;
}

void TCustomBarSeries::shareArrangement()
{
    // Self-stacked bars stand at their series' place: every point is drawn, wherever the axis is.
    for (TCustomBarSeries *bar : sameClassSeries(false)) {
        bar->m_multiBar = m_multiBar;
        bar->m_sideMargins = m_sideMargins;
        bar->VisibleRangeOnly = m_multiBar != mbSelfStack;
    }
    VisibleRangeOnly = m_multiBar != mbSelfStack;
    Repaint();
}

void TCustomBarSeries::SetMultiBar(TMultiBar value)
{
    if (value == m_multiBar)
        return;
    m_multiBar = value;
    shareArrangement();
}

void TCustomBarSeries::SetSideMargins(bool value)
{
    if (value == m_sideMargins)
        return;
    m_sideMargins = value;
    shareArrangement();
}

void TCustomBarSeries::SetParentChart(TCustomAxisPanel *value)
{
    TChartSeries::SetParentChart(value);
    // A bar joining a chart takes the arrangement of the bars of its class already there.
    for (const TCustomBarSeries *bar : sameClassSeries(false)) {
        if (bar == this)
            continue;
        m_multiBar = bar->m_multiBar;
        m_sideMargins = bar->m_sideMargins;
        VisibleRangeOnly = m_multiBar != mbSelfStack;
        break;
    }
}

void TCustomBarSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *s = qobject_cast<const TCustomBarSeries *>(&source); s && s != this) {
        m_autoMarkPosition = s->m_autoMarkPosition;
        m_barWidthPercent = s->m_barWidthPercent;
        m_barStyle = s->m_barStyle;
        m_bevelSize = s->m_bevelSize;
        m_customBarSize = s->m_customBarSize;
        m_dark3D = s->m_dark3D;
        m_depthPercent = s->m_depthPercent;
        m_gradient->Assign(*s->m_gradient);
        m_multiBar = s->m_multiBar;
        m_offsetPercent = s->m_offsetPercent;
        m_yOrigin = s->m_yOrigin;
        m_sideMargins = s->m_sideMargins;
        m_stackGroup = s->m_stackGroup;
        m_tickLines->Assign(*s->m_tickLines);
        m_transparency = s->m_transparency;
        m_useYOrigin = s->m_useYOrigin;
        VisibleRangeOnly = m_multiBar != mbSelfStack;
    }
    TChartSeries::Assign(source);
}

// Layout.

void TCustomBarSeries::PrepareForDraw()
{
    Layout layout;
    std::vector<int> groups;
    bool seen = false;
    for (const TCustomBarSeries *bar : sameClassSeries(true)) {
        seen = seen || bar == this;
        const int n = bar->Count();
        if (layout.maxPoints < n)
            layout.maxPoints = n + (bar->m_sideMargins && n >= 1 ? 1 : 0);
        switch (bar->m_multiBar) {
        case mbNone:
        case mbSelfStack: layout.slots = 1; break;
        case mbSide:
        case mbSideAll:
            ++layout.slots;
            layout.ownSlot += seen ? 0 : 1;
            break;
        case mbStacked:
        case mbStacked100:
            if (std::find(groups.begin(), groups.end(), bar->m_stackGroup) == groups.end()) {
                groups.push_back(bar->m_stackGroup);
                ++layout.slots;
                layout.ownSlot += seen ? 0 : 1;
            }
            break;
        }
        if (!seen)
            layout.pointsBefore += n;
    }
    if (!groups.empty()) {
        const auto own = std::find(groups.begin(), groups.end(), m_stackGroup);
        layout.ownSlot = int(own - groups.begin()) + 1;
    }
    // Paging divides the axis by the points of a page; bars stacking themselves stand one per slot.
    const TCustomAxisPanel *chart = ParentChart();
    if (m_multiBar == mbSelfStack)
        layout.maxPoints = layout.slots;
    else if (chart && chart->MaxPointsPerPage() >= 1)
        layout.maxPoints = chart->MaxPointsPerPage();
    collectStack(layout);
    m_layout = std::move(layout);
    m_layoutPrepared = true;
    calcBarWidth();
}

void TCustomBarSeries::collectStack(Layout &layout) const
{
    layout.stack.clear();
    layout.ownStackPlace = -1;
    for (const TCustomBarSeries *bar : sameClassSeries(true)) {
        if (bar == this)
            layout.ownStackPlace = int(layout.stack.size());
        if (bar->m_stackGroup == m_stackGroup)
            layout.stack.emplace_back(bar);
    }
}

void TCustomBarSeries::calcBarWidth()
{
    if (m_customBarSize != 0) {
        m_layout.barWidth = m_customBarSize;
        return;
    }
    const TChartAxis *axis = categoryAxis();
    if (m_layout.maxPoints < 1 || !axis) {
        m_layout.barWidth = 0;
        return;
    }
    const int pixels = axis->PixelSize();
    const int room = m_autoBarSize ? plotRound(pixels / (2.0 + axis->WorkMaximum() - axis->WorkMinimum()))
                                   : pixels / m_layout.maxPoints;
    // No bar series active asks for no slots: the margins of an inactive series still need a width.
    int width = plotRound(m_barWidthPercent * 0.01 * room) / std::max(m_layout.slots, 1);
    if (width % 2 != 0)
        ++width;
    m_layout.barWidth = width;
}

int TCustomBarSeries::barMargin() const
{
    const long long width = m_layout.barWidth;
    long long margin = m_multiBar == mbSideAll ? width : width * std::max(m_layout.slots, 1);
    if (!m_sideMargins)
        margin /= 2;
    return int(std::clamp<long long>(margin, 0, PlotEngine::MaxAxisPixel));
}

// Pixels.

int TCustomBarSeries::valuePixel(double value) const
{
    const TChartAxis *axis = valueAxis();
    return axis ? axis->ValueToPixel(value) : 0;
}

int TCustomBarSeries::categoryPixel(double value) const
{
    const TChartAxis *axis = categoryAxis();
    return axis ? axis->ValueToPixel(value) : 0;
}

double TCustomBarSeries::PointOrigin(int valueIndex, bool sumAll) const
{
    if (isStacked()) {
        // The series of the stack as the layout of the last drawing found them (as the bars on
        // the screen stand); before any drawing, as the chart holds them now.
        Layout fresh;
        if (!m_layoutPrepared)
            collectStack(fresh);
        const Layout &layout = m_layoutPrepared ? m_layout : fresh;
        // Positive values stack on positives, negatives on negatives; zeros add nothing.
        const double own = GetOriginValue(valueIndex);
        const auto sameSign = [own](double v) { return own < 0.0 ? v < 0.0 : v > 0.0; };
        const std::size_t end = sumAll || layout.ownStackPlace < 0 ? layout.stack.size() : std::size_t(layout.ownStackPlace);
        double sum = 0.0;
        for (std::size_t k = 0; k < end; ++k) {
            const TCustomBarSeries *bar = layout.stack[k];
            if (!bar || bar->Count() <= valueIndex)
                continue;
            const double v = bar->GetOriginValue(valueIndex);
            if (sameSign(v))
                sum += v;
        }
        return sum;
    }
    if (m_multiBar == mbSelfStack) {
        const std::span<const double> values = MandatoryValueList()->Values();
        double sum = 0.0;
        for (int i = 0; i < std::min(valueIndex, int(values.size())); ++i)
            if (std::isfinite(values[std::size_t(i)]))
                sum += values[std::size_t(i)];
        return sum;
    }
    return m_yOrigin;
}

int TCustomBarSeries::BarEndPixel(int valueIndex) const
{
    const double value = MandatoryValueList()->Value(valueIndex);
    switch (m_multiBar) {
    case mbNone:
    case mbSide:
    case mbSideAll: return valuePixel(value);
    case mbStacked:
    case mbSelfStack: return valuePixel(PointOrigin(valueIndex, false) + value);
    case mbStacked100: break;
    }
    // A zero total has no percentages: the bar keeps a zero height at the pixel of 0. (Pixel 0 put
    // it, its mark and its hit box at the top edge of the control.)
    const double total = PointOrigin(valueIndex, true);
    return valuePixel(total == 0.0 ? 0.0 : (PointOrigin(valueIndex, false) + value) * 100.0 / total);
}

int TCustomBarSeries::BarStartPixel(int valueIndex) const
{
    switch (m_multiBar) {
    case mbStacked:
    case mbSelfStack: return valuePixel(PointOrigin(valueIndex, false));
    case mbStacked100: {
        const double total = PointOrigin(valueIndex, true);
        return valuePixel(total == 0.0 ? 0.0 : PointOrigin(valueIndex, false) * 100.0 / total);
    }
    case mbNone:
    case mbSide:
    case mbSideAll: break;
    }
    if (m_useYOrigin)
        return valuePixel(m_yOrigin);
    // The axis edge the bars stand on: the bottom of a vertical axis, the left of a horizontal one.
    const TChartAxis *axis = valueAxis();
    if (!axis)
        return 0;
    return YMandatory() ? axis->EndPixel() : axis->StartPixel();
}

int TCustomBarSeries::BarPositionPixel(int valueIndex) const
{
    const int width = m_layout.barWidth;
    double pixel = 0.0;
    switch (m_multiBar) {
    case mbSideAll: pixel = categoryPixel(valueIndex + m_layout.pointsBefore) - width / 2; break;
    case mbSelfStack: {
        const TCustomAxisPanel *chart = ParentChart();
        pixel = categoryPixel(chart ? chart->SeriesList().IndexOf(this) : 0) - width / 2;
        break;
    }
    case mbNone: pixel = categoryPixel(NotMandatoryValueList()->Value(valueIndex)) - width / 2; break;
    case mbSide:
    case mbStacked:
    case mbStacked100:
        pixel = categoryPixel(NotMandatoryValueList()->Value(valueIndex))
                + plotRound((m_layout.ownSlot - m_layout.slots * 0.5 - 1.0) * width);
        break;
    }
    if (m_offsetPercent != 0)
        pixel += plotRound(m_offsetPercent * width * 0.01);
    return SeriesPixel::toPixel(pixel).value_or(0);
}

// Limits.

double TCustomBarSeries::valueLimit(bool maximum) const
{
    const TChartValueList *values = MandatoryValueList();
    const int n = Count();
    if (m_multiBar == mbStacked100)
        return maximum ? 100.0 : 0.0;
    if (n == 0 || (m_multiBar != mbStacked && m_multiBar != mbSelfStack))
        return maximum ? values->MaxValue() : values->MinValue();
    double result = maximum ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    if (m_multiBar == mbSelfStack) {
        // From 0 through every running sum to the total.
        double sum = 0.0;
        result = 0.0;
        for (const double v : values->Values()) {
            if (!std::isfinite(v))
                continue;
            sum += v;
            result = maximum ? std::max(result, sum) : std::min(result, sum);
        }
        return result;
    }
    for (int i = 0; i < n; ++i) {
        const double v = PointOrigin(i, false) + values->Value(i);
        if (std::isfinite(v))
            result = maximum ? std::max(result, v) : std::min(result, v);
    }
    return std::isfinite(result) ? result : 0.0;
}

double TCustomBarSeries::categoryLimit(bool maximum) const
{
    if (m_multiBar == mbSideAll)
        return maximum ? m_layout.pointsBefore + Count() - 1 : 0.0;
    if (m_multiBar == mbSelfStack) {
        const TCustomAxisPanel *chart = ParentChart();
        return chart ? chart->SeriesList().IndexOf(this) : 0;
    }
    const TChartValueList *values = NotMandatoryValueList();
    return maximum ? values->MaxValue() : values->MinValue();
}

double TCustomBarSeries::MaxXValue() const
{
    if (YMandatory())
        return categoryLimit(true);
    const double v = valueLimit(true);
    return m_useYOrigin ? std::max(v, m_yOrigin) : v;
}

double TCustomBarSeries::MinXValue() const
{
    if (YMandatory())
        return categoryLimit(false);
    const double v = valueLimit(false);
    return m_useYOrigin ? std::min(v, m_yOrigin) : v;
}

double TCustomBarSeries::MaxYValue() const
{
    if (!YMandatory())
        return categoryLimit(true);
    const double v = valueLimit(true);
    return m_useYOrigin ? std::max(v, m_yOrigin) : v;
}

double TCustomBarSeries::MinYValue() const
{
    if (!YMandatory())
        return categoryLimit(false);
    const double v = valueLimit(false);
    return m_useYOrigin ? std::min(v, m_yOrigin) : v;
}

// Margins, depth and order.

int TCustomBarSeries::MarkLength(int valueIndex) const
{
    Q_UNUSED(valueIndex);
    return 0;
}

void TCustomBarSeries::valueAxisMargins(int &lowEnd, int &highEnd)
{
    if (Count() == 0 || !Marks()->Visible())
        return;
    const TSeriesMarks &marks = *Marks();
    const int m = MarkLength(-1) + marks.ArrowLength() + (marks.Pen()->Visible() ? 2 * marks.Pen()->Width() : 0) + 1;
    const double minimum = valueLimit(false);
    const double maximum = valueLimit(true);
    if (m_useYOrigin && minimum < m_yOrigin)
        lowEnd += m;
    if (!(m_useYOrigin && maximum <= m_yOrigin))
        highEnd += m;
}

void TCustomBarSeries::CalcHorizMargins(int &left, int &right)
{
    TChartSeries::CalcHorizMargins(left, right);
    if (YMandatory()) {
        // The axes have their pixels now: the width follows them.
        calcBarWidth();
        left = right = barMargin();
        return;
    }
    const TChartAxis *axis = valueAxis();
    if (axis && axis->Inverted())
        valueAxisMargins(right, left);
    else
        valueAxisMargins(left, right);
}

void TCustomBarSeries::CalcVerticalMargins(int &top, int &bottom)
{
    TChartSeries::CalcVerticalMargins(top, bottom);
    if (!YMandatory()) {
        calcBarWidth();
        top = bottom = barMargin();
        return;
    }
    const TChartAxis *axis = valueAxis();
    if (axis && axis->Inverted())
        valueAxisMargins(top, bottom);
    else
        valueAxisMargins(bottom, top);
}

void TCustomBarSeries::DoBeforeDrawValues()
{
    // The ranges are final now (an automatic bar size depends on them).
    calcBarWidth();
    TChartSeries::DoBeforeDrawValues();
}

void TCustomBarSeries::CalcZOrder()
{
    // Arranged bars share the depth of the first bar series of their class.
    if (m_multiBar != mbNone) {
        for (const TCustomBarSeries *bar : sameClassSeries(true)) {
            if (bar == this)
                break;
            SetComputedZOrder(bar->GetZOrder());
            return;
        }
    }
    TChartSeries::CalcZOrder();
}

void TCustomBarSeries::CalcDepthPositions()
{
    TChartSeries::CalcDepthPositions();
    if (m_depthPercent == 0)
        return;
    const int cut = plotRound((double(EndZ()) - StartZ()) * (100 - m_depthPercent) * 0.005);
    setDepthPositions(StartZ() + cut, EndZ() - cut);
}

void TCustomBarSeries::CalcFirstLastVisibleIndex()
{
    const TCustomAxisPanel *chart = ParentChart();
    if (m_multiBar != mbSelfStack && chart && chart->MaxPointsPerPage() == 1) {
        const int index = chart->Page() - 1;
        const bool shown = index >= 0 && index < Count();
        SetVisibleRange(shown ? index : -1, shown ? index : -1);
        return;
    }
    TChartSeries::CalcFirstLastVisibleIndex();
}

bool TCustomBarSeries::MoreSameZOrder() const
{
    return m_multiBar != mbSideAll && TChartSeries::MoreSameZOrder();
}

bool TCustomBarSeries::DrawSeriesForward(int valueIndex) const
{
    const TChartAxis *axis = valueAxis();
    const bool inverted = axis && axis->Inverted();
    switch (m_multiBar) {
    case mbNone:
    case mbSide:
    case mbSideAll: break;
    case mbStacked100: return !inverted;
    case mbStacked:
    case mbSelfStack: {
        const bool above = MandatoryValueList()->Value(valueIndex) >= m_yOrigin;
        return above != inverted;
    }
    }
    return TChartSeries::DrawSeriesForward(valueIndex);
}

// Legend, gallery and samples.

void TCustomBarSeries::PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle)
{
    Q_UNUSED(valueIndex);
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    chart->Canvas()->AssignVisiblePen(*BarPen());
    brushStyle = BarBrush()->Style();
    backColor = BarBrush()->Color() == clPlotColor ? chart->Color() : BarBrush()->Color();
}

void TCustomBarSeries::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    using namespace SeriesGalleryTexts;
    TChartSeries::CreateSubGallery(addSubChart);
    for (const Text entry : {msgGalleryColors, msgGalleryPyramid, msgGalleryEllipse, msgGalleryInvPyramid,
                             msgGalleryGradient})
        addSubChart(text(entry));
    if (AllowStackGallery())
        for (const Text entry : {msgGalleryStack, msgGalleryStack100, msgGallerySelfStack})
            addSubChart(text(entry));
    addSubChart(text(msgGallerySides));
    addSubChart(text(msgGallerySideAll));
}

void TCustomBarSeries::SetSubGallery(int index)
{
    const auto arrange = [this](TMultiBar arrangement) {
        // A lone gallery sample gets a twin, so that the arrangement shows; a user's own series
        // given the style keeps its chart as it is.
        if (TCustomAxisPanel *chart = ParentChart(); m_gallerySample && chart && chart->SeriesCount() == 1) {
            QObject *made = metaObject()->newInstance(Q_ARG(QObject *, parent()));
            if (auto *twin = qobject_cast<TCustomBarSeries *>(made)) {
                twin->Assign(*this);
                chart->AddSeries(twin);
            } else {
                std::unique_ptr<QObject> unused(made);
            }
        }
        SetMultiBar(arrangement);
    };
    switch (index) {
    case 1: SetColorEachPoint(true); break;
    case 2: SetBarStyle(bsPyramid); break;
    case 3: SetBarStyle(bsEllipse); break;
    case 4: SetBarStyle(bsInvPyramid); break;
    case 5:
        SetBarStyle(bsRectGradient);
        m_gradient->SetVisible(true);
        break;
    default: break;
    }
    const int stackEntries = AllowStackGallery() ? 3 : 0;
    if (index >= 6 && index < 6 + stackEntries) {
        const TMultiBar stacks[] = {mbStacked, mbStacked100, mbSelfStack};
        arrange(stacks[index - 6]);
    } else if (index == 6 + stackEntries) {
        arrange(mbSide);
    } else if (index == 7 + stackEntries) {
        arrange(mbSideAll);
    } else if (index < 1 || index > 5) {
        TChartSeries::SetSubGallery(index);
    }
}

void TCustomBarSeries::PrepareForGallery(bool enabled)
{
    TChartSeries::PrepareForGallery(enabled);
    m_gallerySample = true;
    SetBarWidthPercent(85);
    SetBarStyle(bsRectGradient);
    m_gradient->SetVisible(true);
    SetMultiBar(mbNone);
}

int TCustomBarSeries::DefaultSampleCount() const
{
    // As many bars as the other bar series of the chart show, so that they pair up.
    if (const TCustomAxisPanel *chart = ParentChart())
        for (const TChartSeries *series : chart->SeriesList())
            if (series != this && qobject_cast<const TCustomBarSeries *>(series) && series->Count() > 0)
                return series->Count();
    return SampleCount > 0 ? SampleCount : 6;
}

void TCustomBarSeries::AddSampleValues(int numValues, bool onlyMandatory)
{
    // Only the bar values: the points stand at the indexes, under the bars of the other series.
    Q_UNUSED(onlyMandatory);
    TChartSeries::AddSampleValues(numValues, true);
}
