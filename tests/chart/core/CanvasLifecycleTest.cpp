// A canvas's life around its passes: attribute objects, painters, the chart font link, projection set-up.
#include "CanvasStateGuard.h"
#include "ChartTestSetup.h"
#include "PlotProcs.h"
#include "RecordingCanvas.h"
#include "TChartPen.h"
#include "TPlotFont.h"
#include "TPlotShadow.h"

#include <QPainter>

#include <gtest/gtest.h>

TEST(CanvasLifecycle, WithoutAPassEveryOperationFindsItsAttributesAndDrawsNothing)
{
    TPlotCanvas3D canvas;
    const auto expectAttributes = [&canvas] {
        EXPECT_NE(canvas.Pen(), nullptr);
        EXPECT_NE(canvas.Brush(), nullptr);
        EXPECT_NE(canvas.Font(), nullptr);
        EXPECT_EQ(canvas.GetHandle(), nullptr);
    };
    expectAttributes();
    TRect r{0, 0, 10, 10};
    canvas.Frame3D(r, clRed, clBlue, 2);
    EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
    TChartPen pen;
    pen.SetWidth(3);
    canvas.AssignVisiblePenColor(pen, clRed);
    EXPECT_EQ(canvas.Pen()->Width(), 3);
    canvas.TextOut(5, 5, QStringLiteral("a"));
    canvas.RotateLabel(5, 5, QStringLiteral("a"), 90.0);
    TPlotShadow shadow;
    shadow.SetSize(3);
    shadow.DrawZ(canvas, r, 0);
    PlotProcs::DrawCheckBox(0, 0, canvas, true, false, true);
    expectAttributes();

    // A buffered pass switches to the buffer's attributes; freeing the buffer falls back again.
    canvas.InitWindow(nullptr, nullptr, clWhite, false, {0, 0, 20, 20});
    const TPen *bufferPen = canvas.Pen();
    canvas.FreeBuffer();
    expectAttributes();
    EXPECT_NE(canvas.Pen(), bufferPen);
}

TEST(CanvasLifecycle, AChartFontForgetsACanvasThatDied)
{
    TPlotFont font;
    auto canvas = std::make_unique<TPlotCanvas3D>();
    canvas->AssignFont(&font);
    EXPECT_EQ(font.canvas(), canvas.get());
    canvas.reset();
    EXPECT_EQ(font.canvas(), nullptr);
}

namespace {

// A buffered screen canvas whose passes end on a small white image.
struct BufferedPasses
{
    QImage target = whiteImage(40, 30);
    GuiCanvas gui{&target};
    TView3DOptions options;
    TPlotCanvas3D canvas;
    const TRect bounds{0, 0, 40, 30};
    void begin() { canvas.InitWindow(&gui, &options, clWhite, false, bounds); }
    void end() { canvas.FlushBuffer(&gui, &gui, bounds); }
};

} // namespace

TEST(CanvasLifecycle, PaintersAreOpenOnlyDuringAPass)
{
    BufferedPasses p;
    QImage &target = p.target;
    GuiCanvas &gui = p.gui;
    TView3DOptions &options = p.options;
    TPlotCanvas3D &canvas = p.canvas;
    const TRect bounds = p.bounds;
    const auto pass = [&](TColor color) {
        canvas.InitWindow(&gui, &options, clWhite, false, bounds);
        EXPECT_NE(canvas.GetHandle(), nullptr);
        canvas.Brush()->SetColor(color);
        canvas.FillRect(bounds);
        canvas.FlushBuffer(&gui, &gui, bounds);
    };
    pass(clRed);
    EXPECT_FALSE(gui.isPainting());
    EXPECT_FALSE(canvas.buffer()->paintingActive());
    EXPECT_EQ(target.pixel(5, 5), qRgb(255, 0, 0));

    // Buffering switched off and on again around an export keeps the buffer and opens nothing.
    canvas.setKeepBufferWhenUnbuffering(true);
    canvas.SetBuffered(false);
    canvas.SetBuffered(true);
    EXPECT_FALSE(canvas.buffer()->paintingActive());
    const QImage copy = *canvas.buffer();
    pass(clBlue);
    EXPECT_EQ(copy.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.buffer()->pixel(5, 5), qRgb(0, 0, 255));

    // Unbuffered: the pass ends the painter it began, and leaves one attached from outside alone.
    canvas.SetBuffered(false);
    canvas.InitWindow(&gui, &options, clWhite, false, bounds);
    EXPECT_TRUE(gui.isPainting());
    canvas.FlushBuffer(&gui, nullptr, bounds);
    EXPECT_FALSE(gui.isPainting());
    QPainter outside(&target);
    gui.attachPainter(&outside);
    canvas.InitWindow(&gui, &options, clWhite, false, bounds);
    canvas.FlushBuffer(&gui, nullptr, bounds);
    EXPECT_TRUE(outside.isActive());
}

