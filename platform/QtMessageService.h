// Message boxes shown with QMessageBox.
#pragma once

#include "platform/MessageService.h"

#include <optional>

class QtMessageService : public MessageService
{
public:
    int messageBox(const QString &text, const QString &caption, int flags) override;
    int messageBoxAt(const QString &text, const QString &caption, int flags, const QPoint &globalTopLeft) override;

    // The data files separate lines with CR (or CR LF); a QMessageBox wants LF.
    static QString displayText(const QString &text);

private:
    static int show(const QString &text, const QString &caption, int flags, std::optional<QPoint> globalTopLeft);
};
