// The names of the cursors an editor offers: the 21 standard cursors and the library's hand.
// A cursor is stored as its number; the screen cursor of a number is PlotProcs::PlotCursor's.
#pragma once

#include <QString>

class QComboBox;

namespace PlotPenDlg {

// "crPlotHand" gives 2020, the standard names their numbers ("crArrow" -2...). False when unknown.
bool CursorIdentToInt(const QString &name, int &value);
// The cursor named "cr" + name, or the default for an unknown name.
int CursorFromName(int defaultCursor, const QString &name);
// The name of a cursor number, "cr" included; false when the number has none.
bool CursorToIdent(int cursor, QString &name);
// The name without a leading "cr".
QString StripCursorPrefix(const QString &name);
// Fills the combo with the 21 standard names and "PlotHand", without "cr", and selects the
// cursor's name, or nothing when it has none.
void FillCursorList(QComboBox &combo, int cursor);

} // namespace PlotPenDlg
