// Registration of the chart tools: each class is known to the streaming and listed in the tools
// gallery, in the gallery's order. Tools already listed are left as they are.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "TCursorTool.h"

void registerToolUnits(ChartClassRegistry &registry)
{
    const ChartClassDescriptor &cursor = registry.add<TCursorTool>(QStringLiteral("TCursorToolEditor"));
    RegisterPlotTools({&cursor});
}
