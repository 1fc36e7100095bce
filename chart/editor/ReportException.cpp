// Reports a failure caught in an editor form's event handler.
#include "ReportException.h"

#include "platform/GuardedApplication.h"

#include <QCoreApplication>

QString printFailure(const std::function<void()> &print)
{
    try {
        print();
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Print: unknown failure");
    }
    return {};
}

void reportEditorException(const QString &what)
{
    if (auto *app = qobject_cast<GuardedApplication *>(QCoreApplication::instance()))
        app->reportException(what);
    else
        qWarning("Chart editor: %s", qPrintable(what));
}
