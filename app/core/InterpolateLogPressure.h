// Temperature on the straight line of log10 p over T through two points.
#pragma once

// The temperature at which log10(pressureBar) lies on the line through (T1, log10 p1)
// and (T2, log10 p2); the start value of several boiling-temperature iterations.
long double interpolateLogPressure(long double pressureBar, long double T1, long double p1, long double T2,
                                   long double p2);
