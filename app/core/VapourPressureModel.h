// A system whose vapour pressure the program computes, as the windows see it: a substance
// record, and later a mixture or a solution, each through the same two operations.
#pragma once

#include <QStringView>

#include <functional>

using PressureAtTemperature = std::function<long double(long double temperatureK)>; // bar
using TemperatureAtPressure = std::function<long double(long double pressureBar)>; // K

struct VapourPressureModel
{
    PressureAtTemperature pressureBarAt;
    TemperatureAtPressure temperatureKAt;
};

// The equation of a substance record, its fields read once.
VapourPressureModel recordModel(QStringView recordLine);
