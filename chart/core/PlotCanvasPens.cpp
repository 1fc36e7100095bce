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
    pen.Assign(chartPen);
    if (chartPen.SmallDots()) {
        pen.setHandle(CreateSmallDotsPen(color, chartPen.SmallSpace()));
        pen.SetMode(chartPen.Mode());
        return;
    }
    pen.SetColor(color);
    if (chartPen.Width() >= 2) {
        TPen::Handle handle;
        handle.kind = TPen::Handle::Geometric;
        handle.endStyle = chartPen.EndStyle();
        handle.color = color;
        pen.setHandle(handle);
    }
}

} // namespace PlotCanvas
