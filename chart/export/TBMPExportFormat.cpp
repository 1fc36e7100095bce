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
TBMPExportFormat::~TBMPExportFormat()
{
    // A dialog page that took the form as its child may have destroyed it already.
    if (!m_options)
        (void)m_ownOptions.release();
}

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
    if (!m_options && create) {
        m_ownOptions = std::make_unique<TBMPOptions>();
        m_options = m_ownOptions.get();
    }
    return m_options;
}

BmpDepth TBMPExportFormat::Depth()
{
    if (!m_options)
        return BmpDepth::Default;
    if (m_options->CBMono->isChecked())
        return BmpDepth::Monochrome;
    return BmpDepth(std::clamp(m_options->CBColors->currentIndex(), 0, int(BmpDepth::Bits32)));
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
