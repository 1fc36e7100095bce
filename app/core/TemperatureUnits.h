// The three temperature units of every unit list and their conversions to and from kelvin.
#pragma once

#include <QStringList>
#include <QStringView>

#include <array>

// 0 °C in kelvin.
inline constexpr long double kCelsiusOffsetK = 273.15L;

// List order is the index that windows pass between each other.
inline constexpr std::array<QStringView, 3> kTemperatureUnits{u"°C", u"°F", u"K"};

// "°C" and "°F" convert; any other text, "K" included, is taken as kelvin.
long double temperatureUnitToKelvin(QStringView unit, long double value);
long double kelvinToTemperatureUnit(QStringView unit, long double temperatureK);

// The unit texts in list order, as every unit list of the program is filled.
QStringList temperatureUnitTexts();
