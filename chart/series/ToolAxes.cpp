// Axis relations the axis tools scroll by.
#include "ToolAxes.h"

#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

namespace ToolAxes {

bool shareASeries(TCustomAxisPanel &chart, const TChartAxis &a, const TChartAxis &b)
{
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const TChartSeries *series = chart.GetSeries(i);
        if (series->AssociatedToAxis(a) && series->AssociatedToAxis(b))
            return true;
    }
    return false;
}

TChartAxis *opposite(TCustomAxisPanel &chart, const TChartAxis &axis)
{
    if (&axis == chart.BottomAxis())
        return chart.TopAxis();
    if (&axis == chart.TopAxis())
        return chart.BottomAxis();
    if (&axis == chart.LeftAxis())
        return chart.RightAxis();
    if (&axis == chart.RightAxis())
        return chart.LeftAxis();
    return nullptr;
}

} // namespace ToolAxes
