// Check boxes drawn on the canvas, the listener list, cursor numbers and bitmap resources.
#include "ChartTestSetup.h"
#include "PlotColor.h"
#include "PlotProcs.h"
#include "RecordingCanvas.h"
#include "TBrush.h"
#include "TPen.h"
#include "TPlotEventListeners.h"

#include <QCursor>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QRgb rgb(TColor c) { return PlotColor::toQRgb(c); }

// A gallery class with an icon of its own, and one that borrows its parent's.
class TGalleryIconProbe : public QObject
{
    Q_OBJECT
};

class TGalleryIconChild : public TGalleryIconProbe
{
    Q_OBJECT
};

struct CountingListener : TPlotEventListener
{
    int received = 0;
    std::function<void()> onEvent;
    void PlotEvent(TPlotEvent &) override
    {
        ++received;
        if (onEvent)
            onEvent();
    }
};

} // namespace

TEST(DrawCheckBox, DrawsASunkenBoxWithATickAndLeavesPenAndBrush)
{
    for (const bool checked : {false, true}) {
        SCOPED_TRACE(checked);
        ScreenPass p(30, 30, false);
        p.begin();
        p.canvas.Pen()->SetColor(clRed);
        p.canvas.Pen()->SetWidth(3);
        p.canvas.Brush()->SetColor(clGreen);
        p.canvas.Brush()->SetStyle(bsCross);
        PlotProcs::DrawCheckBox(5, 5, p.canvas, checked, false, true);

        EXPECT_EQ(p.image.pixel(5, 5), rgb(clBtnShadow));
        EXPECT_EQ(p.image.pixel(6, 6), rgb(cl3DDkShadow));
        EXPECT_EQ(p.image.pixel(17, 10), rgb(clBtnHighlight));
        EXPECT_EQ(p.image.pixel(16, 10), rgb(cl3DLight));
        EXPECT_EQ(p.image.pixel(18, 18), 0xFFFFFFFFu) << "nothing outside the 13 x 13 box";
        // The middle row of the tick runs through (10, 13); the corner of the field stays white.
        EXPECT_EQ(p.image.pixel(10, 13), checked ? rgb(clWindowText) : rgb(clWindow));
        EXPECT_EQ(p.image.pixel(7, 15), rgb(clWindow));

        EXPECT_EQ(p.canvas.Pen()->Color(), clRed);
        EXPECT_EQ(p.canvas.Pen()->Width(), 3);
        EXPECT_EQ(p.canvas.Brush()->Color(), clGreen);
        EXPECT_EQ(p.canvas.Brush()->Style(), bsCross);
    }
}

TEST(DrawCheckBox, RadioButtonsAreEllipsesAnExportCanvasSeesToo)
{
    RecordingCanvas canvas;
    PlotProcs::DrawCheckBox(0, 0, canvas, false, false, false);
    ASSERT_EQ(canvas.count(QStringLiteral("Ellipse")), 1);
    canvas.clear();
    PlotProcs::DrawCheckBox(0, 0, canvas, true, false, false);
    const auto ellipses = canvas.calls(QStringLiteral("Ellipse"));
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[1].brushColor, clWindowText);
}

TEST(TPlotEventListeners, AddsOnceAndRemovesWithTheFormerIndex)
{
    TPlotEventListeners listeners;
    CountingListener a;
    CountingListener b;
    EXPECT_EQ(listeners.Add(&a), 0);
    EXPECT_EQ(listeners.Add(&b), 1);
    EXPECT_EQ(listeners.Add(&a), 0);
    EXPECT_EQ(listeners.Count(), 2);
    EXPECT_EQ(listeners.Remove(&a), 0);
    EXPECT_EQ(listeners.Remove(&a), -1);
    EXPECT_EQ(listeners.Item(0), &b);
}

TEST(TPlotEventListeners, ABroadcastSurvivesListenersRemovedOnTheWay)
{
    TPlotEventListeners listeners;
    CountingListener first;
    CountingListener second;
    CountingListener third;
    listeners.Add(&first);
    listeners.Add(&second);
    listeners.Add(&third);
    // The first listener's event removes the second (a tool freed by a click).
    first.onEvent = [&] { listeners.Remove(&second); };
    TPlotEvent event;
    listeners.Broadcast(event);
    EXPECT_EQ(first.received, 1);
    EXPECT_EQ(second.received, 0);
    EXPECT_EQ(third.received, 1);

    // A listener that cancels ends the send after itself.
    listeners.Broadcast(event, [&](const TPlotEvent &) { return first.received == 2; });
    EXPECT_EQ(first.received, 2);
    EXPECT_EQ(third.received, 1);
}

TEST(PlotCursor, MapsTheLibraryHandAndTheStandardCursorNumbers)
{
    EXPECT_EQ(PlotProcs::PlotCursor(PlotProcs::crPlotHand).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(PlotProcs::PlotCursor(-21).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(PlotProcs::PlotCursor(-3).shape(), Qt::CrossCursor);
    EXPECT_EQ(PlotProcs::PlotCursor(-22).shape(), Qt::SizeAllCursor);
    EXPECT_EQ(PlotProcs::PlotCursor(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(PlotProcs::PlotCursor(12345).shape(), Qt::ArrowCursor);
}

TEST(LoadBitmapResource, FindsTheClassIconElseItsParentsElseNothing)
{
    QImage bitmap;
    TGalleryIconProbe probe;
    ASSERT_TRUE(PlotProcs::LoadClassBitmap(&probe, bitmap));
    EXPECT_EQ(bitmap.size(), QSize(4, 3));
    EXPECT_EQ(bitmap.pixel(0, 0) & 0xFFFFFFu, 0xFF0000u);

    TGalleryIconChild child;
    bitmap = QImage();
    ASSERT_TRUE(PlotProcs::LoadClassBitmap(&child, bitmap));
    EXPECT_EQ(bitmap.size(), QSize(4, 3));

    // Names are looked up in upper case; the alternative name serves when the first is missing.
    ASSERT_TRUE(PlotProcs::LoadBitmapResource(bitmap, QStringLiteral("NoSuchIcon"), QStringLiteral("tAlternateIcon")));
    EXPECT_EQ(bitmap.size(), QSize(2, 2));

    QObject plain;
    EXPECT_FALSE(PlotProcs::LoadClassBitmap(&plain, bitmap));
    EXPECT_FALSE(PlotProcs::LoadBitmapResource(bitmap, QStringLiteral("NoSuchIcon"), QString()));
}

#include "ScreenServicesTest.moc"
