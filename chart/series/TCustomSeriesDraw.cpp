// Line, point and area series base: the shadow, outline and normal passes, the segments between
// points as flat lines, 3D ribbons or areas, the pointers, marks and the legend symbol.
#include "TCustomSeries.h"

#include "SeriesPixel.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"

#include "PlotColor.h"
#include "TCanvas3D.h"
#include "TPlotCanvas3D.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Marks a cached point whose values are not finite: no pixel lies this far out.
constexpr int kNoPixel = std::numeric_limits<int>::min();

// A pixel plus an offset, kept within the pixel bound.
int offsetPixel(int pixel, int offset)
{
    return SeriesPixel::toPixel(double(pixel) + offset).value_or(pixel);
}

// Whether the face from p to q, drawn from depth z0 to z1, shows no wider on the screen than its
// outline covers: straight from the front, or along a segment, a ribbon's face is edge-on. Measured
// without perspective, which changes a face's width by a few percent at most.
bool faceWithinOutline(const Projection &projection, TPoint p, TPoint q, int z0, int z1, int penWidth)
{
    double ux = 0.0;
    double uy = 0.0;
    double vx = 0.0;
    double vy = 0.0;
    projection.screenStep(double(q.x) - p.x, double(q.y) - p.y, 0.0, ux, uy);
    projection.screenStep(0.0, 0.0, double(z1) - z0, vx, vy);
    // The area over the longer side is the face's width across it.
    const double area = ux * vy - uy * vx;
    const double longest = std::max(ux * ux + uy * uy, vx * vx + vy * vy);
    const double outline = 2.0 * std::max(penWidth, 1) + 1.0;
    return area * area < outline * outline * longest || longest == 0.0;
}

bool hasImage(const TChartBrush &brush)
{
    const TPicture *picture = brush.imageIfAny();
    return picture && !picture->IsEmpty();
}

} // namespace

TColor TCustomSeries::areaColorOf(TColor pointColor) const
{
    if (m_pass.color != clNone)
        return m_pass.color;
    return ColorEachPoint() || m_areaColor == clPlotColor ? pointColor : m_areaColor;
}

TColor TCustomSeries::drawColor(int valueIndex) const
{
    const TColor color = GetValueColor(valueIndex);
    if (color == clNone || m_pass.color == clNone)
        return color;
    return m_pass.color;
}

bool TCustomSeries::pointPixel(int valueIndex, int &x, int &y) const
{
    if (m_cacheValid && valueIndex >= m_cacheFirst && valueIndex - m_cacheFirst < int(m_xPixels.size())) {
        x = m_xPixels[std::size_t(valueIndex - m_cacheFirst)];
        y = m_yPixels[std::size_t(valueIndex - m_cacheFirst)];
        return x != kNoPixel;
    }
    const auto i = std::size_t(valueIndex);
    const double xValue = XValues()->Values()[i];
    const double yValue = YValues()->Values()[i];
    if (!std::isfinite(xValue) || !std::isfinite(yValue))
        return false;
    if (isStacking()) {
        const std::optional<int> stacked = stackedPixel(valueIndex, YMandatory() ? yValue : xValue);
        if (!stacked)
            return false;
        x = YMandatory() ? CalcXPosValue(xValue) : *stacked;
        y = YMandatory() ? *stacked : CalcYPosValue(yValue);
        return true;
    }
    x = CalcXPosValue(xValue);
    y = CalcYPosValue(yValue);
    return true;
}

void TCustomSeries::fillPixelCache()
{
    m_cacheValid = false;
    const TChartAxis *horiz = GetHorizAxis();
    const TChartAxis *vert = GetVertAxis();
    const int first = FirstValueIndex();
    const int n = LastValueIndex() - first + 1;
    if (isStacking() || !horiz || !vert || first < 0 || n < 1)
        return;
    // The buffers keep their capacity from pass to pass: no allocation per point or per draw.
    m_xPixels.resize(std::size_t(n));
    m_yPixels.resize(std::size_t(n));
    const double *xValues = XValues()->Values().data() + first;
    const double *yValues = YValues()->Values().data() + first;
    horiz->ValueToPixels(xValues, n, m_xPixels.data());
    vert->ValueToPixels(yValues, n, m_yPixels.data());
    // The axes give NaN a pixel of its own; a point that cannot be drawn is marked instead.
    for (int k = 0; k < n; ++k)
        if (!std::isfinite(xValues[k]) || !std::isfinite(yValues[k]))
            m_xPixels[std::size_t(k)] = kNoPixel;
    m_cacheFirst = first;
    m_cacheValid = true;
}

