// Newton iteration with a forward-difference slope, used for every implicit equation, and the
// bisection that keeps its root inside a range.
#pragma once

#include <cmath>
#include <limits>

inline constexpr long double kRootStep = 1e-8L; // in the unit of the unknown
inline constexpr long double kRootTolerance = 1e-8L;
inline constexpr int kRootMaxSteps = 100;
// A root this close outside its range is taken as the range's end, as it stands.
inline constexpr long double kRangeSlack = 1e-9L;

// Open interval where the residual is defined. A step that would leave it (or put the
// slope point x + step outside it) is halved until it stays inside; an iteration that
// converges without leaving the interval is not changed by this.
struct RootDomain
{
    long double lower = -std::numeric_limits<long double>::infinity();
    long double upper = std::numeric_limits<long double>::infinity();

    bool contains(long double x) const { return x > lower && x + kRootStep < upper; }
};

// Solves residual(x) = 0 from start: x_new = x - h r(x) / (r(x + h) - r(x)). Stops when
// |x - x_new| < tolerance or after kRootMaxSteps steps and returns the last x_new either way.
// Returns NaN when the slope vanishes (two equal residuals) or a residual is not finite:
// the callers test the result with std::isfinite.
template <typename Residual>
long double solveByForwardNewton(const Residual &residual, long double start, const RootDomain &domain = {})
{
    constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
    constexpr int kMaxHalvings = 64;
    long double x = start;
    for (int n = 1;; ++n) {
        const long double r0 = residual(x);
        const long double r1 = residual(x + kRootStep);
        if (!std::isfinite(r0) || !std::isfinite(r1) || r1 == r0)
            return kNaN;
        long double step = -(kRootStep * r0 / (r1 - r0));
        long double xNew = x + step;
        for (int halving = 0; halving < kMaxHalvings && !domain.contains(xNew); ++halving) {
            step /= 2.0L;
            xNew = x + step;
        }
        if (!std::isfinite(xNew) || !domain.contains(xNew))
            return kNaN;
        if (std::fabs(x - xNew) < kRootTolerance || n >= kRootMaxSteps)
            return xNew;
        x = xNew;
    }
}

// A root x of f(x) = target that an iteration left outside [low, high] or did not find (NaN),
// while f rises there and f(low) <= target <= f(high) brackets one inside: finished by bisection
// until the interval stops shrinking. Any other x is returned as it stands, and so is x when f
// gives no number on the way.
template <typename Function>
long double keepRootInsideRange(const Function &f, long double x, long double low, long double high,
                                long double target)
{
    constexpr int kMaxHalvings = 200;
    if (!(low < high) || (x >= low - kRangeSlack && x <= high + kRangeSlack))
        return x;
    if (!(f(low) <= target && target <= f(high)))
        return x;
    for (int i = 0; i < kMaxHalvings; ++i) {
        const long double middle = (low + high) / 2.0L;
        if (middle <= low || middle >= high)
            break;
        const long double atMiddle = f(middle);
        if (!std::isfinite(atMiddle))
            return x;
        (atMiddle < target ? low : high) = middle;
    }
    return (low + high) / 2.0L;
}
