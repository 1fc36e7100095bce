// The error boxes every window shows.
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

void showDataFileError(const LanguageTables &texts, DataFileError error, const QString &file)
{
    GlobalText message = GlobalText::FileNotWritten;
    if (error == DataFileError::Unreadable)
        message = GlobalText::FileUnreadable;
    else if (error == DataFileError::Damaged)
        message = GlobalText::FileDamaged;
    showErrorBox(texts, texts.globalText(message) + u' ' + file);
}

void showPrintFailure(const LanguageTables &texts, const QString &outputFile)
{
    QString message = texts.globalText(GlobalText::TableNotPrinted);
    if (!outputFile.isEmpty())
        message += u'\r' + outputFile;
    showErrorBox(texts, message);
}
