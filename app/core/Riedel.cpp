// Vapour pressure estimated from the normal boiling point and the critical data (Riedel).
#include "app/core/Riedel.h"

#include "app/core/InterpolateLogPressure.h"
#include "app/core/Power.h"
#include "app/core/PressureUnits.h"
#include "app/core/RootIteration.h"

#include <cmath>
#include <limits>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

constexpr long double kLn10 = 2.302585092994045684017991454684364208L;

constexpr long double kLowestRisingAlphaC = 7.0L - 0.1183L / 0.0364L;

// Riedel's functions of a reduced temperature x:
//   phi(x) = 42 ln x + 36/x - 35 - x^6, A(x) = 0.1183 phi - 7 log10 x, B(x) = 0.0364 phi - log10 x.
// One logarithm serves all three, and x^6 is exp(6 ln x) as the method's tables form it.
struct RiedelTerms
{
    long double A;
    long double B;
};

RiedelTerms riedelTerms(long double x)
{
    const long double lnX = std::log(x);
    const long double phi = 42.0L * lnX + 36.0L / x - 35.0L - std::exp(6.0L * lnX);
    const long double log10X = lnX / kLn10;
    return {0.1183L * phi - 7.0L * log10X, 0.0364L * phi - log10X};
}

bool accepted(long double Tb, long double Tc, long double PcBar)
{
    return Tb > 0.0L && Tb < Tc && PcBar > 0.0L && std::isfinite(Tc) && std::isfinite(PcBar);
}

// log10 of the reduced pressure p/Pc at T.
long double logReducedPressure(long double alphaC, long double Tc, long double T)
{
    const RiedelTerms terms = riedelTerms(T / Tc);
    return -terms.A - (alphaC - 7.0L) * terms.B;
}

long double finiteOrNaN(long double x)
{
    return std::isfinite(x) ? x : kNaN;
}

} // namespace

long double riedelAlphaC(long double Tb, long double Tc, long double PcBar)
{
    if (!accepted(Tb, Tc, PcBar))
        return kNaN;
    const long double PcAtm = PcBar / kNormalPressureBar;
    const RiedelTerms atTb = riedelTerms(Tb / Tc);
    const long double alphaC = (std::log10(PcAtm) - atTb.A) / atTb.B + 7.0L;
    // The curve rises with the temperature only while 0.1183 + 0.0364 (alpha_c - 7) > 0, that is
    // alpha_c > 3.75; helium, the lowest of real substances, has 3.9. Lower values come from data
    // that contradict each other (a Pc below 1 atm, for one) and would give a vapour pressure that
    // falls as the temperature rises.
    return alphaC > kLowestRisingAlphaC ? finiteOrNaN(alphaC) : kNaN;
}

RangeLimits riedelRangeLimits(long double Tc, long double PcBar)
{
    RangeLimits limits;
    limits.TminK = 0.0L;
    limits.TmaxK = Tc;
    limits.pminBar = 0.0L;
    limits.pmaxBar = PcBar;
    return limits;
}

long double riedelPressureBar(long double Tb, long double Tc, long double PcBar, long double T)
{
    const long double alphaC = riedelAlphaC(Tb, Tc, PcBar);
    if (std::isnan(alphaC) || !(T > 0.0L) || !withinTemperatureLimits(riedelRangeLimits(Tc, PcBar), T))
        return kNaN;
    const long double PcAtm = PcBar / kNormalPressureBar;
    const long double p = powerOfTen(logReducedPressure(alphaC, Tc, T)) * PcAtm * kNormalPressureBar;
    return p > 0.0L ? finiteOrNaN(p) : kNaN;
}

long double riedelTemperatureK(long double Tb, long double Tc, long double PcBar, long double pBar)
{
    const long double alphaC = riedelAlphaC(Tb, Tc, PcBar);
    if (std::isnan(alphaC) || !(pBar > 0.0L) || !withinPressureLimits(riedelRangeLimits(Tc, PcBar), pBar))
        return kNaN;
    const long double target = std::log10(pBar / PcBar);
    const auto residual = [&](long double T) { return logReducedPressure(alphaC, Tc, T) - target; };
    long double start = interpolateLogPressure(pBar, Tb, kNormalPressureBar, Tc, PcBar);
    // Far below 1 atm the straight line passes 0 K; the curve itself never does.
    if (!(start > 0.0L))
        start = Tb;
    const long double T = solveByForwardNewton(residual, start, RootDomain{0.0L});
    return T > 0.0L ? finiteOrNaN(T) : kNaN;
}
