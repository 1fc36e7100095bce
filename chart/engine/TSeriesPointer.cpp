// Series pointer: sizes, margins, canvas preparation and the shapes, flat or solid.
#include "TSeriesPointer.h"

#include "AxisSeriesView.h"
#include "PlotExceptions.h"

#include "PlotConst.h"
#include "PlotPanelHost.h"
#include "TCanvas3D.h"
#include "TView3DOptions.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

// centre - size and centre + size, the lower first, saturated one short of the int limits: the
// shapes reach one pixel beyond their box.
std::pair<int, int> orderedSpan(int centre, int size)
{
    const auto clampToInt = [](std::int64_t v) {
        return int(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min() + 1, std::numeric_limits<int>::max() - 1));
    };
    const std::int64_t a = std::int64_t(centre) - size;
    const std::int64_t b = std::int64_t(centre) + size;
    return {clampToInt(std::min(a, b)), clampToInt(std::max(a, b))};
}

} // namespace

TSeriesPointer::TSeriesPointer(AxisSeriesView *series, PlotPanelHost *parentChart, QObject *owner)
    : TPlotCustomShapeBrushPen(parentChart, owner)
    , m_series(series)
    , m_gradient(std::make_unique<TPlotGradient>(this))
{
    connect(m_gradient.get(), &TCustomPlotGradient::changed, this, &TSeriesPointer::Repaint);
}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::SetDark3D(bool value)
{
    if (value == m_dark3D)
        return;
    m_dark3D = value;
    Repaint();
}

void TSeriesPointer::SetDraw3D(bool value)
{
    if (value == m_draw3D)
        return;
    m_draw3D = value;
    Repaint();
}

void TSeriesPointer::SetGradient(const TPlotGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

void TSeriesPointer::checkPointerSize(int value) const
{
    if (value < 1)
        throw ChartException(PlotConst::message(PlotConst::msgPointerSize));
}

void TSeriesPointer::SetHorizSize(int value)
{
    checkPointerSize(value);
    if (value == m_horizSize)
        return;
    m_horizSize = value;
    Repaint();
}

void TSeriesPointer::SetVertSize(int value)
{
    checkPointerSize(value);
    if (value == m_vertSize)
        return;
    m_vertSize = value;
    Repaint();
}

void TSeriesPointer::SetInflateMargins(bool value)
{
    if (value == m_inflateMargins)
        return;
    m_inflateMargins = value;
    Repaint();
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    Repaint();
}

void TSeriesPointer::SetTransparency(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == m_transparency)
        return;
    m_transparency = value;
    Repaint();
}

void TSeriesPointer::CalcHorizMargins(int &left, int &right) const
{
    if (!Visible() || !m_inflateMargins)
        return;
    left = std::max(left, m_horizSize + 1);
    right = std::max(right, m_horizSize + 1);
}

void TSeriesPointer::CalcVerticalMargins(int &top, int &bottom) const
{
    if (!Visible() || !m_inflateMargins)
        return;
    top = std::max(top, m_vertSize + 1);
    bottom = std::max(bottom, m_vertSize + 1);
}

void TSeriesPointer::PrepareCanvas(TCanvas3D &canvas, TColor color)
{
    if (!Pen()->Visible())
        canvas.Pen()->SetStyle(psClear);
    else
        canvas.AssignVisiblePenColor(*Pen(), Pen()->Color() == clDefault ? color : Pen()->Color());
    TColor fill = Brush()->Color();
    // A hatch in "the point's colour" would vanish on a point of that colour: it turns black.
    if (fill == clDefault)
        fill = Brush()->Style() == bsSolid ? color : clBlack;
    canvas.AssignBrushColor(*Brush(), fill, clNone);
}

void TSeriesPointer::PrepareCanvasDefault(TCanvas3D &canvas)
{
    PrepareCanvas(canvas, Brush()->Color());
}

