// Colour reduction entry points.
#include "ReduceColors.h"

#include "ColorLookup.h"
#include "ColorQuantizer.h"
#include "DitherEngine.h"
#include "GIFException.h"
#include "GIFPalettes.h"
#include "GIFText.h"

#include <QImage>

#include <memory>
#include <stdexcept>
#include <unordered_map>

namespace {

QImage toRgb888(const QImage &bitmap)
{
    if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0)
        throw GIFException(GIFText::InvalidImageDimensions);
    return bitmap.format() == QImage::Format_RGB888 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB888);
}

QList<QRgb> colorTable(const TGIFPalette &palette)
{
    QList<QRgb> table;
    table.reserve(qsizetype(palette.size()));
    for (const TGIFColor &c : palette)
        table.push_back(qRgb(c.Red, c.Green, c.Blue));
    return table;
}

TGIFPalette quantizedPalette(const QImage &rgb, int colors, int colorBits, bool windows)
{
    TColorQuantizer quantizer(colors, colorBits);
    quantizer.ProcessImage(rgb);
    const TGIFPalette quantized = quantizer.GetColorTable();
    if (!windows)
        return quantized;
    const TGIFPalette system = SystemPalette20();
    TGIFPalette palette(system.begin(), system.begin() + 10);
    palette.insert(palette.end(), quantized.begin(), quantized.end());
    palette.insert(palette.end(), system.begin() + 10, system.end());
    return palette;
}

std::unique_ptr<TColorLookup> createLookup(const QImage &rgb, int method, int reductionBits,
                                           const TGIFPalette &customPalette)
{
    switch (method) {
    case rmWindows20:
        return std::make_unique<TFastColorLookup>(SystemPalette20());
    case rmWindows256:
        return std::make_unique<TFastColorLookup>(HalftonePalette());
    case rmWindowsGray:
        return std::make_unique<TFastColorLookup>(WindowsGrayPalette());
    case rmMonochrome:
        return std::make_unique<TMonochromeLookup>();
    case rmGrayScale:
        return std::make_unique<TGrayScaleLookup>();
    case rmNetscape:
        return std::make_unique<TNetscapeColorLookup>();
    case rmQuantize:
        if (reductionBits < 1 || reductionBits > 8)
            throw std::invalid_argument("reduction bits must be 1 to 8");
        return std::make_unique<TFastColorLookup>(quantizedPalette(rgb, 1 << reductionBits, 8, false));
    case rmQuantizeWindows:
        return std::make_unique<TFastColorLookup>(quantizedPalette(rgb, 236, 8, true));
    case rmPalette:
        if (customPalette.empty())
            throw std::invalid_argument("reduction to a given palette needs a palette");
        return std::make_unique<TFastColorLookup>(customPalette);
    default:
        throw std::invalid_argument("unknown colour reduction");
    }
}

} // namespace

QImage ReduceColors(const QImage &bitmap, int colorReduction, int ditherMode, int reductionBits,
                    const TGIFPalette &customPalette)
{
    if (colorReduction < rmNone || colorReduction > rmPalette)
        throw std::invalid_argument("unknown colour reduction");
    if (ditherMode < dmNearest || ditherMode > dmBurkes)
        throw std::invalid_argument("unknown dither mode");
    const QImage rgb = toRgb888(bitmap);
    if (colorReduction == rmNone)
        return rgb.copy();
    const std::unique_ptr<TColorLookup> lookup = createLookup(rgb, colorReduction, reductionBits, customPalette);
    const std::unique_ptr<TDitherEngine> ditherer = CreateDitherer(ditherMode, rgb.width(), *lookup);
    QImage result(rgb.width(), rgb.height(), QImage::Format_Indexed8);
    if (result.isNull())
        throw GIFException(GIFText::ImageTooLarge);
    result.setColorTable(colorTable(lookup->Palette()));
    for (int y = 0; y < rgb.height(); ++y)
        ditherer->DitherRow(rgb.constScanLine(y), result.scanLine(y));
    return result;
}

TGIFPalette CreateOptimizedPaletteFromBitmap(const QImage &bitmap, int colors, int colorBits, bool windows)
{
    return quantizedPalette(toRgb888(bitmap), windows ? 236 : colors, colorBits, windows);
}

QImage MapToExactPalette(const QImage &bitmap)
{
    const QImage rgb = toRgb888(bitmap);
    QImage result(rgb.width(), rgb.height(), QImage::Format_Indexed8);
    if (result.isNull())
        throw GIFException(GIFText::ImageTooLarge);
    std::unordered_map<std::uint32_t, int> indexOf;
    QList<QRgb> table;
    std::uint32_t lastColor = 0xFFFFFFFFu;
    int lastIndex = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const std::uint8_t *p = rgb.constScanLine(y);
        std::uint8_t *out = result.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x, p += 3) {
            const std::uint32_t color = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
            if (color != lastColor) {
                const auto [it, added] = indexOf.try_emplace(color, int(table.size()));
                if (added) {
                    if (table.size() == 256)
                        throw GIFException(GIFText::TooManyColors);
                    table.push_back(qRgb(p[0], p[1], p[2]));
                }
                lastColor = color;
                lastIndex = it->second;
            }
            out[x] = std::uint8_t(lastIndex);
        }
    }
    result.setColorTable(table);
    return result;
}
