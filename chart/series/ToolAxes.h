// What the axis tools ask of a chart's axes: which axes share a series, and the opposite axis.
#pragma once

class TChartAxis;
class TCustomAxisPanel;

namespace ToolAxes {

// True when some series of the chart is bound to both axes.
bool shareASeries(TCustomAxisPanel &chart, const TChartAxis &a, const TChartAxis &b);
// Top for bottom and back, right for left and back; none for the other axes.
TChartAxis *opposite(TCustomAxisPanel &chart, const TChartAxis &axis);

} // namespace ToolAxes
