// Shows the outcome of a single value in a window.
#include "app/windows/SingleValueView.h"

#include "app/data/LanguageTables.h"
#include "app/windows/InputErrorBox.h"

#include <QLabel>
#include <QLineEdit>

void showSingleValueError(const LanguageTables &texts, SingleValueError error, QLineEdit *input,
                          const QLabel *inputCaption)
{
    switch (error) {
    case SingleValueError::None:
        return;
    case SingleValueError::InvalidInput:
        // The field's name, as every input-error box gives it; the typed text is in the field.
        showInputError(texts, inputCaption ? inputCaption->text() : QString(), input);
        return;
    case SingleValueError::TemperatureOutOfRange:
        showErrorBox(texts, texts.globalText(GlobalText::TemperatureOutOfRange), input);
        return;
    case SingleValueError::PressureOutOfRange:
        showErrorBox(texts, texts.globalText(GlobalText::PressureOutOfRange), input);
        return;
    case SingleValueError::NoNumber:
        // A model fault gives no number; it is reported, never shown as "nan".
        showErrorBox(texts, texts.globalText(GlobalText::CalculationImpossible), input);
        return;
    }
}

bool showSingleValue(const LanguageTables &texts, const SingleValueResult &result, QLineEdit *input,
                     const QLabel *inputCaption, QLabel *output)
{
    if (result.error != SingleValueError::None) {
        showSingleValueError(texts, result.error, input, inputCaption);
        return false;
    }
    output->setText(result.text);
    return true;
}
