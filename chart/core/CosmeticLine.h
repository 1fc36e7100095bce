// The pixels of an aliased one-pixel line exactly as Qt's raster engine draws it alone.
#pragma once

#include "PlotTypes.h"

#include <QPoint>

#include <vector>

namespace CosmeticLine {

// Appends the pixels QPainter::drawLine sets for a cosmetic, solid, flat-capped pen without
// anti-aliasing, with both ends inside the device and no transformation. Qt's stroker walks the
// longer axis from the smaller coordinate and leaves out the pixel at the larger one; a line of
// length zero sets its one pixel.
void appendPixels(const TPoint &from, const TPoint &to, std::vector<QPoint> &pixels);

} // namespace CosmeticLine
