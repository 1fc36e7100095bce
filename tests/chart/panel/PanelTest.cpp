// Chart panels: chart rectangle, repaint rules, listeners, back image, zoom band, paint failures.
#include "ChartTestSetup.h"
#include "GoldenFiles.h"
#include "PanelTestSetup.h"
#include "PlotColor.h"
#include "PlotException.h"
#include "RecordingCanvas.h"
#include "ScriptedMessageService.h"
#include "TCustomPlotPanelExtended.h"
#include "TPlotCanvas3D.h"
#include "TZoomPanning.h"
#include "TestPropertyFiler.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TPlotCanvas3D &screenCanvas(TCustomPlotPanel &panel)
{
    return *dynamic_cast<TPlotCanvas3D *>(panel.Canvas());
}

} // namespace

TEST(ChartPanel, ChartRectangleFromMarginsAndFrame)
{
    const struct { const char *name; TBevelCut outer; TPlotUnits units; std::array<int, 4> margins; TRect rect; } cases[] = {
        {"percent, no frame", bvNone, muPercent, {3, 4, 3, 4}, {12, 10, 388, 240}},
        {"percent, raised bevel", bvRaised, muPercent, {3, 4, 3, 4}, {13, 11, 387, 239}},
        {"pixels", bvNone, muPixels, {5, 6, 7, 8}, {5, 6, 393, 242}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TCustomPlotPanel panel;
        panel.SetBevelOuter(c.outer);
        panel.SetMarginUnits(c.units);
        for (int side = 0; side < 4; ++side)
            panel.SetMargin(TCustomPlotPanel::MarginSide(side), c.margins[side]);
        drawPanel(panel);
        EXPECT_EQ(panel.ChartBounds, (TRect{0, 0, 400, 250}));
        EXPECT_EQ(panel.ChartRect, c.rect);
    }
}

TEST(ChartPanel, ACollapsedChartRectangleIsWidenedNeverEmpty)
{
    TCustomPlotPanel panel;
    panel.SetBevelOuter(bvNone);
    panel.SetMarginUnits(muPixels);
    panel.SetMarginTop(0);
    panel.SetMarginBottom(0);
    // Margins that would leave no plot share half of the bounds by their sizes.
    panel.SetMarginLeft(300);
    panel.SetMarginRight(100);
    drawPanel(panel);
    EXPECT_EQ(panel.ChartRect.left, 150);
    EXPECT_EQ(panel.ChartRect.right, 350);
    // A rectangle collapsed by what comes after the margins is widened.
    panel.ChartRect = {250, 0, 250, 100};
    panel.CalcChartDimensions();
    EXPECT_EQ(panel.ChartRect.right, 250 + panel.width());
    panel.ChartRect = {300, 0, 200, 100};
    panel.CalcChartDimensions();
    EXPECT_EQ(panel.ChartRect.right, 301);
    EXPECT_EQ(panel.ChartWidth, 1);
}

TEST(ChartPanel, PrintRectangleFromMarginsAndProportion)
{
    FakePrinter printer({4800, 6600}, {600, 600});
    TCustomPlotPanel panel;
    panel.SetPrinterInfo(&printer);
    panel.SetPrintProportional(false);
    EXPECT_EQ(panel.ChartPrintRect(), (TRect{720, 990, 4080, 5610}));

    EXPECT_EQ(panel.CalcProportionalMargins(), (std::array<int, 4>{15, 34, 15, 34}));
    panel.SetPrintProportional(true);
    const TRect proportional = panel.ChartPrintRect();
    EXPECT_EQ(proportional.top, 2244);
    EXPECT_EQ(proportional.bottom, 4356);
    panel.resize(250, 400);
    EXPECT_EQ(panel.CalcProportionalMargins(), (std::array<int, 4>{20, 15, 20, 15}));

    // Without a printer the screen stands in, with square pixels.
    FakePrinter none({1, 1}, {1, 1}, false);
    panel.SetPrinterInfo(&none);
    panel.resize(400, 250);
    EXPECT_EQ(panel.CalcProportionalMargins()[0], 15);
}

namespace {

class CountingListener : public TPlotEventListener
{
public:
    explicit CountingListener(bool cancels = false)
        : m_cancels(cancels)
    {
    }
    void PlotEvent(TPlotEvent &event) override
    {
        ++received;
        if (m_cancels && dynamic_cast<TPlotMouseEvent *>(&event))
            static_cast<TCustomPlotPanel *>(event.Sender)->CancelMouse = true;
    }
    int received = 0;

private:
    bool m_cancels;
};

} // namespace

TEST(ChartPanel, AListenerThatCancelsStopsMouseEventsButNotViewEvents)
{
    TCustomPlotPanel panel;
    CountingListener first;
    CountingListener second(true);
    CountingListener third;
    for (auto *listener : {&first, &second, &third})
        panel.Listeners().Add(listener);
    panel.BroadcastMouseEvent(TPlotMouseEvent::meDown, mbLeft, {}, 5, 6);
    EXPECT_EQ(first.received, 1);
    EXPECT_EQ(second.received, 1);
    EXPECT_EQ(third.received, 0);
    panel.SetView3D(false);
    EXPECT_EQ(first.received, 2);
    EXPECT_EQ(third.received, 1);
    panel.RemoveListener(&second);
    panel.CancelMouse = false;
    panel.BroadcastMouseEvent(TPlotMouseEvent::meMove, mbLeft, {}, 5, 6);
    EXPECT_EQ(third.received, 2);
}

TEST(ChartPanel, MouseEventsReachTheListenersAndACancelledDoubleClickEndsThere)
{
    TCustomPlotPanel panel;
    std::vector<TPlotMouseEvent> seen;
    class Recorder : public TPlotEventListener
    {
    public:
        explicit Recorder(std::vector<TPlotMouseEvent> &seen)
            : m_seen(seen)
        {
        }
        void PlotEvent(TPlotEvent &event) override
        {
            if (auto *mouse = dynamic_cast<TPlotMouseEvent *>(&event))
                m_seen.push_back(*mouse);
        }

    private:
        std::vector<TPlotMouseEvent> &m_seen;
    } recorder(seen);
    panel.Listeners().Add(&recorder);
    const auto send = [&panel](QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers keys) {
        QMouseEvent event(type, QPointF(30, 40), panel.mapToGlobal(QPointF(30, 40)), button, button, keys);
        QCoreApplication::sendEvent(&panel, &event);
    };
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Kind, TPlotMouseEvent::meDown);
    EXPECT_EQ(seen[0].Button, mbRight);
    EXPECT_EQ(seen[0].Shift, TShiftState(ssShift | ssRight));
    EXPECT_EQ(seen[0].X, 30);
    EXPECT_EQ(seen[0].Y, 40);

    QObject::connect(&panel, &TCustomPlotPanel::OnDblClick, [&panel] { panel.CancelMouse = true; });
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(seen.size(), 1u); // no press follows a cancelled double click
}

