// Water over a solution of salts or sugars: the pure water's saturation pressure times
// exp(2.3026 sum m k), with each solute's molality m and a coefficient k(t, m) from its group of
// coefficient lines.
#pragma once

#include <array>
#include <vector>

// How a solute's group of coefficient lines is chosen from: by mass percentage (three lines), by
// temperature (two lines) or a single line.
enum class CoefficientSelection { ByMassPercent, ByTemperature, Single };

// The number of lines a group of that selection holds.
int coefficientGroupSize(CoefficientSelection selection);

struct CoefficientLine
{
    long double massPercentThreshold = 0.0L; // by mass percentage: this line up to it, the next above
    long double temperatureThresholdC = 0.0L; // by temperature: this line up to it, the next above
    std::array<long double, 6> c{}; // k = c1 + c2 t + c3 m + c4 t² + c5 t m + c6 t² m
};

using CoefficientGroup = std::vector<CoefficientLine>;

// One solute of a solution as the model needs it.
struct AqueousComponent
{
    CoefficientSelection selection = CoefficientSelection::Single;
    CoefficientGroup group; // at least one line
    long double molarMassGPerMol = 0.0L;
    long double massPercent = 0.0L; // an empty percentage counts as 0
};

// The line of the group for a mass percentage and temperature: from the first line, at most two
// steps by mass percentage or one by temperature, never past the group's last line.
const CoefficientLine &selectCoefficientLine(CoefficientSelection selection, const CoefficientGroup &group,
                                             long double massPercent, long double temperatureC);

// k of a line at t (°C) and m (mol/kg water).
long double soluteCoefficient(const CoefficientLine &line, long double temperatureC, long double molality);

// mol per kg of water of each solute: w 1000 / M / (100 - S), S the sum of all percentages.
std::vector<long double> molalities(const std::vector<AqueousComponent> &components);

// mol per kg of water of a solute alone at massPercent: w 1000 / M / (100 - w). At the highest mass
// percentage of its range this is the highest molality its coefficients were fitted for; in a
// mixture every percentage may lie in its range while the water left puts a solute far above it.
long double molalityAlone(long double molarMassGPerMol, long double massPercent);

// k of each solute at t (°C), computed anew at every call.
std::vector<long double> soluteCoefficients(const std::vector<AqueousComponent> &components,
                                            const std::vector<long double> &molalities, long double temperatureC);

// The solution's vapour pressure over water of pressure waterPressureBar: pw exp(2.3026 sum m k).
// 2.3026, not ln 10: the coefficients were fitted to this factor.
long double solutionPressureBar(long double waterPressureBar, const std::vector<long double> &molalities,
                                const std::vector<long double> &coefficients);

// The solution's vapour pressure at T: coefficients at T - 273.15 °C, pure water by IAPWS-IF97.
long double solutionPressureAtBar(const std::vector<AqueousComponent> &components,
                                  const std::vector<long double> &molalities, long double temperatureK);

// The boiling temperature at p, from pure water's boiling temperature there. NaN when no number
// comes out.
long double solutionBoilingTemperatureK(const std::vector<AqueousComponent> &components,
                                        const std::vector<long double> &molalities, long double pressureBar);
