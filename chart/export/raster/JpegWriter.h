// JPEG pictures through libjpeg: baseline, RGB or grey.
#pragma once

#include <cstdint>

class QIODevice;
class QImage;

// One byte per setting, as the export form fills it: quality, grey scale, performance, then settings
// of reading and display, of which the sixth asks for progressive output.
struct TJPEGOptions
{
    std::uint8_t Quality = 90;
    std::uint8_t Grayscale = 0;
    std::uint8_t Performance = 0; // 0 quality, 1 speed; plays no part in writing
    std::uint8_t Scale = 0;
    std::uint8_t PixelFormat = 0;
    std::uint8_t ProgressiveEncoding = 0;
    std::uint8_t ProgressiveDisplay = 0;
    std::uint8_t Smoothing = 1;
};
static_assert(sizeof(TJPEGOptions) == 8);

// Compresses the picture in memory and writes it to the device. libjpeg's errors and a short write
// raise PlotException; nothing of a failed picture reaches the device.
void WriteJpeg(QIODevice &stream, const QImage &bitmap, const TJPEGOptions &options);
