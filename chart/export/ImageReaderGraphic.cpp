// Decoding through QImageReader with the format fixed, so a text file named ".bmp" is refused.
#include "ImageReaderGraphic.h"

#include "PlotImaging.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdlib>

ImageReaderGraphic::ImageReaderGraphic(QByteArray format)
    : m_format(std::move(format))
{
}

bool ImageReaderGraphic::LoadFromData(const QByteArray &data)
{
    m_image = QImage();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_format);
    reader.setDecideFormatFromContent(false);
    setRefusedSize();
    const QSize declared = reader.size();
    // A header may declare any size: refuse the huge ones before anything is allocated. Rows are
    // padded to 32 bits, as Qt allocates them; a format the header leaves open counts 64 bits.
    if (declared.isValid()) {
        const QImage::Format format = reader.imageFormat();
        const qint64 depth = format == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(format).bitsPerPixel();
        const qint64 rowBytes = (qint64(declared.width()) * depth + 31) / 32 * 4;
        if (rowBytes * declared.height() > kMaxDecodedBytes) {
            setRefusedSize(declared, kMaxDecodedBytes * 8 / depth);
            return false;
        }
    }
    if (!complete(data))
        return false;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    PlotImaging::keepEncodedBytes(image, data, m_format);
    m_image = std::move(image);
    return true;
}

bool ImageReaderGraphic::complete(const QByteArray &data) const
{
    return !data.isEmpty();
}

bool TBitmapGraphic::complete(const QByteArray &data) const
{
    const auto u16 = [&](int at) { return quint32(quint8(data[at])) | quint32(quint8(data[at + 1])) << 8; };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    if (data.size() < 30)
        return false;
    const quint32 headerSize = u32(14);
    const quint32 pixelOffset = u32(10);
    if (headerSize < 40 || data.size() < 34) // the old 12-byte core header: Qt checks it alone
        return headerSize == 12;
    const qint64 width = qint32(u32(18));
    const qint64 height = qint32(u32(22));
    const quint32 bitCount = u16(28);
    const quint32 compression = u32(30);
    // Run-length rows have no fixed size; their decoder stops at the end of the bytes.
    if (compression != 0 && compression != 3)
        return true;
    const qint64 rowBytes = (std::abs(width) * bitCount + 31) / 32 * 4;
    return qint64(pixelOffset) + rowBytes * std::abs(height) <= data.size();
}

std::unique_ptr<TGraphic> createBitmapGraphic()
{
    return std::make_unique<TBitmapGraphic>();
}
