// Hands a file to a desktop helper program so that its failure is seen.
#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QProcess>

HelperRun runHelperProgram(const QString &program, const QStringList &arguments, int watchMs)
{
    // Owned by the application, not by this call: a helper that outlives the watch must not be
    // killed when the call returns. It frees itself once it exits.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });

    process->start();
    if (!process->waitForStarted(watchMs))
        return {HelperRun::NotStarted, -1};
    if (!process->waitForFinished(watchMs))
        return {HelperRun::StillRunning, -1};
    if (process->exitStatus() != QProcess::NormalExit)
        return {HelperRun::Failed, -1};
    const int code = process->exitCode();
    return {code == 0 ? HelperRun::Succeeded : HelperRun::Failed, code};
}
