// Bar series base: the bounds of a bar, the thirteen shapes in 2D and 3D, gradient, bevel and tick
// lines, the marks beside the bars and the hit test.
#include "TCustomBarSeries.h"

#include "SeriesPixel.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"

#include "CanvasStateGuard.h"
#include "PlotColor.h"
#include "PlotProcs.h"
#include "TPlotCanvas3D.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace {

int plus(int pixel, long long offset)
{
    return SeriesPixel::toPixel(double(pixel) + double(offset)).value_or(pixel);
}

bool isPyramid(TBarStyle style)
{
    return style == bsPyramid || style == bsCone;
}

bool isInvertedPyramid(TBarStyle style)
{
    return style == bsInvPyramid || style == bsInvCone;
}

bool isBox(TBarStyle style)
{
    return style == bsRectangle || style == bsRectGradient || style == bsBevel;
}

// Each channel of a moved towards b by t (0..1).
TColor blend(TColor a, TColor b, double t)
{
    const auto mix = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    const TColor ca = PlotColor::ColorToRGB(a);
    const TColor cb = PlotColor::ColorToRGB(b);
    return PlotColor::makeColor(mix(PlotColor::redOf(ca), PlotColor::redOf(cb)),
                                mix(PlotColor::greenOf(ca), PlotColor::greenOf(cb)),
                                mix(PlotColor::blueOf(ca), PlotColor::blueOf(cb)));
}

} // namespace

int TCustomBarSeries::touchingEdge(int valueIndex, int position) const
{
    const TChartPen &pen = *BarPen();
    const int p = pen.Visible() ? std::max(1, pen.Width()) : 0;
    const TChartAxis *axis = categoryAxis();
    const bool inverted = axis && axis->Inverted();
    // The next point lies further along the pixels on a plain horizontal axis and on an inverted
    // vertical one (whose values grow downwards).
    const bool forward = YMandatory() ? !inverted : inverted;
    const long long width = m_layout.barWidth;
    if (forward)
        return valueIndex + 1 < Count() ? plus(BarPositionPixel(valueIndex + 1), 1 - p / 2)
                                        : plus(position, width + 1 - p / 2);
    return valueIndex > 0 ? BarPositionPixel(valueIndex - 1) : plus(position, width + p);
}

TRect TCustomBarSeries::BarBounds(int valueIndex) const
{
    const int position = BarPositionPixel(valueIndex);
    const bool touching = m_barWidthPercent == 100 && m_customBarSize == 0 && m_multiBar != mbSelfStack;
    int farEdge = touching ? touchingEdge(valueIndex, position) : plus(position, m_layout.barWidth + 1LL);
    const int end = BarEndPixel(valueIndex);
    const int start = BarStartPixel(valueIndex);
    int low = std::min(end, start);
    int high = std::max(end, start);
    if (!BarPen()->Visible()) {
        high = plus(high, 1);
        farEdge = plus(farEdge, 1);
    }
    if (YMandatory())
        return {position, low, farEdge, high};
    return {low, position, high, farEdge};
}

int TCustomBarSeries::CalcXPos(int index) const
{
    return YMandatory() ? BarPositionPixel(index) : BarEndPixel(index);
}

int TCustomBarSeries::CalcYPos(int index) const
{
    return YMandatory() ? BarEndPixel(index) : BarPositionPixel(index);
}

TBarStyle TCustomBarSeries::styleOf(int valueIndex) const
{
    TBarStyle style = m_barStyle;
    if (OnGetBarStyle)
        OnGetBarStyle(const_cast<TCustomBarSeries *>(this), valueIndex, style);
    return style;
}

void TCustomBarSeries::DrawValue(int valueIndex)
{
    TCustomAxisPanel *chart = ParentChart();
    const TColor color = GetValueColor(valueIndex);
    // A null point, or a value that has no place on the axis, draws no bar.
    if (!chart || color == clNone || !std::isfinite(MandatoryValueList()->Value(valueIndex)))
        return;
    TCanvas3D &canvas = *chart->Canvas();
    m_bar = BarBounds(valueIndex);
    m_barColor = color;
    canvas.AssignVisiblePen(*BarPen());
    canvas.AssignBrushColor(*BarBrush(), color, BarBrush()->Color() == clPlotColor ? chart->Color() : BarBrush()->Color());
    std::unique_ptr<TPlotBlend> blend;
    if (m_transparency > 0)
        blend = canvas.BeginBlending(chart->View3D() ? canvas.RectFromRectZ(m_bar, StartZ()) : m_bar, m_transparency);
    const auto endBlend = qScopeGuard([&] {
        if (blend)
            canvas.EndBlending(std::move(blend));
    });
    if (YMandatory())
        DrawBar(valueIndex, m_bar.top, m_bar.bottom);
    else
        DrawBar(valueIndex, m_bar.left, m_bar.right);
}

