// Pixel conventions of the screen canvas on small white images, probed exactly.
#include "ChartTestSetup.h"
#include "PlotColor.h"
#include "TChartPen.h"
#include "TPlotBlend.h"
#include "TPlotFont.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

QRgb rgb(TColor c) { return PlotColor::toQRgb(c); }

// Columns of row y that are not white.
std::vector<int> inkedColumns(const QImage &image, int y)
{
    std::vector<int> xs;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != kWhite)
            xs.push_back(x);
    return xs;
}

// Counter-clockwise angle of a screen vector in degrees, 0..360.
double screenAngle(double dx, double dy)
{
    const double a = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
    return a < 0 ? a + 360.0 : a;
}

// Distance of q from the ray that starts at c and runs through r; huge behind the start.
double distanceFromRay(double cx, double cy, double rx, double ry, double qx, double qy)
{
    const double dx = rx - cx;
    const double dy = ry - cy;
    const double len = std::hypot(dx, dy);
    if ((qx - cx) * dx + (qy - cy) * dy <= 0 || len == 0)
        return 1e9;
    return std::abs((qx - cx) * dy - (qy - cy) * dx) / len;
}

struct Pass2D : ScreenPass
{
    Pass2D(int w = 40, int h = 30)
        : ScreenPass(w, h, false)
    {
        begin();
    }
};

} // namespace

TEST(CanvasPixels, Frame3DDrawsBothBevelsAndReturnsTheInside)
{
    Pass2D p(20, 20);
    TRect r{0, 0, 10, 10};
    p.canvas.Frame3D(r, clRed, clBlue, 1);
    EXPECT_EQ(r, (TRect{1, 1, 9, 9}));
    for (int i = 0; i <= 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p.image.pixel(i, 0), rgb(clRed));
        EXPECT_EQ(p.image.pixel(0, i), rgb(clRed));
    }
    for (int i = 0; i <= 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p.image.pixel(9, i), rgb(clBlue));
        EXPECT_EQ(p.image.pixel(i, 9), rgb(clBlue));
    }
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x)
            ASSERT_EQ(p.image.pixel(x, y), kWhite) << x << "," << y;
    EXPECT_EQ(p.image.pixel(10, 10), kWhite);

    const QImage before = p.image.copy();
    TRect same{0, 0, 10, 10};
    p.canvas.Frame3D(same, clGreen, clGreen, 0);
    EXPECT_EQ(same, (TRect{0, 0, 10, 10}));
    EXPECT_EQ(p.image, before);
}

TEST(CanvasPixels, Frame3DCornersGoToTheBottomRightColour)
{
    Pass2D p(20, 20);
    TRect r{0, 0, 10, 10};
    p.canvas.Frame3D(r, clRed, clBlue, 1);
    // (9,0) ends the top-left polyline, whose last pixel is left out, and starts the
    // bottom-right one; (0,9) starts the top-left polyline but the bottom edge runs on to
    // left - 1 afterwards and covers it. Both corners end blue.
    EXPECT_EQ(p.image.pixel(9, 0), rgb(clBlue));
    EXPECT_EQ(p.image.pixel(0, 9), rgb(clBlue));
    EXPECT_EQ(p.image.pixel(0, 0), rgb(clRed));
    EXPECT_EQ(p.image.pixel(10, 0), kWhite);
    EXPECT_EQ(p.image.pixel(0, 10), kWhite);
}

