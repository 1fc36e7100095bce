// Combo boxes of the export forms that keep room for their longest item.
#pragma once

#include <QComboBox>
#include <QSizePolicy>

// As wide as the longest item, also after a translation has made the items longer: a combo that
// may shrink keeps the minimum of its first texts and cuts "Quantisieren 256" short.
inline void fitToItems(QComboBox &combo)
{
    combo.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo.setSizePolicy(QSizePolicy::Minimum, combo.sizePolicy().verticalPolicy());
}
