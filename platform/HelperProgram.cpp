// Hands a file to a desktop helper program so that its failure is seen.
#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

namespace {

// A helper's error output that explains no failure goes where it would have gone unread.
void passOn(const QByteArray &errorOutput)
{
    std::fwrite(errorOutput.constData(), 1, std::size_t(errorOutput.size()), stderr);
}

} // namespace

HelperRun runHelperProgram(const QString &program, const QStringList &arguments, int watchMs)
{
    // Owned by the application, not by this call: a helper that outlives the watch must not be
    // killed when the call returns. It frees itself once it exits.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    // Its error output is read: it is the only explanation of a failure.
    process->setProcessChannelMode(QProcess::ForwardedOutputChannel);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });

    process->start();
    if (!process->waitForStarted(watchMs))
        return {HelperRun::NotStarted, -1, process->errorString()};
    if (!process->waitForFinished(watchMs)) {
        passOn(process->readAllStandardError());
        QObject::connect(process, &QProcess::readyReadStandardError, process,
                         [process] { passOn(process->readAllStandardError()); });
        return {HelperRun::StillRunning, -1, {}};
    }
    const QByteArray errorOutput = process->readAllStandardError();
    const int code = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    if (code == 0) {
        passOn(errorOutput);
        return {HelperRun::Succeeded, code, {}};
    }
    return {HelperRun::Failed, code, QString::fromLocal8Bit(errorOutput).trimmed()};
}
