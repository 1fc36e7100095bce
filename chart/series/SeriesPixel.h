// The one conversion of a computed pixel coordinate to int in the series types.
#pragma once

#include "PlotEngine.h"
#include "PlotRound.h"
#include "TChartAxis.h"
#include "VisibleRange.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace SeriesPixel {

// Clamped to the axes' pixel bound, so sums with 3D and shadow offsets stay far from int overflow;
// no pixel for NaN or infinity: the caller skips the point, which breaks the line like a null point.
inline std::optional<int> toPixel(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    constexpr double bound = PlotEngine::MaxAxisPixel;
    return int(nearbyIntegral(std::clamp(value, -bound, bound)));
}

// Y at x between two points, linear in the logarithm when asked and both values are positive,
// else linear (a value of 0 or below has no logarithm).
inline double interpolate(double x0, double y0, double x1, double y1, double x, bool logarithmic)
{
    const double t = (x - x0) / (x1 - x0);
    if (logarithmic && y0 > 0.0 && y1 > 0.0)
        return std::exp(std::log(y0) + t * (std::log(y1) - std::log(y0)));
    return y0 + t * (y1 - y0);
}

// The points of ascending values that can lie under a mouse at the pixel along the axis: those
// within a few pixels (beyond a segment's tolerance of one pixel and the rounding of the points'
// pixels), and the first one beyond them. (-1, -1) when every point lies before them.
inline PlotEngine::IndexRange nearPixel(std::span<const double> values, const TChartAxis &axis, int pixel)
{
    constexpr int kReach = 3;
    const double a = axis.PixelToValue(pixel - kReach);
    const double b = axis.PixelToValue(pixel + kReach);
    return PlotEngine::VisibleRangeBySearch(values, std::min(a, b), std::max(a, b), true);
}

} // namespace SeriesPixel
