// A stand-in for a desktop helper first on PATH.
#include "StandInProgram.h"

#include <QFile>

#include <gtest/gtest.h>

StandInProgram::StandInProgram(const QString &name, int exitCode)
    : StandInProgram(name, QStringLiteral("exit %1").arg(exitCode))
{
}

StandInProgram StandInProgram::runningFor(const QString &name, int seconds)
{
    return StandInProgram(name, QStringLiteral("exec sleep %1").arg(seconds));
}

StandInProgram StandInProgram::failingAfter(const QString &name, double seconds, int exitCode)
{
    return StandInProgram(name, QStringLiteral("sleep %1; echo 'no viewer found' >&2; exit %2").arg(seconds).arg(exitCode));
}

StandInProgram::StandInProgram(const QString &name, const QString &lastLine)
    : m_oldPath(qgetenv("PATH"))
{
    const QString path = m_folder.filePath(name);
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return;
    }
    // One line per call: the arguments separated by tabs.
    const QString calls = m_folder.filePath(QStringLiteral("calls.txt"));
    script.write(QStringLiteral("#!/bin/sh\n"
                                "IFS='\t'; printf '%s\\n' \"$*\" >> '%1'\n"
                                "%2\n")
                     .arg(calls, lastLine)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", m_folder.path().toUtf8() + ':' + m_oldPath);
}

StandInProgram::~StandInProgram()
{
    qputenv("PATH", m_oldPath);
}

QList<QStringList> StandInProgram::calls() const
{
    QFile file(m_folder.filePath(QStringLiteral("calls.txt")));
    QList<QStringList> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            result.append(QString::fromUtf8(line).split(u'\t'));
    }
    return result;
}
