// Call sequences of gradients, shadows and text, seen through the recording canvas.
#include "GoldenFiles.h"
#include "PlotColor.h"
#include "RecordingCanvas.h"
#include "TCustomPlotGradient.h"
#include "TPlotFont.h"
#include "TPlotShadow.h"

#include <gtest/gtest.h>

namespace {

using Recorder = RecordingPass;

std::vector<int> args(std::initializer_list<int> values) { return values; }

} // namespace

TEST(RadialGradient, TenByTenDrawsElevenEllipsesInsideAClip)
{
    Recorder r;
    TPlotGradient g;
    g.SetDirection(gdRadial);
    g.SetStartColor(0x000000);
    g.SetEndColor(0xFFFFFF);
    g.Draw(r.canvas, {0, 0, 10, 10});
    const QStringList ops = r.canvas.opNames();
    ASSERT_EQ(ops.size(), 14);
    EXPECT_EQ(ops.first(), "ClipRectangle");
    EXPECT_EQ(ops.at(1), "FillRect");
    EXPECT_EQ(ops.last(), "UnClipRectangle");
    EXPECT_EQ(r.canvas.calls().at(1).args, args({0, 0, 10, 10}));
    EXPECT_EQ(r.canvas.calls().at(1).brushColor, 0xFFFFFFu);
    EXPECT_FALSE(r.canvas.calls().at(1).penVisible());
    const struct { int grey; std::vector<int> box; } expected[] = {
        {255, {1, 1, 11, 11}}, {230, {2, 2, 10, 10}}, {204, {2, 2, 10, 10}}, {178, {2, 2, 10, 10}},
        {153, {3, 3, 9, 9}}, {128, {4, 4, 8, 8}}, {102, {4, 4, 8, 8}}, {76, {4, 4, 8, 8}},
        {51, {5, 5, 7, 7}}, {26, {6, 6, 6, 6}}, {0, {6, 6, 6, 6}}};
    const auto ellipses = r.canvas.calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(ellipses[i].brushColor, PlotColor::makeColor(expected[i].grey, expected[i].grey, expected[i].grey));
        EXPECT_EQ(ellipses[i].args, expected[i].box);
    }
}

TEST(RadialGradient, OddSizeKeepsTheStepAndEmptyDrawsNothing)
{
    Recorder r;
    TPlotGradient g;
    g.SetDirection(gdRadial);
    g.Draw(r.canvas, {0, 0, 11, 10});
    const auto ellipses = r.canvas.calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 11u);
    EXPECT_EQ(ellipses.front().args, args({2, 1, 12, 11})); // centre (6.5, 6); half sizes 5 and 4.55
    r.canvas.clear();
    g.Draw(r.canvas, {0, 0, 0, 0});
    EXPECT_TRUE(r.canvas.calls().empty());
    // The screen canvas's own fill, not the recorder's override.
    r.canvas.TPlotCanvas3D::GradientFill({5, 5, 5, 9}, clRed, clBlue, gdRadial, 50);
    EXPECT_TRUE(r.canvas.calls().empty());
}

TEST(RadialGradient, CanvasFillDrawsTheLinearRadialWhateverTheBalance)
{
    Recorder r;
    r.canvas.TPlotCanvas3D::GradientFill({10, 10, 0, 0}, 0x000000, 0xFFFFFF, gdRadial, 100);
    const auto ellipses = r.canvas.calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 11u);
    const int greys[] = {255, 230, 204, 178, 153, 128, 102, 76, 51, 26, 0};
    for (std::size_t i = 0; i < 11; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(ellipses[i].brushColor, PlotColor::makeColor(greys[i], greys[i], greys[i]));
    }
    EXPECT_EQ(ellipses.front().args, args({1, 1, 11, 11})); // the reversed box is oriented first
}

TEST(RadialGradient, HugeRectanglesKeepTheirEllipses)
{
    Recorder r;
    TPlotGradient g;
    g.SetDirection(gdRadial);
    g.Draw(r.canvas, {0, 0, 10000000, 10});
    const auto ellipses = r.canvas.calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 256u);
    // N = 255, f = 1/255: the outermost ellipse spans the whole width around the centre.
    EXPECT_EQ(ellipses.front().args, args({1, 1, 10000001, 11}));
}

