// The marks' colour symbol.
#include "TSeriesMarksSymbol.h"

TSeriesMarksSymbol::TSeriesMarksSymbol(PlotPanelHost *parentChart, QObject *owner)
    : TPlotCustomShape(parentChart, owner)
{
    SetVisible(false);
    setDefaultTransparent(false);
    Shadow()->setDefaults(Shadow()->Color(), 1);
}
