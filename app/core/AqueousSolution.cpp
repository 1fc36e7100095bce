// Water over a solution of salts or sugars.
#include "app/core/AqueousSolution.h"

#include "app/core/SystemBoiling.h"
#include "app/core/TemperatureUnits.h"
#include "app/core/WaterSaturation.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr long double kDecimalLogFactor = 2.3026L;

// mol per kg of water of massPercent of a solute in a solution of totalPercent solutes.
long double molality(long double molarMassGPerMol, long double massPercent, long double totalPercent)
{
    return massPercent * 1000.0L / molarMassGPerMol / (100.0L - totalPercent);
}

} // namespace

int coefficientGroupSize(CoefficientSelection selection)
{
    switch (selection) {
    case CoefficientSelection::ByMassPercent:
        return 3;
    case CoefficientSelection::ByTemperature:
        return 2;
    case CoefficientSelection::Single:
        break;
    }
    return 1;
}

const CoefficientLine &selectCoefficientLine(CoefficientSelection selection, const CoefficientGroup &group,
                                             long double massPercent, long double temperatureC)
{
    std::size_t j = 0;
    // A step never leaves the group: a short group keeps its last line instead of reading another
    // solute's.
    const auto stepWhenBelow = [&](long double threshold, long double value) {
        if (threshold < value && j + 1 < group.size())
            ++j;
    };
    if (selection == CoefficientSelection::ByMassPercent) {
        stepWhenBelow(group[j].massPercentThreshold, massPercent);
        stepWhenBelow(group[j].massPercentThreshold, massPercent);
    } else if (selection == CoefficientSelection::ByTemperature) {
        stepWhenBelow(group[j].temperatureThresholdC, temperatureC);
    }
    return group[j];
}

long double soluteCoefficient(const CoefficientLine &line, long double temperatureC, long double molality)
{
    const long double t = temperatureC;
    const long double m = molality;
    const auto &c = line.c;
    return c[0] + c[1] * t + c[2] * m + c[3] * t * t + c[4] * t * m + c[5] * t * t * m;
}

std::vector<long double> molalities(const std::vector<AqueousComponent> &components)
{
    long double sum = 0.0L;
    for (const AqueousComponent &component : components)
        sum += component.massPercent;
    std::vector<long double> result;
    result.reserve(components.size());
    for (const AqueousComponent &component : components)
        result.push_back(molality(component.molarMassGPerMol, component.massPercent, sum));
    return result;
}

long double molalityAlone(long double molarMassGPerMol, long double massPercent)
{
    return molality(molarMassGPerMol, massPercent, massPercent);
}

std::vector<long double> soluteCoefficients(const std::vector<AqueousComponent> &components,
                                            const std::vector<long double> &molalities, long double temperatureC)
{
    std::vector<long double> result;
    result.reserve(components.size());
    for (std::size_t i = 0; i < components.size(); ++i) {
        const AqueousComponent &component = components[i];
        const CoefficientLine &line
            = selectCoefficientLine(component.selection, component.group, component.massPercent, temperatureC);
        result.push_back(soluteCoefficient(line, temperatureC, molalities[i]));
    }
    return result;
}

long double solutionPressureBar(long double waterPressureBar, const std::vector<long double> &molalities,
                                const std::vector<long double> &coefficients)
{
    long double sum = 0.0L;
    for (std::size_t i = 0; i < molalities.size(); ++i) {
        if (molalities[i] != 0.0L)
            sum += molalities[i] * coefficients[i];
    }
    return waterPressureBar * std::exp(kDecimalLogFactor * sum);
}

long double solutionPressureAtBar(const std::vector<AqueousComponent> &components,
                                  const std::vector<long double> &molalities, long double temperatureK)
{
    const std::vector<long double> coefficients
        = soluteCoefficients(components, molalities, temperatureK - kCelsiusOffsetK);
    return solutionPressureBar(waterSaturationPressureBar(temperatureK), molalities, coefficients);
}

long double solutionBoilingTemperatureK(const std::vector<AqueousComponent> &components,
                                        const std::vector<long double> &molalities, long double pressureBar)
{
    return systemBoilingTemperatureK(
        [&](long double T) { return solutionPressureAtBar(components, molalities, T); },
        waterSaturationTemperatureK(pressureBar), pressureBar);
}
