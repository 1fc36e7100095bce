// Boiling temperature of a mixture or solution.
#include "app/core/SystemBoiling.h"

#include "app/core/RootIteration.h"

#include <cmath>

long double logLinearStartK(const PressureAtTemperature &pressureBarAt, long double TminK, long double TmaxK,
                            long double pressureBar)
{
    const long double T1 = std::trunc(TminK) + 1.0L;
    const long double T2 = std::trunc(TmaxK);
    const long double middle = (TminK + TmaxK) / 2.0L;
    // T1 = T2 (452.0-453.0 K, 452.3-453.9 K): a line through one point is 0/0.
    if (T1 == T2)
        return middle;
    const long double log1 = std::log10(pressureBarAt(T1));
    const long double log2 = std::log10(pressureBarAt(T2));
    const long double slope = (T2 - T1) / (log2 - log1);
    const long double start = T1 + slope * (std::log10(pressureBar) - log1);
    return std::isfinite(start) ? start : middle;
}

long double systemBoilingTemperatureK(const PressureAtTemperature &pressureBarAt, long double startK,
                                      long double pressureBar)
{
    if (!std::isfinite(startK) || !(pressureBar > 0.0L))
        return std::numeric_limits<long double>::quiet_NaN();
    // Temperatures stay above 0 K, where every equation is defined.
    const RootDomain aboveZero{0.0L, std::numeric_limits<long double>::infinity()};
    return solveByForwardNewton([&](long double T) { return pressureBarAt(T) - pressureBar; }, startK, aboveZero);
}

long double systemBoilingTemperatureInRangeK(const PressureAtTemperature &pressureBarAt, long double TminK,
                                             long double TmaxK, long double pressureBar)
{
    const long double T = systemBoilingTemperatureK(
        pressureBarAt, logLinearStartK(pressureBarAt, TminK, TmaxK, pressureBar), pressureBar);
    return keepRootInsideRange(pressureBarAt, T, TminK, TmaxK, pressureBar);
}
