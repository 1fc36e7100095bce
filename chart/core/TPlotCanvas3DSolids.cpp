// The faces and solids of the screen canvas: quadrilaterals and curves at a depth, cubes, cones,
// cylinders, pyramids, 3D pies and arrows, each built from the canvas's own primitives so that
// every canvas deriving from this one receives their faces.
#include "TPlotCanvas3D.h"

#include "GuiCanvas.h"
#include "PlotGeometry.h"
#include "PlotRound.h"
#include "TBrush.h"
#include "TCustomPlotGradient.h"
#include "TPen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numbers>
#include <vector>

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

namespace {

// (x3 - x2)(y1 - y2) - (x1 - x2)(y3 - y2) in 64 bits: the sign tells which way a face turns.
std::int64_t winding(const TFourPoints &p)
{
    return (std::int64_t(p[3].x) - p[2].x) * (std::int64_t(p[1].y) - p[2].y)
           - (std::int64_t(p[1].x) - p[2].x) * (std::int64_t(p[3].y) - p[2].y);
}

bool turnsClockwise(const TPointArray &p)
{
    return PlotGeometry::IsClockwise(p[0], p[1], p[2]);
}

int half(int a, int b)
{
    return int((std::int64_t(a) + b) / 2);
}

int halfSpan(int from, int to)
{
    return int((std::int64_t(to) - from) / 2);
}

} // namespace

TColor TPlotCanvas3D::faceColor() const
{
    return Brush()->Style() == bsSolid ? Brush()->Color() : GetBackColor();
}

void TPlotCanvas3D::setFaceColor(TColor color)
{
    if (Brush()->Style() == bsSolid)
        Brush()->SetColor(color);
    else
        SetBackColor(color);
}

TPoint TPlotCanvas3D::projected(double x, double y, double z) const
{
    TPoint p;
    m_projection.calc3DPosDouble(x, y, z, p.x, p.y);
    return p;
}

void TPlotCanvas3D::drawFace(const TFourPoints &points)
{
    m_fourPoints = points;
    PolygonFourPoints();
}

void TPlotCanvas3D::Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides)
{
    // With a clear brush nothing hides anything: every side is drawn.
    const bool all = Brush()->Style() == bsClear;
    const TColor face = faceColor();
    const auto shade = [&](int amount) {
        if (darkSides)
            DarkenBrush(face, amount);
    };
    const TFourPoints front = FourPointsFromRect({left, top, right, bottom}, z0);
    drawFace(winding(front) > 0 ? front : FourPointsFromRect({left, top, right, bottom}, z1));

    const TFourPoints right_ = {Calc3DPoint(right, top, z0), Calc3DPoint(right, top, z1),
                                Calc3DPoint(right, bottom, z1), Calc3DPoint(right, bottom, z0)};
    if (all || winding(right_) > 0) {
        shade(DarkSideAmount);
        drawFace(right_);
    }
    const TFourPoints left_ = {Calc3DPoint(left, top, z0), Calc3DPoint(left, top, z1), Calc3DPoint(left, bottom, z1),
                               Calc3DPoint(left, bottom, z0)};
    const std::int64_t leftTurn = (std::int64_t(left_[3].x) - left_[0].x) * (std::int64_t(left_[1].y) - left_[0].y)
                                  - (std::int64_t(left_[1].x) - left_[0].x) * (std::int64_t(left_[3].y) - left_[0].y);
    if (all || leftTurn > 0) {
        shade(DarkSideAmount);
        drawFace(left_);
    }
    const TFourPoints top_ = {front[0], front[1], Calc3DPoint(right, top, z1), Calc3DPoint(left, top, z1)};
    const std::int64_t topTurn = (std::int64_t(top_[0].x) - top_[1].x) * (std::int64_t(top_[2].y) - top_[1].y)
                                 - (std::int64_t(top_[2].x) - top_[1].x) * (std::int64_t(top_[0].y) - top_[1].y);
    if (all || topTurn > 0) {
        shade(DarkTopAmount);
        drawFace(top_);
    }
    const TFourPoints bottom_ = {Calc3DPoint(left, bottom, z0), Calc3DPoint(left, bottom, z1),
                                 Calc3DPoint(right, bottom, z1), Calc3DPoint(right, bottom, z0)};
    if (all || winding(bottom_) < 0) {
        shade(DarkTopAmount);
        drawFace(bottom_);
    }
}

