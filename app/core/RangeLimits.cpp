// The range of a system and of a substance record.
#include "app/core/RangeLimits.h"

#include "app/core/RecordFields.h"
#include "app/core/VapourPressure.h"

bool withinTemperatureLimits(const RangeLimits &limits, long double temperatureK)
{
    return temperatureK >= limits.TminK - kTemperatureToleranceK
        && temperatureK <= limits.TmaxK + kTemperatureToleranceK;
}

bool withinPressureLimits(const RangeLimits &limits, long double pressureBar)
{
    return pressureBar >= limits.pminBar * (1.0L - kPressureRelativeTolerance)
        && pressureBar <= limits.pmaxBar * (1.0L + kPressureRelativeTolerance);
}

RangeLimits recordRangeLimits(QStringView recordLine)
{
    const VapourPressureCoefficients coefficients = readVapourPressureCoefficients(recordLine);
    RangeLimits limits;
    limits.TminK = numericField(recordLine, kFieldMinTemperatureK);
    limits.TmaxK = numericField(recordLine, kFieldMaxTemperatureK);
    limits.pminBar = vapourPressureBar(coefficients, limits.TminK);
    limits.pmaxBar = vapourPressureBar(coefficients, limits.TmaxK);
    return limits;
}
