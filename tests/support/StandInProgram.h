// A stand-in for a desktop helper (xdg-open, xdg-email) first on PATH for the test's lifetime:
// a shell script that records its arguments and then exits with a given status or keeps running.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class StandInProgram
{
public:
    // A stand-in that exits with the status.
    StandInProgram(const QString &name, int exitCode);
    // A stand-in that is still running after the seconds.
    static StandInProgram runningFor(const QString &name, int seconds);
    // A stand-in that exits with the status after the seconds (a slow lookup that fails).
    static StandInProgram failingAfter(const QString &name, double seconds, int exitCode);
    ~StandInProgram();

    StandInProgram(StandInProgram &&) = delete;
    StandInProgram &operator=(StandInProgram &&) = delete;

    // The arguments of every call so far, one list per call.
    QList<QStringList> calls() const;

private:
    StandInProgram(const QString &name, const QString &lastLine);

    QTemporaryDir m_folder;
    QByteArray m_oldPath;
};
