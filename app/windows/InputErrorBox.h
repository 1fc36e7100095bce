// The error boxes every window shows: a value it cannot take, a data file it cannot use, a
// print job that failed.
#pragma once

#include "app/data/DataFiles.h"

#include <QString>

class LanguageTables;
class QWidget;

// Error box (caption ErrorCaption, text InvalidInput + CR + "<text>"!), then the focus
// goes back to the control that holds the offending text.
void showInputError(const LanguageTables &texts, const QString &text, QWidget *control);

// An error box with a language text as message and the error caption; the focus goes back
// to the control when one is given.
void showErrorBox(const LanguageTables &texts, const QString &message, QWidget *control = nullptr);

// The error box of a data file that is missing or unreadable, damaged, or could not be written
// (FileUnreadable, FileDamaged, FileNotWritten), followed by the file.
void showDataFileError(const LanguageTables &texts, DataFileError error, const QString &file);

// The print-failure box: a print job that could not start or finish (TableNotPrinted), followed
// by the file it was to be written into, if any.
void showPrintFailure(const LanguageTables &texts, const QString &outputFile);
