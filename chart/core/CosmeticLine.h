// The pixels of an aliased one-pixel line, with the platform's end-point rule.
#pragma once

#include "PlotTypes.h"

#include <QPoint>

#include <vector>

namespace CosmeticLine {

// Appends the pixels of a one-pixel line from `from` to `to`: the first pixel set, the last one
// left out, in every direction, so that lines drawn one after another join without gaps or
// pixels set twice. A line of length zero sets nothing. Between its ends the line has the pixels
// of Qt's aliased cosmetic stroker (a walk along the longer axis in its fixed-point steps); Qt
// itself leaves out the end with the larger coordinate instead of the last one, so its lines
// going up or to the left would lose their first pixel and set their last one.
void appendPixels(const TPoint &from, const TPoint &to, std::vector<QPoint> &pixels);

// Appends the pixels of Qt's one-pixel outline of a closed polygon with integer corners, no two
// neighbours alike, lying wholly inside the clip: each edge walked as Qt walks a line, the joints
// with the stroker's drop-out control (a pixel added or left out where two edges meet, an edge
// turning back on the last one extended by half a pixel).
void appendClosedOutline(const QPoint *corners, int count, std::vector<QPoint> &pixels);

} // namespace CosmeticLine
