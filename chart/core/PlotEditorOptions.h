// Options of the chart editors and the gallery, kept under the library's own settings key.
#pragma once

#include <QString>

namespace PlotProcs {

// "SOFTWARE\Korvex\Plot\Editor" under the current user.
QString EditorOptionsKey();

// The stored value when there is one that reads as its type, else the default.
bool ReadEditorBool(const QString &name, bool defaultValue);
int ReadEditorInteger(const QString &name, int defaultValue);
// False when the value could not be stored.
bool WriteEditorBool(const QString &name, bool value);

} // namespace PlotProcs
