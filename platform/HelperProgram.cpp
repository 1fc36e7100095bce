// Hands a file to a desktop helper program so that its failure is seen.
#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <memory>

namespace {

// A helper's error output that explains no failure goes where it would have gone unread.
void passOn(const QByteArray &errorOutput)
{
    std::fwrite(errorOutput.constData(), 1, std::size_t(errorOutput.size()), stderr);
}

// The end of a helper's error output kept for a late failure's explanation.
constexpr qsizetype kKeptErrorBytes = 4096;

HelperRun finishedRun(const QProcess &process, const QByteArray &errorOutput)
{
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (code == 0)
        return {HelperRun::Succeeded, code, {}};
    return {HelperRun::Failed, code, QString::fromLocal8Bit(errorOutput).trimmed()};
}

} // namespace

HelperRun runHelperProgram(const QString &program, const QStringList &arguments, int watchMs,
                           HelperLateFailure onLateFailure)
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
        // Still going: what it writes is passed on as it comes, and its end kept, so that a failure
        // it ends with later is still told (it was seen on the terminal only).
        auto kept = std::make_shared<QByteArray>();
        const auto take = [process, kept] {
            const QByteArray output = process->readAllStandardError();
            passOn(output);
            kept->append(output);
            if (kept->size() > kKeptErrorBytes)
                kept->remove(0, kept->size() - kKeptErrorBytes);
        };
        take();
        QObject::connect(process, &QProcess::readyReadStandardError, process, take);
        if (onLateFailure) {
            QObject::connect(process, &QProcess::finished, process, [process, kept, take, onLateFailure] {
                take();
                const HelperRun run = finishedRun(*process, *kept);
                if (!run.ok())
                    onLateFailure(run);
            });
        }
        return {HelperRun::StillRunning, -1, {}};
    }
    const QByteArray errorOutput = process->readAllStandardError();
    const HelperRun run = finishedRun(*process, errorOutput);
    if (run.ok())
        passOn(errorOutput);
    return run;
}
