// Filling the unit lists of the windows.
#pragma once

#include <QStringList>

class QComboBox;

// Replaces the items of a unit list by the unit texts and selects selectIndex (the first item
// when it is not an index of the texts). Its change signals stay quiet: filling a list is not a
// choice of the user, and the window updates itself once it is done.
void fillUnitComboBox(QComboBox *box, const QStringList &units, int selectIndex);