// The solid runs along its axis from the base end (bottom of a vertical one, left of a
// horizontal one) to the far end, whose radii are conePercent of the base's.
void TPlotCanvas3D::Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides,
                         int conePercent)
{
    const TColor face = faceColor();
    const int n = m_solidSegments;
    const double step = 2.0 * std::numbers::pi / n;
    const int across = vertical ? half(left, right) : half(top, bottom);
    const int acrossRadius = vertical ? halfSpan(left, right) : halfSpan(top, bottom);
    const int depth = half(z0, z1);
    const int depthRadius = halfSpan(z0, z1);
    const int farAcross = plotRound(acrossRadius * conePercent * 0.01);
    const int farDepth = plotRound(depthRadius * conePercent * 0.01);
    const int base = vertical ? bottom : left;
    const int far = vertical ? top : right;
    const auto circlePoint = [&](int i, int radius, int depthR, int along) {
        const double a = (i + 1 - (vertical ? 4 : 5)) * step;
        const int c = plotRound(radius * std::cos(a)) + across;
        const int d = depth - plotRound(depthR * std::sin(a));
        return vertical ? TPoint3D{c, along, d} : TPoint3D{along, c, d};
    };
    const auto count = static_cast<std::size_t>(n);
    std::vector<TPoint3D> baseCircle(count);
    std::vector<TPoint3D> farCircle(count);
    TPointArray baseProjected(count);
    TPointArray farProjected(count);
    for (int i = 0; i < n; ++i) {
        baseCircle[i] = circlePoint(i, acrossRadius, depthRadius, base);
        farCircle[i] = circlePoint(i, farAcross, farDepth, far);
        baseProjected[i] = Calc3DTPoint(baseCircle[i]);
        farProjected[i] = Calc3DTPoint(farCircle[i]);
    }
    // Faces turn the other way when the base lies beyond the far end (an upside-down solid).
    const bool inverted = vertical ? top > bottom : left > right;
    for (int k = 0; k < n; ++k) {
        const int i = k;
        const int j = (k + 1) % n;
        if (darkSides && k + 1 < n)
            DarkenBrush(face, k * (256 / n)); // the closing face keeps the last shade
        const TPointArray side = inverted
                                     ? TPointArray{farProjected[i], baseProjected[i], baseProjected[j], farProjected[j]}
                                     : TPointArray{farProjected[j], baseProjected[j], baseProjected[i], farProjected[i]};
        if (!turnsClockwise(side))
            Polygon(side);
    }
    // The end cap the viewer sees: the upper end of a vertical solid; of a horizontal one the end
    // the depth leans toward.
    bool farEnd = !inverted;
    if (!vertical) {
        const bool rightEndSeen = !PlotGeometry::IsClockwise(Calc3DPoint(0, 0, 0), Calc3DPoint(0, 10, 0), Calc3DPoint(0, 10, 10));
        farEnd = rightEndSeen != inverted;
    }
    if (farEnd && conePercent == 0)
        return; // a point: no cap
    if (darkSides)
        DarkenBrush(face, DarkTopAmount);
    TPointArray cap(count);
    for (int i = 0; i < n; ++i) {
        const TPoint3D &p = farEnd ? farCircle[i] : baseCircle[i];
        cap[i] = farEnd ? farProjected[i] : projected(p.x, p.y, p.z);
    }
    Polygon(cap);
}

void TPlotCanvas3D::Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides)
{
    Cone(vertical, left, top, right, bottom, z0, z1, darkSides, 100);
}

// Four triangles from the base (bottom of a vertical pyramid, left of a horizontal one) to the
// apex in the middle of the far end, then the base itself when it faces the viewer.
void TPlotCanvas3D::Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides)
{
    const TColor face = faceColor();
    const bool inverted = vertical ? top > bottom : left > right;
    const int depth = half(z0, z1);
    const auto seen = [inverted](const TPointArray &p) { return !turnsClockwise(p) != inverted; };
    if (vertical ? top != bottom : left != right) {
        const TPoint apex = vertical ? Calc3DPoint(half(left, right), top, depth) : Calc3DPoint(right, half(top, bottom), depth);
        const auto P = [this](int x, int y, int z) { return Calc3DPoint(x, y, z); };
        // Front, back, then the two sides, each turning outward.
        const TPointArray faces[4] = {
            vertical ? TPointArray{P(left, bottom, z0), P(right, bottom, z0), apex}
                     : TPointArray{P(left, top, z0), P(left, bottom, z0), apex},
            vertical ? TPointArray{P(right, bottom, z1), P(left, bottom, z1), apex}
                     : TPointArray{P(left, bottom, z1), P(left, top, z1), apex},
            vertical ? TPointArray{P(left, bottom, z1), P(left, bottom, z0), apex}
                     : TPointArray{P(left, top, z1), P(left, top, z0), apex},
            vertical ? TPointArray{P(right, bottom, z0), P(right, bottom, z1), apex}
                     : TPointArray{P(left, bottom, z0), P(left, bottom, z1), apex}};
        Polygon(faces[0]);
        if (seen(faces[1]))
            Polygon(faces[1]);
        if (darkSides)
            DarkenBrush(face, DarkSideAmount);
        for (int k = 2; k < 4; ++k)
            if (seen(faces[k]))
                Polygon(faces[k]);
    }
    const TPointArray baseCorners = vertical
                                        ? TPointArray{Calc3DPoint(right, bottom, z0), Calc3DPoint(left, bottom, z0),
                                                      Calc3DPoint(left, bottom, z1)}
                                        : TPointArray{Calc3DPoint(left, top, z0), Calc3DPoint(left, top, z1),
                                                      Calc3DPoint(left, bottom, z1)};
    if (!seen(baseCorners))
        return;
    if (darkSides)
        DarkenBrush(face, DarkTopAmount);
    if (vertical)
        RectangleY(left, bottom, right, z0, z1);
    else
        RectangleZ(left, top, bottom, z0, z1);
}

