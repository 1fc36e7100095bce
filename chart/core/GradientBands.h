// The banded gradient fill as data: rectangles or lines with their colours, in painting order.
#pragma once

#include "PlotTypes.h"

#include <vector>

namespace GradientBands {

struct Band
{
    TRect rect;
    TColor color;
};

struct Stroke
{
    TPoint from;
    TPoint to;
    TColor color;
};

// Colour of step i of n between two RGB colours.
TColor stepColor(TColor first, TColor second, int i, int n, int balance);

// Fills for every direction but radial and the two diagonals; the rectangle is oriented first.
std::vector<Band> bands(const TRect &rect, TColor first, TColor second, TGradientDirection direction, int balance);
// Lines of the two diagonal directions.
std::vector<Stroke> diagonalStrokes(const TRect &rect, TColor first, TColor second, TGradientDirection direction,
                                    int balance);

} // namespace GradientBands
