// Shows the outcome of a single value in a window: the result in its label, or the error box.
#pragma once

#include "app/core/SingleValue.h"

class LanguageTables;
class QLabel;
class QLineEdit;

// The error box of a failed step: the input-error box naming the input field by its caption
// label, the out-of-range messages (TemperatureOutOfRange, PressureOutOfRange) or the message that
// no calculation is possible (CalculationImpossible); then the focus goes back to the input field.
void showSingleValueError(const LanguageTables &texts, SingleValueError error, QLineEdit *input,
                          const QLabel *inputCaption);

// The result text into the output label, or the error box; true when a result is shown. After
// an error the label keeps its text (every edit of the input clears it).
bool showSingleValue(const LanguageTables &texts, const SingleValueResult &result, QLineEdit *input,
                     const QLabel *inputCaption, QLabel *output);
