// Registration of the bubble, arrow, Gantt and shape series, after the standard series types.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "PlotConst.h"
#include "TArrowSeries.h"
#include "TBubbleSeries.h"
#include "TChartShape.h"
#include "TGanttSeries.h"

void registerExtendedSeriesUnits(ChartClassRegistry &registry)
{
    const ChartClassDescriptor &bubble = registry.add<TBubbleSeries>(QStringLiteral("TBubbleSeriesEditor"));
    const ChartClassDescriptor &arrow = registry.add<TArrowSeries>(QStringLiteral("TArrowSeriesEditor"));
    const ChartClassDescriptor &gantt = registry.add<TGanttSeries>(QStringLiteral("TGanttSeriesEditor"));
    const ChartClassDescriptor &shape = registry.add<TChartShape>(QStringLiteral("TChartShapeEditor"));

    using Ref = ChartTextRef;
    const Ref standard = Ref::library(PlotConst::msgGalleryStandard);
    RegisterPlotSeries(&bubble, Ref::library(PlotConst::msgGalleryBubble), standard, 1);
    RegisterPlotSeries(&arrow, Ref::library(PlotConst::msgGalleryArrow), Ref::library(PlotConst::msgGalleryExtended), 2);
    RegisterPlotSeries(&gantt, Ref::library(PlotConst::msgGalleryGantt), standard, 1);
    RegisterPlotSeries(&shape, Ref::library(PlotConst::msgGalleryShape), standard, 2);
}