TEST(CanvasPixels, PieEdgesRunFromTheCentreThroughTheRadialPoints)
{
    // Elongated boxes show an edge that misses its radial point by a fraction of a pixel.
    const struct { TRect box; TPoint start; TPoint end; } cases[] = {
        {{0, 0, 121, 13}, {120, 3}, {2, 9}},
        {{0, 0, 121, 25}, {110, 0}, {100, 24}},
        {{4, 2, 95, 39}, {94, 30}, {40, 2}},
        {{10, 5, 61, 56}, {60, 20}, {20, 60}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.box.left << "," << c.box.top << "," << c.box.right << "," << c.box.bottom);
        Pass2D p(130, 64);
        p.canvas.Pen()->SetStyle(psClear);
        p.canvas.Brush()->SetColor(clRed);
        p.canvas.Pie(c.box.left, c.box.top, c.box.right, c.box.bottom, c.start.x, c.start.y, c.end.x, c.end.y);
        // The ellipse the canvas draws for the box, in pixel-edge coordinates.
        const double a = (c.box.width() - 1) / 2.0;
        const double b = (c.box.height() - 1) / 2.0;
        const double cx = c.box.left + a;
        const double cy = c.box.top + b;
        const double start = screenAngle(c.start.x - cx, c.start.y - cy);
        double span = screenAngle(c.end.x - cx, c.end.y - cy) - start;
        if (span <= 0)
            span += 360.0;
        int probed = 0;
        for (int y = 0; y < p.image.height(); ++y) {
            for (int x = 0; x < p.image.width(); ++x) {
                const double qx = x + 0.5;
                const double qy = y + 0.5;
                const double rho = std::hypot((qx - cx) / a, (qy - cy) / b);
                if (std::abs(rho - 1.0) < 0.15 || std::hypot(qx - cx, qy - cy) < 1.0
                    || distanceFromRay(cx, cy, c.start.x, c.start.y, qx, qy) < 0.1
                    || distanceFromRay(cx, cy, c.end.x, c.end.y, qx, qy) < 0.1)
                    continue;
                double rel = screenAngle(qx - cx, qy - cy) - start;
                if (rel < 0)
                    rel += 360.0;
                const bool inside = rho < 1.0 && rel < span;
                ++probed;
                ASSERT_EQ(p.image.pixel(x, y), inside ? rgb(clRed) : kWhite) << x << "," << y;
            }
        }
        EXPECT_GT(probed, 1000);
    }
}

TEST(CanvasPixels, ArcStaysWithinItsSweep)
{
    Pass2D p(60, 60);
    // Counter-clockwise from 12 o'clock to 9 o'clock: the upper-left quarter of the circle.
    p.canvas.Arc(0, 0, 41, 41, 20, 0, 0, 20);
    int inked = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (p.image.pixel(x, y) != kWhite) {
                ++inked;
                ASSERT_LE(x, 20) << x << "," << y;
                ASSERT_LE(y, 20) << x << "," << y;
            }
    EXPECT_GT(inked, 25);
    // Both ends reach the axes, whatever the stroke does with its very last pixel.
    const auto inkedNear = [&](int x0, int y0, int dx, int dy) {
        for (int k = 0; k < 3; ++k)
            if (p.image.pixel(x0 + k * dx, y0 + k * dy) != kWhite)
                return true;
        return false;
    };
    EXPECT_TRUE(inkedNear(20, 0, -1, 0));
    EXPECT_TRUE(inkedNear(0, 20, 0, -1));
}

TEST(CanvasPixels, HandleIsThePainterOfThePassOnly)
{
    ScreenPass p(20, 20, false);
    EXPECT_EQ(p.canvas.GetHandle(), nullptr); // no target yet
    p.begin();
    QPainter *handle = p.canvas.GetHandle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->device(), &p.image);
    p.gui.endPaint();
    EXPECT_EQ(p.canvas.GetHandle(), nullptr);

    // Buffered: the handle paints the buffer, not the destination.
    p.canvas.SetBuffered(true);
    p.canvas.InitWindow(&p.gui, &p.options, clWhite, false, p.bounds);
    ASSERT_NE(p.canvas.GetHandle(), nullptr);
    EXPECT_EQ(p.canvas.GetHandle()->device(), p.canvas.buffer());
}

TEST(CanvasPixels, RectangleOutlineAndClearPenFill)
{
    Pass2D p;
    p.canvas.Pen()->SetColor(clBlack);
    p.canvas.Brush()->SetColor(clRed);
    p.canvas.Rectangle(2, 3, 8, 9);
    EXPECT_EQ(p.image.pixel(2, 3), rgb(clBlack));
    EXPECT_EQ(p.image.pixel(7, 8), rgb(clBlack));
    EXPECT_EQ(p.image.pixel(8, 5), kWhite);
    EXPECT_EQ(p.image.pixel(5, 9), kWhite);
    EXPECT_EQ(p.image.pixel(5, 5), rgb(clRed));

    p.canvas.Pen()->SetStyle(psClear);
    p.canvas.Brush()->SetColor(clBlue);
    p.canvas.Rectangle(20, 10, 14, 4); // reversed corners are normalised
    EXPECT_EQ(p.image.pixel(14, 4), rgb(clBlue));
    EXPECT_EQ(p.image.pixel(18, 8), rgb(clBlue));
    EXPECT_EQ(p.image.pixel(19, 5), kWhite);
    EXPECT_EQ(p.image.pixel(15, 9), kWhite);
}

