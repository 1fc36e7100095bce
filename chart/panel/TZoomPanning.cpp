// Zoom and scroll drag state.
#include "TZoomPanning.h"

#include <utility>

void TZoomPanning::Activate(int x, int y)
{
    X0 = X1 = x;
    Y0 = Y1 = y;
    Active = true;
}

void TZoomPanning::NormalizeRect()
{
    if (X0 > X1)
        std::swap(X0, X1);
    if (Y0 > Y1)
        std::swap(Y0, Y1);
}