void TCustomSeries::DoBeforeDrawValues()
{
    m_state = DrawState{}; // the first point drawn starts a fresh line
    m_state.forward = DrawValuesForward();
    TCustomLineSeries::DoBeforeDrawValues();
}

void TCustomSeries::DrawAllValues()
{
    if (!ParentChart())
        return;
    if (m_shadow->Size() != 0)
        drawShadowPass();
    if (m_outLine->Visible())
        drawOutlinePass();
    drawPass();
}

void TCustomSeries::drawPass()
{
    m_state = DrawState{};
    m_state.forward = DrawValuesForward();
    const bool byColumns = columnPathApplies();
    if (byColumns)
        m_cacheValid = false;
    else
        fillPixelCache();
    m_inPass = true;
    const auto dropCache = qScopeGuard([this] {
        m_cacheValid = false;
        m_inPass = false;
    });
    if (byColumns)
        drawByColumns();
    else
        TCustomLineSeries::DrawAllValues();
}

bool TCustomSeries::columnPathApplies() const
{
    // Reduced to its extremes, a pixel column sets the same pixels only for a thin solid line in
    // copy mode, drawn forward without steps, pointers, areas or per-point colours, whose pixels
    // land on an image as the run writing sets them.
    const TCustomAxisPanel *chart = ParentChart();
    const TChartAxis *horiz = GetHorizAxis();
    if (!m_columnPaths || !pixelColumnsAllowed() || !chart || chart->View3D() || !horiz || !GetVertAxis())
        return false;
    if (!m_drawLine || m_drawArea || m_stairs || pointersShown() || ColorEachPoint() || m_stacked != cssNone
        || !YMandatory() || !m_state.forward)
        return false;
    const TChartPen &pen = linePen();
    if (!pen.Visible() || pen.SmallDots() || pen.Width() > 1 || pen.Style() != psSolid || pen.Mode() != pmCopy)
        return false;
    const auto *canvas = dynamic_cast<const TPlotCanvas3D *>(chart->Canvas());
    if (!canvas || canvas->antialiasedLines() || !canvas->paintsRasterImage())
        return false;
    // Fewer than two points per column on average save no line and cost a search each.
    if (LastValueIndex() - FirstValueIndex() + 1 < 2 * std::abs(horiz->PixelSize()))
        return false;
    if (XValues()->Order() != loAscending || !XValues()->FiniteAndAscending())
        return false;
    // A logarithmic axis puts values of 0 and below at its edge, out of the order of the others.
    return !(horiz->Logarithmic() && Count() > 0 && !(XValues()->Values()[0] > 0.0));
}

void TCustomSeries::drawByColumns()
{
    const int first = FirstValueIndex();
    const int last = LastValueIndex();
    if (first < 0 || last < first)
        return;
    // The first point as ever: it may enter from the chart's edge. The columns follow on from it.
    DrawValue(first);
    TCanvas3D &canvas = *ParentChart()->Canvas();
    const TColor color = seriesDrawColor();
    const TRect reach = dynamic_cast<const TPlotCanvas3D &>(canvas).lineRunReach();
    m_columnCache.drawExtremes(
        *GetHorizAxis(), *GetVertAxis(), *XValues(), *YValues(), ColorList(), reach, first + 1, last,
        [&](int x, int y) {
            if (m_state.prevColor != clNone && (x != m_state.prevX || y != m_state.prevY))
                drawFlatLine(canvas, x, y, color);
            m_state.prevX = x;
            m_state.prevY = y;
            m_state.prevColor = color;
        },
        [this] { m_state.prevColor = clNone; });
}