TEST(ChartPanel, RoundedBorderMasksTheWindow)
{
    QWidget parent;
    TCustomPlotPanel panel(&parent);
    panel.SetBorderRound(40);
    EXPECT_FALSE(panel.mask().isEmpty());
    EXPECT_FALSE(panel.mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(panel.mask().contains(QPoint(200, 125)));
    panel.SetBorderRound(0);
    EXPECT_TRUE(panel.mask().isEmpty());
}

TEST(ChartPanel, OnlyRealChangesInvalidateAndNotWithoutAutoRepaint)
{
    TCustomPlotPanel panel;
    drawPanel(panel);
    TPlotCanvas3D &canvas = screenCanvas(panel);
    ASSERT_FALSE(canvas.bufferOutOfDate());
    panel.SetMarginLeft(panel.MarginLeft());
    panel.SetView3D(panel.View3D());
    panel.SetColor(panel.Color());
    EXPECT_FALSE(canvas.bufferOutOfDate());
    panel.SetMarginLeft(7);
    EXPECT_TRUE(canvas.bufferOutOfDate());

    drawPanel(panel);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::darkCyan);
    panel.setPalette(palette); // a changed system or parent palette repaints
    EXPECT_TRUE(canvas.bufferOutOfDate());

    drawPanel(panel);
    panel.AutoRepaint = false;
    panel.SetMarginLeft(9);
    panel.Border()->SetVisible(true);
    panel.View3DOptions()->SetZoom(150);
    EXPECT_FALSE(canvas.bufferOutOfDate());
}

