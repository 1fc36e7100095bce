// Shape series: properties, its two points, the hit test by style, samples and the gallery.
#include "TChartShape.h"

#include "OwnClassSource.h"
#include "SeriesGalleryTexts.h"

#include "TCustomAxisPanel.h"

#include "PlotEngine.h"
#include "PlotGeometry.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "TCanvas3D.h"

#include <cmath>

namespace {

constexpr TPoint kDefaultPoints[2] = {{0, 0}, {100, 100}};

// A pixel coordinate given as a value: clamped to the axes' pixel bound, then truncated; none when
// it is not finite.
std::optional<int> truncatedPixel(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    constexpr double bound = PlotEngine::MaxAxisPixel;
    return int(std::trunc(std::clamp(value, -bound, bound)));
}

} // namespace

TChartShape::TChartShape(QObject *owner)
    : TChartSeries(owner)
    , m_font(new TPlotFont(this))
    , m_gradient(new TPlotGradient(this))
{
    connect(m_font, &TFont::changed, this, [this] { Repaint(); });
    connect(m_gradient, &TCustomPlotGradient::changed, this, [this] { Repaint(); });
    VisibleRangeOnly = false;
    // Point 0 and point 1 are the corners by their index: adding never reorders them.
    XValues()->SetOrder(loNone);
    ExcludeFromZOrderTest = true;
    Brush()->SetColor(clWhite);
    SetSeriesColor(clWhite);
    for (const TPoint &p : kDefaultPoints)
        AddXY(p.x, p.y);
}

void TChartShape::SetFont(const TPlotFont *value)
{
    if (value)
        m_font->Assign(*value);
}

