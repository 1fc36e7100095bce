// Bitmap export.
#include "TBMPExportFormat.h"

#include "ImageReaderGraphic.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "TBMPOptions.h"
#include "TCustomPlotPanel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QIODevice>

#include <algorithm>

TBMPExportFormat::TBMPExportFormat() = default;
TBMPExportFormat::~TBMPExportFormat() = default;

QString TBMPExportFormat::Description() const
{
    return PlotConst::message(PlotConst::msgExportBitmap);
}

QString TBMPExportFormat::FileFilter() const
{
    return PlotConst::message(PlotConst::msgBitmapFilter);
}

TPlotExportFormat::GraphicFactory TBMPExportFormat::GraphicClass() const
{
    return createBitmapGraphic;
}

QWidget *TBMPExportFormat::Options(bool create)
{
    return m_options.get(create);
}

BmpDepth TBMPExportFormat::Depth()
{
    if (!m_options.get())
        return BmpDepth::Default;
    if (m_options.get()->CBMono->isChecked())
        return BmpDepth::Monochrome;
    return BmpDepth(std::clamp(m_options.get()->CBColors->currentIndex(), 0, int(BmpDepth::Bits32)));
}

QImage TBMPExportFormat::Bitmap()
{
    CheckSize();
    TCustomPlotPanel &p = panel();
    return p.CreateBitmap(p.paintColor(), TRect{0, 0, Width(), Height()});
}

void TBMPExportFormat::SaveToStream(QIODevice &stream)
{
    const QByteArray bytes = encodeBmp(Bitmap(), Depth());
    if (stream.write(bytes) != bytes.size())
        throw PlotException(stream.errorString());
}

void TBMPExportFormat::DoCopyToClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(Bitmap());
}
