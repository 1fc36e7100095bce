// An area series on its side: the area runs from the values to the left edge (or the origin).
#pragma once

#include "TAreaSeries.h"

class THorizAreaSeries : public TAreaSeries
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit THorizAreaSeries(QObject *owner = nullptr);

    void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position) override;
};
