// The independent readers of the tests (ImageMagick, netpbm, xmllint, ...), run as processes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ToolResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program with the bytes on standard input, to its end (60 s at most); fails the test when
// it cannot start (setup.sh installs every reader the tests use).
ToolResult runTool(const QString &program, const QStringList &arguments, const QByteArray &input = {});
