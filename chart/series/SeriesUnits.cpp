// Registration of the series types of this library, in gallery order. Each series unit adds its
// classes here as it is built.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "PlotConst.h"
#include "THorizAreaSeries.h"
#include "THorizLineSeries.h"
#include "TPointSeries.h"

void registerSeriesUnits(ChartClassRegistry &registry)
{
    // Line, point and area series. The bases cannot be placed in a chart by themselves.
    registry.add(TCustomLineSeries::staticMetaObject);
    registry.add(TCustomSeries::staticMetaObject, {}, QStringLiteral("TCustomSeriesEditor"));
    const ChartClassDescriptor &line = registry.add<TLineSeries>();
    const ChartClassDescriptor &horizLine = registry.add<THorizLineSeries>();
    const ChartClassDescriptor &point = registry.add<TPointSeries>(QStringLiteral("TSeriesPointerEditor"));
    const ChartClassDescriptor &area = registry.add<TAreaSeries>(QStringLiteral("TAreaSeriesEditor"));
    const ChartClassDescriptor &horizArea = registry.add<THorizAreaSeries>();

    // Gallery entries, in the gallery's order; the texts follow a translation by number.
    using Ref = ChartTextRef;
    const Ref standard = Ref::library(PlotConst::msgGalleryStandard);
    RegisterPlotBasicSeries(&line, Ref::library(PlotConst::msgGalleryLine));
    RegisterPlotBasicSeries(&area, Ref::library(PlotConst::msgGalleryArea));
    RegisterPlotBasicSeries(&point, Ref::library(PlotConst::msgGalleryPoint));
    RegisterPlotSeries(&horizLine, Ref::library(PlotConst::msgGalleryHorizLine), standard, 1);
    RegisterPlotSeries(&horizArea, Ref::library(PlotConst::msgGalleryHorizArea), standard, 1);

    // The further series types, after the standard ones.
    registerExtendedSeriesUnits(registry);
}
