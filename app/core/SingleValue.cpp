// The single value.
#include "app/core/SingleValue.h"

#include "app/core/NumberText.h"
#include "app/core/PressureUnits.h"
#include "app/core/RecordFields.h"
#include "app/core/TemperatureUnits.h"

std::optional<long double> parseInputValue(QStringView text)
{
    QString pointText = text.toString();
    pointText.replace(u',', u'.');
    const ParsedNumber parsed = parseNumber(pointText);
    if (!parsed.ok())
        return std::nullopt;
    return parsed.value;
}

long double inputInBaseUnit(CalculationMode mode, QStringView unit, long double value)
{
    return mode == CalculationMode::VapourPressure ? temperatureUnitToKelvin(unit, value)
                                                   : pressureUnitToBar(unit, value);
}

SingleValueError rangeError(CalculationMode mode, long double inputInBaseUnit, const RangeLimits &limits)
{
    if (mode == CalculationMode::VapourPressure) {
        return withinTemperatureLimits(limits, inputInBaseUnit) ? SingleValueError::None
                                                                : SingleValueError::TemperatureOutOfRange;
    }
    return withinPressureLimits(limits, inputInBaseUnit) ? SingleValueError::None
                                                         : SingleValueError::PressureOutOfRange;
}

long double computeSingleValue(const VapourPressureModel &model, CalculationMode mode, long double inputInBaseUnit)
{
    return mode == CalculationMode::VapourPressure ? model.pressureBarAt(inputInBaseUnit)
                                                   : model.temperatureKAt(inputInBaseUnit);
}

QString singleValueText(CalculationMode mode, long double resultInBaseUnit, QStringView resultUnit,
                        const ResultFormat &format)
{
    if (mode == CalculationMode::VapourPressure) {
        return formatResult(barToPressureUnit(resultUnit, resultInBaseUnit), format.scientific,
                            format.languageLetter, format.systemDecimalSeparator);
    }
    return oneDecimalText(kelvinToTemperatureUnit(resultUnit, resultInBaseUnit), 3, format.languageLetter);
}

SingleValueResult computeSingleValue(const VapourPressureModel &model, const RangeLimits &limits,
                                     const SingleValueRequest &request)
{
    const std::optional<long double> value = parseInputValue(request.inputText);
    if (!value)
        return {SingleValueError::InvalidInput, {}};
    const long double input = inputInBaseUnit(request.mode, request.inputUnit, *value);
    if (const SingleValueError error = rangeError(request.mode, input, limits); error != SingleValueError::None)
        return {error, {}};
    const long double result = computeSingleValue(model, request.mode, input);
    QString text = singleValueText(request.mode, result, request.resultUnit, request.format);
    if (text.isEmpty())
        return {SingleValueError::NoNumber, {}};
    return {SingleValueError::None, std::move(text)};
}
