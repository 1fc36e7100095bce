// Vapour pressure estimated from the normal boiling point alone (Kollar and Proszt).
#include "app/core/KollarProszt.h"

#include "app/core/Power.h"
#include "app/core/PressureUnits.h"

#include <cmath>
#include <limits>

namespace {

// A positive finite result, else NaN: C + t = 0 divides by zero, and Tb or p at or below 0 leave
// the method's domain.
long double positiveOrNaN(long double x)
{
    return x > 0.0L && std::isfinite(x) ? x : std::numeric_limits<long double>::quiet_NaN();
}

const PressureUnit &torr()
{
    return kPressureUnits[kTorrUnitIndex];
}

} // namespace

KollarProsztAntoine kollarProsztCoefficients(long double boilingPointK)
{
    const long double a = 0.0025014L * power(boilingPointK, 0.8303L);
    const long double C = 273.15L - 479.0L * a * a;
    const long double tb = boilingPointK - 273.15L;
    const long double B = (C + tb) * (C + tb) / (230.26L * a);
    // 2.880814 is log10(760), rounded as the method publishes it.
    const long double A = B / (C + tb) + 2.880814L;
    return {A, B, C};
}

long double estimateKollarProszt(long double boilingPointK, long double temperatureK)
{
    const KollarProsztAntoine k = kollarProsztCoefficients(boilingPointK);
    const long double t = temperatureK - 273.15L;
    // At and below t = -C (T = 479 a^2 K) the equation describes no vapour-pressure curve: beyond
    // its pole the pressure falls as the temperature rises (1e220 bar at 50 K for Tb = 373.15 K).
    if (!(boilingPointK > 0.0L && temperatureK > 0.0L && k.C + t > 0.0L))
        return std::numeric_limits<long double>::quiet_NaN();
    return positiveOrNaN(pressureUnitToBar(torr(), powerOfTen(k.A - k.B / (k.C + t))));
}

long double estimateKollarProsztTemperature(long double boilingPointK, long double pressureBar)
{
    const KollarProsztAntoine k = kollarProsztCoefficients(boilingPointK);
    const long double pressureTorr = barToPressureUnit(torr(), pressureBar);
    // C + t = B / (A - log10 p) is above 0 only below p = 10^A Torr; above it the temperature
    // would lie on the far side of the pole.
    const long double logDistance = k.A - std::log10(pressureTorr);
    if (!(boilingPointK > 0.0L) || !(pressureBar > 0.0L) || !(logDistance > 0.0L))
        return std::numeric_limits<long double>::quiet_NaN();
    return positiveOrNaN(k.B / logDistance - k.C + 273.15L);
}
