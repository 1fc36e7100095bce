// Options of the chart editors and the gallery, kept under the library's own settings key.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace PlotProcs {

// "SOFTWARE\Korvex\Plot\Editor" under the current user.
QString EditorOptionsKey();

// The stored value when there is one that reads as its type, else the default.
bool ReadEditorBool(const QString &name, bool defaultValue);
int ReadEditorInteger(const QString &name, int defaultValue);
// False when the value could not be stored.
bool WriteEditorBool(const QString &name, bool value);
bool WriteEditorInteger(const QString &name, int value);
// Several values through one store, written to disk once; false when they could not be stored.
bool WriteEditorIntegers(const QList<QPair<QString, int>> &values);
// True when a value is stored under the name that reads as an integer (or a Boolean).
bool HasEditorValue(const QString &name);

} // namespace PlotProcs
