// Temperature on the straight line of log10 p over T through two points.
#include "app/core/InterpolateLogPressure.h"

#include <cmath>

long double interpolateLogPressure(long double pressureBar, long double T1, long double p1, long double T2,
                                   long double p2)
{
    const long double slope = (std::log10(p2) - std::log10(p1)) / (T2 - T1);
    return T1 + (std::log10(pressureBar) - std::log10(p1)) / slope;
}