TEST(ThreeColourGradient, SplitsAtTheCentreLine)
{
    Recorder r;
    TPlotGradient g;
    g.SetStartColor(clRed);
    g.SetMidColor(0x008000);
    g.SetEndColor(clBlue);
    g.Draw(r.canvas, {0, 0, 100, 100});
    const auto fills = r.canvas.calls("GradientFill");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].args, args({0, 0, 100, 50, 0x008000, int(clBlue), gdTopBottom, 50}));
    EXPECT_EQ(fills[1].args, args({0, 50, 100, 100, int(clRed), 0x008000, gdTopBottom, 50}));

    r.canvas.clear();
    g.SetDirection(gdDiagonalUp);
    g.SetBalance(70);
    g.Draw(r.canvas, {0, 0, 100, 100});
    ASSERT_EQ(r.canvas.count("GradientFill"), 1);
    EXPECT_EQ(r.canvas.calls("GradientFill")[0].args, args({0, 0, 100, 100, int(clRed), int(clBlue), gdDiagonalUp, 70}));
}

TEST(ThreeColourGradient, MonochromeCanvasDrawsGreys)
{
    Recorder r;
    r.canvas.SetMonochrome(true);
    TPlotGradient g;
    g.SetStartColor(0x0000FF);
    g.SetEndColor(0x00FF00);
    g.Draw(r.canvas, {0, 0, 10, 10});
    ASSERT_EQ(r.canvas.count("GradientFill"), 1);
    EXPECT_EQ(r.canvas.calls("GradientFill")[0].args[4], 0x555555);
    EXPECT_EQ(r.canvas.calls("GradientFill")[0].args[5], 0x555555);
}

TEST(PlotShadow, SmoothShadowFadesInStrips)
{
    Recorder r;
    r.canvas.Begin2D();
    r.canvas.clear();
    TPlotShadow s;
    s.SetColor(clBlack);
    s.SetSize(3);
    s.Draw(r.canvas, {10, 10, 50, 30});
    const auto h = r.canvas.calls("HorizLine");
    ASSERT_EQ(h.size(), 3u);
    const struct { std::vector<int> a; TColor c; } hs[] = {
        {{13, 50, 30}, 0x000000}, {{13, 51, 31}, 0x555555}, {{13, 52, 32}, 0xAAAAAA}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(h[i].args, hs[i].a);
        EXPECT_EQ(h[i].penColor, hs[i].c);
    }
    const auto v = r.canvas.calls("VertLine");
    const auto px = r.canvas.calls("SetPixel");
    ASSERT_EQ(v.size(), 3u);
    ASSERT_EQ(px.size(), 3u);
    const struct { std::vector<int> line; std::vector<int> pixel; TColor c; } vs[] = {
        {{50, 13, 30}, {49, 29, 0x000000}, 0x000000},
        {{51, 13, 31}, {50, 30, 0x555555}, 0x555555},
        {{52, 13, 32}, {51, 31, 0xAAAAAA}, 0xAAAAAA}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(v[i].args, vs[i].line);
        EXPECT_EQ(v[i].penColor, vs[i].c);
        EXPECT_EQ(px[i].args, vs[i].pixel);
    }
    EXPECT_EQ(r.canvas.count("BeginBlending"), 0);
}

TEST(PlotShadow, HardShadowAndInvisibleCases)
{
    Recorder r;
    r.canvas.Begin2D();
    TPlotShadow s;
    s.SetColor(clBlack);
    s.SetSize(3);
    s.SetSmooth(false);
    r.canvas.clear();
    s.Draw(r.canvas, {10, 10, 50, 30});
    auto rects = r.canvas.calls("Rectangle");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].args, args({13, 30, 53, 34}));
    EXPECT_EQ(rects[1].args, args({50, 13, 54, 34}));
    EXPECT_FALSE(rects[0].penVisible());
    EXPECT_EQ(rects[0].brushColor, clBlack);

    s.SetSmooth(true);
    s.SetSize(1); // a one-pixel fade is drawn hard
    r.canvas.clear();
    s.Draw(r.canvas, {10, 10, 50, 30});
    EXPECT_EQ(r.canvas.count("Rectangle"), 2);
    EXPECT_EQ(r.canvas.count("HorizLine"), 0);

    s.SetSmooth(false);
    s.SetVertSize(-2);
    s.SetHorizSize(0);
    r.canvas.clear();
    s.Draw(r.canvas, {10, 10, 50, 30});
    ASSERT_EQ(r.canvas.count("Rectangle"), 1);
    EXPECT_EQ(r.canvas.calls("Rectangle")[0].args, args({10, 11, 50, 8})); // above the rectangle

    s.SetTransparency(50);
    for (const auto &[color, size] : {std::pair<TColor, int>{clNone, 3}, {clBlack, 0}}) {
        s.SetColor(color);
        s.SetSize(size);
        r.canvas.clear();
        s.Draw(r.canvas, {10, 10, 50, 30});
        EXPECT_TRUE(r.canvas.calls().empty());
    }
}

