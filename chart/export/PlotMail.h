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

// What became of the mail program once send returned.
enum class Outcome {
    Finished, // it ended without an error: the mail is with the desktop's mail client
    Started, // it still runs after the wait and goes on by itself
};
// How long send waits for the mail program's end before it leaves it running.
inline constexpr int kWaitMilliseconds = 3000;
// Runs the mail program with the subject "Plot" and the file attached and waits a short time for
// its end. PlotException saying that no mail program could be started when xdg-email is not
// found or ends with an error (its status and its own explanation in the text).
Outcome send(const QString &file);
// The text that tells the user the mail program was started, in the library's language.
QString startedText();

} // namespace PlotMail
