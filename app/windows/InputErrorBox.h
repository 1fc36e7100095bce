// The error boxes every window shows: a value it cannot take, a data file it cannot use.
#pragma once

#include "app/data/DataFiles.h"

#include <QString>

class LanguageTables;
class QWidget;

// Error box (caption global text 85, text global text 84 + CR + "<text>"!), then the focus
// goes back to the control that holds the offending text.
void showInputError(const LanguageTables &texts, const QString &text, QWidget *control);

// An error box with a language text as message and the error caption; the focus goes back
// to the control when one is given.
void showErrorBox(const LanguageTables &texts, const QString &message, QWidget *control = nullptr);

// The error box of a data file that is missing or unreadable, damaged, or could not be written
// (global texts 8, 9, 10), followed by the file.
void showDataFileError(const LanguageTables &texts, DataFileError error, const QString &file);
