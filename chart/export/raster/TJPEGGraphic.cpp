// JPEG pictures read through QImageReader.
#include "TJPEGGraphic.h"

#include <QBuffer>
#include <QImageReader>

bool TJPEGGraphic::LoadFromData(const QByteArray &data)
{
    m_image = QImage();
    m_bytes.clear();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels)
        return false;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    m_image = image;
    m_bytes = data;
    return true;
}
