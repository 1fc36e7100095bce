// The faces and solids of the screen canvas: quadrilaterals and curves at a depth, cubes, cones,
// cylinders, pyramids, 3D pies and arrows, each built from the canvas's own primitives so that
// every canvas deriving from this one receives their faces.
#include "TPlotCanvas3D.h"

#include "GuiCanvas.h"
#include "PlotRound.h"

#include <QPainterPath>

#include <cmath>

void TPlotCanvas3D::Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
                          double holePercent)
{
    const double toDeg = 180.0 / M_PI;
    const QRectF outer(xCenter - xRadius, yCenter - yRadius, 2.0 * xRadius, 2.0 * yRadius);
    const double hx = xRadius * holePercent * 0.01;
    const double hy = yRadius * holePercent * 0.01;
    const QRectF inner(xCenter - hx, yCenter - hy, 2.0 * hx, 2.0 * hy);
    const double a0 = startAngle * toDeg;
    const double span = (endAngle - startAngle) * toDeg;
    QPainterPath path;
    path.arcMoveTo(outer, a0);
    path.arcTo(outer, a0, span);
    if (hx > 0 && hy > 0)
        path.arcTo(inner, a0 + span, -span);
    else
        path.lineTo(xCenter, yCenter);
    path.closeSubpath();
    ReferenceCanvas()->dc().fillPath(path);
}

void TPlotCanvas3D::EllipseWithZ(int left, int top, int right, int bottom, int z)
{
    if (!m_projection.is3D && !m_projection.orthogonal) {
        // The flat form takes the box with its right and bottom edge included.
        Ellipse(left, top, right + 1, bottom + 1);
        return;
    }
    const TPoint a = Calc3DPoint(left, top, z);
    const TPoint b = Calc3DPoint(right, bottom, z);
    Ellipse(a.x, a.y, b.x, b.y);
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
    if (!m_projection.is3D && !m_projection.orthogonal) {
        Rectangle(rect.left, rect.top, rect.right, rect.bottom);
        return;
    }
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
    int l = 0, t = 0, r = 0, b = 0;
    m_projection.calc3DPosDouble(xCenter - radius, yCenter - radius, z, l, t);
    m_projection.calc3DPosDouble(xCenter + radius, yCenter + radius, z, r, b);
    Ellipse(l, t, r, b);
}

void TPlotCanvas3D::TriangleWithZ(const TPoint &p0, const TPoint &p1, const TPoint &p2, int z)
{
    Polygon({Calc3DPoint(p0.x, p0.y, z), Calc3DPoint(p1.x, p1.y, z), Calc3DPoint(p2.x, p2.y, z)});
}

void TPlotCanvas3D::PolygonFourPoints()
{
    ReferenceCanvas()->dc().polygon(m_fourPoints.data(), 4);
}
