// Vapour pressure estimated from two measured points by log10 p = A - B / T (after August).
#pragma once

// p in bar, T in K.
struct TwoPointRelation
{
    long double A;
    long double B;
};

// The line through (T1, p1) and (T2, p2) in log10 p over 1/T. A and B are NaN unless both
// temperatures and both pressures are above 0, the temperatures differ and the pressure does not
// fall as the temperature rises (B < 0: no vapour-pressure curve does). Equal pressures give
// B = 0: the same pressure at every temperature.
TwoPointRelation twoPointRelation(long double T1, long double p1Bar, long double T2, long double p2Bar);

// The pressure in bar at T; NaN when T is not above 0 K or the result is no finite number.
long double twoPointPressureBar(const TwoPointRelation &relation, long double temperatureK);

// The temperature in K at which the relation gives pressureBar; NaN when the pressure is not above
// 0, or the result is not a finite number above 0 K (B = 0 has no such temperature).
long double twoPointTemperatureK(const TwoPointRelation &relation, long double pressureBar);
