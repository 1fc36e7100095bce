// Registration of the series types of this library, in gallery order.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "PlotConst.h"
#include "TBarSeries.h"
#include "TFastLineSeries.h"
#include "THorizAreaSeries.h"
#include "THorizBarSeries.h"
#include "THorizLineSeries.h"
#include "TPieSeries.h"
#include "TPointSeries.h"

void RegisterStandardSeries()
{
    createChartRegistries();
    ChartClassRegistry &registry = ChartClassRegistry::instance();
    // The bases cannot be placed in a chart by themselves.
    registry.add(TCustomLineSeries::staticMetaObject);
    registry.add(TCustomSeries::staticMetaObject, {}, QStringLiteral("TCustomSeriesEditor"));
    const ChartClassDescriptor &line = registry.add<TLineSeries>();
    const ChartClassDescriptor &horizLine = registry.add<THorizLineSeries>();
    const ChartClassDescriptor &point = registry.add<TPointSeries>(QStringLiteral("TSeriesPointerEditor"));
    const ChartClassDescriptor &area = registry.add<TAreaSeries>(QStringLiteral("TAreaSeriesEditor"));
    const ChartClassDescriptor &horizArea = registry.add<THorizAreaSeries>();
    registry.add(TCustomBarSeries::staticMetaObject, {}, QStringLiteral("TBarSeriesEditor"));
    const ChartClassDescriptor &bar = registry.add<TBarSeries>();
    const ChartClassDescriptor &horizBar = registry.add<THorizBarSeries>();
    registry.add(TCircledSeries::staticMetaObject);
    const ChartClassDescriptor &pie = registry.add<TPieSeries>(QStringLiteral("TPieSeriesEditor"));
    const ChartClassDescriptor &fastLine = registry.add<TFastLineSeries>(QStringLiteral("TFastLineSeriesEditor"));

    // Gallery entries, in the gallery's order; the texts follow a translation by number.
    using Ref = ChartTextRef;
    const Ref standard = Ref::library(PlotConst::msgGalleryStandard);
    RegisterPlotBasicSeries(&line, Ref::library(PlotConst::msgGalleryLine));
    RegisterPlotBasicSeries(&bar, Ref::library(PlotConst::msgGalleryBar));
    RegisterPlotBasicSeries(&horizBar, Ref::library(PlotConst::msgGalleryHorizBar));
    RegisterPlotBasicSeries(&area, Ref::library(PlotConst::msgGalleryArea));
    RegisterPlotBasicSeries(&point, Ref::library(PlotConst::msgGalleryPoint));
    RegisterPlotSeries(&pie, Ref::library(PlotConst::msgGalleryPie), standard, 1);
    RegisterPlotBasicSeries(&fastLine, Ref::library(PlotConst::msgGalleryFastLine));
    RegisterPlotSeries(&horizLine, Ref::library(PlotConst::msgGalleryHorizLine), standard, 1);
    RegisterPlotSeries(&horizArea, Ref::library(PlotConst::msgGalleryHorizArea), standard, 1);
}

void registerSeriesUnits(ChartClassRegistry &registry)
{
    RegisterStandardSeries();
    // The further series types follow the standard ones and come before the functions.
    registerExtendedSeriesUnits(registry);
}
