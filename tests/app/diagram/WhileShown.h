// Runs what opens a modal dialog, the steps while it is shown, and closes it again.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// False when the command showed nothing; the steps then do not run.
inline bool whileShown(QDialog *dialog, const std::function<void()> &command, const std::function<void()> &steps)
{
    bool shown = false;
    QTimer::singleShot(0, dialog, [&] {
        shown = dialog->isVisible();
        if (shown)
            steps();
        dialog->reject();
    });
    command();
    QCoreApplication::processEvents();
    return shown;
}