TEST(CanvasPixels, FillRectCoversExactlyTheHalfOpenBox)
{
    Pass2D p;
    p.canvas.Brush()->SetColor(clGreen);
    p.canvas.FillRect({3, 4, 6, 7});
    EXPECT_EQ(p.image.pixel(3, 4), rgb(clGreen));
    EXPECT_EQ(p.image.pixel(5, 6), rgb(clGreen));
    EXPECT_EQ(p.image.pixel(6, 5), kWhite);
    EXPECT_EQ(p.image.pixel(4, 7), kWhite);
    EXPECT_EQ(p.image.pixel(2, 4), kWhite);
}

TEST(CanvasPixels, LinesLeaveOutTheirLastPixel)
{
    Pass2D p;
    p.canvas.Line(2, 5, 9, 5);
    EXPECT_EQ(inkedColumns(p.drawn(), 5), (std::vector<int>{2, 3, 4, 5, 6, 7, 8}));
    p.canvas.VertLine(20, 1, 4);
    EXPECT_EQ(p.drawn().pixel(20, 3), rgb(clBlack));
    EXPECT_EQ(p.drawn().pixel(20, 4), kWhite);
    p.canvas.Polyline({{2, 10}, {6, 10}, {6, 14}});
    EXPECT_EQ(inkedColumns(p.drawn(), 10), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(p.drawn().pixel(6, 13), rgb(clBlack));
    EXPECT_EQ(p.drawn().pixel(6, 14), kWhite);
}

TEST(CanvasPixels, PolygonFillsByPixelCentresWithAlternateRule)
{
    Pass2D p;
    p.canvas.Pen()->SetStyle(psClear);
    p.canvas.Brush()->SetColor(clRed);
    // A pentagram: its inner pentagon is outside under the alternate rule.
    p.canvas.Polygon({{15, 1}, {24, 28}, {1, 11}, {29, 11}, {6, 28}});
    EXPECT_EQ(p.image.pixel(15, 16), kWhite);
    EXPECT_EQ(p.image.pixel(15, 5), rgb(clRed));
}

TEST(CanvasPixels, SmallDotsPhaseStartsAtTheFirstPoint)
{
    const struct { int spacing; std::vector<int> columns; } cases[] = {{2, {0, 3, 6, 9}}, {0, {0, 2, 4, 6, 8, 10}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.spacing);
        Pass2D p;
        TChartPen pen;
        pen.SetSmallDots(true);
        pen.SetSmallSpace(c.spacing);
        p.canvas.AssignVisiblePen(pen);
        p.canvas.MoveTo(0, 0);
        p.canvas.LineTo(12, 0);
        EXPECT_EQ(inkedColumns(p.drawn(), 0), c.columns);
    }
}

TEST(CanvasPixels, SmallDotsToFarAwayPointsKeepTheirPhase)
{
    // Ends of a deeply zoomed series: walked pixel by pixel they took billions of steps.
    const struct { TPoint from; TPoint to; } cases[] = {
        {{0, 0}, {std::numeric_limits<int>::max(), 0}},
        {{-1999999998, 0}, {40, 0}}, // 1999999998 steps to x = 0, a multiple of 3
        {{-2000000000, 0}, {-1000000000, 0}}}; // nothing of it on the picture
    for (const auto &c : cases) {
        SCOPED_TRACE(c.from.x);
        Pass2D p;
        TChartPen pen;
        pen.SetSmallDots(true);
        pen.SetSmallSpace(2);
        p.canvas.AssignVisiblePen(pen);
        p.canvas.MoveTo(c.from.x, c.from.y);
        p.canvas.LineTo(c.to.x, c.to.y);
        const std::vector<int> expected =
            c.to.x < 0 ? std::vector<int>{} : std::vector<int>{0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39};
        EXPECT_EQ(inkedColumns(p.drawn(), 0), expected);
    }
}

TEST(CanvasPixels, NotXorPenRestoresTheBackgroundWhenDrawnTwice)
{
    Pass2D p;
    p.canvas.Brush()->SetColor(clYellow);
    p.canvas.FillRect({0, 0, 20, 20});
    const QImage before = p.image.copy();
    TChartPen pen;
    pen.SetMode(pmNotXor);
    pen.SetColor(clBlack);
    p.canvas.AssignVisiblePen(pen);
    p.canvas.Line(0, 5, 30, 5);
    EXPECT_NE(p.drawn(), before);
    p.canvas.Line(0, 5, 30, 5);
    EXPECT_EQ(p.drawn(), before);
}

TEST(CanvasPixels, FillsCopyTheirPatternWhateverThePenMode)
{
    // A tool left the pen in xor mode: outlined shapes mix with it, plain fills and gradients do not.
    Pass2D p;
    p.canvas.Brush()->SetColor(clYellow);
    p.canvas.FillRect({0, 0, 40, 30});
    p.canvas.Pen()->SetMode(pmXor);
    p.canvas.Brush()->SetColor(clRed);
    p.canvas.FillRect({0, 0, 10, 10});
    EXPECT_EQ(p.image.pixel(5, 5) & 0xFFFFFF, rgb(clRed) & 0xFFFFFF);
    p.canvas.GradientFill({10, 0, 20, 10}, clBlue, clBlue, gdTopBottom, 50);
    EXPECT_EQ(p.image.pixel(15, 5) & 0xFFFFFF, rgb(clBlue) & 0xFFFFFF);
    p.canvas.Pen()->SetStyle(psClear);
    p.canvas.Rectangle(20, 0, 31, 11);
    EXPECT_EQ(p.image.pixel(25, 5) & 0xFFFFFF, rgb(clLime) & 0xFFFFFF); // yellow xor red
}

TEST(CanvasPixels, HatchesSlantAsThePlatformDraws)
{
    const struct { TBrushStyle style; int dx; } cases[] = {{bsFDiagonal, 1}, {bsBDiagonal, -1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.style));
        Pass2D p(32, 32);
        p.canvas.Brush()->SetStyle(c.style);
        p.canvas.Brush()->SetColor(clBlack);
        p.canvas.FillRect({0, 0, 32, 32});
        // Find an inked pixel in the middle and follow the hatch one row down.
        int x = 8;
        while (x < 24 && p.image.pixel(x, 10) == kWhite)
            ++x;
        ASSERT_LT(x, 24);
        EXPECT_NE(p.image.pixel(x + c.dx, 11), kWhite);
        EXPECT_EQ(p.image.pixel(x - c.dx, 11), kWhite);
    }
}

