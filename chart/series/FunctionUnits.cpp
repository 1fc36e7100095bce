// Registration of the calculated functions: each class is known to the streaming and listed in the
// gallery on the "Standard" page, in the gallery's order.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "PlotConst.h"
#include "PlotFunctions.h"
#include "TChartSeries.h"
#include "TCustomPlotFunction.h"
#include "TCustomSortedFunction.h"
#include "TManySeriesPlotFunction.h"

void registerFunctionUnits(ChartClassRegistry &registry)
{
    // The bases cannot be placed on a series by themselves.
    registry.add(TPlotFunction::staticMetaObject, {}, QStringLiteral("TPlotFunctionEditor"));
    registry.add(TManySeriesPlotFunction::staticMetaObject);
    registry.add(TCustomSortedFunction::staticMetaObject);
    const ChartClassDescriptor &add = registry.add<TAddPlotFunction>();
    const ChartClassDescriptor &subtract = registry.add<TSubtractPlotFunction>();
    const ChartClassDescriptor &multiply = registry.add<TMultiplyPlotFunction>();
    const ChartClassDescriptor &divide = registry.add<TDividePlotFunction>();
    const ChartClassDescriptor &high = registry.add<THighPlotFunction>();
    const ChartClassDescriptor &low = registry.add<TLowPlotFunction>();
    const ChartClassDescriptor &average = registry.add<TAveragePlotFunction>(QStringLiteral("TAverageFuncEditor"));
    const ChartClassDescriptor &custom = registry.add<TCustomPlotFunction>(QStringLiteral("TCustomFunctionEditor"));
    const ChartClassDescriptor &median = registry.add<TMedianPlotFunction>();
    const ChartClassDescriptor &mode = registry.add<TModePlotFunction>();

    using Ref = ChartTextRef;
    using namespace PlotConst;
    const std::pair<const ChartClassDescriptor *, int> functions[] = {
        {&add, msgFunctionAdd},           {&subtract, msgFunctionSubtract}, {&multiply, msgFunctionMultiply},
        {&divide, msgFunctionDivide},     {&high, msgFunctionHigh},         {&low, msgFunctionLow},
        {&average, msgFunctionAverage},   {&custom, msgFunctionCustom},     {&median, msgFunctionMedian},
        {&mode, msgFunctionMode},
    };
    for (const auto &[function, text] : functions)
        RegisterPlotBasicFunction(function, Ref::library(text));
}
