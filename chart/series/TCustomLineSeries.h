// The base of every series that joins consecutive points: it publishes the element's pen as LinePen.
#pragma once

#include "TChartSeries.h"

class TCustomLineSeries : public TChartSeries
{
    Q_OBJECT
    Q_PROPERTY(TChartPen *LinePen READ LinePen WRITE SetLinePen)
public:
    Q_INVOKABLE explicit TCustomLineSeries(QObject *owner = nullptr);

    TChartPen *LinePen() const { return Pen(); }
    void SetLinePen(const TChartPen *value) { SetPen(value); }
};