TEST(CanvasPixels, ClipUnclipAndHole)
{
    Pass2D p;
    p.canvas.Brush()->SetColor(clRed);
    p.canvas.ClipRectangle({5, 5, 10, 10});
    p.canvas.FillRect({0, 0, 40, 30});
    EXPECT_EQ(p.image.pixel(4, 5), kWhite);
    EXPECT_EQ(p.image.pixel(5, 5), rgb(clRed));
    EXPECT_EQ(p.image.pixel(10, 9), kWhite);
    p.canvas.UnClipRectangle();
    p.canvas.Brush()->SetColor(clBlue);
    p.canvas.ClipEllipse({20, 0, 40, 20}, true);
    p.canvas.FillRect({20, 0, 40, 20});
    EXPECT_EQ(p.image.pixel(30, 10), kWhite); // inside the hole
    EXPECT_EQ(p.image.pixel(20, 0), rgb(clBlue));
    p.canvas.UnClipRectangle();
    p.canvas.FillRect({0, 25, 40, 30});
    EXPECT_EQ(p.image.pixel(0, 29), rgb(clBlue));
}

TEST(CanvasPixels, AHugeEllipseClipsAsTheEllipse)
{
    // Wider than 2^16 pixels (a zoomed point): the clip is the ellipse, not nothing.
    Pass2D p(400, 300);
    p.canvas.Brush()->SetColor(clRed);
    p.canvas.ClipEllipse({200 - 150000, 100, 200 + 150000, 200}, false);
    p.canvas.FillRect({0, 0, 400, 300});
    p.canvas.UnClipRectangle();
    EXPECT_EQ(p.image.pixel(200, 150), rgb(clRed));
    EXPECT_EQ(p.image.pixel(0, 150), rgb(clRed));
    EXPECT_EQ(p.image.pixel(200, 98), kWhite);
    EXPECT_EQ(p.image.pixel(200, 201), kWhite);
    // A hole of that size leaves only what lies outside it.
    p.canvas.Brush()->SetColor(clBlue);
    p.canvas.ClipEllipse({-100000, -100000, 100000, 100000}, true);
    p.canvas.FillRect({0, 0, 400, 300});
    p.canvas.UnClipRectangle();
    EXPECT_EQ(p.image.pixel(200, 150), rgb(clRed));
    EXPECT_EQ(p.image.pixel(5, 5), kWhite);
}

