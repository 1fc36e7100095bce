// Lines collected into runs in the device layer draw the same pixels as line by line.
#include "ChartTestSetup.h"
#include "PlotCanvasPens.h"
#include "PlotColor.h"
#include "TChartPen.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// 1000 lines of a walk: short steps, long jumps, long horizontal and vertical lines, some ends
// off the picture (drawn on their own), moves elsewhere now and then, the pen set to black and back between some lines and
// to a new colour between others.
void randomWalk(TPlotCanvas3D &canvas, unsigned seed, bool penChanges = true)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, 19);
    std::uniform_int_distribution<int> step(-4, 4);
    std::uniform_int_distribution<int> farX(-20, kWidth + 20);
    std::uniform_int_distribution<int> farY(-20, kHeight + 20);
    TColor colour = canvas.Pen()->Color();
    TPoint p{kWidth / 2, kHeight / 2};
    canvas.MoveTo(p.x, p.y);
    for (int i = 0; i < 1000; ++i) {
        const int kind = pick(random);
        if (kind == 0)
            p = {farX(random), farY(random)};
        else if (kind == 4)
            p.x = std::clamp(farX(random), 0, kWidth - 1);
        else if (kind == 5)
            p.y = std::clamp(farY(random), 0, kHeight - 1);
        else
            p = {std::clamp(p.x + step(random), 0, kWidth - 1), std::clamp(p.y + step(random), 0, kHeight - 1)};
        if (kind == 1) {
            canvas.MoveTo(p.x, p.y);
            continue;
        }
        if (kind == 2 && penChanges) {
            canvas.Pen()->SetColor(clBlack);
            canvas.Pen()->SetColor(colour);
        } else if (kind == 3 && penChanges) {
            colour ^= 0x00C0C0;
            canvas.Pen()->SetColor(colour);
        }
        canvas.LineTo(p.x, p.y);
    }
}

struct Scene
{
    const char *name;
    std::function<void(TPlotCanvas3D &)> draw;
    bool runsExpected;
};

} // namespace

TEST(LineRuns, DrawTheSamePixelsAsLineByLine)
{
    const Scene scenes[] = {
        {"copy", [](TPlotCanvas3D &c) {
             c.Pen()->SetColor(PlotColor::makeColor(31, 119, 180));
             randomWalk(c, 1);
         }, true},
        {"not-xor over a fill", [](TPlotCanvas3D &c) {
             c.Brush()->SetColor(clYellow);
             c.FillRect({0, 0, kWidth, kHeight / 2});
             c.Pen()->SetMode(pmNotXor);
             randomWalk(c, 2);
         }, true},
        {"clipped", [](TPlotCanvas3D &c) {
             c.ClipRectangle({20, 10, 120, 90});
             randomWalk(c, 3);
             c.UnClipRectangle();
         }, true},
        {"blend begun in a run", [](TPlotCanvas3D &c) {
             c.MoveTo(0, 60);
             for (int x = 8; x < kWidth; x += 8)
                 c.LineTo(x, x % 16 ? 20 : 100);
             auto blend = c.BeginBlending({30, 0, 130, kHeight}, 50);
             c.Brush()->SetColor(clRed);
             c.FillRect({0, 40, kWidth, 80});
             c.EndBlending(std::move(blend));
         }, true},
    };
    for (const Scene &scene : scenes) {
        SCOPED_TRACE(scene.name);
        QImage images[2];
        int linesInRuns[2] = {0, 0};
        for (const bool runs : {false, true}) {
            ScreenPass p(kWidth, kHeight, false);
            p.begin();
            p.canvas.dc().setLineRuns(runs);
            scene.draw(p.canvas);
            linesInRuns[runs] = p.canvas.dc().linesInRuns();
            p.canvas.dc().flush();
            images[runs] = p.image;
        }
        EXPECT_NE(images[0], whiteImage(kWidth, kHeight));
        EXPECT_TRUE(images[0] == images[1]);
        EXPECT_EQ(linesInRuns[0], 0);
        EXPECT_EQ(linesInRuns[1] > 0, scene.runsExpected);
    }
}

TEST(LineRuns, PixelsWrittenIntoTheImageAreThePaintersPixels)
{
    const TPoint hole[] = {{40, 20}, {120, 30}, {90, 100}};
    struct WriteScene
    {
        const char *name;
        QImage::Format format;
        std::function<void(TPlotCanvas3D &)> draw;
        bool written;
    };
    const WriteScene scenes[] = {
        {"copy", QImage::Format_RGB32, [](TPlotCanvas3D &c) { randomWalk(c, 5); }, true},
        {"premultiplied", QImage::Format_ARGB32_Premultiplied, [](TPlotCanvas3D &c) { randomWalk(c, 6); }, true},
        {"rectangle clip", QImage::Format_RGB32, [](TPlotCanvas3D &c) {
             c.ClipRectangle({20, 10, 120, 90});
             randomWalk(c, 7);
             c.UnClipRectangle();
         }, true},
        {"polygon clip", QImage::Format_RGB32, [&hole](TPlotCanvas3D &c) {
             c.ClipPolygon(hole, 3);
             randomWalk(c, 8);
             c.UnClipRectangle();
         }, false},
        {"xor", QImage::Format_RGB32, [](TPlotCanvas3D &c) {
             c.Pen()->SetMode(pmXor);
             randomWalk(c, 9);
         }, false},
        {"16-bit image", QImage::Format_RGB16, [](TPlotCanvas3D &c) { randomWalk(c, 10); }, false},
    };
    for (const WriteScene &scene : scenes) {
        SCOPED_TRACE(scene.name);
        const int written = expectSamePixelsWrittenDirectly(kWidth, kHeight, scene.format, scene.draw,
                                                            [](const PlotDC &dc) { return dc.runsWritten(); });
        EXPECT_EQ(written > 0, scene.written);
    }
}