TEST(PlotShadow, NestedBlendsKeepTheirOwnTransparency)
{
    Recorder r;
    r.canvas.Begin2D();
    r.canvas.clear();
    auto outer = r.canvas.BeginBlending({0, 0, 60, 40}, 30);
    TPlotShadow s;
    s.SetColor(clBlack);
    s.SetSize(3);
    s.SetTransparency(80);
    s.Draw(r.canvas, {10, 10, 50, 30});
    r.canvas.EndBlending(std::move(outer));
    const auto ends = r.canvas.calls("EndBlending");
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].args, args({80}));
    EXPECT_EQ(ends[1].args, args({30}));
    EXPECT_EQ(r.canvas.calls("BeginBlending")[1].args, args({13, 13, 54, 34, 80}));
}

TEST(TextOut, FontShadowIsDrawnFirstAndShiftsTheText)
{
    Recorder r;
    TPlotFont font;
    font.Shadow()->SetHorizSize(2);
    font.Shadow()->SetVertSize(-1);
    font.Shadow()->SetColor(clGray);
    font.SetColor(clRed);
    r.canvas.AssignFont(&font);
    r.canvas.TextOut(50, 60, QStringLiteral("t"));
    const auto texts = r.canvas.calls("TextOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].args, args({52, 60, 0}));
    EXPECT_EQ(texts[0].textColor, clGray);
    EXPECT_EQ(texts[1].args, args({50, 61, 0}));
    EXPECT_EQ(texts[1].textColor, clRed);
}

TEST(TextOut, ZoomedAndRotatedFonts)
{
    Recorder r;
    r.options.SetZoom(150);
    r.canvas.InitWindow(nullptr, &r.options, clWhite, true, {0, 0, 400, 300});
    r.canvas.CalcProjection(100, {0, 0, 400, 300});
    const struct { int size; int pixels; } cases[] = {{8, 16}, {11, 21}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        r.canvas.Font()->SetSize(c.size);
        r.canvas.clear();
        r.canvas.TextOut3D(200, 150, 0, QStringLiteral("a"));
        ASSERT_EQ(r.canvas.count("TextOut"), 1);
        EXPECT_EQ(r.canvas.calls("TextOut")[0].fontPixelSize, c.pixels);
    }
    const struct { double angle; int tenths; } angles[] = {{450, 900}, {720, 3600}, {-30, -300}};
    for (const auto &a : angles) {
        SCOPED_TRACE(a.angle);
        r.canvas.clear();
        r.canvas.RotateLabel(10, 10, QStringLiteral("a"), a.angle);
        ASSERT_EQ(r.canvas.count("TextOut"), 1);
        EXPECT_EQ(r.canvas.calls("TextOut")[0].textAngleTenths, a.tenths);
    }
}

namespace {

// The screen canvas with its line primitives logged: SetPixel3D is inherited, not recorded.
class LineSpy : public TPlotCanvas3D
{
public:
    LineSpy() { SetCanvas(&gui); }
    void MoveTo(int x, int y) override { log << QStringLiteral("MoveTo %1 %2").arg(x).arg(y); }
    void LineTo(int x, int y) override { log << QStringLiteral("LineTo %1 %2").arg(x).arg(y); }
    void SetPixel(int x, int y, TColor) override { log << QStringLiteral("SetPixel %1 %2").arg(x).arg(y); }
    GuiCanvas gui;
    QStringList log;
};

} // namespace

TEST(Canvas3D, SetPixel3DWithAWidePenDrawsAZeroLengthLine)
{
    LineSpy spy;
    spy.SetPixel3D(7, 8, 0, clRed);
    spy.Pen()->SetWidth(2);
    spy.SetPixel3D(7, 8, 0, clRed);
    EXPECT_EQ(spy.log, QStringList({"SetPixel 7 8", "MoveTo 7 8", "LineTo 7 8"}));
}

TEST(Canvas3D, DrawGraphic3DGivesOnePolygonPerPixelAndSkipsEmptyPictures)
{
    Recorder r;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    r.canvas.DrawGraphic3D({0, 0, 10, 4}, 0, &picture);
    const auto polygons = r.canvas.calls("Polygon");
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].brushColor, clRed);
    EXPECT_EQ(polygons[1].points.front(), (TPoint{5, 0}));
    r.canvas.clear();
    const QImage empty;
    r.canvas.DrawGraphic3D({0, 0, 10, 4}, 0, &empty);
    EXPECT_TRUE(r.canvas.calls().empty());
}

