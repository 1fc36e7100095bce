// Bars that rise along the vertical axis.
#pragma once

#include "TCustomBarSeries.h"

class TBarSeries : public TCustomBarSeries
{
    Q_OBJECT
    Q_PROPERTY(int CustomBarWidth READ CustomBarSize WRITE SetCustomBarSize)
public:
    Q_INVOKABLE explicit TBarSeries(QObject *owner = nullptr);

    Q_INVOKABLE bool IsCustomBarWidthStored() const { return CustomBarSize() != 0; }
    // A mark is one line of text high.
    int MarkLength(int valueIndex) const override;
};
