// The rule of the series types whose points carry values of their own (radius, end point, end
// date): without a function they take points only from a series of their class, which has those
// values; a function computes from any series.
#pragma once

#include "TChartSeries.h"

template <class Own>
bool IsOwnClassSource(const TChartSeries &series, const TChartSeries *source)
{
    return series.FunctionType() || qobject_cast<const Own *>(source);
}
