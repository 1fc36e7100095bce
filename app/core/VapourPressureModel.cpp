// The model of a substance record.
#include "app/core/VapourPressureModel.h"

#include "app/core/VapourPressure.h"

VapourPressureModel recordModel(QStringView recordLine)
{
    const VapourPressureCoefficients c = readVapourPressureCoefficients(recordLine);
    return {[c](long double T) { return vapourPressureBar(c, T); },
            [c](long double p) { return boilingTemperatureK(c, p); }};
}
