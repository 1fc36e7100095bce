// Pixel rounding of the chart library: ties to even, saturating, never undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// std::nearbyint in the default rounding mode without its library call (pixels are rounded
// several times per point): adding 2^52 leaves no fraction, ties go to even, taking it away again
// is exact. Larger magnitudes, infinities and NaN come back as they are; -0.5 gives +0, not -0,
// which only matters before a conversion to int.
inline double nearbyIntegral(double value)
{
    constexpr double kNoFraction = 4503599627370496.0; // 2^52
    if (!(std::fabs(value) < kNoFraction))
        return value;
    return value < 0.0 ? (value - kNoFraction) + kNoFraction : (value + kNoFraction) - kNoFraction;
}

// Rounds to the nearest integer, halves to even; NaN gives 0 and overflow saturates.
inline int plotRound(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = nearbyIntegral(value);
    if (r >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(r);
}

// a * b / c in 64 bits, rounded half away from zero as the platform's MulDiv; -1 for c == 0.
inline int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t p = std::int64_t(a) * b;
    const bool negative = (p < 0) != (c < 0);
    const std::int64_t ap = p < 0 ? -p : p;
    const std::int64_t ac = c < 0 ? -std::int64_t(c) : c;
    const std::int64_t q = (2 * ap + ac) / (2 * ac);
    return int(negative ? -q : q);
}

// a + b, saturated: projected points far outside the picture must not overflow.
inline int addSaturated(int a, int b)
{
    const std::int64_t s = std::int64_t(a) + b;
    if (s > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (s < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(s);
}
