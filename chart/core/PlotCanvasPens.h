// Turning a chart pen into the platform pen: small dots, end and join styles, geometric width.
#pragma once

#include "TPen.h"

class TChartPen;

namespace PlotCanvas {

// A one-pixel dotted pen: a dot, then spacing gaps; spacing below 1 gives every other pixel.
TPen::Handle CreateSmallDotsPen(TColor color, int spacing = 0);
// Makes pen draw like the visible chart pen in the given colour.
void ApplyChartPen(TPen &pen, const TChartPen &chartPen, TColor color);

} // namespace PlotCanvas
