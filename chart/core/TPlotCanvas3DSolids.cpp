// The faces and solids of the screen canvas: quadrilaterals and curves at a depth, cubes, cones,
// cylinders, pyramids, 3D pies and arrows, each built from the canvas's own primitives so that
// every canvas deriving from this one receives their faces.
#include "TPlotCanvas3D.h"

#include "GuiCanvas.h"
#include "PlotRound.h"
#include "TBrush.h"
#include "TPen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

void TPlotCanvas3D::Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
                          double holePercent)
{
    // The outline as points, so that every canvas draws it with its own Polygon.
    const double innerX = xRadius * holePercent * 0.01;
    const double innerY = yRadius * holePercent * 0.01;
    const int count = std::max(2, plotRound(std::abs(endAngle - startAngle) * 180.0 / std::numbers::pi) + 1);
    const auto at = [&](double rx, double ry, int i) {
        const double a = startAngle + (endAngle - startAngle) * i / (count - 1);
        return TPoint{xCenter + plotRound(rx * std::cos(a)), yCenter - plotRound(ry * std::sin(a))};
    };
    TPointArray points;
    points.reserve(2 * std::size_t(count));
    for (int i = 0; i < count; ++i)
        points.push_back(at(xRadius, yRadius, i));
    // The inner arc runs back clockwise; a hole that rounds to nothing is the centre alone.
    if (plotRound(innerX) == 0 && plotRound(innerY) == 0)
        points.push_back({xCenter, yCenter});
    else
        for (int i = count - 1; i >= 0; --i)
            points.push_back(at(innerX, innerY, i));
    Polygon(points);
}

void TPlotCanvas3D::EllipseWithZ(int left, int top, int right, int bottom, int z)
{
    if (!m_projection.is3D && !m_projection.orthogonal) {
        // The flat form takes the box with its right and bottom edge included.
        Ellipse(left, top, right + 1, bottom + 1);
        return;
    }
    if (m_projection.orthogonal) {
        const TPoint a = Calc3DPoint(left, top, z);
        const TPoint b = Calc3DPoint(right, bottom, z);
        Ellipse(a.x, a.y, b.x, b.y);
        return;
    }
    // Rotated: the ring of 64 projected points, filled as a fan of triangles around the centre.
    const int cx = int((std::int64_t(left) + right) / 2);
    const int cy = int((std::int64_t(top) + bottom) / 2);
    const double rx = int((std::int64_t(right) - left) / 2);
    const double ry = int((std::int64_t(bottom) - top) / 2);
    constexpr int kPoints = 64;
    TPointArray ring(kPoints);
    ring[0] = Calc3DPoint(cx, bottom, z);
    for (int i = 1; i < kPoints; ++i) {
        const double a = i * 2.0 * std::numbers::pi / (kPoints - 1);
        m_projection.calc3DPosDouble(cx + rx * std::sin(a), cy + ry * std::cos(a), z, ring[i].x, ring[i].y);
    }
    if (Brush()->Style() != bsClear) {
        const TPoint centre = Calc3DPoint(cx, cy, z);
        const TPenStyle penStyle = Pen()->Style();
        Pen()->SetStyle(psClear);
        for (int i = 0; i + 1 < kPoints; ++i)
            Polygon({centre, ring[i], ring[i + 1]});
        Pen()->SetStyle(penStyle);
    }
    if (Pen()->Style() != psClear)
        Polyline(ring);
}

void TPlotCanvas3D::Plane3D(const TPoint &a, const TPoint &b, int z0, int z1)
{
    m_fourPoints = {Calc3DPoint(a.x, a.y, z0), Calc3DPoint(b.x, b.y, z0), Calc3DPoint(b.x, b.y, z1),
                    Calc3DPoint(a.x, a.y, z1)};
    PolygonFourPoints();
}

void TPlotCanvas3D::PlaneWithZ(const TFourPoints &points, int z)
{
    for (std::size_t i = 0; i < 4; ++i)
        m_fourPoints[i] = Calc3DPoint(points[i].x, points[i].y, z);
    PolygonFourPoints();
}

void TPlotCanvas3D::PlaneFour3D(TFourPoints points, int z0, int z1)
{
    m_fourPoints = {Calc3DPoint(points[0].x, points[0].y, z0), Calc3DPoint(points[1].x, points[1].y, z0),
                    Calc3DPoint(points[2].x, points[2].y, z1), Calc3DPoint(points[3].x, points[3].y, z1)};
    PolygonFourPoints();
}

void TPlotCanvas3D::PolygonWithZ(TPointArray points, int z)
{
    for (TPoint &p : points)
        p = Calc3DPoint(p.x, p.y, z);
    Polygon(points);
}

void TPlotCanvas3D::PolylineWithZ(TPointArray points, int z)
{
    for (TPoint &p : points)
        p = Calc3DPoint(p.x, p.y, z);
    Polyline(points);
}

void TPlotCanvas3D::RectangleWithZ(const TRect &rect, int z)
{
    // Also in 2D: canvases that draw faces their own way receive the face, not a rectangle.
    m_fourPoints = FourPointsFromRect(rect, z);
    PolygonFourPoints();
}

void TPlotCanvas3D::RectangleY(int left, int y, int right, int z0, int z1)
{
    m_fourPoints = {Calc3DPoint(left, y, z0), Calc3DPoint(right, y, z0), Calc3DPoint(right, y, z1),
                    Calc3DPoint(left, y, z1)};
    PolygonFourPoints();
}

void TPlotCanvas3D::RectangleZ(int x, int top, int bottom, int z0, int z1)
{
    m_fourPoints = {Calc3DPoint(x, top, z0), Calc3DPoint(x, top, z1), Calc3DPoint(x, bottom, z1),
                    Calc3DPoint(x, bottom, z0)};
    PolygonFourPoints();
}

void TPlotCanvas3D::CircleWithZ(int xCenter, int yCenter, double radius, int z)
{
    const int r = plotRound(radius);
    EllipseWithZ(xCenter - r, yCenter - r, xCenter + r, yCenter + r, z);
}

void TPlotCanvas3D::TriangleWithZ(const TPoint &p0, const TPoint &p1, const TPoint &p2, int z)
{
    Polygon({Calc3DPoint(p0.x, p0.y, z), Calc3DPoint(p1.x, p1.y, z), Calc3DPoint(p2.x, p2.y, z)});
}

void TPlotCanvas3D::PolygonFourPoints()
{
    ReferenceCanvas()->dc().polygon(m_fourPoints.data(), 4);
}
