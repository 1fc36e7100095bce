// JPEG export: the chart bitmap compressed by libjpeg with the form's settings.
#include "TJPEGExportFormat.h"

#include "PlotConst.h"
#include "PlotException.h"
#include "RadioGroup.h"
#include "RangeSpinBox.h"
#include "TJPEGGraphic.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QVBoxLayout>

TJPEGExportFormat::TJPEGExportFormat()
    : RasterExportFormat(PlotConst::msgExportJPEG, PlotConst::msgJPEGFilter, QStringLiteral("jpg"), createJPEGGraphic)
{
}

std::unique_ptr<QWidget> TJPEGExportFormat::CreateOptions()
{
    auto form = std::make_unique<RasterOptionsForm>("TPlotJPEGOptions");
    auto *layout = new QVBoxLayout(form.get());
    m_performance = new RadioGroup(QStringLiteral("&Performance:"), {QStringLiteral("Q&uality"), QStringLiteral("&Speed")}, 2,
                                   form.get());
    m_performance->setObjectName(QStringLiteral("RGPerf"));
    m_performance->SetItemIndex(0);
    layout->addWidget(m_performance);
    m_gray = new QCheckBox(QStringLiteral("&Gray scale"), form.get());
    m_gray->setObjectName(QStringLiteral("CBGray"));
    layout->addWidget(m_gray);
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("% &Quality:"), form.get());
    m_quality = new RangeSpinBox(form.get());
    m_quality->setObjectName(QStringLiteral("UpDown1"));
    m_quality->setRange(1, 100);
    m_quality->setValue(95);
    label->setBuddy(m_quality);
    row->addWidget(label);
    row->addWidget(m_quality);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return form;
}

TJPEGOptions TJPEGExportFormat::FormOptions()
{
    Options(true);
    TJPEGOptions options;
    options.Quality = std::uint8_t(m_quality->value());
    options.Grayscale = m_gray->isChecked();
    options.Performance = std::uint8_t(std::max(0, m_performance->ItemIndex()));
    return options;
}

QByteArray TJPEGExportFormat::Encode()
{
    const TJPEGOptions options = FormOptions();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteJpeg(buffer, ChartBitmap().convertToFormat(QImage::Format_RGB888), options);
    return buffer.data();
}

void TJPEGExportFormat::SaveToStream(QIODevice &stream)
{
    panel(); // "Panel property is not set in Export format" before anything else
    WriteJpeg(stream, ChartBitmap().convertToFormat(QImage::Format_RGB888), FormOptions());
}

void TJPEGExportFormat::DoCopyToClipboard()
{
    const QByteArray bytes = Encode();
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/jpeg"), bytes);
    data->setImageData(QImage::fromData(bytes, "jpeg"));
    SetClipboard(std::move(data));
}
