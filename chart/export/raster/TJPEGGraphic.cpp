// JPEG pictures read through QImageReader, with their own size limit.
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
    const QSize size = reader.size();
    return size.isValid() && qint64(size.width()) * size.height() <= kMaxJpegPixels;
}

std::unique_ptr<TGraphic> createJPEGGraphic()
{
    return std::make_unique<TJPEGGraphic>();
}