TEST(CanvasPixels, ClipCubeIn2DInsetsLeftTopAndBottom)
{
    Pass2D p(60, 60);
    p.canvas.ClipCube({10, 10, 50, 50}, 0, 10);
    p.canvas.Brush()->SetColor(clRed);
    p.canvas.FillRect({0, 0, 60, 60});
    p.canvas.UnClipRectangle();
    EXPECT_EQ(p.image.pixel(10, 20), kWhite);
    EXPECT_EQ(p.image.pixel(11, 11), rgb(clRed));
    EXPECT_EQ(p.image.pixel(49, 48), rgb(clRed));
    EXPECT_EQ(p.image.pixel(20, 49), kWhite);
    EXPECT_EQ(p.image.pixel(50, 20), kWhite);
}

TEST(CanvasPixels, GradientRowsTopToBottom)
{
    Pass2D p(10, 100);
    p.canvas.GradientFill({0, 0, 10, 100}, clRed, clBlue, gdTopBottom, 50);
    const struct { int row; QRgb color; } rows[] = {
        {99, qRgb(255, 0, 0)}, {98, qRgb(253, 0, 2)}, {50, qRgb(129, 0, 126)}, {49, qRgb(127, 0, 128)}, {0, qRgb(0, 0, 255)}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(p.image.pixel(5, r.row) & 0xFFFFFF, r.color & 0xFFFFFF);
    }
    p.canvas.GradientFill({0, 0, 10, 100}, clRed, clBlue, gdBottomTop, 50);
    EXPECT_EQ(p.image.pixel(5, 99), rgb(clBlue));
    EXPECT_EQ(p.image.pixel(5, 0), rgb(clRed));

    p.canvas.GradientFill({0, 0, 10, 100}, clRed, clBlue, gdTopBottom, 100);
    EXPECT_EQ(p.image.pixel(5, 99), qRgb(255, 0, 0));
    EXPECT_EQ(p.image.pixel(5, 50), qRgb(191, 0, 64));
    EXPECT_EQ(p.image.pixel(5, 1), qRgb(5, 0, 250));

    Pass2D thin(10, 10);
    thin.canvas.GradientFill({0, 3, 10, 4}, clRed, clBlue, gdTopBottom, 50);
    EXPECT_EQ(inkedColumns(thin.image, 3), std::vector<int>{});
}

TEST(CanvasPixels, BlendingMixesTheCaptureBack)
{
    const struct { int transparency; QRgb expected; } cases[] = {
        {25, qRgb(50, 25, 12)}, {100, qRgb(200, 100, 50)}, {0, qRgb(0, 0, 0)}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.transparency);
        Pass2D p(20, 20);
        p.canvas.Brush()->SetColor(PlotColor::makeColor(200, 100, 50));
        p.canvas.FillRect({0, 0, 20, 20});
        auto blend = p.canvas.BeginBlending({5, 5, 10, 10}, c.transparency);
        p.canvas.Brush()->SetColor(clBlack);
        p.canvas.FillRect({0, 0, 20, 20});
        p.canvas.EndBlending(std::move(blend));
        EXPECT_EQ(p.image.pixel(7, 7), c.expected);
        EXPECT_EQ(p.image.pixel(2, 2), qRgb(0, 0, 0));
    }
}

TEST(CanvasPixels, NestedBlendsMixWithTheirOwnTransparency)
{
    // A transparent shape (30) whose transparent shadow (80) opens a second blend inside it.
    Pass2D p(20, 20);
    p.canvas.Brush()->SetColor(PlotColor::makeColor(200, 100, 50));
    p.canvas.FillRect({0, 0, 20, 20});
    auto shape = p.canvas.BeginBlending({0, 0, 20, 20}, 30);
    p.canvas.Brush()->SetColor(clBlack);
    p.canvas.FillRect({0, 0, 20, 20});
    auto shadow = p.canvas.BeginBlending({10, 10, 20, 20}, 80);
    p.canvas.Brush()->SetColor(clWhite);
    p.canvas.FillRect({10, 10, 20, 20});
    p.canvas.EndBlending(std::move(shadow));
    EXPECT_EQ(p.image.pixel(15, 15), qRgb(51, 51, 51));
    p.canvas.EndBlending(std::move(shape));
    EXPECT_EQ(p.image.pixel(5, 5), qRgb(60, 30, 15));
    EXPECT_EQ(p.image.pixel(15, 15), qRgb(95, 65, 51));
}

