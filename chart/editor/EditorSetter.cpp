// Guarded writes of the editor controls.
#include "EditorSetter.h"

#include "PlotException.h"
#include "ReportException.h"

#include <QString>

#include <exception>

bool editorSet(const std::function<void()> &write, const std::function<void()> &refill)
{
    QString failure;
    try {
        write();
        return true;
    } catch (const PlotException &e) {
        failure = e.message();
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    }
    reportEditorException(failure);
    if (refill) {
        try {
            refill();
        } catch (const std::exception &e) {
            // The stored value cannot be read back either; the first report names the cause.
            Q_UNUSED(e);
        }
    }
    return false;
}
