// Message boxes shown with QMessageBox.
#include "platform/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

QString QtMessageService::displayText(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

int QtMessageService::messageBox(const QString &text, const QString &caption, int flags)
{
    return show(text, caption, flags, std::nullopt);
}

int QtMessageService::messageBoxAt(const QString &text, const QString &caption, int flags, const QPoint &globalTopLeft)
{
    return show(text, caption, flags, globalTopLeft);
}

int QtMessageService::show(const QString &text, const QString &caption, int flags, std::optional<QPoint> globalTopLeft)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(displayText(text));
    switch (flags & 0xF0) {
    case MbIconError:
        box.setIcon(QMessageBox::Critical);
        break;
    case MbIconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case MbIconWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MbIconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }

    struct Choice {
        QMessageBox::StandardButton button;
        int result;
    };
    QList<Choice> choices;
    switch (flags & 0x0F) {
    case MbOkCancel:
        choices = {{QMessageBox::Ok, IdOk}, {QMessageBox::Cancel, IdCancel}};
        break;
    case MbYesNoCancel:
        choices = {{QMessageBox::Yes, IdYes}, {QMessageBox::No, IdNo}, {QMessageBox::Cancel, IdCancel}};
        break;
    case MbYesNo:
        choices = {{QMessageBox::Yes, IdYes}, {QMessageBox::No, IdNo}};
        break;
    default:
        choices = {{QMessageBox::Ok, IdOk}};
        break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice &choice : choices)
        buttons |= choice.button;
    box.setStandardButtons(buttons);
    box.setDefaultButton(choices.first().button);

    if (globalTopLeft)
        box.move(*globalTopLeft);
    const int pressed = box.exec();
    for (const Choice &choice : choices) {
        if (pressed == choice.button)
            return choice.result;
    }
    // Closing the box with Escape or the window frame counts as its last (cancelling) button.
    return choices.last().result;
}
