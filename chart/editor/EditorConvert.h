// Numbers, times and dates typed into the editor's dialogs, in the user's locale. Every reader
// accepts only finite values and raises PlotConvertError ("Not a number: x") for anything else.
#pragma once

#include <QString>

namespace EditorConvert {

// The trimmed text through the locale's number conversion.
double textToNumber(const QString &text);
// A number written with "." as decimal point, whatever the locale.
double textToPlainNumber(const QString &text);
// A time of day in days: the 24-hour forms "h:mm", "h:mm:ss", "h:mm:ss.zzz", else the locale's
// long, then short time format.
double textToTime(const QString &text);
// A date in days: the locale's short date order with a four-digit year, else its long format.
// Two-digit years are refused (Qt would read "20.03.24" as 1924).
double textToDate(const QString &text);

// A duration below a day as the 24-hour text the readers take back ("6:00:00", "0:00:01.500");
// a whole day reads "24:00:00".
QString timeText(double days);
// A date as the readers take it back: the locale's short date order with a four-digit year.
QString dateText(double days);
// The message the dialogs show for a refused text: "Incorrect value. Reason: ...".
QString incorrectValueMessage(const QString &reason);

} // namespace EditorConvert
