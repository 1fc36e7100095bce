// Boiling temperature of a mixture or solution whose vapour pressure is known at any temperature.
#pragma once

#include "app/core/VapourPressureModel.h"

// The start of the iteration: T on the straight line of T over log10 p through the system's
// pressures at T1 = trunc(TminK) + 1 and T2 = trunc(TmaxK). The middle of the range when T1 = T2
// (a range such as 452.0-453.0 K leaves no line) or the line gives no number.
long double logLinearStartK(const PressureAtTemperature &pressureBarAt, long double TminK, long double TmaxK,
                            long double pressureBar);

// The temperature at which pressureBarAt equals pressureBar, by the forward-difference Newton
// iteration from startK. NaN when no number comes out; the caller reports it.
long double systemBoilingTemperatureK(const PressureAtTemperature &pressureBarAt, long double startK,
                                      long double pressureBar);

// The boiling temperature of a system valid from TminK to TmaxK: the iteration from the
// log-linear start. When it finds no number, or one outside the range while pressureBar lies
// between the pressures at the ends, the root inside the range is found by bisection.
long double systemBoilingTemperatureInRangeK(const PressureAtTemperature &pressureBarAt, long double TminK,
                                             long double TmaxK, long double pressureBar);
