// Filling the unit lists of the windows.
#include "app/windows/UnitComboBox.h"

#include <QComboBox>
#include <QSignalBlocker>

void fillUnitComboBox(QComboBox *box, const QStringList &units, int selectIndex)
{
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(units);
    box->setCurrentIndex(selectIndex >= 0 && selectIndex < units.size() ? selectIndex : 0);
}
