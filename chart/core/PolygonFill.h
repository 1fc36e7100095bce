// The pixels of Qt's aliased odd-even fill of a small polygon with integer corners.
#pragma once

#include <QPoint>

#include <vector>

namespace PolygonFill {

// One row of a fill: the pixels left..right - 1 of row y.
struct Span
{
    int y;
    int left;
    int right;
};

// The most corners a polygon may have to be filled here.
constexpr int kMaxCorners = 8;

// Appends the spans Qt's scan converter fills for the polygon (closed back to its first corner),
// as long as it lies wholly inside the clip: each edge's crossing of a row's centre in 16.16
// fixed point, half a pixel to the right, its integer part the first pixel of the span.
// Returns false, appending nothing, for more than kMaxCorners corners.
bool appendSpans(const QPoint *points, int count, std::vector<Span> &spans);

} // namespace PolygonFill