void TPlotCanvas3D::TruncatedPyramid(const TRect &rect, int z0, int z1, int topHalfWidth, int topHalfDepth)
{
    const int cx = half(rect.left, rect.right);
    const int cz = half(z0, z1);
    const auto baseFace = [&] { RectangleY(rect.left, rect.bottom, rect.right, z0, z1); };
    const auto topFace = [&] {
        if (topHalfWidth != 0)
            RectangleY(cx - topHalfWidth, rect.top, cx + topHalfWidth, cz - topHalfDepth, cz + topHalfDepth);
    };
    // A face leaning inward toward the top turns the other way than one leaning outward.
    const auto inverted = [&rect](int topEdge, int baseEdge) {
        return (topEdge < baseEdge && topEdge >= 1 && rect.top < rect.bottom)
               || (topEdge > baseEdge && rect.top > rect.bottom);
    };
    const auto depthFace = [&](int topDepth, int baseDepth) {
        const TFourPoints corners = {TPoint{cx - topHalfWidth, rect.top}, TPoint{cx + topHalfWidth, rect.top},
                                     TPoint{rect.right, rect.bottom}, TPoint{rect.left, rect.bottom}};
        const TPointArray test = {Calc3DPoint(corners[0].x, corners[0].y, topDepth),
                                  Calc3DPoint(corners[1].x, corners[1].y, topDepth),
                                  Calc3DPoint(corners[2].x, corners[2].y, baseDepth)};
        if (turnsClockwise(test) != inverted(topDepth, baseDepth))
            PlaneFour3D(corners, topDepth, baseDepth);
    };
    const auto sideFace = [&](int topX, int baseX) {
        const TFourPoints face = {Calc3DPoint(topX, rect.top, cz + topHalfDepth), Calc3DPoint(topX, rect.top, cz - topHalfDepth),
                                  Calc3DPoint(baseX, rect.bottom, z0), Calc3DPoint(baseX, rect.bottom, z1)};
        if (turnsClockwise({face[0], face[1], face[2]}) != inverted(topX, baseX))
            drawFace(face);
    };
    const bool topFirst = rect.bottom <= rect.top;
    if (topFirst)
        topFace();
    else
        baseFace();
    if (topHalfWidth == 0 && z0 == z1) {
        depthFace(cz + topHalfDepth, z1);
    } else {
        depthFace(cz + topHalfDepth, z1);
        sideFace(cx - topHalfWidth, rect.left);
        depthFace(cz - topHalfDepth, z0);
        sideFace(cx + topHalfWidth, rect.right);
    }
    if (topFirst)
        baseFace();
    else
        topFace();
}

