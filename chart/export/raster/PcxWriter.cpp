// PCX writer: 128-byte header, one run-length encoded line per row, then the 256-entry palette.
#include "PcxWriter.h"

#include "PlotException.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kHeaderSize = 128;
constexpr int kMaxRun = 63;
constexpr std::uint8_t kPaletteMarker = 0x0C;

struct Layout
{
    int bitsPerPixel;
    int planes;
    int bytesPerLine;
};

Layout layoutFor(int pcxType, int width)
{
    switch (pcxType) {
    case pcxMonochrome:
        return {1, 1, (width + 7) / 8};
    case pcx16Colors:
        return {1, 4, (width + 7) / 8};
    case pcx256Colors:
        return {8, 1, width};
    case pcxTrueColor:
        return {8, 3, width};
    default:
        throw PlotException(QStringLiteral("Unknown PCX type %1").arg(pcxType));
    }
}

bool isIndexed(const QImage &image)
{
    return image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono;
}

// Each channel goes through 6 bits, as the format's palette readers of old expected.
std::uint8_t sixBitChannel(int value)
{
    return std::uint8_t((value >> 2) * 255 / 63);
}

std::array<QRgb, 256> paletteOf(const QImage &image)
{
    std::array<QRgb, 256> palette{};
    palette.fill(qRgb(0, 0, 0));
    const QList<QRgb> table = image.colorTable();
    std::copy_n(table.begin(), std::min<qsizetype>(table.size(), 256), palette.begin());
    return palette;
}

void putWord(QByteArray &bytes, int offset, int value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

void putPaletteEntry(QByteArray &bytes, int offset, QRgb color)
{
    bytes[offset] = char(sixBitChannel(qRed(color)));
    bytes[offset + 1] = char(sixBitChannel(qGreen(color)));
    bytes[offset + 2] = char(sixBitChannel(qBlue(color)));
}

QByteArray header(const QImage &image, const Layout &layout, const std::array<QRgb, 256> &palette)
{
    QByteArray bytes(kHeaderSize, '\0');
    bytes[0] = 10; // manufacturer
    bytes[1] = 5;  // version
    bytes[2] = 1;  // run-length encoded
    bytes[3] = char(layout.bitsPerPixel);
    putWord(bytes, 8, image.width() - 1);
    putWord(bytes, 10, image.height() - 1);
    putWord(bytes, 12, image.width());
    putWord(bytes, 14, image.height());
    for (int i = 0; i < 16; ++i)
        putPaletteEntry(bytes, 16 + 3 * i, palette[std::size_t(i)]);
    bytes[65] = char(layout.planes);
    putWord(bytes, 66, layout.bytesPerLine);
    putWord(bytes, 68, 1); // palette type
    return bytes;
}

// Runs of up to 63 equal bytes; a run, or a single byte that looks like a run prefix, gets a prefix.
void encodeLine(const std::uint8_t *line, int length, QByteArray &out)
{
    int i = 0;
    while (i < length) {
        const std::uint8_t value = line[i];
        int run = 1;
        while (i + run < length && run < kMaxRun && line[i + run] == value)
            ++run;
        if (run > 1 || value >= 0xC0)
            out.append(char(0xC0 + run));
        out.append(char(value));
        i += run;
    }
}

void readIndices(const QImage &image, int y, std::vector<std::uint8_t> &indices)
{
    const uchar *row = image.constScanLine(y);
    const int width = image.width();
    if (image.format() == QImage::Format_Mono) {
        for (int x = 0; x < width; ++x)
            indices[std::size_t(x)] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    } else {
        std::copy_n(row, width, indices.begin());
    }
}

// The bit of each pixel's index packed eight pixels a byte, first pixel in bit 7.
void packBitPlane(const std::vector<std::uint8_t> &indices, int bit, std::uint8_t *plane, int bytesPerLine)
{
    std::fill_n(plane, bytesPerLine, 0);
    for (std::size_t x = 0; x < indices.size(); ++x) {
        if ((indices[x] >> bit) & 1)
            plane[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
    }
}

void writeChecked(QIODevice &stream, const QByteArray &bytes)
{
    if (stream.write(bytes) != bytes.size())
        throw PlotException(QCoreApplication::translate("PcxWriter", "Cannot write the PCX picture: %1")
                                .arg(stream.errorString()));
}

} // namespace

void WriteBitmapAsPCX(QIODevice &stream, const QImage &bitmap, int pcxType)
{
    if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0)
        throw PlotException(QCoreApplication::translate("PcxWriter", "Cannot write an empty PCX picture"));
    const Layout layout = layoutFor(pcxType, bitmap.width());
    const bool indexed = isIndexed(bitmap);
    if (pcxType != pcxTrueColor && !indexed)
        throw PlotException(QCoreApplication::translate("PcxWriter", "PCX type %1 needs a palette picture").arg(pcxType));
    const QImage image = indexed || bitmap.format() == QImage::Format_RGB888
                             ? bitmap
                             : bitmap.convertToFormat(QImage::Format_RGB888);
    const std::array<QRgb, 256> palette = paletteOf(image);

    if (!stream.isSequential())
        stream.seek(0);
    writeChecked(stream, header(image, layout, palette));

    const int width = image.width();
    const int lineSize = layout.planes * layout.bytesPerLine;
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(width));
    std::vector<std::uint8_t> line(static_cast<std::size_t>(lineSize));
    QByteArray encoded;
    encoded.reserve(2 * lineSize);
    for (int y = 0; y < image.height(); ++y) {
        encoded.clear();
        if (pcxType == pcxTrueColor) {
            std::uint8_t *red = line.data();
            std::uint8_t *green = red + width;
            std::uint8_t *blue = green + width;
            if (indexed) {
                readIndices(image, y, indices);
                for (int x = 0; x < width; ++x) {
                    const QRgb color = palette[indices[std::size_t(x)]];
                    red[x] = std::uint8_t(qRed(color) & 0xFC);
                    green[x] = std::uint8_t(qGreen(color) & 0xFC);
                    blue[x] = std::uint8_t(qBlue(color) & 0xFC);
                }
            } else {
                const uchar *row = image.constScanLine(y);
                for (int x = 0; x < width; ++x) {
                    red[x] = row[3 * x];
                    green[x] = row[3 * x + 1];
                    blue[x] = row[3 * x + 2];
                }
            }
            for (int plane = 0; plane < 3; ++plane)
                encodeLine(line.data() + plane * width, width, encoded);
        } else {
            readIndices(image, y, indices);
            if (pcxType == pcx256Colors) {
                std::copy(indices.begin(), indices.end(), line.begin());
            } else if (pcxType == pcxMonochrome && image.format() == QImage::Format_Mono) {
                std::copy_n(image.constScanLine(y), layout.bytesPerLine, line.begin());
                // Bits past the width are padding of the picture's row: keep them clear.
                if (width % 8)
                    line[std::size_t(layout.bytesPerLine - 1)] &= std::uint8_t(0xFF00 >> (width % 8));
            } else {
                for (int plane = 0; plane < layout.planes; ++plane)
                    packBitPlane(indices, plane, line.data() + plane * layout.bytesPerLine, layout.bytesPerLine);
            }
            encodeLine(line.data(), lineSize, encoded);
        }
        writeChecked(stream, encoded);
    }

    QByteArray trailer(1 + 3 * 256, '\0');
    trailer[0] = char(kPaletteMarker);
    for (int i = 0; i < 256; ++i)
        putPaletteEntry(trailer, 1 + 3 * i, palette[std::size_t(i)]);
    writeChecked(stream, trailer);
}
