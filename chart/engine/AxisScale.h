// The precomputed value-to-pixel state of one axis, with the inline conversions series call per point.
#pragma once

#include "PlotEngine.h"
#include "PlotRound.h"

#include <algorithm>
#include <cmath>
#include <limits>

struct AxisScale
{
    enum Mode { Linear, Logarithmic, Depth };

    Mode mode = Linear;
    bool horizontal = true;
    bool inverted = false;
    double workMinimum = 0.0;
    double workMaximum = 0.0;
    double workRange = 0.0;
    bool rangeIsZero = true;
    double pixelScale = 0.0;
    double logMinimum = 0.0;
    double logMaximum = 0.0;
    double logRange = 0.0;
    double logPixelScale = 0.0;
    int startPixel = 0;
    int endPixel = 0;
    int pixelSize = 0;
    int centerPixel = 0;

    friend bool operator==(const AxisScale &, const AxisScale &) = default;

    // Recomputes the range, the scales and the log limits from the working range and the extent.
    void recalc(bool logarithmic)
    {
        workRange = workMaximum - workMinimum;
        rangeIsZero = workRange == 0.0;
        pixelScale = rangeIsZero ? 0.0 : pixelSize / workRange;
        if (logarithmic) {
            logMinimum = workMinimum > 0.0 ? std::log(workMinimum) : 0.0;
            logMaximum = workMaximum > 0.0 ? std::log(workMaximum) : 0.0;
            logRange = logMaximum - logMinimum;
            logPixelScale = logRange == 0.0 ? 0.0 : pixelSize / logRange;
        }
    }

    void setExtent(int start, int end)
    {
        startPixel = start;
        endPixel = end;
        pixelSize = addSaturated(end, -std::max(start, -std::numeric_limits<int>::max())); // a file's offsets may reach ±2^31
        centerPixel = int((static_cast<long long>(start) + end) / 2);
    }

    // Rounds ties to even after clamping to the axis pixel range; NaN gives 0.
    static int toPixel(double p)
    {
        if (std::isnan(p))
            return 0;
        if (p > PlotEngine::MaxAxisPixel)
            return PlotEngine::MaxAxisPixel;
        if (p < -PlotEngine::MaxAxisPixel)
            return -PlotEngine::MaxAxisPixel;
        return int(nearbyIntegral(p));
    }

    int linearHorizontal(double v) const
    {
        if (rangeIsZero)
            return centerPixel;
        const double t = (v - workMinimum) * pixelScale;
        return toPixel(inverted ? endPixel - t : startPixel + t);
    }
    int linearVertical(double v) const
    {
        if (rangeIsZero)
            return centerPixel;
        const double t = (v - workMinimum) * pixelScale;
        return toPixel(inverted ? startPixel + t : endPixel - t);
    }
    // The offset is rounded before the start pixel is added, as the pixel rules demand.
    double logOffset(double v) const
    {
        return nearbyIntegral((inverted ? logMaximum - std::log(v) : std::log(v) - logMinimum) * logPixelScale);
    }
    int logHorizontal(double v) const
    {
        if (logRange == 0.0)
            return centerPixel;
        if (!(v > 0.0))
            return std::isnan(v) ? 0 : (inverted ? endPixel : startPixel);
        return toPixel(logOffset(v) + startPixel);
    }
    int logVertical(double v) const
    {
        if (logRange == 0.0)
            return centerPixel;
        if (!(v > 0.0))
            return std::isnan(v) ? 0 : (inverted ? startPixel : endPixel);
        return toPixel(endPixel - logOffset(v));
    }
    // Relative to the start of the depth.
    int depth(double v) const
    {
        if (rangeIsZero)
            return centerPixel;
        return toPixel(nearbyIntegral((inverted ? workMaximum - v : v - workMinimum) * pixelScale));
    }

    int horizValueToPixel(double v) const
    {
        switch (mode) {
        case Logarithmic: return logHorizontal(v);
        case Depth: return depth(v);
        case Linear: break;
        }
        return linearHorizontal(v);
    }
    int vertValueToPixel(double v) const
    {
        switch (mode) {
        case Logarithmic: return logVertical(v);
        case Depth: return depth(v);
        case Linear: break;
        }
        return linearVertical(v);
    }
    int valueToPixel(double v) const { return horizontal ? horizValueToPixel(v) : vertValueToPixel(v); }

    // The batch form: the form is chosen once for the whole run.
    void valuesToPixels(const double *values, int n, int *out) const
    {
        const bool log = mode == Logarithmic;
        if (mode == Depth) {
            for (int i = 0; i < n; ++i)
                out[i] = depth(values[i]);
        } else if (horizontal) {
            for (int i = 0; i < n; ++i)
                out[i] = log ? logHorizontal(values[i]) : linearHorizontal(values[i]);
        } else {
            for (int i = 0; i < n; ++i)
                out[i] = log ? logVertical(values[i]) : linearVertical(values[i]);
        }
    }

    double pixelToValue(int p) const
    {
        if (mode == Logarithmic) {
            if (p == startPixel)
                return horizontal == inverted ? workMaximum : workMinimum;
            if (p == endPixel)
                return horizontal == inverted ? workMinimum : workMaximum;
            if (logRange != 0.0 && pixelSize != 0) {
                const double d = (inverted ? double(endPixel) - p : double(p) - startPixel) * logRange / pixelSize;
                return horizontal ? std::exp(logMinimum + d) : std::exp(logMaximum - d);
            }
            return workMinimum;
        }
        if (pixelSize < 1)
            return 0.0;
        const double d = (inverted ? double(endPixel) - p : double(p) - startPixel) * workRange / pixelSize;
        return horizontal ? workMinimum + d : workMaximum - d;
    }
};
