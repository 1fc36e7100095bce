// The chart library's start-up: one explicit call, never static initialisers, so the order is the
// documented one and a test sees the same registry as the program.
#include "ChartLibrary.h"

#include "ChartClassRegistry.h"
#include "ChartUnits.h"

void registerChartLibrary()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // The chart unit first: the series, function and tool units refer to it.
    registerChartUnit(ChartClassRegistry::instance());
    // Series units of this library, in gallery order.
    registerSeriesUnits(ChartClassRegistry::instance());
}
