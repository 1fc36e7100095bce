// PNG export: compression level on its options form, rows written by libpng.
#include "TPNGExportFormat.h"

#include "PlotConst.h"
#include "PlotExportFormats.h"
#include "PngLibrary.h"
#include "PngWriter.h"
#include "RangeSpinBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>

namespace {

std::unique_ptr<PngLibrary> &library()
{
    static std::unique_ptr<PngLibrary> instance;
    return instance;
}

const QString kClassName = QStringLiteral("TPNGExportFormat");

} // namespace

TPNGExportFormat::TPNGExportFormat()
    : RasterExportFormat(PlotConst::msgExportPNG, PlotConst::msgPNGFilter, QStringLiteral("png"))
{
}

void TPNGExportFormat::SetCompressionLevel(int value)
{
    m_compressionLevel = value;
    if (m_upDown)
        m_upDown->setValue(value);
}

PngLibrary &TPNGExportFormat::Library()
{
    if (!library())
        library() = std::make_unique<PngLibrary>();
    return *library();
}

bool TPNGExportFormat::Register(const QString &libraryFile)
{
    library() = std::make_unique<PngLibrary>(libraryFile);
    if (!library()->Load()) {
        UnRegisterPlotExportFormat(kClassName);
        return false;
    }
    RegisterPlotExportFormat<TPNGExportFormat>(kClassName);
    return true;
}

void TPNGExportFormat::Unregister()
{
    UnRegisterPlotExportFormat(kClassName);
    library().reset();
}

std::unique_ptr<QWidget> TPNGExportFormat::CreateOptions()
{
    auto form = std::make_unique<RasterOptionsForm>("TPlotPNGOptions");
    auto *layout = new QHBoxLayout(form.get());
    auto *label = new QLabel(QStringLiteral("&Compression level:"), form.get());
    m_upDown = new RangeSpinBox(form.get());
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    m_upDown->setRange(0, 9);
    m_upDown->setValue(m_compressionLevel);
    label->setBuddy(m_upDown);
    layout->addWidget(label);
    layout->addWidget(m_upDown);
    layout->addStretch();
    QObject::connect(m_upDown, &QSpinBox::valueChanged, m_upDown, [this](int value) { m_compressionLevel = value; });
    return form;
}

void TPNGExportFormat::SaveToStream(QIODevice &stream)
{
    Options(true);
    WritePng(stream, ChartBitmap().convertToFormat(QImage::Format_RGB888), m_compressionLevel, Library());
}

void TPNGExportFormat::DoCopyToClipboard()
{
    auto data = std::make_unique<QMimeData>();
    data->setImageData(ChartBitmap());
    SetClipboard(std::move(data));
}
