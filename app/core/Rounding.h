// Rounding of the application's page and pixel arithmetic.
#pragma once

#include <cmath>

// To the nearest integer, ties to even (2.5 -> 2, 3.5 -> 4), as every rounding of a length on
// a page is done; never qRound, which rounds ties away from zero.
inline int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}
