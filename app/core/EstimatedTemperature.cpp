// The boiling temperature that the estimation dialogs show.
#include "app/core/EstimatedTemperature.h"

#include "app/core/NumberText.h"
#include "app/core/TemperatureUnits.h"

#include <cmath>

long double estimatedTemperatureInUnit(QStringView unit, long double temperatureK)
{
    if (unit == kTemperatureUnits[0])
        return temperatureK - 273.15L;
    if (unit == kTemperatureUnits[1])
        return (temperatureK - 255.37L) * 9.0L / 5.0L;
    return temperatureK;
}

QString estimatedTemperatureText(long double temperatureK, QStringView unit, QChar languageLetter)
{
    if (!(temperatureK > 0.0L) || !std::isfinite(temperatureK))
        return {};
    return oneDecimalText(estimatedTemperatureInUnit(unit, temperatureK), 3, languageLetter);
}
