// Message boxes shown with QMessageBox.
#pragma once

#include "platform/MessageService.h"

class QtMessageService : public MessageService
{
public:
    int messageBox(const QString &text, const QString &caption, int flags) override;

    // The data files separate lines with CR (or CR LF); a QMessageBox wants LF.
    static QString displayText(const QString &text);
};
