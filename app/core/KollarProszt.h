// Vapour pressure estimated from the normal boiling point alone (Kollar and Proszt).
#pragma once

// An Antoine equation log10(p/Torr) = A - B / (C + t), t in °C, built from Tb so that
// p(Tb) = 760 Torr.
struct KollarProsztAntoine
{
    long double A;
    long double B;
    long double C;
};

KollarProsztAntoine kollarProsztCoefficients(long double boilingPointK);

// Its pressure in bar at T. NaN unless Tb > 0, T > 0, C + t > 0 (the side of the equation's pole
// where the curve lies) and the result is a finite number above 0.
long double estimateKollarProszt(long double boilingPointK, long double temperatureK);

// Its inverse: the temperature in K at which the estimate gives pressureBar. NaN unless Tb > 0,
// p > 0, p < 10^A Torr (so that C + t > 0) and the result is a finite number above 0 K.
long double estimateKollarProsztTemperature(long double boilingPointK, long double pressureBar);
