// Shared helpers of the raster writer tests: pictures to write, a device that fails, and the netpbm
// pictures the independent readers give back.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace RasterTest {

// A chart-like picture: white ground, a grey frame, two coloured polylines and a colour ramp strip.
QImage chartLikePicture(int width, int height);

// Accepts the first limit bytes and refuses every write after them.
class RefusingBuffer : public QBuffer
{
public:
    explicit RefusingBuffer(qint64 limit);

protected:
    qint64 writeData(const char *data, qint64 length) override;

private:
    qint64 m_limit;
};

// A binary PPM (P6) or PGM (P5) as a picture of Format_RGB888 or Format_Grayscale8; null when the
// bytes are neither.
QImage readNetpbm(const QByteArray &bytes);

// The number of pixels whose channels differ from the other picture's by more than tolerance; both
// are compared in RGB888. Different sizes count every pixel.
qint64 differingPixels(const QImage &a, const QImage &b, int tolerance = 0);

// The mean absolute difference per channel, in RGB888; pictures of the same size.
double meanAbsoluteError(const QImage &a, const QImage &b);

} // namespace RasterTest
