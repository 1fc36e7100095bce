// Colour reduction: palettes of the nine methods, lookups, the six ditherers and the octree quantizer.
#include "ColorLookup.h"
#include "DitherEngine.h"
#include "GIFPalettes.h"
#include "ReduceColors.h"

#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QImage greyImage(int width, int height, int grey)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(qRgb(grey, grey, grey));
    return image;
}

std::vector<std::vector<int>> indexRows(const QImage &image)
{
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < image.height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < image.width(); ++x)
            rows.back().push_back(image.pixelIndex(x, y));
    }
    return rows;
}

// A small picture with gradients and lines, some hundreds of colours.
QImage colourfulImage()
{
    QImage image(97, 61, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 61);
    gradient.setColorAt(0, QColor(250, 250, 255));
    gradient.setColorAt(1, QColor(120, 160, 220));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QColor(214, 39, 40));
    painter.drawLine(0, 60, 96, 0);
    painter.setPen(QColor(44, 160, 44));
    painter.drawEllipse(10, 10, 40, 30);
    return image;
}

} // namespace

TEST(ColorLookup, FixedLookupsMapGreysAsSpecified)
{
    TNetscapeColorLookup web;
    TMonochromeLookup mono;
    const std::pair<int, int> webGreys[] = {{0, 0},     {47, 0},    {48, 51},   {98, 51},   {99, 102}, {149, 102},
                                            {150, 153}, {200, 153}, {201, 204}, {251, 204}, {252, 255}, {255, 255}};
    int r = 0, g = 0, b = 0;
    for (const auto &[grey, expected] : webGreys) {
        const int index = web.Lookup(grey, grey, grey, r, g, b);
        EXPECT_EQ(r, expected) << grey;
        EXPECT_EQ(web.Palette()[std::size_t(index)].Green, expected) << grey;
    }
    EXPECT_EQ(mono.Lookup(127, 127, 127, r, g, b), 0);
    EXPECT_EQ(mono.Lookup(128, 128, 128, r, g, b), 1);
    EXPECT_EQ(r, 255);
    TFastColorLookup fast({{0, 0, 0}, {250, 0, 0}, {0, 0, 250}});
    EXPECT_EQ(fast.Lookup(200, 10, 40, r, g, b), 1);
    EXPECT_EQ(fast.Lookup(201, 11, 41, r, g, b), 1) << "the same 5-5-5 cell gives the same answer";
}

TEST(ReduceColors, PalettesOfEveryMethod)
{
    const QImage source = colourfulImage();
    struct Case
    {
        int method;
        int colours;
    };
    for (const Case c : {Case{1, 20}, Case{2, 256}, Case{3, 4}, Case{4, 2}, Case{5, 256}, Case{6, 216}}) {
        SCOPED_TRACE(c.method);
        const QImage reduced = ReduceColors(source, c.method, dmNearest, 8, {});
        ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
        EXPECT_EQ(reduced.colorCount(), c.colours);
        const QList<QRgb> table = reduced.colorTable();
        EXPECT_EQ(QSet<QRgb>(table.begin(), table.end()).size(), c.colours);
    }
    const QList<QRgb> greys = ReduceColors(source, rmWindowsGray, dmNearest, 8, {}).colorTable();
    EXPECT_EQ(greys, (QList<QRgb>{qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(255, 255, 255)}));
    const QList<QRgb> web = ReduceColors(source, rmNetscape, dmNearest, 8, {}).colorTable();
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(web[36 * r + 6 * ((r + 2) % 6) + 5], qRgb(51 * r, 51 * ((r + 2) % 6), 255));
    const QList<QRgb> windows = ReduceColors(source, rmQuantizeWindows, dmNearest, 8, {}).colorTable();
    const TGIFPalette system = SystemPalette20();
    ASSERT_GE(windows.size(), 21);
    EXPECT_LE(windows.size(), 256);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(windows[i], qRgb(system[std::size_t(i)].Red, system[std::size_t(i)].Green, system[std::size_t(i)].Blue));
        const TGIFColor &last = system[std::size_t(10 + i)];
        EXPECT_EQ(windows[windows.size() - 10 + i], qRgb(last.Red, last.Green, last.Blue));
    }
}

TEST(HalftonePalette, HoldsSystemColoursWebCubeAndGreysWithoutDuplicates)
{
    const TGIFPalette palette = HalftonePalette();
    ASSERT_EQ(palette.size(), 256u);
    const TGIFPalette system = SystemPalette20();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(palette[std::size_t(i)], system[std::size_t(i)]);
        EXPECT_EQ(palette[std::size_t(246 + i)], system[std::size_t(10 + i)]);
    }
    EXPECT_EQ(palette[10], (TGIFColor{0, 0, 51})) << "the first cube colour that is no system colour";
    EXPECT_EQ(palette[218], (TGIFColor{8, 8, 8})) << "208 cube colours, then greys from 8";
    QSet<int> seen;
    for (const TGIFColor &c : palette)
        seen.insert(c.Red << 16 | c.Green << 8 | c.Blue);
    EXPECT_EQ(seen.size(), 256);
}