void TCustomSeries::drawShadowPass()
{
    // The whole series once more, offset by the shadow and in its colour, without pointers. The
    // guard puts the axes and the pass back also when a handler throws in the middle.
    TChartAxis *horiz = GetHorizAxis();
    TChartAxis *vert = GetVertAxis();
    const PassState saved = m_pass;
    const int horizStart = horiz ? horiz->StartPixel() : 0;
    const int horizEnd = horiz ? horiz->EndPixel() : 0;
    const int vertStart = vert ? vert->StartPixel() : 0;
    const int vertEnd = vert ? vert->EndPixel() : 0;
    const auto restore = qScopeGuard([&] {
        if (vert)
            vert->SetPixelExtent(vertStart, vertEnd);
        if (horiz)
            horiz->SetPixelExtent(horizStart, horizEnd);
        m_pass = saved;
    });
    m_pass.color = m_shadow->Color();
    m_pass.pointers = false;
    if (horiz)
        horiz->SetPixelExtent(offsetPixel(horizStart, m_shadow->HorizSize()), offsetPixel(horizEnd, m_shadow->HorizSize()));
    if (vert)
        vert->SetPixelExtent(offsetPixel(vertStart, m_shadow->VertSize()), offsetPixel(vertEnd, m_shadow->VertSize()));
    drawPass();
}

void TCustomSeries::drawOutlinePass()
{
    // A wider line in the outline colour under the normal one.
    const PassState saved = m_pass;
    const auto restore = qScopeGuard([&] { m_pass = saved; });
    m_outlinePen.Assign(*m_outLine);
    m_outlinePen.SetWidth(2 * LinePen()->Width() + m_outLine->Width() + 1);
    m_pass.linePen = &m_outlinePen;
    m_pass.color = m_outLine->Color();
    m_pass.pointers = false; // the normal pass draws them over the same place
    drawPass();
}

void TCustomSeries::breakLine()
{
    // A point followed by a null or undrawable point still shows its pointer.
    if (m_state.prevColor != clNone && m_state.prevIndex >= 0 && pointersShown())
        drawPointerAt(m_state.prevIndex, m_state.prevX, m_state.prevY, m_state.prevColor);
    m_state.prevColor = clNone;
}

bool TCustomSeries::enterFromEdge(int valueIndex, int x, int y)
{
    const int before = valueIndex - 1;
    int bx = 0;
    int by = 0;
    if (IsNull(before) || !pointPixel(before, bx, by))
        return false;
    if (m_drawArea) {
        m_state.prevX = bx;
        m_state.prevY = by;
        m_state.prevOrigin = GetOriginPos(before);
        return true;
    }
    const TChartAxis *horiz = GetHorizAxis();
    const TChartAxis *vert = GetVertAxis();
    const TCustomAxisPanel *chart = ParentChart();
    if (!horiz || !vert || !chart)
        return false;
    const int edgeX = horiz->Inverted() ? chart->ChartRect.right : chart->ChartRect.left;
    int edgeY = by;
    const double x0 = GetXValue(before);
    const double x1 = GetXValue(valueIndex);
    if (!m_stairs && x0 != x1) {
        const double edgeValue = horiz->PixelToValue(edgeX);
        if (isStacking()) {
            // The stacked pixels lie on the value axis already: interpolate between them.
            const std::optional<int> pixel = SeriesPixel::toPixel(by + (edgeValue - x0) / (x1 - x0) * (y - by));
            if (!pixel)
                return false;
            edgeY = *pixel;
        } else {
            const double value =
                SeriesPixel::interpolate(x0, GetYValue(before), x1, GetYValue(valueIndex), edgeValue, vert->Logarithmic());
            if (!std::isfinite(value))
                return false;
            edgeY = CalcYPosValue(value);
        }
    }
    Q_UNUSED(x);
    m_state.prevX = edgeX;
    m_state.prevY = edgeY;
    return true;
}

