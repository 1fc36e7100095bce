// Pie series: properties, copying, the per-slice lists, the grouping of small slices, the legend
// hooks, the gallery styles and the sample values.
#include "TPieSeries.h"

#include "SeriesGalleryTexts.h"
#include "TChartAxis.h"
#include "TChartLegend.h"
#include "TCustomAxisPanel.h"

#include "PlotConst.h"
#include "TCanvas3D.h"

#include <QScopeGuard>

#include <cmath>

TPieSeries::TPieSeries(QObject *owner)
    : TCircledSeries(owner)
    , m_otherSlice(new TPieOtherSlice(this))
    , m_shadow(new TPieShadow(this))
    , m_exploded([this] { Repaint(); })
    , m_heights([this] { Repaint(); })
{
    connect(m_shadow, &TPlotShadow::changed, this, [this] { CanvasChanged(); });
    XValues()->SetName(QString());
    YValues()->SetName(QStringLiteral("Pie"));
    Marks()->SetVisible(true);
    Marks()->Callout()->SetLength(8);
    SetColorEachPoint(true);
    Gradient()->SetStartColor(clWhite);
    Gradient()->SetDirection(gdRadial);
}

TPieSeries::~TPieSeries() = default;

void TPieSeries::SetOtherSlice(const TPieOtherSlice *value)
{
    if (value)
        m_otherSlice->Assign(*value);
}

void TPieSeries::SetShadow(const TPieShadow *value)
{
    if (value)
        m_shadow->Assign(*value);
}

void TPieSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *s = qobject_cast<const TPieSeries *>(&source); s && s != this) {
        m_angleSize = s->m_angleSize;
        m_autoMarkPosition = s->m_autoMarkPosition;
        m_dark3D = s->m_dark3D;
        m_darkPen = s->m_darkPen;
        m_explodeBiggest = s->m_explodeBiggest;
        m_exploded.Assign(s->m_exploded);
        m_heights.Assign(s->m_heights);
        m_usePatterns = s->m_usePatterns;
        m_otherSlice->Assign(*s->m_otherSlice);
        m_shadow->Assign(*s->m_shadow);
    }
    TCircledSeries::Assign(source);
    SetColorEachPoint(true);
}

void TPieSeries::SetParentChart(TCustomAxisPanel *value)
{
    TCircledSeries::SetParentChart(value);
    m_otherSlice->chartChanged();
}

// Points and the per-slice lists.

void TPieSeries::Delete(int index)
{
    m_exploded.Delete(index);
    m_heights.Delete(index);
    if (index == m_otherIndex)
        m_otherIndex = -1;
    else if (index >= 0 && index < m_otherIndex)
        --m_otherIndex;
    TCircledSeries::Delete(index);
}

void TPieSeries::ClearLists()
{
    TCircledSeries::ClearLists();
    m_exploded.Clear();
    m_heights.Clear();
    m_otherIndex = -1;
}

void TPieSeries::Clear()
{
    TCircledSeries::Clear();
    m_angles.clear();
}

void TPieSeries::PermutePoints(const std::vector<int> &order)
{
    m_exploded.Permute(order);
    m_heights.Permute(order);
    if (m_otherIndex >= 0) {
        const auto moved = std::find(order.begin(), order.end(), m_otherIndex);
        m_otherIndex = moved == order.end() ? -1 : int(moved - order.begin());
    }
    TCircledSeries::PermutePoints(order);
}

void TPieSeries::SwapValueIndex(int a, int b)
{
    m_exploded.Swap(a, b);
    m_heights.Swap(a, b);
    if (m_otherIndex == a || m_otherIndex == b)
        m_otherIndex = m_otherIndex == a ? b : a;
    TCircledSeries::SwapValueIndex(a, b);
}

bool TPieSeries::isOwnOtherPoint(int index) const
{
    return index >= 0 && index == m_otherIndex && index < Count() && GetXValue(index) == kOtherSliceX;
}

bool TPieSeries::IsPointStored(int index) const
{
    return !isOwnOtherPoint(index);
}

bool TPieSeries::IsGrouped(int valueIndex) const
{
    return m_otherSlice->Style() != poNone && valueIndex >= 0 && valueIndex < Count() && GetXValue(valueIndex) == -1.0;
}

// The grouping.

void TPieSeries::PrepareForDraw()
{
    TCircledSeries::PrepareForDraw();
    groupSmallSlices();
}

void TPieSeries::groupSmallSlices()
{
    const bool hadOther = isOwnOtherPoint(m_otherIndex);
    if (m_otherSlice->Style() == poNone && !hadOther) {
        m_otherIndex = -1;
        return;
    }
    // These changes belong to the drawing: dependents are not told (the scope is not ended).
    UpdateScope inDrawing(*this);
    std::optional<TSeriesMarkPosition> keptPosition;
    if (hadOther) {
        if (const TSeriesMarkPosition *p = Marks()->Positions().GetPosition(m_otherIndex); p && p->Custom)
            keptPosition = *p;
        Delete(m_otherIndex);
    }
    m_otherIndex = -1;
    TChartValueList &x = *XValues();
    const int n = Count();
    for (int i = 0; i < n; ++i)
        if (x.Value(i) != i)
            x.SetValue(i, i);
    const double total = YValues()->TotalAbs();
    if (m_otherSlice->Style() == poNone || !(total > 0.0))
        return;
    double grouped = 0.0;
    bool any = false;
    for (int i = 0; i < n; ++i) {
        const double v = std::fabs(GetYValue(i));
        if (std::isnan(v))
            continue;
        const double measure = m_otherSlice->Style() == poBelowPercent ? v * 100.0 / total : v;
        if (measure < m_otherSlice->Value()) {
            x.SetValue(i, -1.0);
            grouped += v;
            any = true;
        }
    }
    if (!any)
        return;
    m_otherIndex = AddXY(kOtherSliceX, grouped, m_otherSlice->Text(), m_otherSlice->Color());
    // Percentages refer to the slices drawn: the grouped points are counted in the "other" one.
    YValues()->SetCachedTotalAbs(total);
    if (keptPosition)
        Marks()->Positions().SetPosition(m_otherIndex, *keptPosition);
}