void TCustomBarSeries::DrawBar(int valueIndex, int start, int end)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    TRect bar = m_bar;
    if (YMandatory()) {
        bar.top = start;
        bar.bottom = end;
    } else {
        bar.left = start;
        bar.right = end;
    }
    TCanvas3D &canvas = *chart->Canvas();
    const TBarStyle style = styleOf(valueIndex);
    const bool is3D = chart->View3D();
    if (is3D)
        drawSolidShape(canvas, bar, style);
    else
        drawFlatShape(canvas, bar, style);
    if (style == bsRectGradient)
        drawGradient(canvas, bar, valueIndex);
    if (style == bsBevel && (!is3D || chart->View3DOptions()->Orthogonal()))
        drawBevel(canvas, bar, m_barColor);
    if (m_tickLines->Visible())
        drawTickLines(canvas, bar, style);
}

void TCustomBarSeries::drawFlatShape(TCanvas3D &canvas, const TRect &bar, TBarStyle style)
{
    const bool vertical = YMandatory();
    const int l = bar.left;
    const int t = bar.top;
    const int r = bar.right;
    const int b = bar.bottom;
    const int mx = int((static_cast<long long>(l) + r) / 2);
    const int my = int((static_cast<long long>(t) + b) / 2);
    if (BarBrush()->Style() == bsSolid) {
        TPen &pen = *canvas.Pen();
        if (bar.width() == 0 || bar.height() == 0) {
            // Nothing to fill: the bar shows as a line in its colour.
            pen.SetColor(m_barColor);
            if (pen.Style() == psClear)
                pen.SetStyle(psSolid);
            canvas.Line(l, t, r, b);
            return;
        }
        if (bar.width() < pen.Width() || bar.height() < pen.Width())
            pen.SetColor(m_barColor);
    }
    switch (style) {
    case bsPyramid:
    case bsCone:
        canvas.Polygon(vertical ? TPointArray{{l, b}, {mx, t}, {r, b}} : TPointArray{{l, t}, {r, my}, {l, b}});
        break;
    case bsInvPyramid:
    case bsInvCone:
        canvas.Polygon(vertical ? TPointArray{{l, t}, {mx, b}, {r, t}} : TPointArray{{r, t}, {l, my}, {r, b}});
        break;
    case bsEllipse: canvas.Ellipse(l, t, r, b); break;
    case bsArrow:
    case bsInvArrow: {
        const TPoint low = vertical ? TPoint{mx, b} : TPoint{l, my};
        const TPoint high = vertical ? TPoint{mx, t} : TPoint{r, my};
        const int width = m_layout.barWidth;
        canvas.ArrowDefault(true, style == bsArrow ? low : high, style == bsArrow ? high : low, width, width / 2, 0);
        break;
    }
    case bsDiamond: canvas.Polygon({{mx, t}, {r, my}, {mx, b}, {l, my}}); break;
    case bsSlantCube:
        canvas.Rectangle(l, t, r, b);
        if (vertical)
            canvas.Line(mx, t, mx, b);
        else
            canvas.Line(l, my, r, my);
        break;
    case bsRectangle:
    case bsRectGradient:
    case bsBevel:
    case bsCilinder: canvas.Rectangle(l, t, r, b); break;
    }
}

