// Reports a failure caught in an event handler of the editor forms: the program's error box
// (its caption included) when it runs under the guarded application, else a warning.
#pragma once

#include <QString>

void reportEditorException(const QString &what);
