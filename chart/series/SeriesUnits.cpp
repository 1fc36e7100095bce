// Registration of the series types of this library, in gallery order. Each series unit adds its
// classes here as it is built.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"

void registerSeriesUnits(ChartClassRegistry &registry)
{
    Q_UNUSED(registry);
}
