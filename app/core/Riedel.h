// Vapour pressure estimated from the normal boiling point and the critical data (Riedel).
#pragma once

#include "app/core/RangeLimits.h"

// Riedel's constant alpha_c of a substance: the slope of its reduced vapour-pressure curve at the
// critical point, fitted so that the curve passes through (Tb, 1 atm). NaN unless
// 0 < Tb < Tc, Pc > 0 and the curve rises with the temperature (alpha_c above 3.75).
long double riedelAlphaC(long double boilingPointK, long double criticalTemperatureK, long double criticalPressureBar);

// Where the estimate holds: from 0 K to the critical point, Tc and Pc included. Above it the curve
// has ended, though its formula goes on giving numbers.
RangeLimits riedelRangeLimits(long double criticalTemperatureK, long double criticalPressureBar);

// The vapour pressure in bar at T; p(Tb) = 1.01325 bar and p(Tc) = Pc. NaN when the data are
// refused (as above), T is not above 0 K or lies above Tc, or the result is not a finite number
// above 0.
long double riedelPressureBar(long double boilingPointK, long double criticalTemperatureK,
                              long double criticalPressureBar, long double temperatureK);

// The temperature in K at which the estimate gives pressureBar: Newton iteration from the
// straight log p line through (Tb, 1 atm) and (Tc, Pc), kept above 0 K. NaN when the data or the
// pressure (not above 0, or above Pc) are refused, or the iteration finds no number.
long double riedelTemperatureK(long double boilingPointK, long double criticalTemperatureK,
                               long double criticalPressureBar, long double pressureBar);
