// The range of a system and of a substance record.
#include "app/core/RangeLimits.h"

#include "app/core/RecordFields.h"
#include "app/core/VapourPressure.h"

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
