// Hands a file to a desktop helper program (xdg-open, xdg-email) so that its failure is seen.
// Such helpers report "no method available" only by their exit status, which a detached start
// never sees; so the helper is watched for a short while. One still running then has handed the
// file on (a viewer or mail program is open) and is left to finish on its own.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Long enough for a helper to find that nothing can take the file, short enough not to be felt.
inline constexpr int kHelperWatchMs = 2000;

struct HelperRun
{
    enum Status {
        Succeeded, // exited with status 0 within the watch
        StillRunning, // still running at the end of the watch: taken as handed on
        NotStarted, // the program is missing or cannot be run
        Failed, // crashed, or exited with another status within the watch
    };
    Status status = NotStarted;
    int exitCode = -1; // the helper's exit status when it exited; -1 otherwise
    // Why it failed: what it wrote on its error output, or why it could not be started.
    QString explanation;
    bool ok() const { return status == Succeeded || status == StillRunning; }
};

// Told, on the GUI thread, when a helper that was still running at the end of the watch exits
// with a failure after all (a slow desktop's lookup that found no viewer in the end).
using HelperLateFailure = std::function<void(const HelperRun &failure)>;

// Starts the program (looked up on PATH) with the arguments and waits at most watchMs for it.
HelperRun runHelperProgram(const QString &program, const QStringList &arguments, int watchMs = kHelperWatchMs,
                           HelperLateFailure onLateFailure = {});
