// Powers in long double without the library's powl, which costs about 650 ns a call here.
#pragma once

// base^n by repeated squaring; n may be negative.
long double integerPower(long double base, long long n);

// base^exponent: integral exponents by integerPower, others as exp(exponent ln base).
// 0 to a positive power is 0; a negative base with a fractional exponent is NaN.
long double power(long double base, long double exponent);

// base^exponent as exp(exponent ln base), for base > 0.
long double fractionalPower(long double base, long double exponent);

// 10^x as exp(x ln 10).
long double powerOfTen(long double x);
