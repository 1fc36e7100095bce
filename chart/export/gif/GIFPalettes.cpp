// Fixed palettes of colour reduction.
#include "GIFPalettes.h"

#include <algorithm>

namespace {

constexpr TGIFColor kSystemFirst[10] = {{0, 0, 0},     {128, 0, 0},     {0, 128, 0},    {128, 128, 0},
                                        {0, 0, 128},   {128, 0, 128},   {0, 128, 128},  {192, 192, 192},
                                        {192, 220, 192}, {166, 202, 240}};
constexpr TGIFColor kSystemLast[10] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                                       {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                                       {0, 255, 255},   {255, 255, 255}};

bool contains(const TGIFPalette &palette, TGIFColor color)
{
    return std::find(palette.begin(), palette.end(), color) != palette.end();
}

} // namespace

TGIFPalette SystemPalette20()
{
    TGIFPalette palette(std::begin(kSystemFirst), std::end(kSystemFirst));
    palette.insert(palette.end(), std::begin(kSystemLast), std::end(kSystemLast));
    return palette;
}

TGIFPalette HalftonePalette()
{
    const TGIFPalette system = SystemPalette20();
    TGIFPalette middle;
    for (const TGIFColor &c : WebPalette())
        if (!contains(system, c))
            middle.push_back(c);
    for (int grey = 8; middle.size() < 236 && grey < 256; grey += 8) {
        const TGIFColor c{std::uint8_t(grey), std::uint8_t(grey), std::uint8_t(grey)};
        if (!contains(system, c) && !contains(middle, c))
            middle.push_back(c);
    }
    TGIFPalette palette(std::begin(kSystemFirst), std::end(kSystemFirst));
    palette.insert(palette.end(), middle.begin(), middle.end());
    palette.insert(palette.end(), std::begin(kSystemLast), std::end(kSystemLast));
    return palette;
}

TGIFPalette WindowsGrayPalette()
{
    return {{0, 0, 0}, {128, 128, 128}, {192, 192, 192}, {255, 255, 255}};
}

TGIFPalette MonochromePalette()
{
    return {{0, 0, 0}, {255, 255, 255}};
}

TGIFPalette GrayScalePalette()
{
    TGIFPalette palette;
    for (int i = 0; i < 256; ++i)
        palette.push_back({std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)});
    return palette;
}

TGIFPalette WebPalette()
{
    TGIFPalette palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({std::uint8_t(51 * r), std::uint8_t(51 * g), std::uint8_t(51 * b)});
    return palette;
}
