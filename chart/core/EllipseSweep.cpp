// Elliptic sectors from a box and two radial points.
#include "EllipseSweep.h"

#include <cmath>
#include <numbers>
#include <utility>

QPointF EllipseSweep::pointAt(double degrees) const
{
    const double t = degrees * std::numbers::pi / 180.0;
    const QPointF c = box.center();
    return {c.x() + box.width() / 2.0 * std::cos(t), c.y() - box.height() / 2.0 * std::sin(t)};
}

double parametricDegrees(const QRectF &box, int x, int y)
{
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    const QPointF c = box.center();
    const double nx = a != 0.0 ? (x - c.x()) / a : 0.0;
    const double ny = b != 0.0 ? (y - c.y()) / b : 0.0;
    if (nx == 0.0 && ny == 0.0)
        return 0.0;
    return std::atan2(-ny, nx) * 180.0 / std::numbers::pi;
}

QRect gdiBox(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

EllipseSweep ellipseSweep(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    EllipseSweep sweep;
    sweep.box = QRectF(gdiBox(left, top, right, bottom));
    sweep.startDegrees = parametricDegrees(sweep.box, startX, startY);
    double span = parametricDegrees(sweep.box, endX, endY) - sweep.startDegrees;
    // Counter-clockwise from start to end; equal radials give the whole ellipse.
    if (span <= 0.0)
        span += 360.0;
    sweep.spanDegrees = span;
    return sweep;
}
