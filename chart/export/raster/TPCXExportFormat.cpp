// PCX export: the chart bitmap in true colour; its options form is empty, so only the size shows.
#include "TPCXExportFormat.h"

#include "PcxWriter.h"
#include "PlotConst.h"

#include <QMimeData>

TPCXExportFormat::TPCXExportFormat()
    : RasterExportFormat(PlotConst::msgExportPCX, PlotConst::msgPCXFilter, QStringLiteral("pcx"))
{
}

std::unique_ptr<QWidget> TPCXExportFormat::CreateOptions()
{
    return std::make_unique<RasterOptionsForm>("TPCXOptions");
}

void TPCXExportFormat::SaveToStream(QIODevice &stream)
{
    Options(true);
    WriteBitmapAsPCX(stream, ChartBitmap().convertToFormat(QImage::Format_RGB888), pcxTrueColor);
}

void TPCXExportFormat::DoCopyToClipboard()
{
    auto data = std::make_unique<QMimeData>();
    data->setImageData(ChartBitmap());
    SetClipboard(std::move(data));
}