void TChartShape::SetGradient(const TPlotGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

double TChartShape::pointValue(const TChartValueList &list, int index)
{
    return index < list.Count() ? list.Values()[std::size_t(index)] : 0.0;
}

void TChartShape::setPointValue(TChartValueList &list, int index, double value)
{
    // A cleared shape, or one that took another count of points from a source, gets its corners back.
    for (int i = Count(); i < 2; ++i)
        AddXY(kDefaultPoints[i].x, kDefaultPoints[i].y);
    list.SetValue(index, value);
    Repaint();
}

void TChartShape::SetSeriesColor(TColor value)
{
    TChartSeries::SetSeriesColor(value);
    Brush()->SetColor(value);
}

void TChartShape::Assign(const TCustomChartElement &source)
{
    if (const auto *shape = qobject_cast<const TChartShape *>(&source); shape && shape != this) {
        m_alignment = shape->m_alignment;
        m_font->Assign(*shape->m_font);
        m_gradient->Assign(*shape->m_gradient);
        m_roundRectangle = shape->m_roundRectangle;
        m_style = shape->m_style;
        m_text = shape->m_text;
        m_transparent = shape->m_transparent;
        m_vertAlign = shape->m_vertAlign;
        m_xyStyle = shape->m_xyStyle;
    }
    TChartSeries::Assign(source);
}

bool TChartShape::IsValidSeriesSource(const TChartSeries *source) const
{
    return TChartSeries::IsValidSeriesSource(source) && IsOwnClassSource<TChartShape>(*this, source);
}

void TChartShape::CalcZOrder()
{
    if (UseAxis())
        TChartSeries::CalcZOrder();
}

// The rectangle.

std::optional<TRect> TChartShape::rawRect() const
{
    if (Count() < 2)
        return std::nullopt;
    const std::span<const double> x = XValues()->Values();
    const std::span<const double> y = YValues()->Values();
    if (m_xyStyle == xysPixels) {
        const std::optional<int> l = truncatedPixel(x[0]), t = truncatedPixel(y[0]), r = truncatedPixel(x[1]),
                                 b = truncatedPixel(y[1]);
        if (!l || !t || !r || !b)
            return std::nullopt;
        return TRect{*l, *t, *r, *b};
    }
    if (!std::isfinite(x[0]) || !std::isfinite(y[0]))
        return std::nullopt;
    const TPoint origin{CalcXPos(0), CalcYPos(0)};
    if (m_xyStyle == xysAxis) {
        if (!std::isfinite(x[1]) || !std::isfinite(y[1]))
            return std::nullopt;
        return TRect{origin.x, origin.y, CalcXPos(1), CalcYPos(1)};
    }
    // The second point is the size in pixels.
    const std::optional<int> width = truncatedPixel(x[1]), height = truncatedPixel(y[1]);
    if (!width || !height)
        return std::nullopt;
    return TRect{origin.x, origin.y, origin.x + *width, origin.y + *height};
}

TRect TChartShape::orderedRect(const TRect &raw)
{
    TRect r{std::min(raw.left, raw.right), std::min(raw.top, raw.bottom), std::max(raw.left, raw.right),
            std::max(raw.top, raw.bottom)};
    if (r.right == r.left)
        ++r.right;
    if (r.bottom == r.top)
        ++r.bottom;
    return r;
}

// The hit test.

int TChartShape::Clicked(int x, int y) const
{
    if (Count() != 2)
        return -1;
    // A shape in pixels lies flat on the screen; one in axis values at the series' depth.
    if (const TCustomAxisPanel *chart = ParentChart(); chart && UseAxis())
        chart->Canvas()->InverseCalc3DPos(x, y, StartZ());
    const std::optional<TRect> raw = rawRect();
    if (!raw)
        return -1;
    // The ordered rectangle, as drawn: an upward triangle is hit where it is seen, whichever way
    // the points run. Only the line keeps its direction.
    const TRect r = orderedRect(*raw);
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    const TPoint p{x, y};
    bool hit = false;
    switch (m_style) {
    case chasCircle: hit = PlotProcs::PointInEllipseRect(p, r); break;
    case chasVertLine: hit = PlotProcs::PointInLine(p, cx, r.top, cx, r.bottom); break;
    case chasHorizLine: hit = PlotProcs::PointInLine(p, r.left, cy, r.right, cy); break;
    case chasTriangle:
    case chasPyramid: hit = PlotProcs::PointInTriangle(p, r.left, r.right, r.bottom, r.top); break;
    case chasInvertTriangle:
    case chasInvertPyramid: hit = PlotProcs::PointInTriangle(p, r.left, r.right, r.top, r.bottom); break;
    case chasLine: hit = PlotProcs::PointInLine(p, raw->left, raw->top, raw->right, raw->bottom); break;
    case chasDiamond: {
        const TPoint diamond[4] = {{r.left, cy}, {cx, r.top}, {r.right, cy}, {cx, r.bottom}};
        hit = PlotProcs::PointInPolygon(p, diamond, 3);
        break;
    }
    default: hit = PlotGeometry::PointInRect(r, p); break;
    }
    return hit ? 0 : -1;
}

// Samples and the gallery.

void TChartShape::AddSampleValues(int numValues, bool onlyMandatory)
{
    Q_UNUSED(numValues);
    Q_UNUSED(onlyMandatory);
    // The bounds of two points: their X step spans the axis (the bounds of one point have none).
    const RandomBounds b = CalcRandomBounds(2);
    if (b.stepX == 0.0) {
        for (const TPoint &p : kDefaultPoints)
            AddXY(p.x, p.y);
        return;
    }
    AddXY(b.startX + b.stepX / 8.0, b.startY / 2.0);
    AddXY(b.startX + b.stepX - b.stepX / 8.0, b.startY + RandomInt(plotRound(b.rangeY)));
}

void TChartShape::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    using namespace SeriesGalleryTexts;
    TChartSeries::CreateSubGallery(addSubChart);
    for (const SeriesGalleryTexts::Text entry : {msgShapeRectangle, msgShapeVertLine, msgShapeHorizLine, msgShapeEllipse, msgGalleryDownTri,
                             msgShapeLine, msgGalleryDiamond, msgShapeCube, msgGalleryCross, msgShapeDiagCross,
                             msgGalleryStar, msgShapePyramid, msgShapeInvPyramid, msgGalleryHollow})
        addSubChart(text(entry));
}

void TChartShape::SetSubGallery(int index)
{
    static constexpr TChartShapeStyle styles[] = {chasRectangle, chasVertLine,  chasHorizLine, chasCircle,
                                                  chasInvertTriangle, chasLine, chasDiamond, chasCube,
                                                  chasCross, chasDiagCross, chasStar, chasPyramid,
                                                  chasInvertPyramid};
    if (index >= 1 && index <= int(std::size(styles)))
        SetStyle(styles[index - 1]);
    else if (index == int(std::size(styles)) + 1)
        SetTransparent(!m_transparent);
    else
        TChartSeries::SetSubGallery(index);
}

void TChartShape::PrepareForGallery(bool enabled)
{
    TChartSeries::PrepareForGallery(enabled);
    m_font->SetColor(enabled ? clYellow : TColor(0x808080));
    m_font->SetStyle(TFontStyles(fsBold));
    m_font->SetSize(12);
    const TCustomAxisPanel *chart = ParentChart();
    const bool second = chart && chart->SeriesList().IndexOf(this) == 1;
    using namespace SeriesGalleryTexts;
    SetStyle(second ? chasCircle : chasTriangle);
    Brush()->SetColor(enabled ? (second ? clBlue : clRed) : clSilver);
    SetText({SeriesGalleryTexts::text(second ? msgShapeSampleAbc : msgShapeSample123)});
}
