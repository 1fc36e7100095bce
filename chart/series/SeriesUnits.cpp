// Registration of the series types of this library, in gallery order. Each series unit adds its
// classes here as it is built.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "THorizAreaSeries.h"
#include "THorizLineSeries.h"
#include "TPointSeries.h"

void registerSeriesUnits(ChartClassRegistry &registry)
{
    // Line, point and area series. The bases cannot be placed in a chart by themselves.
    registry.add(TCustomLineSeries::staticMetaObject);
    registry.add(TCustomSeries::staticMetaObject, {}, QStringLiteral("TCustomSeriesEditor"));
    registry.add<TLineSeries>();
    registry.add<THorizLineSeries>();
    registry.add<TPointSeries>(QStringLiteral("TSeriesPointerEditor"));
    registry.add<TAreaSeries>(QStringLiteral("TAreaSeriesEditor"));
    registry.add<THorizAreaSeries>();
}
