// The demo's file commands: "--save FILE [--width W --height H] [--chart IN]" writes the 2D demo
// chart (or the chart read from IN) through the export format registered for FILE's extension
// (".plot" the native file); "--chart FILE" alone shows a saved chart (with "--screenshot PNG" it
// saves the window's picture and ends); "--export [--page Picture|
// Native|Data] [--format EXT] [--screenshot FILE]" opens the export dialog on the demo chart.
#pragma once

#include <QString>
#include <QStringList>

class TChart;
class QWidget;

// The exit status of the command the arguments name, or -1 when they name none. window is the
// demo's main window, shown for "--chart".
int runExportCommand(const QStringList &arguments, TChart &demo, QWidget &window);
// Saves the widget's picture once it is on the screen and laid out; 0, or 1 with a message on
// standard error when it cannot be shown or written.
int saveScreenshot(QWidget &widget, const QString &file);
