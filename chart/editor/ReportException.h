// Reports a failure caught in an event handler of the editor forms: the program's error box
// (its caption included) when it runs under the guarded application, else a warning.
#pragma once

#include <functional>

#include <QString>

void reportEditorException(const QString &what);
// Runs a print; the message of a failure it raised, empty when it went through.
QString printFailure(const std::function<void()> &print);
