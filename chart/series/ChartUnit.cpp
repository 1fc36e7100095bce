// Registration of the chart unit's classes.
#include "ChartUnits.h"

#include "ChartClassRegistry.h"
#include "TChart.h"

void registerChartUnit(ChartClassRegistry &registry)
{
    registry.add(TCustomChart::staticMetaObject);
    registry.add<TChart>();
    registry.add(TChartTitle::staticMetaObject);
    registry.add(TChartFootTitle::staticMetaObject);
    registry.add(TChartBackWall::staticMetaObject);
    registry.add(TChartRightWall::staticMetaObject);
}
