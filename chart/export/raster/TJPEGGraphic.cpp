// JPEG pictures read through QImageReader; a file whose frame header gives no size is refused.
#include "TJPEGGraphic.h"

#include <QBuffer>
#include <QImageReader>

bool TJPEGGraphic::complete(const QByteArray &data) const
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setDecideFormatFromContent(false);
    return reader.size().isValid();
}

std::unique_ptr<TGraphic> createJPEGGraphic()
{
    return std::make_unique<TJPEGGraphic>();
}
