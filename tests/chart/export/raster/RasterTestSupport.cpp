// Pictures, failing device and netpbm reading for the raster writer tests.
#include "RasterTestSupport.h"

#include <QPainter>
#include <QPolygon>

#include <cstdlib>

namespace RasterTest {

QImage chartLikePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, width - 1, height - 1);
    QPolygon red;
    QPolygon blue;
    for (int x = 0; x < width; x += 7) {
        red << QPoint(x, height / 2 + (x * 37 % 41) - 20);
        blue << QPoint(x, height / 3 + (x * 13 % 29));
    }
    painter.setPen(QPen(QColor(200, 30, 40), 2));
    painter.drawPolyline(red);
    painter.setPen(QPen(QColor(20, 60, 220), 1));
    painter.drawPolyline(blue);
    for (int x = 0; x < width; ++x) {
        painter.setPen(QColor(x * 255 / std::max(1, width - 1), 255 - x * 255 / std::max(1, width - 1), 90));
        painter.drawLine(x, height - 6, x, height - 2);
    }
    return image;
}

RefusingBuffer::RefusingBuffer(qint64 limit)
    : m_limit(limit)
{
    open(QIODevice::WriteOnly);
}

qint64 RefusingBuffer::writeData(const char *data, qint64 length)
{
    const qint64 room = m_limit - size();
    if (room <= 0)
        return -1;
    return QBuffer::writeData(data, std::min(room, length));
}

namespace {

// Reads the next whitespace-separated decimal number of a netpbm header.
int headerNumber(const QByteArray &bytes, qsizetype &pos)
{
    while (pos < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[pos])))
        ++pos;
    int value = 0;
    while (pos < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[pos])))
        value = value * 10 + (bytes[pos++] - '0');
    return value;
}

} // namespace

QImage readNetpbm(const QByteArray &bytes)
{
    if (bytes.size() < 2 || bytes[0] != 'P' || (bytes[1] != '6' && bytes[1] != '5'))
        return {};
    const bool colour = bytes[1] == '6';
    qsizetype pos = 2;
    const int width = headerNumber(bytes, pos);
    const int height = headerNumber(bytes, pos);
    const int maxValue = headerNumber(bytes, pos);
    ++pos; // the single whitespace before the raster
    const int channels = colour ? 3 : 1;
    if (maxValue != 255 || width <= 0 || height <= 0 || bytes.size() - pos < qsizetype(width) * height * channels)
        return {};
    QImage image(width, height, colour ? QImage::Format_RGB888 : QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), bytes.constData() + pos + qsizetype(y) * width * channels, size_t(width) * channels);
    return image;
}

qint64 differingPixels(const QImage &a, const QImage &b, int tolerance)
{
    if (a.size() != b.size())
        return qint64(std::max(a.width() * a.height(), b.width() * b.height()));
    const QImage left = a.convertToFormat(QImage::Format_RGB888);
    const QImage right = b.convertToFormat(QImage::Format_RGB888);
    qint64 count = 0;
    for (int y = 0; y < left.height(); ++y) {
        const uchar *p = left.constScanLine(y);
        const uchar *q = right.constScanLine(y);
        for (int x = 0; x < left.width(); ++x) {
            bool differs = false;
            for (int c = 0; c < 3; ++c)
                differs = differs || std::abs(int(p[3 * x + c]) - int(q[3 * x + c])) > tolerance;
            count += differs;
        }
    }
    return count;
}

double meanAbsoluteError(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB888);
    const QImage right = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        const uchar *p = left.constScanLine(y);
        const uchar *q = right.constScanLine(y);
        for (int x = 0; x < 3 * left.width(); ++x)
            sum += std::abs(int(p[x]) - int(q[x]));
    }
    return sum / (3.0 * left.width() * left.height());
}

} // namespace RasterTest