TEST(LineRuns, EveryLineSetsItsFirstPixelAndLeavesOutItsLast)
{
    // Lines up and to the left lost their first pixel: rising curves were drawn dashed.
    const TPoint from{20, 15};
    const TPoint targets[] = {{26, 15}, {14, 15}, {20, 21}, {20, 9}, {26, 9}, {14, 21}, {23, 9},
                              {14, 12}, {17, 9}, {39, 15}, {0, 15}, {20, 29}, {20, 0}};
    for (const TPoint &to : targets) {
        SCOPED_TRACE(testing::Message() << to.x << "," << to.y);
        ScreenPass p(40, 30, false);
        p.begin();
        p.canvas.MoveTo(from.x, from.y);
        p.canvas.LineTo(to.x, to.y);
        EXPECT_NE(p.drawn().pixel(from.x, from.y), 0xFFFFFFFF);
        EXPECT_EQ(p.drawn().pixel(to.x, to.y), 0xFFFFFFFF);
    }
}

TEST(LineRuns, AntialiasingIsOffUntilAskedAndThenBlendsTheEdges)
{
    for (const bool antialiased : {false, true}) {
        SCOPED_TRACE(antialiased);
        ScreenPass p(kWidth, kHeight, false);
        if (antialiased)
            p.canvas.setAntialiasedLines(true);
        p.begin();
        p.canvas.MoveTo(0, 0);
        p.canvas.LineTo(150, 37);
        p.canvas.LineTo(10, 110);
        p.canvas.dc().flush();
        bool grey = false;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                grey = grey || (p.image.pixel(x, y) != 0xFFFFFFFF && p.image.pixel(x, y) != 0xFF000000);
        EXPECT_EQ(grey, antialiased);
    }
}

TEST(LineRuns, DashesRunOnAlongACurveOfShortLines)
{
    // Each 2-pixel line of a curve started the pattern again: a dashed curve came out solid.
    struct Pattern
    {
        TPenStyle style;
        int period; // pixels of one dash pattern of a one-pixel pen
        int set; // of them drawn
        int smallSpace = -1; // small dots with that gap, drawn by the device layer itself
    };
    const Pattern patterns[] = {{psDash, 6, 4},     {psDot, 3, 1},      {psDashDot, 9, 5}, {psDashDotDot, 12, 6},
                                {psSolid, 2, 1, 0}, {psSolid, 3, 1, 2}, {psSolid, 4, 1, 3}};
    constexpr int kLines = 1000;
    constexpr int kStep = 2;
    constexpr int kRow = 5;
    for (const Pattern &pattern : patterns) {
        SCOPED_TRACE(testing::Message() << int(pattern.style) << " small space " << pattern.smallSpace);
        ScreenPass p(kLines * kStep + 10, 12, false);
        p.begin();
        p.canvas.Pen()->SetStyle(pattern.style);
        if (pattern.smallSpace >= 0)
            p.canvas.Pen()->setHandle(PlotCanvas::CreateSmallDotsPen(clBlack, pattern.smallSpace));
        p.canvas.MoveTo(0, kRow);
        for (int i = 1; i <= kLines; ++i)
            p.canvas.LineTo(i * kStep, kRow);
        const QImage &drawn = p.drawn();
        std::vector<bool> ink;
        for (int x = 0; x < kLines * kStep; ++x)
            ink.push_back(drawn.pixel(x, kRow) != 0xFFFFFFFF);
        int set = 0;
        for (int x = 0; x < pattern.period; ++x)
            set += ink[std::size_t(x)];
        EXPECT_EQ(set, pattern.set);
        int mismatches = 0;
        for (std::size_t x = 0; x + std::size_t(pattern.period) < ink.size(); ++x)
            mismatches += ink[x] != ink[x + std::size_t(pattern.period)];
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(LineRuns, SmallDotsAlongConnectedLinesAreTheDotsOfOnePolyline)
{
    // Short steps and far ends off the picture, all connected: the dots run on from line to line
    // through the cut-back far ends, as along one polyline.
    std::mt19937 random(4);
    std::uniform_int_distribution<int> pick(0, 9);
    std::uniform_int_distribution<int> step(-4, 4);
    std::uniform_int_distribution<int> far(-5000, 5000);
    TPointArray points{{kWidth / 2, kHeight / 2}};
    for (int i = 0; i < 1000; ++i) {
        const TPoint last = points.back();
        points.push_back(pick(random) == 0 ? TPoint{far(random), far(random)}
                                           : TPoint{std::clamp(last.x + step(random), 0, kWidth - 1),
                                                    std::clamp(last.y + step(random), 0, kHeight - 1)});
    }
    for (const int space : {0, 1, 3}) {
        SCOPED_TRACE(space);
        TChartPen pen;
        pen.SetSmallDots(true);
        pen.SetSmallSpace(space);
        QImage images[2];
        for (const bool asLines : {false, true}) {
            ScreenPass p(kWidth, kHeight, false);
            p.begin();
            p.canvas.AssignVisiblePen(pen);
            if (asLines) {
                p.canvas.MoveTo(points.front().x, points.front().y);
                for (std::size_t i = 1; i < points.size(); ++i)
                    p.canvas.LineTo(points[i].x, points[i].y);
                EXPECT_GT(p.canvas.dc().linesInRuns(), 0);
            } else {
                p.canvas.Polyline(points);
            }
            p.canvas.dc().flush();
            images[asLines] = p.image;
        }
        EXPECT_NE(images[0], whiteImage(kWidth, kHeight));
        EXPECT_TRUE(images[0] == images[1]);
    }
}
