// The one road for every message box of the program, so that tests can script the answers.
#pragma once

#include <QPoint>
#include <QString>

// Button and icon flags and the answers, numbered as the program's texts and callers use them.
enum MessageBoxFlag : int {
    MbOk = 0x00,
    MbOkCancel = 0x01,
    MbYesNoCancel = 0x03,
    MbYesNo = 0x04,
    MbIconError = 0x10, // 16
    MbIconQuestion = 0x20, // with MbYesNo: 36
    MbIconWarning = 0x30, // 48
    MbIconInformation = 0x40, // 64
};

enum MessageBoxResult : int {
    IdOk = 1,
    IdCancel = 2,
    IdYes = 6,
    IdNo = 7,
};

class MessageService
{
public:
    virtual ~MessageService() = default;

    // Shows a message box and returns the button pressed. Texts may use CR as line separator.
    virtual int messageBox(const QString &text, const QString &caption, int flags) = 0;
    // The same box with its top-left corner at a place on the screen, for questions that belong
    // next to a control. Services that cannot place a box show it where they always do.
    virtual int messageBoxAt(const QString &text, const QString &caption, int flags, const QPoint &globalTopLeft)
    {
        Q_UNUSED(globalTopLeft);
        return messageBox(text, caption, flags);
    }

    // The service in force; the Qt one unless another is installed.
    static MessageService &instance();
    // Installs a service (not owned); nullptr goes back to the Qt one.
    static void install(MessageService *service);
};

// Convenience for callers: MessageService::instance().messageBox(...).
int showMessage(const QString &text, const QString &caption, int flags);