void TPieSeries::CalcFirstLastVisibleIndex()
{
    const TCustomAxisPanel *chart = ParentChart();
    if (m_otherSlice->Style() != poNone || !chart || chart->MaxPointsPerPage() < 1) {
        TCircledSeries::CalcFirstLastVisibleIndex();
        return;
    }
    int first = -1;
    int last = -1;
    CalcFirstLastPage(first, last);
    SetVisibleRange(first, last);
}

// Limits: the axes keep their ranges.

double TPieSeries::MaxXValue() const
{
    const TChartAxis *axis = GetHorizAxis();
    return axis ? axis->Maximum() : 0.0;
}

double TPieSeries::MinXValue() const
{
    const TChartAxis *axis = GetHorizAxis();
    return axis ? axis->Minimum() : 0.0;
}

double TPieSeries::MaxYValue() const
{
    const TChartAxis *axis = GetVertAxis();
    return axis ? axis->Maximum() : 0.0;
}

double TPieSeries::MinYValue() const
{
    const TChartAxis *axis = GetVertAxis();
    return axis ? axis->Minimum() : 0.0;
}

int TPieSeries::CalcXPos(int index) const
{
    return isOwnOtherPoint(index) ? 0 : TCircledSeries::CalcXPos(index);
}

// Legend.

int TPieSeries::CountLegendItems() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsGrouped(i) == m_otherLegendDrawing ? 1 : 0;
    return n;
}

int TPieSeries::LegendToValueIndex(int legendIndex) const
{
    int n = -1;
    for (int i = 0; i < Count(); ++i)
        if (IsGrouped(i) == m_otherLegendDrawing && ++n == legendIndex)
            return i;
    return legendIndex;
}

void TPieSeries::drawOtherLegend()
{
    TChartLegend *legend = m_otherSlice->legendIfAny();
    TCustomAxisPanel *chart = ParentChart();
    if (!legend || !legend->Visible() || !chart)
        return;
    legend->SetSeries(this);
    legend->SetLegendStyle(lsValues);
    // The legend lists the grouped points, and takes no room from the chart.
    const bool wasDrawing = std::exchange(m_otherLegendDrawing, true);
    const TRect chartRect = chart->ChartRect;
    const auto restore = qScopeGuard([&] {
        m_otherLegendDrawing = wasDrawing;
        chart->ChartRect = chartRect;
    });
    legend->DrawLegend();
}

void TPieSeries::PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle)
{
    backColor = ResolvedBackColor();
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    const int index = valueIndex < 0 ? 0 : valueIndex;
    prepareSlicePen(*chart->Canvas(), valueIndex < 0 ? Color() : LegendItemColor(index));
    brushStyle = sliceBrushStyle(valueIndex);
}

void TPieSeries::DrawLegendShape(int valueIndex, const TRect &rect)
{
    TCustomAxisPanel *chart = ParentChart();
    const TColor color = valueIndex < 0 ? Color() : LegendItemColor(valueIndex);
    if (!chart || !Gradient()->Visible() || color == clNone) {
        TCircledSeries::DrawLegendShape(valueIndex, rect);
        return;
    }
    TCanvas3D &canvas = *chart->Canvas();
    TCustomPlotGradient gradient;
    gradient.Assign(*Gradient());
    gradient.SetEndColor(color);
    gradient.Draw(canvas, rect);
    canvas.Brush()->SetStyle(bsClear);
    canvas.RectangleRect(rect);
}

// Gallery and samples.

void TPieSeries::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    using namespace SeriesGalleryTexts;
    TCircledSeries::CreateSubGallery(addSubChart);
    for (const Text entry : {msgGalleryPatterns, msgGalleryExploded, msgGalleryShadow, msgGalleryMarks,
                             msgGallerySemiPie, msgGalleryNoBorder, msgGalleryDarkBorder})
        addSubChart(text(entry));
}

void TPieSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: SetUsePatterns(true); break;
    case 2: SetExplodeBiggest(30); break;
    case 3: m_shadow->SetSize(10); break;
    case 4: {
        Marks()->SetVisible(true);
        UpdateScope update(*this);
        Clear();
        Add(30, QStringLiteral("A"));
        Add(70, QStringLiteral("B"));
        update.end();
        break;
    }
    case 5: SetAngleSize(180); break;
    case 6: PiePen()->Hide(); break;
    case 7: SetDarkPen(32); break;
    default: TCircledSeries::SetSubGallery(index); break;
    }
}

void TPieSeries::PrepareForGallery(bool enabled)
{
    TCircledSeries::PrepareForGallery(enabled);
    FillSampleValues(kSampleCount);
    Marks()->Callout()->SetLength(0);
    Marks()->SetDrawEvery(1);
    Gradient()->SetVisible(true);
    if (TCustomAxisPanel *chart = ParentChart()) {
        chart->SetChart3DPercent(75);
        TView3DOptions &view = *chart->View3DOptions();
        view.SetOrthogonal(false);
        view.SetRotation(0);
        view.SetElevation(305);
    }
}

void TPieSeries::AddSampleValues(int numValues, bool onlyMandatory)
{
    Q_UNUSED(onlyMandatory);
    for (int i = 0; i < numValues; ++i)
        Add(RandomInt(1000) + 1, PlotConst::message(PlotConst::msgPieSampleFirst + i % kSampleCount));
}
