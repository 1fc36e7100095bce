// Where a series mark stands: its box and the callout arrow from the point to it.
#pragma once

#include "PlotTypes.h"

struct TSeriesMarkPosition
{
    TPoint ArrowFrom;
    bool ArrowFix = false;
    TPoint ArrowTo;
    // Set by the user and kept.
    bool Custom = false;
    int Height = 0;
    TPoint LeftTop;
    int Width = 0;

    TRect Bounds() const { return {LeftTop.x, LeftTop.y, LeftTop.x + Width, LeftTop.y + Height}; }
    friend bool operator==(const TSeriesMarkPosition &, const TSeriesMarkPosition &) = default;
};
