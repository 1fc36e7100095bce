// The editor's help: the help-file lookup and opening a section of it in the desktop's viewer.
#pragma once

#include <QString>

class QWidget;

namespace PlotHelp {

// The chart editor's help page for the user (one section per editor page, named as the page).
inline constexpr char kEditorHelpFile[] = "PlotUser7.html";

// "SOFTWARE\Korvex\Plot\Help": the value named after a help file holds the folder it lies in.
QString HelpFolderKey();

// The path of the help file in the folder registered for it, else in the program folder; empty
// when it lies in neither.
QString GetRegisteredHelpFile(const QString &fileName);

// Opens the help file at the section (an anchor of the page; empty for its top) in the desktop's
// viewer; a failure is reported to the user. False when nothing was opened.
bool OpenHelpSection(const QString &helpFile, const QString &section, QWidget *owner);

} // namespace PlotHelp
