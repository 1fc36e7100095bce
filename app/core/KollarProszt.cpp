// Vapour pressure estimated from the normal boiling point alone (Kollar and Proszt).
#include "app/core/KollarProszt.h"

#include "app/core/Power.h"
#include "app/core/PressureUnits.h"

#include <cmath>

namespace {

struct TorrCelsiusAntoine
{
    long double A;
    long double B;
    long double C;
};

TorrCelsiusAntoine coefficientsFor(long double boilingPointK)
{
    const long double a = 0.0025014L * power(boilingPointK, 0.8303L);
    const long double C = 273.15L - 479.0L * a * a;
    const long double tb = boilingPointK - 273.15L;
    const long double B = (C + tb) * (C + tb) / (230.26L * a);
    // 2.880814 is log10(760), rounded as the method publishes it.
    const long double A = B / (C + tb) + 2.880814L;
    return {A, B, C};
}

const PressureUnit &torr()
{
    return kPressureUnits[kTorrUnitIndex];
}

} // namespace

long double estimateKollarProszt(long double boilingPointK, long double temperatureK)
{
    const TorrCelsiusAntoine k = coefficientsFor(boilingPointK);
    const long double t = temperatureK - 273.15L;
    const long double pressureTorr = powerOfTen(k.A - k.B / (k.C + t));
    return pressureUnitToBar(torr(), pressureTorr);
}

long double estimateKollarProsztTemperature(long double boilingPointK, long double pressureBar)
{
    const TorrCelsiusAntoine k = coefficientsFor(boilingPointK);
    const long double pressureTorr = barToPressureUnit(torr(), pressureBar);
    return k.B / (k.A - std::log10(pressureTorr)) - k.C + 273.15L;
}