void TPlotCanvas3D::Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                          double endAngle, bool darkSides, bool drawSides, int donutPercent,
                          const TCustomPlotGradient *gradient)
{
    // One point every two degrees along the arc, 96 at most.
    const int n = std::min(plotRound(std::abs(endAngle - startAngle) * 180.0 / std::numbers::pi / 2.0), 94) + 2;
    const double step = (endAngle - startAngle) / (n - 1);
    const bool donut = donutPercent > 0;
    const double innerX = donutPercent * xRadius * 0.01;
    const double innerY = donutPercent * yRadius * 0.01;
    const auto count = static_cast<std::size_t>(n);
    TPointArray outerFront(count), outerBack(count), innerFront(count), innerBack(count);
    const TPoint centreFront = Calc3DPoint(xCenter, yCenter, z1);
    const TPoint centreBack = Calc3DPoint(xCenter, yCenter, z0);
    for (int i = 0; i < n; ++i) {
        const double a = startAngle + i * step;
        const double c = std::cos(a);
        const double s = std::sin(a);
        outerFront[i] = projected(xCenter + c * xRadius, yCenter - s * yRadius, z1);
        outerBack[i] = projected(xCenter + c * xRadius, yCenter - s * yRadius, z0);
        innerFront[i] = donut ? projected(xCenter + c * innerX, yCenter - s * innerY, z1) : centreFront;
        innerBack[i] = donut ? projected(xCenter + c * innerX, yCenter - s * innerY, z0) : centreBack;
    }
    // A curved side: one arc at z1 forward and the same arc at z0 backward.
    const auto strip = [](const TPointArray &front, const TPointArray &back, int from, int to) {
        TPointArray points(front.begin() + from, front.begin() + to + 1);
        points.insert(points.end(), std::make_reverse_iterator(back.begin() + to + 1),
                      std::make_reverse_iterator(back.begin() + from));
        return points;
    };
    const TColor face = faceColor();
    const auto shade = [&] {
        if (darkSides)
            DarkenBrush(face, PieDarkAmount);
    };
    if (donut) {
        shade();
        Polygon(strip(innerFront, innerBack, 0, n - 1));
    }
    if (drawSides) {
        const int originX = m_projection.originX;
        if (outerFront[n - 1].x < originX) {
            shade();
            drawFace({innerFront[n - 1], outerFront[n - 1], outerBack[n - 1], innerBack[n - 1]});
        }
        if (outerFront[0].x > originX) {
            shade();
            drawFace({innerFront[0], outerFront[0], outerBack[0], innerBack[0]});
        }
    }
    setFaceColor(face);
    // The flat face at z1: the outer arc closed through the centre, or back along the inner arc.
    TPointArray flat = outerFront;
    if (donut)
        flat.insert(flat.end(), innerFront.rbegin(), innerFront.rend());
    else
        flat.push_back(centreFront);
    if (gradient) {
        ClipPolygon(flat.data(), int(flat.size()));
        gradient->Draw(*this, PlotGeometry::PolygonBounds(flat.data(), int(flat.size())));
        UnClipRectangle();
        if (Pen()->Style() != psClear) {
            const TBrushStyle style = Brush()->Style();
            Brush()->SetStyle(bsClear);
            Polygon(flat);
            Brush()->SetStyle(style);
        }
    } else {
        Polygon(flat);
    }
    // The outer curved side shows where the arc runs to the right on screen.
    int start = 0;
    while (start + 1 < n && outerFront[start + 1].x <= outerFront[start].x)
        ++start;
    if (start + 1 >= n)
        return;
    int end = start + 1;
    while (end + 1 < n && outerFront[end + 1].x >= outerFront[end].x)
        ++end;
    shade();
    Polygon(strip(outerFront, outerBack, start, end));
    if (end + 1 < n && outerFront[n - 1].x > outerFront[n - 2].x) {
        // The arc rises again at its end: a second run, taken back from the last point.
        int tail = n - 1;
        while (tail > end && outerFront[tail - 1].x < outerFront[tail].x)
            --tail;
        if (n - 1 - tail >= 1)
            Polygon(strip(outerFront, outerBack, tail, n - 1));
    }
}

void TPlotCanvas3D::Arrow(bool filled, const TPoint &from, const TPoint &to, int headWidth, int headLength, int z,
                          double bodyPercent)
{
    const double dx = double(to.x) - from.x;
    const double dy = double(to.y) - from.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0.0)
        return;
    const double head = std::min<double>(headLength, plotRound(length));
    // The frame of the line: along it from the start, and across it.
    const double ux = dx / length;
    const double uy = dy / length;
    const auto at = [&](double along, double across) {
        const TPoint p{plotRound(from.x + along * ux + across * uy), plotRound(from.y + along * uy - across * ux)};
        return Calc3DPoint(p.x, p.y, z);
    };
    const double base = length - head;
    const double headHalf = headWidth / 2.0;
    if (!filled) {
        LineWithZ(from.x, from.y, to.x, to.y, z);
        const TPoint tip = Calc3DPoint(to.x, to.y, z);
        for (const TPoint &corner : {at(base, headHalf), at(base, -headHalf)}) {
            MoveTo(tip.x, tip.y);
            LineTo(corner.x, corner.y);
        }
        return;
    }
    const double bodyHalf = headWidth * 0.005 * bodyPercent;
    Polygon({at(0, bodyHalf), at(base, bodyHalf), at(base, headHalf), Calc3DPoint(to.x, to.y, z), at(base, -headHalf),
             at(base, -bodyHalf), at(0, -bodyHalf)});
}

void TPlotCanvas3D::Triangle3D(const TPoint3D &p0, const TPoint3D &p1, const TPoint3D &p2, TColor color)
{
    if (Brush()->Style() != bsClear)
        Brush()->SetColor(color);
    Polygon({Calc3DTPoint(p0), Calc3DTPoint(p1), Calc3DTPoint(p2)});
}
