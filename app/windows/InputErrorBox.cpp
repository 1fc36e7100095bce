// The input-error box.
#include "app/windows/InputErrorBox.h"

#include "app/core/NumberText.h"
#include "app/data/LanguageTables.h"
#include "platform/MessageService.h"

#include <QWidget>

namespace {
constexpr int kInputErrorText = 84;
constexpr int kErrorCaption = 85;
} // namespace

void showErrorBox(const LanguageTables &texts, const QString &message, QWidget *control)
{
    showMessage(message, texts.globalText(kErrorCaption), MbOk | MbIconError);
    if (control)
        control->setFocus();
}

void showInputError(const LanguageTables &texts, const QString &text, QWidget *control)
{
    showErrorBox(texts, inputErrorMessage(texts.globalText(kInputErrorText), text), control);
}