TEST(CanvasLifecycle, OnlyAFontChangeBuildsAFontAndItsMetrics)
{
    ScreenPass p(40, 30, false);
    p.begin();
    const PlotDC &dc = p.canvas.ReferenceCanvas()->dc();
    p.canvas.TextWidth(QStringLiteral("x"));
    const int fonts = dc.fontBuilds();
    const int metrics = dc.metricsBuilds();
    for (int i = 0; i < 1000; ++i) {
        p.canvas.Pen()->SetColor(TColor(i));
        p.canvas.Brush()->SetColor(TColor(i));
        p.canvas.LineTo(i % 40, 5);
        p.canvas.FillRect({0, 0, 2, 2});
    }
    EXPECT_EQ(dc.fontBuilds(), fonts);
    EXPECT_EQ(dc.metricsBuilds(), metrics);
    const int smallWidth = p.canvas.TextWidth(QStringLiteral("label 1"));
    const int size = p.canvas.Font()->Size();
    p.canvas.Font()->SetSize(14);
    EXPECT_GT(p.canvas.TextWidth(QStringLiteral("label 1")), smallWidth); // no width kept from the old font
    int total = 0;
    for (int i = 0; i < 1000; ++i)
        total += p.canvas.TextWidth(QStringLiteral("label %1").arg(i % 10));
    EXPECT_GT(total, 0);
    EXPECT_EQ(dc.fontBuilds(), fonts + 1);
    EXPECT_EQ(dc.metricsBuilds(), metrics + 1);
    // Widths are kept per font: back in the first font its widths hold, spacing makes another font.
    p.canvas.Font()->SetSize(size);
    EXPECT_EQ(p.canvas.TextWidth(QStringLiteral("label 1")), smallWidth);
    p.canvas.ReferenceCanvas()->dc().setCharExtra(3);
    EXPECT_EQ(p.canvas.TextWidth(QStringLiteral("label 1")), smallWidth + 7 * 3);
}

TEST(CanvasLifecycle, ARecordingCanvasProjectsAsTheScreenCanvasWithoutAPainter)
{
    TView3DOptions options;
    options.SetOrthogonal(false);
    options.SetElevation(315);
    options.SetRotation(350);
    options.SetPerspective(30);
    options.SetZoom(120);
    const TRect bounds{0, 0, 400, 300};
    ScreenPass screen;
    screen.canvas.InitWindow(&screen.gui, &options, clWhite, true, bounds);
    screen.canvas.CalcProjection(100, bounds);
    RecordingCanvas recording;
    recording.InitWindow(nullptr, &options, clWhite, true, bounds);
    recording.CalcProjection(100, bounds);
    EXPECT_EQ(recording.GetHandle(), nullptr);
    for (const TPoint3D &p : {TPoint3D{0, 0, 0}, TPoint3D{350, 40, 80}, TPoint3D{-20, 290, 100}}) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y << "," << p.z);
        EXPECT_EQ(recording.Calc3DTPoint(p), screen.canvas.Calc3DTPoint(p));
    }
}

TEST(CanvasLifecycle, TheStateGuardPutsPenAndBrushBackWhenADrawingThrows)
{
    TPlotCanvas3D canvas;
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetStyle(bsCross);
    const PenValues pen = canvas.Pen()->values();
    const BrushValues brush = canvas.Brush()->values();
    const auto drawing = [&canvas] {
        const CanvasStateGuard saved(canvas);
        canvas.Pen()->SetWidth(5);
        canvas.Pen()->SetMode(pmXor);
        canvas.Brush()->SetColor(clBlue);
        throw std::runtime_error("failed half way");
    };
    EXPECT_THROW(drawing(), std::runtime_error);
    EXPECT_EQ(canvas.Pen()->values(), pen);
    EXPECT_EQ(canvas.Brush()->values(), brush);
}

TEST(CanvasLifecycle, DrawingOverThePictureLeavesTheNextPassItsState)
{
    BufferedPasses p;
    TPlotCanvas3D &canvas = p.canvas;
    p.begin();
    const PenValues pen = canvas.Pen()->values();
    const BrushValues brush = canvas.Brush()->values();
    const int backMode = canvas.GetBackMode();
    const TColor backColor = canvas.GetBackColor();
    const int align = canvas.GetTextAlign();
    p.end();
    {
        // A rubber band in not-xor mode over the finished picture.
        const CanvasOverlay overlay(canvas);
        ASSERT_TRUE(overlay.isOpen());
        canvas.Pen()->SetMode(pmNotXor);
        canvas.Pen()->SetColor(clYellow);
        canvas.Brush()->SetStyle(bsClear);
        canvas.SetBackMode(backMode == cbmOpaque ? cbmTransparent : cbmOpaque);
        canvas.SetBackColor(clNavy);
        canvas.SetTextAlign(align ^ TA_CENTER);
        canvas.Rectangle(5, 5, 20, 20);
    }
    p.begin();
    EXPECT_EQ(canvas.Pen()->values(), pen);
    EXPECT_EQ(canvas.Brush()->values(), brush);
    EXPECT_EQ(canvas.GetBackMode(), backMode);
    EXPECT_EQ(canvas.GetBackColor(), backColor);
    EXPECT_EQ(canvas.GetTextAlign(), align);
    p.end();
}