void TCustomSeries::DrawValue(int valueIndex)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    const TColor color = drawColor(valueIndex);
    int x = 0;
    int y = 0;
    if (color == clNone || !pointPixel(valueIndex, x, y)) {
        breakLine();
        return;
    }
    if (m_state.prevColor == clNone) {
        m_state.prevX = x;
        m_state.prevY = y;
        m_state.prevIndex = valueIndex;
    }
    m_state.origin = m_drawArea ? GetOriginPos(valueIndex) : 0;
    if (m_state.prevColor == clNone)
        m_state.prevOrigin = m_state.origin;
    const bool forward = m_state.forward;
    const bool isLast = forward ? valueIndex == LastValueIndex() : valueIndex == FirstValueIndex();
    const bool isFirst = valueIndex == (forward ? FirstValueIndex() : LastValueIndex());
    if (isFirst) {
        if (m_dark3D)
            m_state.slope = chart->Width3D == 0 ? 1.0 : std::fabs(double(chart->Height3D) / chart->Width3D);
        // Points before the visible range: the line enters from the chart's edge.
        if (forward && valueIndex > 0 && YMandatory() && enterFromEdge(valueIndex, x, y))
            drawSegment(valueIndex, x, y, color, false, isLast);
        if (isLast && pointersShown())
            drawPointerAt(valueIndex, x, y, color);
    } else {
        drawSegment(valueIndex, x, y, color, true, isLast);
    }
    m_state.prevX = x;
    m_state.prevY = y;
    m_state.prevIndex = valueIndex;
    m_state.prevOrigin = m_state.origin;
    m_state.prevColor = color;
}

void TCustomSeries::drawSegment(int valueIndex, int x, int y, TColor color, bool withPointers, bool isLast)
{
    const TCustomAxisPanel *chart = ParentChart();
    TCanvas3D &canvas = *chart->Canvas();
    // Consecutive points on one pixel draw nothing between them.
    const bool samePixel = m_state.prevX == x && m_state.prevY == y;
    if (!samePixel) {
        const bool view3D = chart->View3D();
        if (view3D || m_drawArea)
            m_state.linePenSet = false;
        if (view3D && (m_drawArea || m_drawLine))
            drawRibbon(canvas, x, y, color, isLast);
        if (m_drawArea)
            drawAreaPiece(canvas, x, y, color, isLast);
        else if (!view3D && m_drawLine)
            drawFlatLine(canvas, x, y, color);
    }
    if (!withPointers || !pointersShown())
        return;
    if (!samePixel && m_state.prevColor != clNone)
        drawPointerAt(m_state.prevIndex, m_state.prevX, m_state.prevY, m_state.prevColor);
    if (isLast)
        drawPointerAt(valueIndex, x, y, color);
}

void TCustomSeries::drawFlatLine(TCanvas3D &canvas, int x, int y, TColor color)
{
    const int ox = m_state.prevX;
    const int oy = m_state.prevY;
    // Within the series' own loop the pen stays on the canvas from point to point: assigning it
    // again would cost two pen changes per point (the chart pen's colour, then the series'), for
    // the same picture. Anything else that draws forgets it.
    const TColor penColor = ColorEachPoint() && m_colorEachLine ? color : seriesDrawColor();
    if (!m_state.linePenSet || m_state.linePenColor != penColor) {
        canvas.AssignVisiblePenColor(linePen(), penColor);
        canvas.Brush()->SetStyle(bsClear);
        m_state.linePenSet = m_inPass;
        m_state.linePenColor = penColor;
    }
    if (!m_stairs) {
        canvas.Line(ox, oy, x, y);
        return;
    }
    canvas.MoveTo(ox, oy);
    if (m_invertedStairs)
        canvas.LineTo(ox, y);
    else
        canvas.LineTo(x, oy);
    canvas.LineTo(x, y);
}

