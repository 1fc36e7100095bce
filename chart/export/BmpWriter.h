// Our BMP encoder: the colour depths of the bitmap export, each as a plain BITMAPINFOHEADER file.
#pragma once

#include <QByteArray>
#include <QImage>

enum class BmpDepth {
    Default, // 24 bits, as the screen of the export
    Bits1,
    Bits4,
    Bits8,
    Bits15,
    Bits16,
    Bits24,
    Bits32,
    Monochrome,
};

// Rows bottom-up, padded to 4 bytes, 96 dpi. 1 bit by the monochrome threshold, 4 bits the 16 VGA
// colours, 8 bits the halftone palette, 15 bits 5-5-5, 16 bits 5-6-5 with bit fields, 32 bits
// with the fourth byte 0.
QByteArray encodeBmp(const QImage &image, BmpDepth depth);

// The bits per pixel a depth writes.
int bmpBitCount(BmpDepth depth);
