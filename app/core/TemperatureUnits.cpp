// The three temperature units of every unit list and their conversions to and from kelvin.
#include "app/core/TemperatureUnits.h"

long double temperatureUnitToKelvin(QStringView unit, long double value)
{
    if (unit == kTemperatureUnits[0])
        return value + 273.15L;
    if (unit == kTemperatureUnits[1])
        return (value - 32.0L) / 1.8L + 273.15L;
    return value;
}

long double kelvinToTemperatureUnit(QStringView unit, long double temperatureK)
{
    if (unit == kTemperatureUnits[0])
        return temperatureK - 273.15L;
    if (unit == kTemperatureUnits[1])
        return (temperatureK - 273.15L) * 1.8L + 32.0L;
    return temperatureK;
}

QStringList temperatureUnitTexts()
{
    QStringList texts;
    for (const QStringView unit : kTemperatureUnits)
        texts.append(unit.toString());
    return texts;
}
