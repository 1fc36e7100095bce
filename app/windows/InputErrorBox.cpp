// The input-error box.
#include "app/windows/InputErrorBox.h"

#include "app/core/NumberText.h"
#include "app/data/LanguageTables.h"
#include "platform/MessageService.h"

#include <QWidget>

void showErrorBox(const LanguageTables &texts, const QString &message, QWidget *control)
{
    showMessage(message, texts.globalText(GlobalText::ErrorCaption), MbOk | MbIconError);
    if (control)
        control->setFocus();
}

void showInputError(const LanguageTables &texts, const QString &text, QWidget *control)
{
    showErrorBox(texts, inputErrorMessage(texts.globalText(GlobalText::InvalidInput), text), control);
}