TEST(ReduceColors, QuantizeKeepsToTheRequestedNumberOfColours)
{
    const QImage source = colourfulImage();
    for (const int bits : {4, 8}) {
        const QImage reduced = ReduceColors(source, rmQuantize, dmFloydSteinberg, bits, {});
        EXPECT_LE(reduced.colorCount(), 1 << bits);
        QSet<int> used;
        for (const auto &row : indexRows(reduced))
            used.unite(QSet<int>(row.begin(), row.end()));
        EXPECT_LE(used.size(), 1 << bits);
        EXPECT_GT(used.size(), 1);
    }
    // Few colours come back exactly.
    QImage four(8, 8, QImage::Format_RGB32);
    four.fill(qRgb(10, 20, 30));
    four.setPixel(1, 1, qRgb(200, 0, 0));
    four.setPixel(2, 2, qRgb(0, 200, 0));
    four.setPixel(3, 3, qRgb(0, 0, 200));
    const QImage exact = ReduceColors(four, rmQuantize, dmNearest, 8, {});
    EXPECT_EQ(exact.colorCount(), 4);
    EXPECT_EQ(exact.convertToFormat(QImage::Format_RGB32), four);
}

TEST(ReduceColors, OptimizedPaletteKeepsItsColourDepthBetweenTheSystemColours)
{
    // One bit per channel leaves the octree at most 8 colours; the Windows variant puts them between the
    // first and last ten system colours.
    const QImage source = colourfulImage();
    const TGIFPalette plain = CreateOptimizedPaletteFromBitmap(source, 256, 1, false);
    const TGIFPalette windows = CreateOptimizedPaletteFromBitmap(source, 256, 1, true);
    EXPECT_LE(plain.size(), 8u);
    ASSERT_EQ(windows.size(), plain.size() + 20);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), windows.begin() + 10));
    const TGIFPalette system = SystemPalette20();
    EXPECT_TRUE(std::equal(system.begin(), system.begin() + 10, windows.begin()));
    EXPECT_TRUE(std::equal(system.begin() + 10, system.end(), windows.end() - 10));
}

TEST(ReduceColors, NearestWithWebPaletteIsTheDirectLookup)
{
    const QImage source = colourfulImage().convertToFormat(QImage::Format_RGB888);
    const QImage reduced = ReduceColors(source, rmNetscape, dmNearest, 8, {});
    TNetscapeColorLookup web;
    int r = 0, g = 0, b = 0;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = source.pixel(x, y);
            ASSERT_EQ(reduced.pixelIndex(x, y), web.Lookup(qRed(p), qGreen(p), qBlue(p), r, g, b));
        }
}

TEST(ReduceColors, ErrorDiffusionFollowsTheSerpentineScan)
{
    // Worked by hand: value = 100 + (error + divisor / 2) div divisor, truncated; black below 128.
    EXPECT_EQ(indexRows(ReduceColors(greyImage(4, 2, 100), rmMonochrome, dmFloydSteinberg, 8, {})),
              (std::vector<std::vector<int>>{{0, 1, 0, 0}, {1, 0, 0, 1}}));
    EXPECT_EQ(indexRows(ReduceColors(greyImage(6, 3, 100), rmMonochrome, dmStucki, 8, {})),
              (std::vector<std::vector<int>>{{0, 0, 1, 0, 0, 1}, {0, 1, 0, 0, 1, 0}, {1, 0, 1, 0, 0, 1}}));
}

TEST(ReduceColors, EveryDithererKeepsAverageBrightness)
{
    // Grey 100 in black and white: about 100/255 of the pixels white, for every ditherer. Narrow pictures
    // send most of the error into the margins; they must only stay inside the error rows.
    for (int mode = dmFloydSteinberg; mode <= dmBurkes; ++mode) {
        for (const QSize size : {QSize(64, 64), QSize(1, 50), QSize(2, 2)}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << size.width() << "x" << size.height());
            const QImage reduced = ReduceColors(greyImage(size.width(), size.height(), 100), rmMonochrome, mode, 8, {});
            int white = 0;
            for (const auto &row : indexRows(reduced)) {
                ASSERT_TRUE(std::all_of(row.begin(), row.end(), [](int i) { return i == 0 || i == 1; }));
                white += int(std::count(row.begin(), row.end(), 1));
            }
            if (size.width() > 2) {
                EXPECT_NEAR(double(white) / (size.width() * size.height()), 100.0 / 255, 0.02);
            }
        }
    }
}

TEST(ReduceColors, NoneCopiesAndUnknownNumbersAreRefused)
{
    const QImage source = colourfulImage();
    const QImage copy = ReduceColors(source, rmNone, dmNearest, 8, {});
    EXPECT_EQ(copy.format(), QImage::Format_RGB888);
    EXPECT_EQ(copy.convertToFormat(QImage::Format_RGB32), source);
    EXPECT_THROW(ReduceColors(source, 11, dmNearest, 8, {}), std::invalid_argument);
    EXPECT_THROW(ReduceColors(source, rmNetscape, 9, 8, {}), std::invalid_argument);
    EXPECT_THROW(ReduceColors(source, rmQuantize, dmNearest, 0, {}), std::invalid_argument);
    EXPECT_THROW(ReduceColors(source, rmPalette, dmNearest, 8, {}), std::invalid_argument);
    const QImage custom = ReduceColors(source, rmPalette, dmNearest, 8, {{0, 0, 0}, {255, 255, 255}, {214, 39, 40}});
    EXPECT_EQ(custom.colorCount(), 3);
}
