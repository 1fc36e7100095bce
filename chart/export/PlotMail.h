// Handing an exported file to the desktop's mail program (xdg-email), from a folder of this run
// that only its user can enter.
#pragma once

#include <QString>

namespace PlotMail {

// Whether xdg-email is found along PATH.
bool available();
// The run's private folder (mode 0700), made on first use and removed at program exit, so the
// mail program can still read an attachment after the dialog is gone. PlotException "Can not
// find Temp folder" when none can be made.
QString folder();
// Opens the mail program with the subject "Plot" and the file attached; PlotException "Can not
// email Plot. Mapi Error: %d" with the process error when it cannot be started.
void send(const QString &file);

} // namespace PlotMail
