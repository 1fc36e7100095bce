// GIF export: one frame, reduced and dithered as the form says, written by the GIF codec.
#include "TGIFExportFormat.h"

#include "ComboFit.h"
#include "GIFException.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "RadioGroup.h"
#include "TGIFGraphic.h"
#include "TGIFImage.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

TGIFExportFormat::TGIFExportFormat()
    : RasterExportFormat(PlotConst::msgExportGIF, PlotConst::msgGIFFilter, QStringLiteral("gif"), createGIFGraphic)
{
}

std::unique_ptr<QWidget> TGIFExportFormat::CreateOptions()
{
    auto form = std::make_unique<RasterOptionsForm>("TPlotGIFOptions");
    auto *layout = new QVBoxLayout(form.get());
    m_compression = new RadioGroup(QStringLiteral("&Compression:"), {QStringLiteral("LZW"), QStringLiteral("RLE")}, 2, form.get());
    m_compression->setObjectName(QStringLiteral("RGCompression"));
    m_compression->SetItemIndex(gcLZW);
    layout->addWidget(m_compression);
    auto *choices = new QFormLayout;
    m_dither = new QComboBox(form.get());
    m_dither->setObjectName(QStringLiteral("CBDither"));
    fitToItems(*m_dither);
    m_dither->addItems({QStringLiteral("Nearest"), QStringLiteral("Floyd Steinberg"), QStringLiteral("Stucki"),
                        QStringLiteral("Sierra"), QStringLiteral("JaJuNI"), QStringLiteral("Steve Arche"),
                        QStringLiteral("Burkes")});
    m_dither->setCurrentIndex(dmNearest);
    m_reduction = new QComboBox(form.get());
    m_reduction->setObjectName(QStringLiteral("CBReduction"));
    fitToItems(*m_reduction);
    m_reduction->addItems({QStringLiteral("None"), QStringLiteral("Windows 20"), QStringLiteral("Windows 256"),
                           QStringLiteral("Windows Gray"), QStringLiteral("Monochrome"), QStringLiteral("Gray Scale"),
                           QStringLiteral("Netscape"), QStringLiteral("Quantize"), QStringLiteral("Quantize 256")});
    // The form's own default, not the codec's.
    m_reduction->setCurrentIndex(rmQuantizeWindows);
    auto *ditherLabel = new QLabel(QStringLiteral("&Dither:"), form.get());
    ditherLabel->setBuddy(m_dither);
    auto *reductionLabel = new QLabel(QStringLiteral("&Reduction:"), form.get());
    reductionLabel->setBuddy(m_reduction);
    choices->addRow(ditherLabel, m_dither);
    choices->addRow(reductionLabel, m_reduction);
    layout->addLayout(choices);
    layout->addStretch();
    return form;
}

std::unique_ptr<TGIFImage> TGIFExportFormat::CreateImage()
{
    Options(true);
    auto image = std::make_unique<TGIFImage>();
    image->SetCompression(m_compression->ItemIndex());
    image->SetDitherMode(m_dither->currentIndex());
    image->SetColorReduction(m_reduction->currentIndex());
    image->Assign(ChartBitmap());
    return image;
}

void TGIFExportFormat::SaveToStream(QIODevice &stream)
{
    try {
        CreateImage()->SaveToStream(stream);
    } catch (const GIFException &e) {
        throw PlotException(QString::fromLatin1(e.what()));
    }
}

void TGIFExportFormat::DoCopyToClipboard()
{
    try {
        CreateImage()->SaveToClipboardFormat(*QGuiApplication::clipboard());
    } catch (const GIFException &e) {
        throw PlotException(QString::fromLatin1(e.what()));
    }
}

std::unique_ptr<TGraphic> createGIFGraphic()
{
    return std::make_unique<TGIFGraphic>();
}