TEST(CanvasPixels, WhiteStaysWhiteAtTransparencyZero)
{
    Pass2D p(10, 10);
    p.canvas.Brush()->SetColor(clBlack);
    p.canvas.FillRect({0, 0, 10, 10});
    auto blend = p.canvas.BeginBlending({0, 0, 10, 10}, 0);
    p.canvas.Brush()->SetColor(clWhite);
    p.canvas.FillRect({0, 0, 10, 10});
    p.canvas.EndBlending(std::move(blend));
    EXPECT_EQ(p.image.pixel(4, 4), kWhite);
}

TEST(CanvasPixels, BlendRectangleIsClampedToTheBounds)
{
    Pass2D p(40, 30);
    auto narrow = p.canvas.BeginBlending({10, 10, 10, 20}, 50);
    EXPECT_TRUE(narrow->Valid());
    EXPECT_EQ(narrow->Rect().width(), 1);
    auto outside = p.canvas.BeginBlending({50, 10, 60, 20}, 50);
    EXPECT_FALSE(outside->Valid());
    auto below = p.canvas.BeginBlending({5, 40, 10, 50}, 50);
    EXPECT_FALSE(below->Valid());
    const QImage before = p.image.copy();
    p.canvas.EndBlending(std::move(outside));
    EXPECT_EQ(p.image, before);
    EXPECT_EQ(p.canvas.BeginBlending({0, 0, 5, 5}, 200)->transparency(), 72);
}

TEST(CanvasPixels, BlendingWorksOnTheBufferWhenBuffered)
{
    ScreenPass p(20, 20, false);
    p.canvas.SetBuffered(true);
    const TRect r = p.canvas.InitWindow(&p.gui, &p.options, clWhite, false, p.bounds);
    EXPECT_EQ(r, (TRect{0, 0, 20, 20}));
    p.canvas.Brush()->SetColor(PlotColor::makeColor(200, 100, 50));
    p.canvas.FillRect({0, 0, 20, 20});
    auto blend = p.canvas.BeginBlending({0, 0, 20, 20}, 100);
    p.canvas.Brush()->SetColor(clBlack);
    p.canvas.FillRect({0, 0, 20, 20});
    p.canvas.EndBlending(std::move(blend));
    EXPECT_EQ(p.image.pixel(3, 3), kWhite); // not flushed yet
    p.canvas.FlushBuffer(&p.gui, &p.gui, p.bounds);
    p.gui.endPaint();
    EXPECT_EQ(p.image.pixel(3, 3), qRgb(200, 100, 50));
    EXPECT_FALSE(p.canvas.bufferOutOfDate());
}

TEST(CanvasPixels, UnbufferingWithKeepBufferKeepsTheImage)
{
    ScreenPass p(20, 20, false);
    p.canvas.SetBuffered(true);
    p.canvas.InitWindow(&p.gui, &p.options, clWhite, false, p.bounds);
    p.canvas.FlushBuffer(&p.gui, &p.gui, p.bounds);
    p.canvas.setKeepBufferWhenUnbuffering(true);
    p.canvas.SetBuffered(false);
    EXPECT_NE(p.canvas.buffer(), nullptr);
    EXPECT_FALSE(p.canvas.bufferOutOfDate());
    p.canvas.setKeepBufferWhenUnbuffering(false);
    p.canvas.SetBuffered(true);
    p.canvas.SetBuffered(false);
    EXPECT_EQ(p.canvas.buffer(), nullptr);
    EXPECT_TRUE(p.canvas.bufferOutOfDate());
}