void TCustomSeries::drawRibbon(TCanvas3D &canvas, int x, int y, TColor color, bool isLast)
{
    int ox = m_state.prevX;
    int oy = m_state.prevY;
    const int z0 = StartZ();
    const int z1 = EndZ();
    const TChartPen &pen = linePen();
    const TColor penColor = m_pass.color != clNone ? m_pass.color : pen.Color();
    const TColor brushColor = m_colorEachLine || m_drawArea ? areaColorOf(color) : seriesDrawColor();
    // Each ribbon leaves its pen and brush on the canvas (a darkened face restores the brush):
    // from face to face within the pass they are assigned again only when a colour changes.
    if (!m_state.ribbonSet || m_state.ribbonPenColor != penColor || m_state.ribbonBrushColor != brushColor) {
        canvas.AssignVisiblePenColor(pen, penColor);
        canvas.AssignBrushColor(*Brush(), brushColor, clNone);
        m_state.ribbonSet = m_inPass;
        m_state.ribbonPenColor = penColor;
        m_state.ribbonOutlineColor = penColor;
        m_state.ribbonBrushColor = brushColor;
    }
    const auto darken = [&] {
        if (m_dark3D)
            canvas.DarkenBrush(brushColor, PlotColor::kDarkenAmount);
    };
    const auto undarken = [&] { canvas.AssignBrushColor(*Brush(), brushColor, clNone); };
    // A face seen edge-on is all outline, and the outline's black hid the series' colour (the
    // "3D Front" view drew every curve black): such a face is outlined in its own colour.
    // The pen changes only where a curve passes from faces of one kind to the other.
    const auto face = [&](TPoint from, TPoint to, const auto &draw) {
        const bool edgeOn = pen.Visible() && faceWithinOutline(canvas.projection(), from, to, z0, z1, pen.Width());
        const TColor outline = edgeOn ? canvas.Brush()->Color() : penColor;
        if (outline != m_state.ribbonOutlineColor) {
            canvas.AssignVisiblePenColor(pen, outline);
            m_state.ribbonOutlineColor = outline;
        }
        draw();
    };
    if (m_stairs) {
        // A vertical series runs along X, then rises; a horizontal one runs along Y, then across.
        const bool vertical = YMandatory();
        const auto along = [&](int at) {
            face({ox, at}, {x, at}, [&] { canvas.RectangleY(ox, at, x, z0, z1); });
        };
        const auto across = [&](int at) {
            face({at, oy}, {at, y}, [&] { canvas.RectangleZ(at, oy, y, z0, z1); });
        };
        const auto run = [&](int at) { vertical ? along(at) : across(at); };
        const auto rise = [&](int at) { vertical ? across(at) : along(at); };
        if (!m_invertedStairs) {
            run(vertical ? oy : ox);
            darken();
            rise(vertical ? x : y);
        } else {
            darken();
            rise(vertical ? ox : oy);
            undarken();
            run(vertical ? y : x);
        }
        undarken();
        return;
    }
    const int height = m_lineHeight;
    const bool band = height > 0 && !m_drawArea;
    if (band) {
        canvas.PlaneFour3D({TPoint{x, y}, TPoint{ox, oy}, TPoint{ox, offsetPixel(oy, height)},
                            TPoint{x, offsetPixel(y, height)}},
                           z0, z0);
        if (isLast)
            canvas.RectangleZ(x, y, offsetPixel(y, height), z0, z1);
    }
    bool darkened = false;
    if (m_dark3D && x != ox && m_state.slope != 0.0 && double(oy - y) / double(x - ox) > m_state.slope) {
        darken();
        darkened = true;
        if (band) {
            oy = offsetPixel(oy, height);
            y = offsetPixel(y, height);
        }
    }
    face({x, y}, {ox, oy}, [&] { canvas.Plane3D({x, y}, {ox, oy}, z0, z1); });
    if (darkened)
        undarken();
}

