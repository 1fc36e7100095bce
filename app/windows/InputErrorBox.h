// The input-error box that every window shows for a value it cannot take.
#pragma once

#include <QString>

class LanguageTables;
class QWidget;

// Error box (caption global text 85, text global text 84 + CR + "<text>"!), then the focus
// goes back to the control that holds the offending text.
void showInputError(const LanguageTables &texts, const QString &text, QWidget *control);

// An error box with a language text as message and the error caption; the focus goes back
// to the control when one is given.
void showErrorBox(const LanguageTables &texts, const QString &message, QWidget *control = nullptr);