TEST(CanvasText, ShadowAddsToExtentsAndAlignmentPicksTheCell)
{
    Pass2D p;
    TPlotFont font;
    p.canvas.AssignFont(&font);
    const int plainHeight = p.canvas.TextHeight(QStringLiteral("x"));
    font.Shadow()->SetHorizSize(-3);
    font.Shadow()->SetVertSize(2);
    EXPECT_EQ(p.canvas.TextWidth(QString()), 3);
    EXPECT_EQ(p.canvas.TextHeight(QStringLiteral("x")), plainHeight + 2);

    font.Shadow()->SetSize(0);
    const int w = p.canvas.TextWidth(QStringLiteral("Hg"));
    const int h = p.canvas.TextHeight(QStringLiteral("Hg"));
    const struct { int align; TRect rect; } cases[] = {
        {TA_LEFT, {50, 60, 50 + w, 60 + h}}, {TA_RIGHT | TA_BOTTOM, {50 - w, 60 - h, 50, 60}},
        {TA_CENTER | TA_BOTTOM, {50 - w / 2, 60 - h, 50 + w / 2, 60}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.align);
        p.canvas.SetTextAlign(c.align);
        EXPECT_EQ(p.canvas.textRect(50, 60, QStringLiteral("Hg")), c.rect);
    }
    p.canvas.SetTextAlign(TA_RIGHT | TA_BASELINE);
    const TRect baseline = p.canvas.textRect(50, 60, QStringLiteral("Hg"));
    EXPECT_EQ(baseline.right, 50); // right stays right on the baseline
    EXPECT_LT(baseline.top, 60);
    EXPECT_GT(baseline.bottom, 60);
}

TEST(CanvasText, FontZoomRoundsHalfToEvenAndResetKeepsIt)
{
    Pass2D p;
    TPlotFont font;
    p.canvas.setFontZoom(150);
    const struct { int size; int zoomed; } cases[] = {{8, 12}, {11, 16}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        font.SetSize(c.size);
        p.canvas.AssignFont(&font);
        EXPECT_EQ(p.canvas.Font()->Size(), c.zoomed);
    }
    p.canvas.ResetState();
    EXPECT_EQ(p.canvas.FontZoom(), 150.0); // was zeroed, giving size-0 fonts
    p.canvas.AssignFont(&font);
    EXPECT_EQ(p.canvas.Font()->Size(), 16);
    p.canvas.setFontZoom(100);
    p.canvas.AssignFont(&font);
    EXPECT_EQ(p.canvas.Font()->Size(), 11);
}

TEST(CanvasText, TextIsDrawnBelowAndRightOfTheReferencePoint)
{
    Pass2D p(80, 60);
    TPlotFont font;
    font.SetSize(14);
    p.canvas.AssignFont(&font);
    p.canvas.SetBackMode(cbmTransparent);
    p.canvas.TextOut(20, 20, QStringLiteral("HH"));
    int minX = 80, minY = 60, maxY = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            if (p.image.pixel(x, y) != kWhite) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxY, 0);
    EXPECT_GE(minX, 20);
    EXPECT_GE(minY, 20);
    EXPECT_LT(maxY, 20 + p.canvas.TextHeight(QStringLiteral("HH")));
}

TEST(CanvasText, GradientWithOutlineFillsOnlyTheOutline)
{
    const auto render = [](bool outline) {
        Pass2D p(80, 80);
        TPlotFont font;
        font.SetSize(48);
        font.SetStyle(fsBold);
        font.Gradient()->SetVisible(true);
        font.Gradient()->SetStartColor(clRed);
        font.Gradient()->SetEndColor(clRed);
        font.Gradient()->SetOutline(outline);
        p.canvas.AssignFont(&font);
        p.canvas.TextOut(10, 5, QStringLiteral("I"));
        return p.image.copy();
    };
    const QImage filled = render(false);
    const QImage hollow = render(true);
    // The stem of the filled glyph: the rows inked in one run from its top to its bottom edge.
    std::vector<int> stemRows;
    for (int y = 0; y < filled.height(); ++y) {
        const std::vector<int> xs = inkedColumns(filled, y);
        if (xs.size() >= 6 && int(xs.size()) == xs.back() - xs.front() + 1)
            stemRows.push_back(y);
    }
    ASSERT_GE(stemRows.size(), 20u);
    const int row = stemRows[stemRows.size() / 2];
    const std::vector<int> stem = inkedColumns(filled, row);
    const int middle = (stem.front() + stem.back()) / 2;
    EXPECT_EQ(filled.pixel(middle, row), rgb(clRed));
    EXPECT_EQ(hollow.pixel(middle, row), kWhite);
    EXPECT_FALSE(inkedColumns(hollow, row).empty());
}