void TCustomBarSeries::drawSolidShape(TCanvas3D &canvas, const TRect &bar, TBarStyle style)
{
    const bool vertical = YMandatory();
    const int l = bar.left;
    const int t = bar.top;
    const int r = bar.right;
    const int b = bar.bottom;
    const int z0 = StartZ();
    const int z1 = EndZ();
    const int zm = MiddleZ();
    const int mx = int((static_cast<long long>(l) + r) / 2);
    const int my = int((static_cast<long long>(t) + b) / 2);
    switch (style) {
    case bsRectangle:
    case bsRectGradient:
    case bsBevel: canvas.Cube(l, r, t, b, z0, z1, m_dark3D); break;
    case bsCilinder: canvas.Cylinder(vertical, l, t, r, b, z0, z1, m_dark3D); break;
    case bsPyramid: canvas.Pyramid(vertical, l, t, r, b, z0, z1, m_dark3D); break;
    case bsInvPyramid:
        if (vertical)
            canvas.Pyramid(true, l, b, r, t, z0, z1, m_dark3D);
        else
            canvas.Pyramid(false, r, t, l, b, z0, z1, m_dark3D);
        break;
    case bsCone: canvas.Cone(vertical, l, t, r, b, z0, z1, m_dark3D, m_conePercent); break;
    case bsInvCone:
        if (vertical)
            canvas.Cone(true, l, b, r, t, z0, z1, m_dark3D, m_conePercent);
        else
            canvas.Cone(false, r, t, l, b, z0, z1, m_dark3D, m_conePercent);
        break;
    case bsEllipse: canvas.EllipseWithZ(l, t, r, b, zm); break;
    case bsArrow:
    case bsInvArrow: {
        const TPoint low = vertical ? TPoint{mx, b} : TPoint{l, my};
        const TPoint high = vertical ? TPoint{mx, t} : TPoint{r, my};
        const int width = m_layout.barWidth;
        canvas.ArrowDefault(true, style == bsArrow ? low : high, style == bsArrow ? high : low, width, width / 2, zm);
        break;
    }
    case bsSlantCube: {
        // A cylinder of four sides: a cube turned by 45 degrees. The count goes back after the call,
        // also when the drawing throws.
        auto *solids = dynamic_cast<TPlotCanvas3D *>(&canvas);
        const int segments = solids ? solids->SolidSegments() : 0;
        const auto restore = qScopeGuard([&] {
            if (solids)
                solids->SetSolidSegments(segments);
        });
        if (solids)
            solids->SetSolidSegments(4);
        canvas.Cylinder(vertical, l, t, r, b, z0, z1, m_dark3D);
        break;
    }
    case bsDiamond: canvas.PolygonWithZ({{mx, t}, {r, my}, {mx, b}, {l, my}}, zm); break;
    }
}

void TCustomBarSeries::drawGradient(TCanvas3D &canvas, const TRect &bar, int valueIndex)
{
    const TCustomAxisPanel *chart = ParentChart();
    const int pen = BarPen()->Visible() ? BarPen()->Width() : 0;
    const TRect inner{plus(bar.left, pen), plus(bar.top, pen), plus(bar.right, -pen), plus(bar.bottom, -pen)};
    TCustomPlotGradient gradient;
    gradient.Assign(*m_gradient);
    if (m_gradient->Relative()) {
        // The end colour by the bar's place between the smallest and the largest value.
        const TChartValueList &values = *MandatoryValueList();
        const double low = m_useYOrigin ? m_yOrigin : values.MinValue();
        const double range = values.MaxValue() - low;
        const double t = range == 0.0 ? 1.0 : std::clamp((values.Value(valueIndex) - low) / range, 0.0, 1.0);
        gradient.SetEndColor(blend(m_gradient->StartColor(), m_gradient->EndColor(), t));
    }
    const CanvasStateGuard state(canvas);
    if (!chart->View3D())
        gradient.Draw(canvas, inner);
    else if (chart->View3DOptions()->Orthogonal())
        gradient.Draw(canvas, canvas.RectFromRectZ(inner, StartZ()));
    else
        gradient.Draw3D(canvas, {TPoint{inner.left, inner.top}, TPoint{inner.right, inner.top},
                                 TPoint{inner.right, inner.bottom}, TPoint{inner.left, inner.bottom}},
                        StartZ());
}

void TCustomBarSeries::drawBevel(TCanvas3D &canvas, const TRect &bar, TColor color)
{
    const TCustomAxisPanel *chart = ParentChart();
    const int pen = BarPen()->Visible() ? BarPen()->Width() : 0;
    TRect inner{plus(bar.left, pen), plus(bar.top, pen), plus(bar.right, -pen), plus(bar.bottom, -pen)};
    if (chart->View3D())
        inner = canvas.RectFromRectZ(inner, StartZ());
    const CanvasStateGuard state(canvas);
    canvas.Frame3D(inner, PlotColor::lighten(color, PlotColor::kLightenAmount),
                   PlotColor::darken(color, PlotColor::kDarkenAmount), m_bevelSize);
}

