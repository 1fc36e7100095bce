// Registration of the chart tools: each class is known to the streaming and listed in the tools
// gallery, in the gallery's order. Tools already listed are left as they are.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "TAnnotationTool.h"
#include "TAxisArrowTool.h"
#include "TAxisScrollTool.h"
#include "TChartImageTool.h"
#include "TClipSeriesTool.h"
#include "TColorBandTool.h"
#include "TColorLineTool.h"
#include "TCursorTool.h"
#include "TDragMarksTool.h"
#include "TDrawLineTool.h"
#include "TGridBandTool.h"
#include "TMarksTipTool.h"
#include "TNearestTool.h"
#include "TRectangleTool.h"
#include "TRotateTool.h"
#include "TSeriesAnimationTool.h"

void registerToolUnits(ChartClassRegistry &registry)
{
    // The bases first, with their editors: the registry keeps a class's first descriptor, and the
    // tools without an editor of their own take their base's.
    registry.add(TPlotCustomToolSeries::staticMetaObject, {}, QStringLiteral("TSeriesToolEditor"));
    registry.add(TPlotCustomToolAxis::staticMetaObject, {}, QStringLiteral("TAxisToolEditor"));
    RegisterPlotTools({
        &registry.add<TCursorTool>(QStringLiteral("TCursorToolEditor")),
        &registry.add<TDragMarksTool>(QStringLiteral("TDragMarksToolEditor")),
        &registry.add<TAxisArrowTool>(QStringLiteral("TAxisArrowToolEditor")),
        &registry.add<TDrawLineTool>(QStringLiteral("TDrawLineEdit")),
        &registry.add<TNearestTool>(QStringLiteral("TNearestToolEdit")),
        &registry.add<TColorBandTool>(QStringLiteral("TColorBandToolEditor")),
        &registry.add<TColorLineTool>(QStringLiteral("TColorLineToolEditor")),
        &registry.add<TRotateTool>(QStringLiteral("TRotateToolEditor")),
        &registry.add<TChartImageTool>(QStringLiteral("TChartImageToolEditor")),
        &registry.add<TMarksTipTool>(QStringLiteral("TMarksTipToolEdit")),
        &registry.add<TAnnotationTool>(QStringLiteral("TAnnotationToolEdit")),
        &registry.add<TSeriesAnimationTool>(QStringLiteral("TSeriesAnimToolEditor")),
        &registry.add<TGridBandTool>(QStringLiteral("TGridBandToolEdit")),
        &registry.add<TAxisScrollTool>(),
        &registry.add<TRectangleTool>(),
        &registry.add<TClipSeriesTool>(),
    });
}
