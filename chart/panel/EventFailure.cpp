// Failures of event handlers, reported after the event.
#include "EventFailure.h"

#include "platform/GuardedApplication.h"

void ReportAfterEvent(const QString &message)
{
    auto *app = qobject_cast<GuardedApplication *>(QCoreApplication::instance());
    if (!app) {
        qWarning("Chart: %s", qPrintable(message));
        return;
    }
    QMetaObject::invokeMethod(app, [app, message] { app->reportException(message); }, Qt::QueuedConnection);
}
