// Thin-pen rectangles written straight into an image set the pixels the painter sets.
#include "ChartTestSetup.h"
#include "PlotColor.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// 400 overlapping rectangles, small and large, some reaching off the picture, some with their
// corners given the other way round or of no size, in changing pen and brush colours.
void rectangles(TPlotCanvas3D &canvas, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> at(-10, kWidth + 10);
    std::uniform_int_distribution<int> size(-3, 14);
    std::uniform_int_distribution<int> pick(0, 9);
    for (int i = 0; i < 400; ++i) {
        const int left = at(random);
        const int top = at(random) * kHeight / kWidth;
        const int kind = pick(random);
        if (kind == 0)
            canvas.Brush()->SetColor(PlotColor::makeColor(i * 37 % 256, i * 91 % 256, i * 13 % 256));
        if (kind == 1)
            canvas.Pen()->SetColor(PlotColor::makeColor(i * 53 % 256, 40, i * 7 % 256));
        const int w = kind == 2 ? 60 : size(random);
        canvas.Rectangle(left, top, left + w, top + size(random));
    }
}

} // namespace

TEST(RectanglePixels, WrittenIntoTheImageAreThePaintersPixels)
{
    struct Scene
    {
        const char *name;
        QImage::Format format;
        std::function<void(TPlotCanvas3D &)> setUp;
        bool written;
    };
    const Scene scenes[] = {
        {"solid brush", QImage::Format_RGB32, [](TPlotCanvas3D &) {}, true},
        {"premultiplied", QImage::Format_ARGB32_Premultiplied, [](TPlotCanvas3D &) {}, true},
        {"clear brush", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Brush()->SetStyle(bsClear); }, true},
        {"rectangle clip", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.ClipRectangle({20, 10, 120, 90}); }, true},
        {"clear pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetStyle(psClear); }, false},
        {"wide pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetWidth(3); }, false},
        {"dotted pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetStyle(psDot); }, false},
        {"hatched brush", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Brush()->SetStyle(bsDiagCross); }, false},
        {"xor pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetMode(pmXor); }, false},
        {"16-bit image", QImage::Format_RGB16, [](TPlotCanvas3D &) {}, false},
    };
    for (const Scene &scene : scenes) {
        SCOPED_TRACE(scene.name);
        const auto draw = [&scene](TPlotCanvas3D &canvas) {
            canvas.Brush()->SetColor(clYellow);
            scene.setUp(canvas);
            rectangles(canvas, 11);
        };
        const int written = expectSamePixelsWrittenDirectly(kWidth, kHeight, scene.format, draw,
                                                            [](const PlotDC &dc) { return dc.rectanglesWritten(); });
        EXPECT_EQ(written > 0, scene.written);
    }
}
