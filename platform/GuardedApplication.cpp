// Catches every exception at the event-handler boundary and reports it in a message box.
#include "platform/GuardedApplication.h"

#include "platform/MessageService.h"

#include <exception>

GuardedApplication::GuardedApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        reportException(QString::fromUtf8(e.what()));
    } catch (...) {
        reportException(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

void GuardedApplication::reportException(const QString &what)
{
    // The box runs its own event loop; a second failure inside it must not stack boxes.
    if (m_reporting)
        return;
    m_reporting = true;
    try {
        showMessage(what, m_errorCaption, MbOk | MbIconError);
    } catch (...) {
    }
    m_reporting = false;
}
