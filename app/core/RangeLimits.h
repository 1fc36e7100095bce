// The range in which a system's vapour pressure may be computed, and the range of a substance
// record.
#pragma once

#include <QStringView>

#include <limits>

// Temperatures in K and the vapour pressures at both ends in bar. Not-a-number where a record
// field is missing or not a number.
struct RangeLimits
{
    long double TminK = std::numeric_limits<long double>::quiet_NaN();
    long double TmaxK = std::numeric_limits<long double>::quiet_NaN();
    long double pminBar = std::numeric_limits<long double>::quiet_NaN();
    long double pmaxBar = std::numeric_limits<long double>::quiet_NaN();
};

// The limits are inclusive, within a tolerance: a limit shown in another unit and typed back
// lands a few ulps beside it (-114.1 °C + 273.15 is not quite 159.05 K).
inline constexpr long double kTemperatureToleranceK = 1e-9L;
inline constexpr long double kPressureRelativeTolerance = 1e-9L;

bool withinTemperatureLimits(const RangeLimits &limits, long double temperatureK);
bool withinPressureLimits(const RangeLimits &limits, long double pressureBar);

// The range of a substance record: Tmin and Tmax (fields 21 and 22) and its vapour pressures
// there, read once.
RangeLimits recordRangeLimits(QStringView recordLine);
