// Reports a failure caught in an editor form's event handler.
#include "ReportException.h"

#include "platform/GuardedApplication.h"

#include <QCoreApplication>

void reportEditorException(const QString &what)
{
    if (auto *app = qobject_cast<GuardedApplication *>(QCoreApplication::instance()))
        app->reportException(what);
    else
        qWarning("Chart editor: %s", qPrintable(what));
}
