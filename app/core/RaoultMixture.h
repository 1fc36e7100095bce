// Ideal liquid mixtures and solutions of a non-volatile solid by Raoult's law: each volatile
// component contributes its mole fraction times its pure vapour pressure.
#pragma once

#include "app/core/VapourPressure.h"

#include <vector>

struct MixtureComponent
{
    VapourPressureCoefficients coefficients; // of its substance record
    long double moleFraction = 0.0L;
};

// Mole fractions from mass percentages and molar masses (kg/kmol): n = w / M, normalised. The
// percentages need not add up to 100; all zero gives NaN fractions.
std::vector<long double> moleFractions(const std::vector<long double> &massPercents,
                                       const std::vector<long double> &molarMasses);

// Sum of x_i p_i(T), in bar. A component with no fraction adds nothing, also where its own
// equation gives no number.
long double mixturePressureBar(const std::vector<MixtureComponent> &components, long double temperatureK);

// x of the solvent in a solution of w mass percent of a solid (molar masses in kg/kmol):
// a = (100 - w) / M_solvent, b = w / M_solid, x = a / (a + b). The solid does not dissociate.
long double solventMoleFraction(long double solventMolarMass, long double massPercent, long double solidMolarMass);