void TCustomBarSeries::drawTickLines(TCanvas3D &canvas, const TRect &bar, TBarStyle style)
{
    const bool arrow = style == bsArrow || style == bsInvArrow;
    const TChartAxis *axis = valueAxis();
    if (!axis || !(arrow || isBox(style)))
        return;
    const TCustomAxisPanel *chart = ParentChart();
    const bool vertical = YMandatory();
    const int low = vertical ? bar.top : bar.left;
    const int high = vertical ? bar.bottom : bar.right;
    const int z = arrow ? MiddleZ() : StartZ();
    // The side face along the depth shows when it is turned towards the viewer.
    bool sideShown = false;
    if (chart->View3D() && !arrow) {
        if (vertical)
            sideShown = canvas.Calc3DPoint(bar.right, bar.top, EndZ()).x > canvas.Calc3DPoint(bar.right, bar.top, StartZ()).x;
        else
            sideShown = canvas.Calc3DPoint(bar.left, bar.top, EndZ()).y < canvas.Calc3DPoint(bar.left, bar.top, StartZ()).y;
    }
    canvas.AssignVisiblePen(*m_tickLines);
    for (const int tick : axis->TickPositions()) {
        if (tick <= low || tick >= high)
            continue;
        if (vertical)
            canvas.HorizLine3D(bar.left, bar.right, tick, z);
        else
            canvas.VertLine3D(tick, bar.top, bar.bottom, z);
        if (sideShown) {
            if (vertical)
                canvas.ZLine3D(bar.right, tick, StartZ(), EndZ());
            else
                canvas.ZLine3D(tick, bar.top, StartZ(), EndZ());
        }
    }
}

// Marks.

void TCustomBarSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    if (!std::isfinite(MandatoryValueList()->Value(valueIndex)))
        return;
    const TMarksCallout &callout = *Marks()->Callout();
    const int distance = callout.Distance();
    const int d = callout.Length() + distance;
    const int half = m_layout.barWidth / 2;
    const int start = BarStartPixel(valueIndex);
    const int end = BarEndPixel(valueIndex);
    if (YMandatory()) {
        // Centred over the bar, beyond its end: above it, or below a bar that grows downwards.
        position.LeftTop.x = plus(position.LeftTop.x, half);
        position.ArrowFrom.x = plus(position.ArrowFrom.x, half);
        position.ArrowTo.x = plus(position.ArrowTo.x, half);
        const bool downward = start < end;
        const long long shift = downward ? d + position.Height : -d;
        position.LeftTop.y = plus(position.LeftTop.y, shift);
        position.ArrowTo.y = plus(position.ArrowTo.y, shift);
        position.ArrowFrom.y = plus(position.ArrowFrom.y, downward ? distance : -distance);
    } else {
        // Centred beside the bar, right of its end, or left of a bar that grows leftwards.
        const int middle = plus(BarPositionPixel(valueIndex), half);
        const bool leftward = start > end;
        position.ArrowFrom = {plus(end, leftward ? -distance : distance), middle};
        position.ArrowTo = {plus(end, leftward ? -d : d), middle};
        position.LeftTop = {leftward ? plus(end, -(d + 1LL * position.Width)) : plus(end, d),
                            plus(middle, -(position.Height / 2))};
    }
    if (m_autoMarkPosition)
        Marks()->AntiOverlap(FirstValueIndex(), valueIndex, position);
    TChartSeries::DrawMark(valueIndex, text, position);
}

// Hit test.

bool TCustomBarSeries::ClickedBar(int valueIndex, const TPoint &point) const
{
    if (IsNull(valueIndex) || !std::isfinite(MandatoryValueList()->Value(valueIndex)))
        return false;
    const bool vertical = YMandatory();
    const TRect bar = BarBounds(valueIndex);
    const int along = vertical ? point.x : point.y;
    const int first = vertical ? bar.left : bar.top;
    if (along < first || along > plus(first, m_layout.barWidth))
        return false;
    const TBarStyle style = styleOf(valueIndex);
    if (isPyramid(style))
        return vertical ? PlotProcs::PointInTriangle(point, bar.left, bar.right, bar.bottom, bar.top)
                        : PlotProcs::PointInHorizTriangle(point, bar.top, bar.bottom, bar.left, bar.right);
    if (isInvertedPyramid(style))
        return vertical ? PlotProcs::PointInTriangle(point, bar.left, bar.right, bar.top, bar.bottom)
                        : PlotProcs::PointInHorizTriangle(point, bar.top, bar.bottom, bar.right, bar.left);
    if (style == bsEllipse)
        return PlotProcs::PointInEllipseRect(point, bar);
    const int across = vertical ? point.y : point.x;
    return vertical ? across >= bar.top && across <= bar.bottom : across >= bar.left && across <= bar.right;
}

int TCustomBarSeries::Clicked(int x, int y) const
{
    if (FirstValueIndex() < 0)
        return -1;
    const TCustomAxisPanel *chart = ParentChart();
    // In 3D the click is taken back to the plane of the bars' fronts.
    if (chart && chart->Canvas())
        chart->Canvas()->InverseCalc3DPos(x, y, StartZ());
    const int last = std::min(LastValueIndex(), Count() - 1);
    for (int i = FirstValueIndex(); i <= last; ++i)
        if (ClickedBar(i, {x, y}))
            return i;
    return -1;
}
