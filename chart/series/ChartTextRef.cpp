#include "ChartTextRef.h"

#include "PlotConst.h"
#include "PlotProCo.h"

QString ChartTextRef::text() const
{
    return table == GalleryText ? PlotProCo::text(number) : PlotConst::message(number);
}