void TSeriesPointer::Draw(int x, int y, TColor color, TSeriesPointerStyle style)
{
    TCanvas3D *canvas = ParentChart() ? ParentChart()->Canvas() : nullptr;
    if (canvas)
        DrawPointer(*canvas, canvas->projection().is3D, x, y, m_horizSize, m_vertSize, color, style);
}

void TSeriesPointer::DrawPointer(TCanvas3D &canvas, bool is3D, int x, int y, int horizSize, int vertSize,
                                 TColor color, TSeriesPointerStyle style)
{
    // Series that size their pointers per point pass sizes of 0 (a bubble of radius 0) and below
    // (a task that ends before it starts): a circle of no size is nothing, and every other shape
    // is drawn over its box with the corners in order.
    if (style == psCircle && (horizSize <= 0 || vertSize <= 0))
        return;
    const auto [left, right] = orderedSpan(x, horizSize);
    const auto [top, bottom] = orderedSpan(y, vertSize);
    const TRect box{left, top, right, bottom};
    PrepareCanvas(canvas, color);
    std::unique_ptr<TPlotBlend> blend;
    if (m_transparency > 0) {
        TRect r{box.left, box.top, box.right + 1, box.bottom + 1};
        const TView3DOptions *options = canvas.View3DOptions();
        if (is3D && m_draw3D && style == psRectangle && options && options->Orthogonal() && m_series) {
            // The cube's side and top reach beyond the front face.
            const int depth = m_series->EndZ() - m_series->StartZ();
            r.right += depth;
            r.top -= depth;
        }
        blend = canvas.BeginBlending(r, m_transparency);
    }
    drawShape(canvas, is3D, box, x, y, style);
    if (m_gradient->Visible())
        fillGradient(canvas, is3D, box, x, y, color, style);
    if (blend)
        canvas.EndBlending(std::move(blend));
}

void TSeriesPointer::drawShape(TCanvas3D &canvas, bool is3D, const TRect &box, int x, int y,
                               TSeriesPointerStyle style)
{
    const int l = box.left;
    const int t = box.top;
    const int r = box.right;
    const int b = box.bottom;
    const int startZ = m_series ? m_series->StartZ() : 0;
    const int endZ = m_series ? m_series->EndZ() : 0;
    const bool solid = is3D && m_draw3D;
    auto polygon = [&](const TPointArray &points) {
        if (is3D)
            canvas.PolygonWithZ(points, startZ);
        else
            canvas.Polygon(points);
    };
    auto cross = [&] {
        if (is3D) {
            canvas.HorizLine3D(l, r + 1, y, startZ);
            canvas.VertLine3D(x, t, b + 1, startZ);
        } else {
            canvas.HorizLine(l, r + 1, y);
            canvas.VertLine(x, t, b + 1);
        }
    };
    auto diagonalCross = [&] {
        if (is3D) {
            canvas.LineWithZ(l, t, r + 1, b + 1, startZ);
            canvas.LineWithZ(l, b, r + 1, t - 1, startZ);
        } else {
            canvas.Line(l, t, r + 1, b + 1);
            canvas.Line(l, b, r + 1, t - 1);
        }
    };
    switch (style) {
    case psRectangle:
        if (solid)
            canvas.Cube(l, r, t, b, startZ, endZ, m_dark3D);
        else if (is3D)
            canvas.RectangleWithZ({l, t, r + 1, b + 1}, startZ);
        else
            canvas.Rectangle(l, t, r + 1, b + 1);
        break;
    case psCircle:
        if (is3D)
            canvas.EllipseWithZ(l, t, r, b, startZ);
        else
            canvas.Ellipse(l, t, r, b);
        break;
    case psTriangle:
        if (solid)
            canvas.Pyramid(true, l, t, r, b, startZ, endZ, m_dark3D);
        else
            polygon({{l, b}, {r, b}, {x, t}});
        break;
    case psDownTriangle:
        // The apex lies at the far end of the pyramid's axis: top and bottom swap to point down.
        if (solid)
            canvas.Pyramid(true, l, b, r, t, startZ, endZ, m_dark3D);
        else
            polygon({{l, t}, {r, t}, {x, b}});
        break;
    case psCross:
        cross();
        break;
    case psDiagCross:
        diagonalCross();
        break;
    case psStar:
        cross();
        diagonalCross();
        break;
    case psDiamond:
        polygon({{l, y}, {x, t}, {r, y}, {x, b}});
        break;
    case psSmallDot:
        if (is3D)
            canvas.SetPixel3D(x, y, m_series ? m_series->MiddleZ() : 0, canvas.Brush()->Color());
        else
            canvas.SetPixel(x, y, canvas.Brush()->Color());
        break;
    case psNothing:
        break;
    case psLeftTriangle:
        polygon({{l, y}, {r, b}, {r, t}});
        break;
    case psRightTriangle:
        polygon({{r, y}, {l, b}, {l, t}});
        break;
    }
}

