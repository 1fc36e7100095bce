// Bars that extend along the horizontal axis.
#pragma once

#include "TCustomBarSeries.h"

class THorizBarSeries : public TCustomBarSeries
{
    Q_OBJECT
    Q_PROPERTY(int CustomBarHeight READ CustomBarSize WRITE SetCustomBarSize)
public:
    Q_INVOKABLE explicit THorizBarSeries(QObject *owner = nullptr);

    Q_INVOKABLE bool IsCustomBarHeightStored() const { return CustomBarSize() != 0; }
    // A mark is as long as its text (-1: the widest mark).
    int MarkLength(int valueIndex) const override;
};
