// The boiling temperature that the estimation dialogs show, in their own unit conversion.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// "°C" is T - 273.15; "°F" is (T - 255.37) * 9 / 5, with 255.37 K as the zero of the Fahrenheit
// scale (373.15 K reads 212.004 °F); any other unit leaves K. Not kelvinToTemperatureUnit, whose
// Fahrenheit goes through 273.15 and 1.8.
long double estimatedTemperatureInUnit(QStringView unit, long double temperatureK);

// That value with one decimal in a field of magnitudeClass + 3 (" 81,6"), ',' unless the language
// letter is 'E'. Empty when T is not a finite number above 0 K: there is no result to show.
QString estimatedTemperatureText(long double temperatureK, QStringView unit, QChar languageLetter);
