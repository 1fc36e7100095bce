// Running an independent reader.
#include "ExternalTool.h"

#include <QProcess>

#include <gtest/gtest.h>

ToolResult runTool(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(program, arguments);
    ToolResult result;
    if (!process.waitForStarted(10000)) {
        ADD_FAILURE() << program.toStdString() << " did not start (setup.sh installs it)";
        return result;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        // A reader still running has given only part of its output: never compare that.
        ADD_FAILURE() << program.toStdString() << " did not finish within 60 s";
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
