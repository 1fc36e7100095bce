// PDF export.
#include "TPDFExportFormat.h"

#include "PlotConst.h"
#include "PlotImaging.h"
#include "TPDFCanvas.h"
#include "TPlotPDFPage.h"
#include "VectorExport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QString TPDFExportFormat::Description() const
{
    return PlotConst::message(PlotConst::msgExportPDF);
}

QString TPDFExportFormat::FileFilter() const
{
    return PlotConst::message(PlotConst::msgPDFFilter);
}

QByteArray TPDFExportFormat::Document()
{
    CheckSize();
    TPlotPDFPage page(Width(), Height());
    auto canvas = std::make_unique<TPDFCanvas>(page);
    // Pictures read from JPEG files go into the document as those files.
    canvas->setEncodedBytesLookup([](const QImage &image) {
        QByteArray format;
        QByteArray bytes = PlotImaging::encodedBytes(image, &format);
        return format.compare("jpeg", Qt::CaseInsensitive) == 0 || format.compare("jpg", Qt::CaseInsensitive) == 0
                   ? bytes
                   : QByteArray();
    });
    drawThroughCanvas(panel(), std::move(canvas), {0, 0, Width(), Height()});
    return page.WritePDFDocument();
}

void TPDFExportFormat::DoCopyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("application/pdf"), Document());
    clipboard->setMimeData(data.release()); // the clipboard owns it
}