void TSeriesPointer::fillGradient(TCanvas3D &canvas, bool is3D, const TRect &box, int x, int y, TColor color,
                                  TSeriesPointerStyle style)
{
    if (!m_keepGradientColors) {
        // Following the point colour is no change of the pointer: no repaint.
        const QSignalBlocker blocker(m_gradient.get());
        m_gradient->SetEndColor(color);
    }
    const int z = m_series ? m_series->StartZ() : 0;
    const TRect rect{box.left, box.top, box.right + 1, box.bottom + 1};
    const TView3DOptions *options = canvas.View3DOptions();
    if (style == psRectangle && is3D && options && !options->Orthogonal()) {
        m_gradient->DrawFourPoints(canvas, canvas.FourPointsFromRect(rect, z));
        return;
    }
    const bool solid = is3D && m_draw3D;
    auto project = [&](const TPointArray &points) {
        TPointArray result;
        for (const TPoint &p : points)
            result.push_back(is3D ? canvas.Calc3DPoint(p.x, p.y, z) : p);
        return result;
    };
    const TRect clipRect = is3D ? canvas.CalcRect3D(rect, z) : rect;
    TPointArray outline;
    switch (style) {
    case psRectangle:
        canvas.ClipRectangle(clipRect);
        break;
    case psCircle:
        canvas.ClipEllipse(is3D ? canvas.CalcRect3D(box, z) : box, false);
        break;
    case psTriangle:
    case psDownTriangle:
        if (solid)
            return;
        outline = style == psTriangle ? project({{box.left, box.bottom}, {box.right, box.bottom}, {x, box.top}})
                                      : project({{box.left, box.top}, {box.right, box.top}, {x, box.bottom}});
        break;
    case psDiamond:
        outline = project({{box.left, y}, {x, box.top}, {box.right, y}, {x, box.bottom}});
        break;
    case psLeftTriangle:
        outline = project({{box.left, y}, {box.right, box.bottom}, {box.right, box.top}});
        break;
    case psRightTriangle:
        outline = project({{box.right, y}, {box.left, box.bottom}, {box.left, box.top}});
        break;
    default:
        return; // lines and the dot have nothing to fill
    }
    if (!outline.empty())
        canvas.ClipPolygon(outline.data(), int(outline.size()));
    m_gradient->Draw(canvas, clipRect);
    canvas.UnClipRectangle();
}

void TSeriesPointer::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *pointer = qobject_cast<const TSeriesPointer *>(&source)) {
        m_dark3D = pointer->m_dark3D;
        m_draw3D = pointer->m_draw3D;
        m_gradient->Assign(*pointer->m_gradient);
        m_horizSize = pointer->m_horizSize;
        m_inflateMargins = pointer->m_inflateMargins;
        m_style = pointer->m_style;
        m_transparency = pointer->m_transparency;
        m_vertSize = pointer->m_vertSize;
    }
    TPlotCustomShapeBrushPen::Assign(source);
}
