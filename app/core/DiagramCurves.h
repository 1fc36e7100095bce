// The points of the diagram curves: temperatures evenly spaced from a lower to an upper limit,
// each with its vapour pressure, in the units the diagram shows. Computed in long double; the
// diagram hands them to its series as doubles.
#pragma once

#include "app/core/VapourPressureModel.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

struct DiagramUnits
{
    QString temperature; // a text of temperatureUnitTexts()
    QString pressure; // a text of pressureUnitTexts()
};

// One curve in rising temperature. A point whose temperature or pressure is no finite number is
// left out (an equation that overflows in part of its range), so a curve may hold fewer points
// than were asked for; the others keep their places.
struct DiagramCurve
{
    std::vector<long double> temperatures;
    std::vector<long double> pressures;
};

// The j-th of count values from lower to upper: lower + j (upper - lower) / (count - 1), the
// last exactly upper. A running sum of the step would drift away from upper over many points.
long double curveSample(long double lower, long double upper, int j, int count);

// p(T) from TminK to TmaxK: a substance, a liquid mixture or a solution of a solid. The count is
// held within the diagram's bounds.
DiagramCurve temperatureCurve(const PressureAtTemperature &pressureBarAt, long double TminK, long double TmaxK,
                              int count, const DiagramUnits &units);

// A substance from its record line; the equation is read once.
DiagramCurve substanceCurve(QStringView record, long double TminK, long double TmaxK, int count,
                            const DiagramUnits &units);

// An aqueous solution. Its coefficients depend on the temperature in °C and must be computed for
// each temperature before the solution's pressure over pure water.
struct AqueousCurveModel
{
    std::function<void(long double temperatureC)> soluteCoefficientsAt;
    std::function<long double(long double waterPressureBar)> solutionPressureBar;
};

// The solution from TminC to TmaxC (whole °C, as the aqueous dialog keeps its limits).
DiagramCurve aqueousCurve(const AqueousCurveModel &model, int TminC, int TmaxC, int count, const DiagramUnits &units);
