// The chart editor on a demo chart: opened by the window's "Edit..." button, or shown on one of
// its tabs and saved as a picture ("--edit TAB --screenshot FILE").
#pragma once

#include <QStringList>

class TChart;

namespace EditorCommands {

// Opens the editor on the chart with the default options, in tab mode, and waits until it closes.
void editChart(TChart &chart);

// With "--edit data|gallery" in the arguments: the editor on that tab (the gallery: the series
// gallery of "Add..." over it) saved as FILE of "--screenshot FILE"; 0 when written, 1 when not,
// 2 for bad arguments; -1 when the arguments ask for no editor.
int runEditorCommand(const QStringList &arguments, TChart &chart);

} // namespace EditorCommands
