// Ideal liquid mixtures and solutions of a non-volatile solid.
#include "app/core/RaoultMixture.h"

#include <cstddef>

std::vector<long double> moleFractions(const std::vector<long double> &massPercents,
                                       const std::vector<long double> &molarMasses)
{
    std::vector<long double> fractions(massPercents.size());
    long double moles = 0.0L;
    for (std::size_t i = 0; i < massPercents.size(); ++i) {
        fractions[i] = massPercents[i] / molarMasses[i];
        moles += fractions[i];
    }
    for (long double &fraction : fractions)
        fraction /= moles;
    return fractions;
}

long double mixturePressureBar(const std::vector<MixtureComponent> &components, long double temperatureK)
{
    long double pressure = 0.0L;
    for (const MixtureComponent &component : components) {
        if (component.moleFraction != 0.0L)
            pressure += component.moleFraction * vapourPressureBar(component.coefficients, temperatureK);
    }
    return pressure;
}

long double solventMoleFraction(long double solventMolarMass, long double massPercent, long double solidMolarMass)
{
    const long double solvent = (100.0L - massPercent) / solventMolarMass;
    const long double solid = massPercent / solidMolarMass;
    return solvent / (solvent + solid);
}
