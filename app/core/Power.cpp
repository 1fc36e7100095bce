// Powers in long double without the library's powl, which costs about 650 ns a call here.
#include "app/core/Power.h"

#include <cmath>
#include <limits>

namespace {

constexpr long double kLn10 = 2.302585092994045684017991454684364208L;
// Beyond this an integral exponent overflows or underflows anyway; exp/log handles it.
constexpr long double kMaxIntegerExponent = 1 << 20;

} // namespace

long double integerPower(long double base, long long n)
{
    const bool reciprocal = n < 0;
    unsigned long long remaining = reciprocal ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    long double result = 1.0L;
    long double factor = base;
    while (remaining != 0) {
        if (remaining & 1ULL)
            result *= factor;
        factor *= factor;
        remaining >>= 1;
    }
    return reciprocal ? 1.0L / result : result;
}

long double fractionalPower(long double base, long double exponent)
{
    return std::exp(exponent * std::log(base));
}

long double power(long double base, long double exponent)
{
    if (std::fabs(exponent) <= kMaxIntegerExponent) {
        const long long n = static_cast<long long>(exponent);
        if (static_cast<long double>(n) == exponent)
            return integerPower(base, n);
    }
    if (base > 0.0L)
        return fractionalPower(base, exponent);
    if (base == 0.0L && exponent > 0.0L)
        return 0.0L;
    return std::numeric_limits<long double>::quiet_NaN();
}

long double powerOfTen(long double x)
{
    return std::exp(x * kLn10);
}
