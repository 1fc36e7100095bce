// Bubble series: the pointer sized per point from its radius, the ranges that hold whole bubbles,
// the hit test by pointer style and the samples.
#include "TBubbleSeries.h"

#include "OwnClassSource.h"
#include "TChartAxis.h"

#include "PlotEngine.h"
#include "PlotProcs.h"
#include "PlotRound.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

TBubbleSeries::TBubbleSeries(QObject *owner)
    : TPointSeries(owner)
    , m_radiusValues(addValueList(QStringLiteral("Radius")))
{
    SampleCount = 8;
    TSeriesPointer *pointer = Pointer();
    pointer->SetInflateMargins(false);
    pointer->SetStyle(psCircle);
    pointer->SetAllowChangeSize(false); // each bubble's radius sizes it
    // A circle has no sides to shade.
    pointer->SetDark3D(false);
    Marks()->Pen()->Hide();
    Marks()->SetTransparent(true);
    SetColorEachPoint(true);
}

int TBubbleSeries::AddBubble(double x, double y, double radius, const QString &label, TColor color)
{
    m_radiusValues->SetTempValue(radius);
    return AddXY(x, y, label, color);
}

void TBubbleSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *bubble = qobject_cast<const TBubbleSeries *>(&source))
        m_squared = bubble->m_squared;
    TPointSeries::Assign(source);
}

bool TBubbleSeries::IsValidSeriesSource(const TChartSeries *source) const
{
    return TPointSeries::IsValidSeriesSource(source) && IsOwnClassSource<TBubbleSeries>(*this, source);
}

// Ranges. A radius that is not finite, or one whose bubble reaches beyond the doubles, is left out.

double TBubbleSeries::bubbleLimit(bool maximum) const
{
    double result = maximum ? TPointSeries::MaxYValue() : TPointSeries::MinYValue();
    const std::span<const double> y = YValues()->Values();
    const std::span<const double> radius = m_radiusValues->Values();
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double edge = maximum ? y[i] + radius[i] : y[i] - radius[i];
        if (std::isfinite(edge))
            result = maximum ? std::max(result, edge) : std::min(result, edge);
    }
    return result;
}

double TBubbleSeries::MaxYValue() const
{
    return bubbleLimit(true);
}

double TBubbleSeries::MinYValue() const
{
    return bubbleLimit(false);
}

std::optional<double> TBubbleSeries::largestRadius() const
{
    std::optional<double> largest;
    for (const double radius : m_radiusValues->Values())
        if (std::isfinite(radius) && (!largest || radius > *largest))
            largest = radius;
    return largest;
}

// With solid pointers the depth axis holds the largest bubble in front of and behind the series.
double TBubbleSeries::MaxZValue() const
{
    const std::optional<double> largest = Pointer()->Draw3D() ? largestRadius() : std::nullopt;
    return largest ? *largest : TPointSeries::MaxZValue();
}

double TBubbleSeries::MinZValue() const
{
    const std::optional<double> largest = Pointer()->Draw3D() ? largestRadius() : std::nullopt;
    return largest ? -*largest : TPointSeries::MinZValue();
}

// Drawing and the hit test.

void TBubbleSeries::PreparePointer(int valueIndex) const
{
    const double radius = valueIndex >= 0 && valueIndex < Count() ? m_radiusValues->Values()[std::size_t(valueIndex)] : 0.0;
    // Kept within the axes' pixel bound, so that the box around a point stays far from int overflow.
    const auto pixels = [radius](const TChartAxis *axis) {
        if (!axis || !std::isfinite(radius))
            return 0;
        return std::clamp(axis->SizeToPixels(radius), -PlotEngine::MaxAxisPixel, PlotEngine::MaxAxisPixel);
    };
    const int vert = pixels(GetVertAxis());
    Pointer()->ChangeVertSize(vert);
    Pointer()->ChangeHorizSize(m_squared ? vert : pixels(GetHorizAxis()));
}

bool TBubbleSeries::ClickedPointer(int valueIndex, int pointX, int pointY, int x, int y) const
{
    PreparePointer(valueIndex);
    const int h = Pointer()->HorizSize();
    const int v = Pointer()->VertSize();
    const TPoint p{x, y};
    const TRect box{pointX - h, pointY - v, pointX + h, pointY + v};
    switch (pointerStyle(valueIndex)) {
    case psCircle: return PlotProcs::PointInEllipseRect(p, box);
    case psTriangle: return PlotProcs::PointInTriangle(p, box.left, box.right, box.bottom, box.top);
    case psDownTriangle: return PlotProcs::PointInTriangle(p, box.left, box.right, box.top, box.bottom);
    case psDiamond: {
        const TPoint diamond[4] = {{box.left, pointY}, {pointX, box.top}, {box.right, pointY}, {pointX, box.bottom}};
        return PlotProcs::PointInPolygon(p, diamond, 3);
    }
    case psLeftTriangle: return PlotProcs::PointInHorizTriangle(p, box.top, box.bottom, box.right, box.left);
    case psRightTriangle: return PlotProcs::PointInHorizTriangle(p, box.top, box.bottom, box.left, box.right);
    case psNothing: return false;
    default: return std::abs(x - pointX) < h && std::abs(y - pointY) < v;
    }
}

void TBubbleSeries::DrawValue(int valueIndex)
{
    if (!ParentChart() || !Pointer()->Visible())
        return;
    const TColor color = GetValueColor(valueIndex);
    const auto i = std::size_t(valueIndex);
    if (color == clNone || !std::isfinite(XValues()->Values()[i]) || !std::isfinite(YValues()->Values()[i])
        || !std::isfinite(m_radiusValues->Values()[i]))
        return;
    PreparePointer(valueIndex);
    Pointer()->Draw(CalcXPos(valueIndex), CalcYPos(valueIndex), color, pointerStyle(valueIndex));
}

void TBubbleSeries::DrawLegendShape(int valueIndex, const TRect &rect)
{
    const int size = std::min(rect.width(), rect.height());
    Pointer()->ChangeHorizSize(size);
    Pointer()->ChangeVertSize(size);
    TPointSeries::DrawLegendShape(valueIndex, rect);
}

// Samples and the gallery.

void TBubbleSeries::AddSampleValues(int numValues, bool onlyMandatory)
{
    Q_UNUSED(onlyMandatory);
    const RandomBounds bounds = CalcRandomBounds(numValues);
    const double rangeY = bounds.rangeY;
    for (int i = 0; i < numValues; ++i) {
        const double y = RandomInt(plotRound(rangeY));
        const double radius = plotRound(rangeY / (RandomInt(15) + 10)) + rangeY / 15.0;
        AddBubble(bounds.startX + i * bounds.stepX, y, radius);
    }
}

void TBubbleSeries::PrepareForGallery(bool enabled)
{
    TPointSeries::PrepareForGallery(enabled);
    Pointer()->Gradient()->SetVisible(true);
}