TEST(CanvasPixels, UnbufferedExportBlendsIntoTheTargetNotTheKeptBuffer)
{
    ScreenPass p(20, 20, false);
    p.canvas.SetBuffered(true);
    p.canvas.InitWindow(&p.gui, &p.options, clWhite, false, p.bounds);
    p.canvas.FlushBuffer(&p.gui, &p.gui, p.bounds);
    p.gui.endPaint();
    p.canvas.setKeepBufferWhenUnbuffering(true);
    p.canvas.SetBuffered(false);
    QImage exported = whiteImage(20, 20);
    GuiCanvas target(&exported);
    p.canvas.InitWindow(&target, &p.options, clWhite, false, p.bounds);
    p.canvas.Brush()->SetColor(PlotColor::makeColor(200, 100, 50));
    p.canvas.FillRect({0, 0, 20, 20});
    auto blend = p.canvas.BeginBlending({0, 0, 20, 20}, 100);
    p.canvas.Brush()->SetColor(clBlack);
    p.canvas.FillRect({0, 0, 20, 20});
    p.canvas.EndBlending(std::move(blend));
    target.endPaint();
    EXPECT_EQ(exported.pixel(5, 5), qRgb(200, 100, 50));
}

TEST(CanvasPixels, FarAwayCoordinatesAreCutToTheGuardSquare)
{
    constexpr int kFar = 67108863; // the farthest pixel the chart engine sends
    Pass2D line(400, 300);
    line.canvas.Line(-kFar, 10, kFar, 10);
    for (int y = 0; y < 300; ++y)
        ASSERT_EQ(inkedColumns(line.image, y).size(), y == 10 ? 400u : 0u) << "row " << y;

    // The same pixels as with the far sides pulled in to the edge of the picture and beyond.
    const auto draw = [](int reach) {
        Pass2D p(400, 300);
        p.canvas.Brush()->SetColor(clRed);
        p.canvas.Rectangle(-reach, 20, reach, 40);
        p.canvas.Polygon({{-reach, 50}, {reach, 50}, {reach, 100}, {-reach, 100}});
        p.canvas.Polyline({{-reach, 120}, {200, 120}, {200, 130}, {reach, 130}});
        p.canvas.FillRect({-reach, 140, reach, 150});
        return p.image.copy();
    };
    EXPECT_TRUE(draw(kFar) == draw(1000));

    // Curves whose box leaves the square are drawn as polygons: a very wide, flat ellipse.
    Pass2D ellipse(400, 300);
    ellipse.canvas.Brush()->SetColor(clRed);
    ellipse.canvas.Ellipse(200 - 50000000, 100, 200 + 50000000, 200);
    EXPECT_EQ(ellipse.image.pixel(200, 150), rgb(clRed));
    EXPECT_EQ(ellipse.image.pixel(5, 150), rgb(clRed));
    EXPECT_EQ(ellipse.image.pixel(200, 99), kWhite);
    EXPECT_EQ(ellipse.image.pixel(200, 201), kWhite);
    ellipse.canvas.Pie(-kFar, -kFar, kFar, kFar, kFar, 0, 0, -kFar);
    ellipse.canvas.Arc(-kFar, -kFar, kFar, kFar, kFar, 0, 0, -kFar);
    ellipse.canvas.RoundRect(-kFar, 250, kFar, 290, 16, 16);
    EXPECT_EQ(ellipse.image.pixel(200, 270), rgb(clRed));
}

TEST(CanvasPixels, RasterModesDrawInCopyModeWhileMetafiling)
{
    for (bool metafiling : {true, false}) {
        SCOPED_TRACE(metafiling);
        Pass2D p;
        p.canvas.setMetafiling(metafiling);
        // Copy mode in the colour the pen leaves on the panel's colour, not in the pen's own.
        p.canvas.setXorGround(clSilver);
        p.canvas.Pen()->SetMode(pmXor);
        p.canvas.Pen()->SetColor(clRed);
        p.canvas.Line(0, 5, 30, 5);
        EXPECT_EQ(p.drawn().pixel(10, 5), metafiling ? qRgb(63, 192, 192) : rgb(clAqua)); // red xor silver; white xor red
    }
}