TEST(GoldenLogs, ShapeShadowAndGradientScene)
{
    Recorder r(true);
    TPlotShadow shadow;
    shadow.setDefaults(clBlack, 3);
    shadow.SetTransparency(40);
    shadow.DrawZ(r.canvas, {20, 20, 120, 80}, 0);
    TPlotGradient gradient;
    gradient.SetDirection(gdLeftRight);
    gradient.SetMidColor(clGreen);
    gradient.Draw(r.canvas, {20, 20, 120, 80}, 8);
    TRect frame{20, 20, 120, 80};
    r.canvas.Frame3D(frame, clWhite, clGray, 2);
    expectMatchesGolden(r.canvas.dump(), QStringLiteral("shape_shadow_gradient.log"));
}

TEST(Canvas3D, EllipseWithZIncludesTheEdgesOnlyWhenFlat)
{
    Recorder flat(false);
    flat.canvas.EllipseWithZ(10, 20, 30, 40, 5);
    ASSERT_EQ(flat.canvas.count("Ellipse"), 1);
    EXPECT_EQ(flat.canvas.calls("Ellipse")[0].args, args({10, 20, 31, 41}));

    // Orthogonal: the projected corners as they are, also inside a 2D bracket.
    Recorder ortho(true);
    for (bool bracket : {false, true}) {
        SCOPED_TRACE(bracket);
        ortho.canvas.clear();
        if (bracket)
            ortho.canvas.Begin2D();
        ortho.canvas.EllipseWithZ(100, 50, 140, 90, 20);
        if (bracket)
            ortho.canvas.End2D();
        ASSERT_EQ(ortho.canvas.count("Ellipse"), 1);
        EXPECT_EQ(ortho.canvas.calls("Ellipse")[0].args, args({120, 30, 160, 70}));
    }
}

TEST(CanvasBase, DarkenBrushShadesTheFillOrTheHatchBackground)
{
    Recorder r;
    r.canvas.Brush()->SetStyle(bsSolid);
    r.canvas.SetBackColor(clWhite);
    r.canvas.DarkenBrush(PlotColor::makeColor(200, 100, 20), 64);
    EXPECT_EQ(r.canvas.Brush()->Color(), PlotColor::makeColor(136, 36, 0));
    EXPECT_EQ(r.canvas.GetBackColor(), clWhite);

    r.canvas.Brush()->SetStyle(bsCross);
    r.canvas.Brush()->SetColor(clRed);
    r.canvas.DarkenBrush(clBtnFace, 128); // system colours are resolved first
    EXPECT_EQ(r.canvas.Brush()->Color(), clRed);
    EXPECT_EQ(r.canvas.GetBackColor(), PlotColor::makeColor(0x70, 0x70, 0x70));
}

TEST(CanvasBase, WideTextExtentsAddTheShadowToo)
{
    Recorder r;
    TPlotFont font;
    font.Shadow()->SetHorizSize(-4);
    font.Shadow()->SetVertSize(3);
    r.canvas.AssignFont(&font);
    const QString text = QStringLiteral("p\u00B0C \u03A9");
    EXPECT_EQ(r.canvas.WideTextWidth(text), 7 * int(text.size()) + 4);
    EXPECT_EQ(r.canvas.WideTextHeight(text), 12 + 3);
    EXPECT_EQ(r.canvas.WideTextWidth(text), r.canvas.TextWidth(text));
}
