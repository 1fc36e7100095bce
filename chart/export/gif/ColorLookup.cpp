// Colour lookups of colour reduction.
#include "ColorLookup.h"

#include "GIFPalettes.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr std::uint16_t kFree = 0xFFFF;
}

TFastColorLookup::TFastColorLookup(const TGIFPalette &palette)
    : m_cache(32768, kFree)
{
    m_palette.assign(palette.begin(), palette.begin() + std::min<std::size_t>(palette.size(), 256));
    // Every entry claims the cell of its own colour; the lower index wins.
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
        const TGIFColor &c = m_palette[i];
        std::uint16_t &cell = m_cache[std::size_t(Cell(c.Red, c.Green, c.Blue))];
        if (cell == kFree)
            cell = std::uint16_t(i);
    }
}

int TFastColorLookup::Lookup(int red, int green, int blue, int &r, int &g, int &b)
{
    std::uint16_t &cell = m_cache[std::size_t(Cell(red, green, blue))];
    if (cell == kFree) {
        int best = 0;
        int bestDistance = 196608;
        for (std::size_t i = 0; i < m_palette.size(); ++i) {
            const TGIFColor &c = m_palette[i];
            const int distance = std::abs(red - c.Red) + std::abs(green - c.Green) + std::abs(blue - c.Blue);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = int(i);
            }
        }
        cell = std::uint16_t(best);
    }
    const TGIFColor &c = m_palette[cell];
    r = c.Red;
    g = c.Green;
    b = c.Blue;
    return cell;
}

TNetscapeColorLookup::TNetscapeColorLookup()
{
    m_palette = WebPalette();
}

int TNetscapeColorLookup::Lookup(int red, int green, int blue, int &r, int &g, int &b)
{
    const int kr = (red + 3) / 51;
    const int kg = (green + 3) / 51;
    const int kb = (blue + 3) / 51;
    r = 51 * kr;
    g = 51 * kg;
    b = 51 * kb;
    return 36 * kr + 6 * kg + kb;
}

TGrayScaleLookup::TGrayScaleLookup()
{
    m_palette = GrayScalePalette();
}

int TGrayScaleLookup::Lookup(int red, int green, int blue, int &r, int &g, int &b)
{
    const int grey = (77 * red + 150 * green + 29 * blue) >> 8;
    r = g = b = grey;
    return grey;
}

TMonochromeLookup::TMonochromeLookup()
{
    m_palette = MonochromePalette();
}

int TMonochromeLookup::Lookup(int red, int green, int blue, int &r, int &g, int &b)
{
    if (77 * red + 150 * green + 29 * blue < 32513) {
        r = g = b = 0;
        return 0;
    }
    r = g = b = 255;
    return 1;
}
