// The export library's registrations, in the order the format list shows them.
#include "ExportLibrary.h"

#include "ChartClassRegistry.h"
#include "EditorRegistry.h"
#include "PlotExportFormats.h"
#include "PlotPictures.h"
#include "TBMPExportFormat.h"
#include "PngLibrary.h"
#include "TGIFExportFormat.h"
#include "TJPEGExportFormat.h"
#include "TPCXExportFormat.h"
#include "TPNGExportFormat.h"
#include "TChartChart.h"
#include "TChartEditForm.h"
#include "TEMFExportFormat.h"
#include "TEPSExportFormat.h"
#include "TPDFExportFormat.h"
#include "TSVGExportFormat.h"
#include "TVMLExportFormat.h"
#include "TPlotExportForm.h"

#include <QCheckBox>

#include <cstdlib>
#include <mutex>

namespace {

// The editor's Export tab: the export dialog on the edited chart, without its Close button and
// file size, and without its Native page when the editor hides it.
EditorPage exportPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        auto *exporter = new TPlotExportForm(host);
        exporter->setWindowFlags(Qt::Widget);
        exporter->SetExportPanel(form.TheChart());
        exporter->HideCloseButton();
        exporter->CBFileSize->setChecked(false);
        if (form.HideTabs.contains(cetExportNative))
            exporter->HideNativePage();
        return exporter;
    };
    return page;
}

} // namespace

void registerExportFormats()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        // Pictures: bitmap and metafile.
        RegisterPlotExportFormat<TBMPExportFormat>(QStringLiteral("TBMPExportFormat"));
        RegisterPlotExportFormat<TEMFExportFormat>(QStringLiteral("TEMFExportFormat"));

        // Vector formats: VML, EPS, SVG, PDF.
        RegisterPlotExportFormat<TVMLExportFormat>(QStringLiteral("TVMLExportFormat"));
        RegisterPlotExportFormat<TEPSExportFormat>(QStringLiteral("TEPSExportFormat"));
        RegisterPlotExportFormat<TSVGExportFormat>(QStringLiteral("TSVGExportFormat"));
        RegisterPlotExportFormat<TPDFExportFormat>(QStringLiteral("TPDFExportFormat"));

        // Raster formats: PCX, PNG (only when its library loads), GIF, JPEG.
        RegisterPlotExportFormat<TPCXExportFormat>(QStringLiteral("TPCXExportFormat"));
        TPNGExportFormat::Register(QString::fromLatin1(PngLibrary::kDefaultFileName));
        RegisterPlotExportFormat<TGIFExportFormat>(QStringLiteral("TGIFExportFormat"));
        RegisterPlotExportFormat<TJPEGExportFormat>(QStringLiteral("TJPEGExportFormat"));
        std::atexit(TPNGExportFormat::Unregister);

        PlotPictures::PlotGraphicClassForExtension() = GraphicClassFromExtension;
        ChartClassRegistry::instance().add<TChartChart>();
        ChartClassRegistry::instance().add<TODBCChart>();
        RegisterEditorPage(cetExport, exportPage());
    });
}
