// VML export.
#include "TVMLExportFormat.h"

#include "PlotConst.h"
#include "TVMLCanvas.h"
#include "VectorExport.h"

QString TVMLExportFormat::Description() const
{
    return PlotConst::message(PlotConst::msgExportVML);
}

QString TVMLExportFormat::FileFilter() const
{
    return PlotConst::message(PlotConst::msgVMLFilter);
}

QByteArray TVMLExportFormat::Document()
{
    CheckSize();
    return drawThroughCanvas(panel(), std::make_unique<TVMLCanvas>(), {0, 0, Width(), Height()});
}
