// The export library's registrations, in the order the format list shows them.
#include "ExportLibrary.h"

#include "ChartClassRegistry.h"
#include "PlotExportFormats.h"
#include "PlotPictures.h"
#include "TBMPExportFormat.h"
#include "TChartChart.h"
#include "TEMFExportFormat.h"

#include <mutex>

void registerExportFormats()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        // Pictures: bitmap and metafile.
        RegisterPlotExportFormat<TBMPExportFormat>(QStringLiteral("TBMPExportFormat"));
        RegisterPlotExportFormat<TEMFExportFormat>(QStringLiteral("TEMFExportFormat"));

        // Vector formats: VML, EPS, SVG, PDF.

        // Raster formats: PCX, PNG (only when its library loads), GIF, JPEG.

        PlotPictures::PlotGraphicClassForExtension() = GraphicClassFromExtension;
        ChartClassRegistry::instance().add<TChartChart>();
        ChartClassRegistry::instance().add<TODBCChart>();
    });
}
