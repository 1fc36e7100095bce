// Exact clipping of lines and polygons to the guard square, and curves flattened to points.
#include "GuardBand.h"

#include "PlotRound.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace GuardBand {

namespace {

QPoint rounded(const QPointF &p)
{
    return {plotRound(p.x()), plotRound(p.y())};
}

// One Sutherland-Hodgman pass: keeps the side where coordinate(axis) * sign <= limit.
QPolygonF clipAgainst(const QPolygonF &in, int axis, double sign, double limit)
{
    const auto value = [axis, sign](const QPointF &p) { return (axis == 0 ? p.x() : p.y()) * sign; };
    QPolygonF out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QPointF &a = in.at(i);
        const QPointF &b = in.at((i + 1) % in.size());
        const bool aIn = value(a) <= limit;
        const bool bIn = value(b) <= limit;
        if (aIn)
            out << a;
        if (aIn != bIn) {
            const double t = (limit - value(a)) / (value(b) - value(a));
            out << a + (b - a) * t;
        }
    }
    return out;
}

} // namespace

bool inside(const TPoint &p)
{
    return std::abs(std::int64_t(p.x)) <= kReach && std::abs(std::int64_t(p.y)) <= kReach;
}

bool allInside(const TPoint *points, int count)
{
    return std::all_of(points, points + count, [](const TPoint &p) { return inside(p); });
}

bool boxInside(int left, int top, int right, int bottom)
{
    return inside({left, top}) && inside({right, bottom});
}

int clamp(int value)
{
    return std::clamp(value, -kReach, kReach);
}

bool clipSegment(double &x0, double &y0, double &x1, double &y1)
{
    const double limit = kReach;
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + limit, limit - x0, y0 + limit, limit - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double ox = x0;
    const double oy = y0;
    x0 = ox + t0 * dx;
    y0 = oy + t0 * dy;
    x1 = ox + t1 * dx;
    y1 = oy + t1 * dy;
    return true;
}

QPolygon clipPolygon(const QPolygonF &polygon)
{
    return clipPolygon(polygon, QRectF(-kReach, -kReach, 2.0 * kReach, 2.0 * kReach));
}

QPolygon clipPolygon(const QPolygonF &polygon, const QRectF &box)
{
    const QRectF b = box.intersected(QRectF(-kReach, -kReach, 2.0 * kReach, 2.0 * kReach));
    const double limits[2][2] = {{b.right(), -b.left()}, {b.bottom(), -b.top()}};
    QPolygonF clipped = polygon;
    for (int axis = 0; axis < 2 && !clipped.isEmpty(); ++axis) {
        clipped = clipAgainst(clipped, axis, 1.0, limits[axis][0]);
        clipped = clipAgainst(clipped, axis, -1.0, limits[axis][1]);
    }
    QPolygon result;
    result.reserve(clipped.size());
    for (const QPointF &p : clipped)
        result << rounded(p);
    return result;
}

QList<QPolygon> clipPolyline(const QPolygonF &polyline)
{
    QList<QPolygon> runs;
    bool open = false; // the last run ends where the next segment starts
    for (qsizetype i = 1; i < polyline.size(); ++i) {
        double x0 = polyline.at(i - 1).x(), y0 = polyline.at(i - 1).y();
        double x1 = polyline.at(i).x(), y1 = polyline.at(i).y();
        if (!clipSegment(x0, y0, x1, y1)) {
            open = false;
            continue;
        }
        if (!open)
            runs << QPolygon{rounded({x0, y0})};
        runs.last() << rounded({x1, y1});
        open = std::abs(polyline.at(i).x()) <= kReach && std::abs(polyline.at(i).y()) <= kReach;
    }
    return runs;
}

QPolygonF ellipsePoints(const QRectF &box, double startDegrees, double spanDegrees)
{
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    const QPointF c = box.center();
    // A chord of angle theta strays r (1 - cos(theta / 2)) from the circle: a quarter pixel at
    // most takes pi sqrt(2 r) chords for the whole turn.
    const double r = std::max({std::abs(a), std::abs(b), 1.0});
    const double perTurn = std::numbers::pi * std::sqrt(2.0 * r);
    const int count = std::clamp(int(std::ceil(perTurn * std::abs(spanDegrees) / 360.0)), 8, 1 << 20);
    QPolygonF points;
    points.reserve(count + 1);
    for (int i = 0; i <= count; ++i) {
        const double t = (startDegrees + spanDegrees * i / count) * std::numbers::pi / 180.0;
        points << QPointF(c.x() + a * std::cos(t), c.y() - b * std::sin(t));
    }
    return points;
}

} // namespace GuardBand
