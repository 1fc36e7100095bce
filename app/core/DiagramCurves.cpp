// The points of the diagram curves.
#include "app/core/DiagramCurves.h"

#include "app/core/DiagramPoints.h"
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"
#include "app/core/VapourPressure.h"
#include "app/core/WaterSaturation.h"

#include <algorithm>
#include <cmath>

namespace {

// Samples count temperatures (in the unit `lower` and `upper` are given in) and keeps the finite
// points; pointAt gives the temperature in K and the pressure in bar of a sample.
template<typename PointAt>
DiagramCurve sampleCurve(long double lower, long double upper, int count, const DiagramUnits &units,
                         const PointAt &pointAt)
{
    count = std::clamp(count, kMinDiagramPoints, kMaxDiagramPoints);
    DiagramCurve curve;
    curve.temperatures.reserve(std::size_t(count));
    curve.pressures.reserve(std::size_t(count));
    for (int j = 0; j < count; ++j) {
        const auto [temperatureK, pressureBar] = pointAt(curveSample(lower, upper, j, count));
        const long double temperature = kelvinToTemperatureUnit(units.temperature, temperatureK);
        const long double pressure = barToPressureUnit(QStringView(units.pressure), pressureBar);
        if (!std::isfinite(temperature) || !std::isfinite(pressure))
            continue;
        curve.temperatures.push_back(temperature);
        curve.pressures.push_back(pressure);
    }
    return curve;
}

struct KelvinBar
{
    long double temperatureK;
    long double pressureBar;
};

} // namespace

long double curveSample(long double lower, long double upper, int j, int count)
{
    if (j >= count - 1)
        return upper;
    return lower + (upper - lower) * j / (count - 1);
}

DiagramCurve temperatureCurve(const PressureAtTemperature &pressureBarAt, long double TminK, long double TmaxK,
                              int count, const DiagramUnits &units)
{
    return sampleCurve(TminK, TmaxK, count, units,
                       [&](long double temperatureK) { return KelvinBar{temperatureK, pressureBarAt(temperatureK)}; });
}

DiagramCurve substanceCurve(QStringView record, long double TminK, long double TmaxK, int count,
                            const DiagramUnits &units)
{
    const VapourPressureCoefficients equation = readVapourPressureCoefficients(record);
    return sampleCurve(TminK, TmaxK, count, units, [&](long double temperatureK) {
        return KelvinBar{temperatureK, vapourPressureBar(equation, temperatureK)};
    });
}

DiagramCurve aqueousCurve(const AqueousCurveModel &model, int TminC, int TmaxC, int count, const DiagramUnits &units)
{
    return sampleCurve(TminC, TmaxC, count, units, [&](long double temperatureC) {
        model.soluteCoefficientsAt(temperatureC);
        const long double temperatureK = temperatureUnitToKelvin(u"°C", temperatureC);
        return KelvinBar{temperatureK, model.solutionPressureBar(waterSaturationPressureBar(temperatureK))};
    });
}
