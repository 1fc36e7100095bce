// Series style bits and colours as the editors read them.
#include "SeriesStyle.h"

#include "TPieSeries.h"

bool SeriesHasSingleColor(const TChartSeries &series)
{
    return !qobject_cast<const TPieSeries *>(&series);
}
