// A line series on its side: X holds the values, Y the ordered categories; every point is drawn.
#pragma once

#include "TLineSeries.h"

class THorizLineSeries : public TLineSeries
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit THorizLineSeries(QObject *owner = nullptr);

    void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position) override;
    // The widest mark text of the points.
    int MarksExtent() override;
};