TEST(ChartPanel, AResizedPanelDrawsAWholePassAtItsNewSize)
{
    TCustomPlotPanelExtended panel;
    panel.SetColor(clRed);
    panel.AutoRepaint = false; // a new size is no property change: it repaints all the same
    panel.grab();
    panel.resize(500, 300);
    const QImage picture = panel.grab().toImage();
    EXPECT_EQ(picture.pixel(450, 280), qRgb(255, 0, 0));
    EXPECT_EQ(screenCanvas(panel).buffer()->size(), QSize(500, 300));
    EXPECT_EQ(panel.ChartRect.right, 500 - 1 - 15);
}

TEST(ChartPanel, TheDefaultColourPaintsTheButtonFace)
{
    TCustomPlotPanelExtended panel;
    panel.SetColor(clDefault);
    const QImage picture = panel.grab().toImage();
    EXPECT_EQ(picture.pixel(200, 150), PlotColor::toQRgb(clBtnFace));
    EXPECT_EQ(panel.GetBackColor(), clBtnFace);
}

TEST(ChartPanel, BackImageTilesCentresAndSkipsEmptyPictures)
{
    TCustomPlotPanelExtended panel;
    auto recording = std::make_unique<RecordingCanvas>();
    RecordingCanvas &canvas = *recording;
    panel.SetCanvas(std::move(recording));
    panel.BackImage()->SetGraphic(QImage(100, 50, QImage::Format_RGB32));
    panel.SetBackImageMode(pbmTile);
    canvas.clear();
    panel.DrawBackImage({0, 0, 250, 120}, 0);
    QStringList ops = canvas.opNames();
    ASSERT_EQ(ops.size(), 11);
    EXPECT_EQ(ops.first(), "ClipRectangle");
    EXPECT_EQ(ops.last(), "UnClipRectangle");
    std::set<std::pair<int, int>> at;
    for (const RecordedCall &c : canvas.calls("Draw"))
        at.insert({c.args[0], c.args[1]});
    EXPECT_EQ(at, (std::set<std::pair<int, int>>{{0, 0}, {100, 0}, {200, 0}, {0, 50}, {100, 50}, {200, 50},
                                                 {0, 100}, {100, 100}, {200, 100}}));

    panel.SetBackImageMode(pbmCenter);
    canvas.clear();
    panel.DrawBackImage({0, 0, 250, 120}, 0);
    ASSERT_EQ(canvas.count("Draw"), 1);
    EXPECT_EQ(canvas.calls("Draw")[0].args[0], 75);
    EXPECT_EQ(canvas.calls("Draw")[0].args[1], 35);

    panel.BackImage()->SetGraphic(QImage());
    panel.SetBackImageMode(pbmTile);
    canvas.clear();
    panel.DrawBackImage({0, 0, 250, 120}, 0);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST(ChartPanel, ZoomBandTwiceRestoresTheBufferAndLeavesNoPainter)
{
    TCustomPlotPanelExtended panel;
    panel.SetColor(0xC0C0C0);
    panel.grab(); // painted once: the buffer holds the picture
    TPlotCanvas3D &canvas = screenCanvas(panel);
    ASSERT_NE(canvas.buffer(), nullptr);
    const QImage before = canvas.buffer()->copy();
    TPlotZoom &zoom = *panel.Zoom();
    zoom.Activate(10, 10);
    zoom.X1 = 50;
    zoom.Y1 = 40;
    panel.DrawZoomRectangle();
    const QImage &band = *canvas.buffer();
    for (int x = 10; x < 50; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(band.pixel(x, 10) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(band.pixel(x, 39) & 0xFFFFFF, 0xFFFFFFu);
    }
    for (int y = 10; y < 40; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(band.pixel(10, y) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(band.pixel(49, y) & 0xFFFFFF, 0xFFFFFFu);
    }
    EXPECT_EQ(band.copy(11, 11, 38, 28), before.copy(11, 11, 38, 28));
    EXPECT_FALSE(canvas.buffer()->paintingActive());
    panel.DrawZoomRectangle();
    EXPECT_EQ(*canvas.buffer(), before);
    EXPECT_EQ(zoom.Pen()->Mode(), pmNotXor);
    EXPECT_FALSE(canvas.buffer()->paintingActive());
}

TEST(ChartPanel, ZoomAssignAndLegacyStreamProperties)
{
    TPlotZoom source;
    source.SetMinimumPixels(40);
    source.SetUpLeftZooms(true);
    source.SetAnimated(true);
    source.Pen()->SetColor(clRed);
    TPlotZoom target;
    target.Assign(source);
    EXPECT_EQ(target.MinimumPixels(), 16);
    EXPECT_FALSE(target.UpLeftZooms());
    EXPECT_TRUE(target.Animated());
    EXPECT_EQ(target.Pen()->Color(), clRed);

    TCustomPlotPanelExtended panel;
    MapPropertyFiler filer;
    EXPECT_FALSE(filer.save(panel).contains(QStringLiteral("PrintMargins")));
    panel.SetPrintMargins({10, 15, 15, 15});
    EXPECT_EQ(filer.save(panel).value(QStringLiteral("PrintMargins")), QVariant(QVariantList{10, 15, 15, 15}));
    filer.load(panel, {{QStringLiteral("AllowZoom"), false}, {QStringLiteral("AnimatedZoomSteps"), 3},
                       {QStringLiteral("BorderStyle"), QStringLiteral("bsSingle")},
                       {QStringLiteral("PrintMargins"), QVariantList{5, 6, 7, 8}}});
    EXPECT_FALSE(panel.Zoom()->Allow());
    EXPECT_EQ(panel.Zoom()->AnimatedSteps(), 3);
    EXPECT_TRUE(panel.Border()->Visible());
    EXPECT_EQ(panel.PrintMargins(), (std::array<int, 4>{5, 6, 7, 8}));
    try {
        filer.load(panel, {{QStringLiteral("AllowZoom"), QStringLiteral("True")}});
        ADD_FAILURE() << "no exception";
    } catch (const PlotException &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("AllowZoom")));
    }
    EXPECT_FALSE(panel.Zoom()->Allow());
}

namespace {

class FailingPanel : public TCustomPlotPanelExtended
{
public:
    bool fail = true;

protected:
    void DrawChartContents(const TRect &bounds) override
    {
        TCustomPlotPanelExtended::DrawChartContents(bounds);
        Canvas()->Begin2D();
        Canvas()->ClipRectangle({0, 0, 10, 10});
        if (fail)
            throw PlotException(QStringLiteral("Axis is in a bad state"));
        Canvas()->UnClipRectangle();
        Canvas()->End2D();
    }
};

} // namespace

TEST(ChartPanel, AFailingPaintIsReportedOnceAfterTheEventAndTheNextPaintDraws)
{
    ScriptedMessageService messages;
    FailingPanel panel;
    panel.SetColor(clRed);
    panel.grab();
    panel.grab();
    TPlotCanvas3D &canvas = screenCanvas(panel);
    EXPECT_EQ(canvas.GetHandle(), nullptr);
    EXPECT_FALSE(canvas.buffer()->paintingActive());
    EXPECT_FALSE(canvas.is2DOpen());
    EXPECT_TRUE(canvas.bufferOutOfDate());
    EXPECT_TRUE(messages.shown().isEmpty()); // not inside the paint
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Axis is in a bad state"));

    panel.fail = false;
    const QImage picture = panel.grab().toImage();
    EXPECT_EQ(picture.pixel(200, 125), qRgb(255, 0, 0));
    EXPECT_FALSE(canvas.bufferOutOfDate());
}

TEST(ChartPanel, RenderingAtDevicePixelRatioTwoKeepsTheBufferInLogicalPixels)
{
    TCustomPlotPanelExtended panel;
    panel.SetColor(clBlue);
    QImage target(800, 500, QImage::Format_RGB32);
    target.setDevicePixelRatio(2.0);
    target.fill(Qt::white);
    panel.render(&target);
    TPlotCanvas3D &canvas = screenCanvas(panel);
    ASSERT_NE(canvas.buffer(), nullptr);
    EXPECT_EQ(canvas.buffer()->size(), QSize(400, 250));
    EXPECT_EQ(target.pixel(400, 250), qRgb(0, 0, 255));
}

namespace {

// The extended panel with a cube among its contents.
class CubePanel : public TCustomPlotPanelExtended
{
protected:
    void DrawChartContents(const TRect &bounds) override
    {
        TCustomPlotPanelExtended::DrawChartContents(bounds);
        Canvas()->CalcProjection(100, ChartRect);
        Canvas()->Brush()->SetStyle(bsSolid);
        Canvas()->Brush()->SetColor(0x3090E0);
        Canvas()->Cube(140, 260, 90, 190, 0, 60, true);
    }
};

} // namespace

TEST(WholePass, PanelPictures)
{
    {
        SCOPED_TRACE("gradient and bevels");
        TCustomPlotPanelExtended panel;
        panel.Gradient()->SetVisible(true);
        panel.Gradient()->SetDirection(gdLeftRight);
        panel.Gradient()->SetStartColor(0x804020);
        panel.Gradient()->SetEndColor(0xF0E0C0);
        panel.SetBevelInner(bvLowered);
        panel.SetBevelWidth(3);
        panel.SetBorderWidth(2);
        panel.Border()->Show();
        panel.Border()->SetWidth(3);
        panel.Border()->SetColor(clNavy);
        panel.Shadow()->SetSize(5);
        panel.Shadow()->SetColor(clGray);
        expectMatchesGoldenImage(drawPanel(panel), QStringLiteral("panel_gradient_bevel.png"));
    }
    {
        SCOPED_TRACE("orthogonal cube");
        CubePanel panel;
        panel.SetColor(0xE0F0F0);
        expectMatchesGoldenImage(drawPanel(panel), QStringLiteral("panel_cube.png"));
    }
    {
        SCOPED_TRACE("zoom band");
        TCustomPlotPanelExtended panel;
        panel.SetColor(0x60A060);
        panel.grab();
        panel.Zoom()->Activate(60, 40);
        panel.Zoom()->X1 = 300;
        panel.Zoom()->Y1 = 200;
        panel.DrawZoomRectangle();
        expectMatchesGoldenImage(*screenCanvas(panel).buffer(), QStringLiteral("panel_zoom_band.png"));
    }
    {
        SCOPED_TRACE("tiled back image with a rounded border");
        TCustomPlotPanelExtended panel;
        QImage tile(40, 30, QImage::Format_RGB32);
        tile.fill(qRgb(250, 240, 200));
        QPainter(&tile).fillRect(0, 0, 20, 15, QColor(200, 80, 40));
        panel.BackImage()->SetGraphic(tile);
        panel.SetBackImageMode(pbmTile);
        panel.SetBorderRound(24);
        panel.SetBevelOuter(bvNone);
        panel.Border()->Show();
        panel.Border()->SetColor(clMaroon);
        expectMatchesGoldenImage(drawPanel(panel), QStringLiteral("panel_back_image.png"));
    }
}
