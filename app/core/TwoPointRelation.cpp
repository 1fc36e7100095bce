// Vapour pressure estimated from two measured points by log10 p = A - B / T (after August).
#include "app/core/TwoPointRelation.h"

#include "app/core/Power.h"

#include <cmath>
#include <limits>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

bool positive(long double x)
{
    return x > 0.0L && std::isfinite(x);
}

} // namespace

TwoPointRelation twoPointRelation(long double T1, long double p1Bar, long double T2, long double p2Bar)
{
    if (!positive(T1) || !positive(T2) || !positive(p1Bar) || !positive(p2Bar) || T1 == T2)
        return {kNaN, kNaN};
    const long double B = (std::log10(p2Bar) - std::log10(p1Bar)) / (1.0L / T1 - 1.0L / T2);
    const long double A = std::log10(p1Bar) + B / T1;
    if (!std::isfinite(A) || !std::isfinite(B) || B < 0.0L)
        return {kNaN, kNaN};
    return {A, B};
}

long double twoPointPressureBar(const TwoPointRelation &relation, long double temperatureK)
{
    if (!positive(temperatureK))
        return kNaN;
    const long double p = powerOfTen(relation.A - relation.B / temperatureK);
    return positive(p) ? p : kNaN;
}

long double twoPointTemperatureK(const TwoPointRelation &relation, long double pressureBar)
{
    if (!positive(pressureBar))
        return kNaN;
    const long double T = -relation.B / (std::log10(pressureBar) - relation.A);
    return positive(T) ? T : kNaN;
}
