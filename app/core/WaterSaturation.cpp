// Saturation pressure and temperature of water by IAPWS-IF97 region 4.
#include "app/core/WaterSaturation.h"

#include <array>
#include <cmath>

namespace {

// IAPWS R7-97(2012), Table 34: n1 ... n10 (index 0 unused).
constexpr std::array<long double, 11> n = {
    0.0L,
    0.11670521452767e4L,
    -0.72421316703206e6L,
    -0.17073846940092e2L,
    0.12020824702470e5L,
    -0.32325550322333e7L,
    0.14915108613530e2L,
    -0.48232657361591e4L,
    0.40511340542057e6L,
    -0.23855557567849L,
    0.65017534844798e3L,
};

// The formulation works in MPa; the program in bar.
constexpr long double kBarPerMPa = 10.0L;

} // namespace

long double waterSaturationPressureBar(long double temperatureK)
{
    const long double theta = temperatureK + n[9] / (temperatureK - n[10]);
    const long double a = theta * theta + n[1] * theta + n[2];
    const long double b = n[3] * theta * theta + n[4] * theta + n[5];
    const long double c = n[6] * theta * theta + n[7] * theta + n[8];
    const long double ratio = 2.0L * c / (-b + std::sqrt(b * b - 4.0L * a * c));
    const long double squared = ratio * ratio;
    return squared * squared * kBarPerMPa;
}

long double waterSaturationTemperatureK(long double pressureBar)
{
    const long double beta = std::sqrt(std::sqrt(pressureBar / kBarPerMPa)); // fourth root
    const long double e = beta * beta + n[3] * beta + n[6];
    const long double f = n[1] * beta * beta + n[4] * beta + n[7];
    const long double g = n[2] * beta * beta + n[5] * beta + n[8];
    const long double d = 2.0L * g / (-f - std::sqrt(f * f - 4.0L * e * g));
    const long double sum = n[10] + d;
    return (sum - std::sqrt(sum * sum - 4.0L * (n[9] + n[10] * d))) / 2.0L;
}
