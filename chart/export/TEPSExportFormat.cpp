// EPS export.
#include "TEPSExportFormat.h"

#include "PlotConst.h"
#include "TEPSCanvas.h"
#include "VectorExport.h"

QString TEPSExportFormat::Description() const
{
    return PlotConst::message(PlotConst::msgExportEPS);
}

QString TEPSExportFormat::FileFilter() const
{
    return PlotConst::message(PlotConst::msgEPSFilter);
}

QByteArray TEPSExportFormat::Document()
{
    CheckSize();
    return drawThroughCanvas(panel(), std::make_unique<TEPSCanvas>(), {0, 0, Width(), Height()});
}
