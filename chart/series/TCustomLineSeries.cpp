// The line-like series base.
#include "TCustomLineSeries.h"

TCustomLineSeries::TCustomLineSeries(QObject *owner)
    : TChartSeries(owner)
{
}