void TCustomSeries::fillAreaShape(TCanvas3D &canvas, const TRect &bounds, bool is3D, int z)
{
    TPlotGradient *gradient = GetGradient();
    const bool useGradient = gradient && gradient->Visible();
    if (is3D) {
        if (useGradient && m_polygon.size() == 4)
            gradient->Draw3D(canvas, {m_polygon[0], m_polygon[1], m_polygon[2], m_polygon[3]}, z);
        else
            canvas.PolygonWithZ(m_polygon, z);
        return;
    }
    if (!useGradient) {
        canvas.Polygon(m_polygon);
        return;
    }
    // The gradient spans the series' whole value range, so that neighbouring pieces match.
    TRect band = bounds;
    if (const TChartAxis *axis = GetMandatoryAxis()) {
        const int a = axis->ValueToPixel(YMandatory() ? MaxYValue() : MaxXValue());
        const int b = axis->ValueToPixel(YMandatory() ? MinYValue() : MinXValue());
        if (YMandatory()) {
            band.top = std::min({a, b, bounds.top});
            band.bottom = std::max({a, b, bounds.bottom});
        } else {
            band.left = std::min({a, b, bounds.left});
            band.right = std::max({a, b, bounds.right});
        }
    }
    canvas.ClipPolygon(m_polygon.data(), int(m_polygon.size()));
    {
        const auto unclip = qScopeGuard([&] { canvas.UnClipRectangle(); });
        gradient->Draw(canvas, band);
    }
    if (canvas.Pen()->Style() != psClear)
        canvas.Line(m_polygon[0].x, m_polygon[0].y, m_polygon[1].x, m_polygon[1].y);
}

void TCustomSeries::drawAreaPiece(TCanvas3D &canvas, int x, int y, TColor color, bool isLast)
{
    const TCustomAxisPanel *chart = ParentChart();
    const int ox = m_state.prevX;
    const int oy = m_state.prevY;
    const int origin = m_state.origin;
    const int prevOrigin = m_state.prevOrigin;
    const bool vertical = YMandatory();
    const bool is3D = chart->View3D();
    const int z0 = StartZ();
    const int z1 = EndZ();

    m_state.ribbonSet = false; // the area's brush and pen replace the ribbon's
    TColor brushColor = areaColorOf(color);
    if (brushColor == clPlotColor)
        brushColor = seriesDrawColor();
    // A pattern in the point's own colour would vanish on it.
    canvas.AssignBrushColor(*m_areaChartBrush, hasImage(*m_areaChartBrush) && brushColor == color ? clWhite : brushColor,
                            clNone);
    if (m_pass.color != clNone)
        canvas.AssignVisiblePenColor(*m_areaLinesPen, m_pass.color);
    else if (m_areaLinesPen->Color() != clPlotColor && m_areaLinesPen->Visible())
        canvas.AssignVisiblePen(*m_areaLinesPen);
    else
        canvas.AssignVisiblePenColor(*m_areaLinesPen, color);

    if (is3D && isLast) {
        if (vertical)
            canvas.RectangleZ(x, y, origin, z0, z1);
        else
            canvas.RectangleY(origin, y, x, z0, z1);
    }
    const int transparency = GetTransparency();
    const auto blendOver = [&](const TRect &bounds) {
        std::unique_ptr<TPlotBlend> blend;
        if (transparency > 0)
            blend = canvas.BeginBlending(is3D ? canvas.RectFromRectZ(bounds, z0) : bounds, transparency);
        return blend;
    };
    const auto endBlend = [&](std::unique_ptr<TPlotBlend> &blend) {
        if (blend)
            canvas.EndBlending(std::move(blend));
    };
    const TChartPen &pen = linePen();
    const TColor lineColor = m_pass.color != clNone ? m_pass.color : pen.Color();

    if (!m_stairs) {
        m_polygon.resize(4);
        m_polygon[0] = {ox, oy};
        m_polygon[1] = {x, y};
        m_polygon[2] = vertical ? TPoint{x, origin} : TPoint{origin, y};
        m_polygon[3] = vertical ? TPoint{ox, prevOrigin} : TPoint{prevOrigin, oy};
        TRect bounds{m_polygon[0].x, m_polygon[0].y, m_polygon[0].x, m_polygon[0].y};
        for (const TPoint &p : m_polygon) {
            bounds.left = std::min(bounds.left, p.x);
            bounds.top = std::min(bounds.top, p.y);
            bounds.right = std::max(bounds.right, p.x);
            bounds.bottom = std::max(bounds.bottom, p.y);
        }
        const int rotation = chart->View3DOptions()->Rotation();
        const int z = rotation < 91 || rotation > 269 ? z0 : z1;
        std::unique_ptr<TPlotBlend> blend = blendOver(bounds);
        {
            const auto finish = qScopeGuard([&] { endBlend(blend); });
            fillAreaShape(canvas, bounds, is3D, z);
        }
        if (pen.Visible()) {
            canvas.AssignVisiblePenColor(pen, lineColor);
            canvas.LineWithZ(ox, oy, x, y, z0);
        }
        return;
    }

    // Stairs: one rectangle per step, from the step's height down to the origin.
    TRect step;
    if (vertical) {
        const int top = m_invertedStairs ? y : oy;
        const int bottom = m_invertedStairs ? origin : prevOrigin;
        step = {ox, std::min(top, bottom), offsetPixel(x, 1), std::max(top, bottom)};
    } else {
        const int right = m_invertedStairs ? x : ox;
        const int left = m_invertedStairs ? origin : prevOrigin;
        step = {std::min(left, right), oy, std::max(left, right), offsetPixel(y, 1)};
    }
    std::unique_ptr<TPlotBlend> blend = blendOver(step);
    {
        const auto finish = qScopeGuard([&] { endBlend(blend); });
        TPlotGradient *gradient = GetGradient();
        if (is3D)
            canvas.RectangleWithZ(step, z0);
        else if (gradient && gradient->Visible())
            gradient->Draw(canvas, step);
        else
            canvas.RectangleRect(step);
    }
    if (pen.Visible() && !m_areaLinesPen->Visible()) {
        canvas.AssignVisiblePenColor(pen, lineColor);
        const TPoint corner = vertical == m_invertedStairs ? TPoint{ox, y} : TPoint{x, oy};
        canvas.LineWithZ(ox, oy, corner.x, corner.y, z0);
        canvas.LineWithZ(corner.x, corner.y, x, y, z0);
    }
}

