// Chart pens to platform pens.
#include "PlotCanvasPens.h"

#include "TChartPen.h"

namespace PlotCanvas {

TPen::Handle CreateSmallDotsPen(TColor color, int spacing)
{
    TPen::Handle handle;
    handle.kind = TPen::Handle::SmallDots;
    handle.spacing = spacing;
    handle.color = color;
    return handle;
}

void ApplyChartPen(TPen &pen, const TChartPen &chartPen, TColor color)
{
    // All values at once: a series applies its pen for every point, and assigning the chart
    // pen's own colour first, then the series colour, notified two changes each time.
    PenValues values = chartPen.values();
    values.handle = TPen::Handle{};
    if (chartPen.SmallDots()) {
        values.handle = CreateSmallDotsPen(color, chartPen.SmallSpace());
    } else {
        values.color = color;
        if (chartPen.Width() >= 2) {
            values.handle.kind = TPen::Handle::Geometric;
            values.handle.endStyle = chartPen.EndStyle();
            values.handle.color = color;
        }
    }
    pen.setValues(values);
}

} // namespace PlotCanvas
