// The pen of the print preview's margin lines.
#include "TPreviewChartPen.h"

TPreviewChartPen::TPreviewChartPen(QObject *owner)
    : TChartPen(owner)
{
    SetStyle(psDot);
    SetSmallDots(true);
}
