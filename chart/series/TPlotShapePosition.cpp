// The annotation box's defaults.
#include "TPlotShapePosition.h"

TPlotShapePosition::TPlotShapePosition(QObject *owner)
    : TPlotCustomShapePosition(nullptr, owner)
{
    SetColor(clWhite);
    SetBevel(bvNone);
    SetBevelWidth(2);
    SetShapeStyle(fosRectangle);
}
