// The single value: one input in a unit, checked against the range, computed by a model and
// written as the result text, or the error to show instead. The main window, the mixture,
// solution and estimation dialogs and the measured values share it; each step can be called on
// its own by a window that has rules of its own for one of them.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/core/RangeLimits.h"
#include "app/core/VapourPressureModel.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// What went wrong; the windows word it (app/windows/SingleValueView.h).
enum class SingleValueError {
    None,
    InvalidInput, // the input is no number
    TemperatureOutOfRange,
    PressureOutOfRange,
    NoNumber, // the model gave no number for a value inside the range
};

// How results are written: the settings' notation, the language's decimal character, the
// system's separator of the exponent form.
struct ResultFormat
{
    bool scientific = false;
    QChar languageLetter = u'D';
    QChar systemDecimalSeparator = u'.';
};

struct SingleValueRequest
{
    CalculationMode mode = CalculationMode::VapourPressure;
    QString inputText;
    QString inputUnit; // a temperature unit in vapour-pressure mode, a pressure unit otherwise
    QString resultUnit; // the other kind
    ResultFormat format;
};

struct SingleValueResult
{
    SingleValueError error = SingleValueError::None;
    QString text; // the result label's text when there is no error
};

// Step 1: the input as a number. ',' and '.' are both the decimal point in every language;
// no value when the text is no number.
std::optional<long double> parseInputValue(QStringView text);

// Step 2: the input in K (vapour-pressure mode) or in bar (boiling-point mode).
long double inputInBaseUnit(CalculationMode mode, QStringView unit, long double value);

// Step 3: the range check, limits inclusive within their tolerance (RangeLimits.h); the error to
// show, or None.
SingleValueError rangeError(CalculationMode mode, long double inputInBaseUnit, const RangeLimits &limits);

// Step 4: the pressure in bar at a temperature in K, or the temperature in K at a pressure in bar.
long double computeSingleValue(const VapourPressureModel &model, CalculationMode mode, long double inputInBaseUnit);

// Step 5: the result text in the result unit: a pressure as the settings write it, a temperature
// with one decimal. Empty when the result is no number, which is then reported (NoNumber).
QString singleValueText(CalculationMode mode, long double resultInBaseUnit, QStringView resultUnit,
                        const ResultFormat &format);

// All steps in order: the result text, or the first error.
SingleValueResult computeSingleValue(const VapourPressureModel &model, const RangeLimits &limits,
                                     const SingleValueRequest &request);
