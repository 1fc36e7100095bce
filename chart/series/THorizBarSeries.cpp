// Horizontal bars: the value lists, the gradient direction and the mark sizes.
#include "THorizBarSeries.h"

#include <algorithm>

THorizBarSeries::THorizBarSeries(QObject *owner)
    : TCustomBarSeries(owner)
{
    SetHorizontal();
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
    XValues()->SetName(QStringLiteral("Bar"));
    Gradient()->SetDirection(gdLeftRight);
}

int THorizBarSeries::MarkLength(int valueIndex) const
{
    if (valueIndex >= 0)
        return Marks()->TextWidth(valueIndex);
    int widest = 0;
    for (int i = 0; i < Count(); ++i)
        widest = std::max(widest, Marks()->TextWidth(i));
    return widest;
}
