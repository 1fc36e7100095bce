// Sizes far beyond any picture: frames, shadows and clips cost no more than the pixels they
// cover, and the 3D view's scales and offsets stay within their limits.
#include "ChartTestSetup.h"
#include "PlotColor.h"
#include "PropertyLimits.h"
#include "TPlotShadow.h"
#include "TView3DOptions.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

struct Pass2D : ScreenPass
{
    Pass2D()
        : ScreenPass(40, 30, false)
    {
        begin();
    }
};

QImage framed(int width, TRect &rect)
{
    Pass2D p;
    p.canvas.Frame3D(rect, clRed, clBlue, width);
    return p.drawn().copy();
}

} // namespace

// Past the smaller side every further step would draw outside the rectangle: a huge width draws
// what that many steps draw, and the inside it leaves is the whole width in.
TEST(ExtremeSizes, AFrameWiderThanItsRectangleDrawsOnlyTheRectangle)
{
    TRect reference{5, 5, 15, 11};
    const QImage sideSteps = framed(6, reference);
    // The bottom edge of each step runs on one pixel to the left, as in a frame of width 1.
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 30; ++y)
            if (x < 4 || x >= 15 || y < 5 || y >= 11)
                ASSERT_EQ(sideSteps.pixel(x, y), kWhite) << x << "," << y;
    const struct
    {
        int width;
        TRect inside;
    } cases[] = {
        {7, {12, 12, 8, 4}},
        {100000000, {100000005, 100000005, -99999985, -99999989}},
        {kMax, {kMax, kMax, 15 - kMax, 11 - kMax}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.width);
        TRect rect{5, 5, 15, 11};
        EXPECT_EQ(framed(c.width, rect), sideSteps);
        EXPECT_EQ(rect, c.inside);
    }
}

// A shadow larger than the canvas is the area it covers; one moved off the canvas draws nothing.
TEST(ExtremeSizes, AShadowLargerThanTheCanvasCoversItsArea)
{
    const struct
    {
        int horiz;
        int vert;
        int x;
        int y;
        bool inked;
    } cases[] = {
        {kMax, 4, 39, 16, true},  // the right strip reaches the edge
        {kMax, 4, 12, 29, false}, // the bottom strip moved off the canvas
        {4, kMax, 16, 29, true},
        {4, kMax, 39, 12, false},
        {kMin, 4, 0, 16, true},
        {4, kMin, 16, 0, true},
        {2000, 2000, 39, 29, false},
        {-2000, 3, 0, 16, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.horiz << ", " << c.vert << " at " << c.x << "," << c.y);
        Pass2D p;
        p.canvas.Begin2D();
        TPlotShadow shadow;
        shadow.SetColor(clBlack);
        shadow.SetHorizSize(c.horiz);
        shadow.SetVertSize(c.vert);
        shadow.DrawZ(p.canvas, {10, 10, 20, 20}, 0);
        const QImage &image = p.drawn();
        EXPECT_EQ(image.pixel(c.x, c.y) != kWhite, c.inked);
        EXPECT_EQ(image.pixel(15, 15), kWhite); // the rectangle itself is left to its owner
    }
}

// A clip polygon a billion pixels wide is cut to the picture before it becomes a region.
TEST(ExtremeSizes, AHugeClipPolygonClipsWhatItCovers)
{
    const struct
    {
        std::vector<TPoint> polygon;
        TPoint inside;
        TPoint outside;
    } cases[] = {
        {{{20, kMin + 1}, {kMax, kMin + 1}, {kMax, kMax}, {20, kMax}}, {30, 15}, {10, 15}},
        {{{-1000000000, -1000000000}, {1000000000, 1000000000}, {1000000000, -1000000000}}, {30, 5}, {5, 25}},
        {{{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}}, {0, 0}, {-1, -1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.polygon[0].x << "," << c.polygon[0].y);
        Pass2D p;
        p.canvas.ClipPolygon(c.polygon.data(), int(c.polygon.size()));
        p.canvas.Brush()->SetColor(clBlack);
        p.canvas.FillRect({0, 0, 40, 30});
        p.canvas.UnClipRectangle();
        const QImage &image = p.drawn();
        EXPECT_NE(image.pixel(c.inside.x, c.inside.y), kWhite);
        if (c.outside.x >= 0)
            EXPECT_EQ(image.pixel(c.outside.x, c.outside.y), kWhite);
        else
            EXPECT_NE(image.pixel(39, 29), kWhite);
    }
}

// The setters of the projection's scales and offsets clamp to the limits the file reader checks.
TEST(ExtremeSizes, ViewScalesAndOffsetsClampToTheirLimits)
{
    using namespace PropertyLimits;
    const struct
    {
        void (TView3DOptions::*set)(int);
        int (TView3DOptions::*get)() const;
        int value;
        int stored;
    } cases[] = {
        {&TView3DOptions::SetZoom, &TView3DOptions::Zoom, -1000000000, kMinZoomPercent},
        {&TView3DOptions::SetZoom, &TView3DOptions::Zoom, kMax, kMaxZoomPercent},
        {&TView3DOptions::SetZoom, &TView3DOptions::Zoom, 250, 250},
        {&TView3DOptions::SetFontZoom, &TView3DOptions::FontZoom, 0, kMinZoomPercent},
        {&TView3DOptions::SetFontZoom, &TView3DOptions::FontZoom, 65536, kMaxZoomPercent},
        {&TView3DOptions::SetPerspective, &TView3DOptions::Perspective, -1, 0},
        {&TView3DOptions::SetPerspective, &TView3DOptions::Perspective, kMax, kMaxPerspectivePercent},
        {&TView3DOptions::SetHorizOffset, &TView3DOptions::HorizOffset, kMin, -kMaxOffsetPx},
        {&TView3DOptions::SetHorizOffset, &TView3DOptions::HorizOffset, -40, -40},
        {&TView3DOptions::SetVertOffset, &TView3DOptions::VertOffset, kMax, kMaxOffsetPx},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        TView3DOptions options;
        (options.*c.set)(c.value);
        EXPECT_EQ((options.*c.get)(), c.stored);
    }
}
