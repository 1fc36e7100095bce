// BMP encoding: file header, info header, optional palette or bit masks, then the rows.
#include "BmpWriter.h"

#include "ColorLookup.h"
#include "GIFPalettes.h"

#include <QtEndian>

#include <cstring>
#include <memory>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;
constexpr qint32 kPixelsPerMetre = 3780; // 96 dpi

// The 16 colours of the VGA palette, in the order of the Windows system colours.
const TGIFPalette &vgaPalette()
{
    static const TGIFPalette palette = [] {
        const quint32 rgb[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
        TGIFPalette p;
        for (quint32 c : rgb)
            p.push_back({std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
        return p;
    }();
    return palette;
}

void put16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void put32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

std::unique_ptr<TColorLookup> lookupFor(BmpDepth depth)
{
    switch (depth) {
    case BmpDepth::Bits1:
    case BmpDepth::Monochrome:
        return std::make_unique<TMonochromeLookup>();
    case BmpDepth::Bits4:
        return std::make_unique<TFastColorLookup>(vgaPalette());
    case BmpDepth::Bits8:
        return std::make_unique<TFastColorLookup>(HalftonePalette());
    default:
        return nullptr;
    }
}

// One row of palette indexes packed at bits per pixel, most significant first.
void packIndexes(const QRgb *pixels, int width, int bits, TColorLookup &lookup, char *row)
{
    int r = 0, g = 0, b = 0;
    const int perByte = 8 / bits;
    for (int x = 0; x < width; ++x) {
        const int index = lookup.Lookup(qRed(pixels[x]), qGreen(pixels[x]), qBlue(pixels[x]), r, g, b);
        const int shift = 8 - bits * (x % perByte + 1);
        row[x / perByte] = char(quint8(row[x / perByte]) | quint8(index << shift));
    }
}

// One row of direct colours; answers the bytes written, which the row's padding follows.
qint64 packDirect(const QRgb *pixels, int width, BmpDepth depth, char *row)
{
    switch (depth) {
    case BmpDepth::Bits15:
        for (int x = 0; x < width; ++x) {
            const QRgb p = pixels[x];
            put16(row + 2 * x, quint16((qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | qBlue(p) >> 3));
        }
        return 2 * qint64(width);
    case BmpDepth::Bits16:
        for (int x = 0; x < width; ++x) {
            const QRgb p = pixels[x];
            put16(row + 2 * x, quint16((qRed(p) >> 3) << 11 | (qGreen(p) >> 2) << 5 | qBlue(p) >> 3));
        }
        return 2 * qint64(width);
    case BmpDepth::Bits32:
        for (int x = 0; x < width; ++x)
            put32(row + 4 * x, pixels[x] & 0x00FFFFFFu);
        return 4 * qint64(width);
    default:
        break;
    }
    // 24 bits: blue, green, red. A pixel's four little-endian bytes are blue, green, red and a
    // byte the next pixel overwrites, so all but the last go as one store.
    for (int x = 0; x + 1 < width; ++x)
        put32(row + 3 * x, pixels[x]);
    if (width > 0) {
        const QRgb p = pixels[width - 1];
        char *last = row + 3 * (width - 1);
        last[0] = char(qBlue(p));
        last[1] = char(qGreen(p));
        last[2] = char(qRed(p));
    }
    return 3 * qint64(width);
}

} // namespace

int bmpBitCount(BmpDepth depth)
{
    switch (depth) {
    case BmpDepth::Bits1:
    case BmpDepth::Monochrome:
        return 1;
    case BmpDepth::Bits4:
        return 4;
    case BmpDepth::Bits8:
        return 8;
    case BmpDepth::Bits15:
    case BmpDepth::Bits16:
        return 16;
    case BmpDepth::Bits32:
        return 32;
    case BmpDepth::Default:
    case BmpDepth::Bits24:
        break;
    }
    return 24;
}

QByteArray encodeBmp(const QImage &source, BmpDepth depth)
{
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int bits = bmpBitCount(depth);
    const std::unique_ptr<TColorLookup> lookup = lookupFor(depth);
    const int paletteBytes = lookup ? 4 * lookup->Colors() : 0;
    const int maskBytes = depth == BmpDepth::Bits16 ? 12 : 0;
    const qint64 rowBytes = (qint64(width) * bits + 31) / 32 * 4;
    const qint64 offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes + maskBytes;
    const qint64 size = offset + rowBytes * height;

    // Every byte is written below, so the pixel rows are not cleared first.
    QByteArray out(size, Qt::Uninitialized);
    char *d = out.data();
    std::memset(d, 0, std::size_t(offset));
    d[0] = 'B';
    d[1] = 'M';
    put32(d + 2, quint32(size));
    put32(d + 10, quint32(offset));
    char *info = d + kFileHeaderSize;
    put32(info, kInfoHeaderSize);
    put32(info + 4, quint32(width));
    put32(info + 8, quint32(height)); // positive: bottom-up rows
    put16(info + 12, 1);
    put16(info + 14, quint16(bits));
    put32(info + 16, depth == BmpDepth::Bits16 ? kBiBitfields : kBiRgb);
    put32(info + 20, quint32(rowBytes * height));
    put32(info + 24, quint32(kPixelsPerMetre));
    put32(info + 28, quint32(kPixelsPerMetre));
    put32(info + 32, lookup ? quint32(lookup->Colors()) : 0);
    char *extra = info + kInfoHeaderSize;
    if (lookup) {
        for (const TGIFColor &c : lookup->Palette()) {
            extra[0] = char(c.Blue);
            extra[1] = char(c.Green);
            extra[2] = char(c.Red);
            extra += 4;
        }
    } else if (maskBytes) {
        put32(extra, 0xF800);
        put32(extra + 4, 0x07E0);
        put32(extra + 8, 0x001F);
    }
    for (int y = 0; y < height; ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        char *row = d + offset + rowBytes * (height - 1 - y);
        if (lookup) {
            std::memset(row, 0, std::size_t(rowBytes)); // indexes are or-ed into the row
            packIndexes(pixels, width, bits, *lookup, row);
        } else {
            const qint64 used = packDirect(pixels, width, depth, row);
            std::memset(row + used, 0, std::size_t(rowBytes - used));
        }
    }
    return out;
}
