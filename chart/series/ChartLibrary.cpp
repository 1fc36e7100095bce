// The chart library's start-up: one explicit call, never static initialisers, so the order is the
// documented one and a test sees the same registry as the program.
#include "ChartLibrary.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "ChartUnits.h"

#include <mutex>

void registerChartLibrary()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        // The type registries exist before any unit registers into them.
        createChartRegistries();
        // The chart unit first: the series, function and tool units refer to it.
        registerChartUnit(ChartClassRegistry::instance());
        // Series units of this library, in gallery order.
        registerSeriesUnits(ChartClassRegistry::instance());
        // The functions after the series, before the tools.
        registerFunctionUnits(ChartClassRegistry::instance());
        registerToolUnits(ChartClassRegistry::instance());
        registerPageNumToolUnit(ChartClassRegistry::instance());
    });
}
