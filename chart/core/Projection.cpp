// Forward and inverse projection arithmetic, in double and in the written evaluation order.
#include "Projection.h"

#include "PlotRound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kDegToRad = std::numbers::pi / 180.0;
// Keeps the perspective divisor positive for points far behind the viewer.
constexpr double kMinPerspectiveDivisor = 1e-6;
} // namespace

void Projection::setOrthoAngle(int angleDegrees)
{
    int a = angleDegrees;
    if (a > 90) {
        xFactor = -1.0;
        a = 180 - a;
    } else {
        xFactor = 1.0;
    }
    const double s = std::sin(a * kDegToRad);
    const double c = std::cos(a * kDegToRad);
    yFactor = c >= 0.01 ? s / c : 1.0;
}

void Projection::calcTrigValues(double elevation, double rotation, int tiltDegrees)
{
    if (orthogonal)
        return;
    const double e = -elevation;
    const double r = -rotation;
    const double t = tiltDegrees;
    perspective = false;
    perspectiveFactor = 0.0;
    sinElevation = std::sin(e * kDegToRad);
    cosElevation = std::cos(e * kDegToRad);
    sinRotation = std::sin(r * kDegToRad);
    cosRotation = std::cos(r * kDegToRad);
    sinTilt = std::sin(t * kDegToRad);
    cosTilt = std::cos(t * kDegToRad);
    tilt = tiltDegrees != 0;
}

void Projection::calcPerspective(int perspectivePercent, const TRect &rect)
{
    perspective = perspectivePercent > 0;
    if (perspective) {
        const int w = std::max(rect.right - rect.left, 1);
        perspectiveFactor = perspectivePercent * zoomFactor / 150.0 / w;
    }
}

void Projection::rotate(double x, double y, double z, int &outX, int &outY) const
{
    const double zr = z - zCenter;
    const double xr = x - xCenter;
    const double yr = y - yCenter;
    const double a = zr * cosRotation - xr * sinRotation;
    const double b = xr * cosRotation + zr * sinRotation;
    double scale = zoomFactor;
    if (perspective) {
        const double divisor = (cosElevation * a + yr * sinElevation) * perspectiveFactor + 1.0;
        scale = zoomFactor / std::max(divisor, kMinPerspectiveDivisor);
    }
    const double v = yr * cosElevation - sinElevation * a;
    if (!tilt) {
        outX = addSaturated(plotRound(b * scale), originX);
        outY = addSaturated(plotRound(v * scale), originY);
    } else {
        outX = addSaturated(plotRound((cosTilt * b - sinTilt * v) * scale), originX);
        outY = addSaturated(plotRound((cosTilt * v + sinTilt * b) * scale), originY);
    }
}

void Projection::calc3DPosDouble(double x, double y, double z, int &outX, int &outY) const
{
    if (orthogonal) {
        outX = addSaturated(plotRound((z * xFactor + (x - xCenter)) * zoomFactor), originX);
        outY = addSaturated(plotRound(((y - yCenter) - z * yFactor) * zoomFactor), originY);
    } else if (is3D) {
        rotate(x, y, z, outX, outY);
    } else {
        outX = plotRound(x);
        outY = plotRound(y);
    }
}

void Projection::screenStep(double dx, double dy, double dz, double &outX, double &outY) const
{
    if (orthogonal) {
        outX = (dz * xFactor + dx) * zoomFactor;
        outY = (dy - dz * yFactor) * zoomFactor;
        return;
    }
    if (!is3D) {
        outX = dx;
        outY = dy;
        return;
    }
    const double a = dz * cosRotation - dx * sinRotation;
    const double b = dx * cosRotation + dz * sinRotation;
    const double v = dy * cosElevation - sinElevation * a;
    outX = (tilt ? cosTilt * b - sinTilt * v : b) * zoomFactor;
    outY = (tilt ? cosTilt * v + sinTilt * b : v) * zoomFactor;
}

void Projection::inverseCalc3DPos(int &x, int &y, int z) const
{
    if (zoomFactor == 0.0)
        return;
    const double q = 1.0 / zoomFactor;
    if (orthogonal) {
        x = addSaturated(plotRound((double(x) - originX) * q - z * xFactor), xCenter);
        y = addSaturated(plotRound((double(y) - originY) * q + z * yFactor), yCenter);
        return;
    }
    if (!is3D)
        return;
    // Solves the forward map (without perspective) step by step; the mixed coefficient
    // form used before was no inverse at any angle but zero.
    if (std::abs(cosRotation) < 1e-5 || std::abs(cosElevation) < 1e-5)
        return;
    const double bx = (double(x) - originX) * q;
    const double by = (double(y) - originY) * q;
    const double b = cosTilt * bx + sinTilt * by;
    const double v = cosTilt * by - sinTilt * bx;
    const double zr = double(z) - zCenter;
    const double xr = (b - zr * sinRotation) / cosRotation;
    const double yr = (v + sinElevation * (zr * cosRotation - xr * sinRotation)) / cosElevation;
    x = addSaturated(plotRound(xr), xCenter);
    y = addSaturated(plotRound(yr), yCenter);
}
