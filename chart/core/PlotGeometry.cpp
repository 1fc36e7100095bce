// Integer geometry: orientation, rectangles, distances, bounds and hulls.
#include "PlotGeometry.h"

#include "PlotRound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace PlotGeometry {

namespace {

// (b - a) x (c - a). Differences of 32-bit coordinates take 33 bits and their products 66:
// projected corners far outside the picture overflow even 64-bit arithmetic.
__int128 cross(const TPoint &a, const TPoint &b, const TPoint &c)
{
    using Wide = __int128;
    return Wide(std::int64_t(b.x) - a.x) * Wide(std::int64_t(c.y) - a.y)
        - Wide(std::int64_t(b.y) - a.y) * Wide(std::int64_t(c.x) - a.x);
}

} // namespace

bool IsClockwise(const TPoint &p0, const TPoint &p1, const TPoint &p2)
{
    // (p0 - p1) x (p2 - p1) < 0
    return cross(p1, p0, p2) < 0;
}

TPoint MakePoint(int x, int y) { return {x, y}; }

TRect MakeRect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

bool PointInRectXY(const TRect &r, int x, int y)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

bool PointInRect(const TRect &r, const TPoint &p) { return PointInRectXY(r, p.x, p.y); }

TRect OrientRect(const TRect &r)
{
    TRect o = r;
    if (o.left > o.right)
        std::swap(o.left, o.right);
    if (o.top > o.bottom)
        std::swap(o.top, o.bottom);
    return o;
}

void RectSize(const TRect &r, int &width, int &height)
{
    width = r.right - r.left;
    height = r.bottom - r.top;
}

void RectCenter(const TRect &r, int &x, int &y)
{
    x = int((std::int64_t(r.left) + r.right) / 2);
    y = int((std::int64_t(r.top) + r.bottom) / 2);
}

void SwapPoints(TPoint &a, TPoint &b) { std::swap(a, b); }

void SwapInteger(int &a, int &b) { std::swap(a, b); }

TPoint PointAtDistance(const TPoint &p0, const TPoint &p1, int distance)
{
    if (p0.x == p1.x)
        return {p1.x, p1.y >= p0.y ? p1.y - distance : p1.y + distance};
    // Scaling the direction keeps the quadrant that arctan(dx / dy) lost when p1 lies above p0.
    const double dx = double(p1.x) - p0.x;
    const double dy = double(p1.y) - p0.y;
    const double len = std::hypot(dx, dy);
    return {p1.x - plotRound(distance * dx / len), p1.y - plotRound(distance * dy / len)};
}

double Hypotenuse(double x, double y) { return std::sqrt(x * x + y * y); }

TRect PolygonBounds(const TPoint *points, int count)
{
    if (count <= 0)
        return {};
    TRect r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 1; i < count; ++i) {
        r.left = std::min(r.left, points[i].x);
        r.top = std::min(r.top, points[i].y);
        r.right = std::max(r.right, points[i].x);
        r.bottom = std::max(r.bottom, points[i].y);
    }
    ++r.right;
    ++r.bottom;
    return r;
}

TPointArray ConvexHull(TPointArray points)
{
    if (points.size() < 3)
        return points;
    // Pivot: smallest y, ties to the greatest x.
    auto pivotIt = std::min_element(points.begin(), points.end(), [](const TPoint &a, const TPoint &b) {
        return a.y < b.y || (a.y == b.y && a.x > b.x);
    });
    std::iter_swap(points.begin(), pivotIt);
    const TPoint pivot = points.front();
    auto key = [&pivot](const TPoint &p) {
        const double dx = double(p.x) - pivot.x;
        const double dy = double(p.y) - pivot.y;
        const double h = std::hypot(dx, dy);
        return h == 0 ? 0.0 : dx / h;
    };
    std::stable_sort(points.begin() + 1, points.end(), [&key](const TPoint &a, const TPoint &b) {
        return key(a) > key(b);
    });
    TPointArray hull;
    for (const TPoint &p : points) {
        while (hull.size() >= 2) {
            const TPoint &a = hull[hull.size() - 2];
            const TPoint &b = hull.back();
            if (cross(a, b, p) > 0)
                break; // a left turn in the platform's y-down sense
            hull.pop_back();
        }
        hull.push_back(p);
    }
    return hull;
}

QPolygon ToPolygon(const TPoint *points, int count)
{
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon.setPoint(i, points[i].x, points[i].y);
    return polygon;
}

QPolygonF ToPolygonF(const TPoint *points, int count)
{
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon << QPointF(points[i].x, points[i].y);
    return polygon;
}

} // namespace PlotGeometry