void TCustomSeries::drawPointerAt(int valueIndex, int x, int y, TColor color)
{
    m_state.linePenSet = false;
    m_state.ribbonSet = false;
    PreparePointer(valueIndex);
    m_pointer->Draw(x, y, color, pointerStyle(valueIndex));
}

// Marks and legend.

void TCustomSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    Marks()->SetZPosition(StartZ());
    if (YMandatory())
        Marks()->Callout()->ApplyLength(position);
    TCustomLineSeries::DrawMark(valueIndex, text, position);
}

void TCustomSeries::DrawLegendShape(int valueIndex, const TRect &rect)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    TCanvas3D &canvas = *chart->Canvas();
    const TColor color = valueIndex == -1 ? Color() : LegendItemColor(valueIndex);
    const int middleY = (rect.top + rect.bottom) / 2;
    if (m_pointer->Visible()) {
        // The series' line pen, unless the legend symbol brings its own.
        if (m_drawLine) {
            if (!chart->LegendPen)
                canvas.AssignVisiblePenColor(*LinePen(), color);
            DrawLegendLine(rect);
        }
        // At most a third of the symbol box, and never larger than the pointer itself.
        const bool penShown = chart->LegendPen ? chart->LegendPen->Visible() : m_pointer->Pen()->Visible();
        int horiz = penShown ? rect.width() / 3 : rect.width() / 6 + 1;
        int vert = penShown ? rect.height() / 3 : rect.height() / 6 + 1;
        horiz = std::min(horiz, m_pointer->HorizSize());
        vert = std::min(vert, m_pointer->VertSize());
        const int index = valueIndex == -1 ? std::max(0, FirstValueIndex()) : valueIndex;
        m_pointer->DrawPointer(canvas, false, (rect.left + rect.right) / 2, middleY, horiz, vert, color,
                               Count() > index ? pointerStyle(index) : m_pointer->Style());
        return;
    }
    if (m_drawLine && !m_drawArea) {
        if (chart->View3D()) {
            canvas.RectangleRect(rect);
        } else {
            if (!chart->LegendPen)
                canvas.AssignVisiblePenColor(*LinePen(), color);
            DrawLegendLine(rect);
        }
        return;
    }
    TCustomLineSeries::DrawLegendShape(valueIndex, rect);
}
