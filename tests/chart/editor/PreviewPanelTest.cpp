// The print preview's sheet: paper and chart rectangles, hit test, dragging, rendering (the cursor
// tool's colours among it), printing.
#include "TPlotPreviewPanel.h"

#include "CursorProbes.h"
#include "EditorTestSetup.h"
#include "FakePrinterService.h"
#include "PdfReader.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotProcs.h"
#include "PlotImaging.h"
#include "TChart.h"
#include "TChartLegend.h"
#include "TCursorTool.h"
#include "TLineSeries.h"
#include "TPlotCanvas3D.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PreviewPanel : public testing::Test
{
protected:
    FakePrinterService printers;
    SamplePanel chart;
    TPlotPreviewPanel preview;

    PreviewPanel() { printers.setOrientation(QPageLayout::Landscape); }

    // Paints the sheet with the chart on it, as the screen would.
    QImage paint(bool withChart = true)
    {
        preview.SetPanel(withChart ? &chart : nullptr);
        preview.Invalidate();
        return preview.grab().toImage();
    }
    const QImage &buffer() { return *dynamic_cast<TPlotCanvas3D *>(preview.Canvas())->buffer(); }
};

} // namespace

TEST_F(PreviewPanel, TheSheetTakesThePrintersProportionsOrTheScreens)
{
    EXPECT_EQ(preview.size(), QSize(432, 312));
    paint();
    EXPECT_EQ(preview.PaperRect(), (TRect{44, 31, 388, 281}));
    printers.setOrientation(QPageLayout::Portrait);
    paint();
    EXPECT_EQ(preview.PaperRect(), (TRect{125, 31, 307, 281}));

    FakePrinterService none(FakePrinterService::NoPrinter);
    paint();
    EXPECT_EQ(preview.PaperRect(), (TRect{43, 58, 389, 253}));
}

TEST_F(PreviewPanel, TheChartLiesWithinItsPrintMarginsOrFifteenPercent)
{
    paint();
    EXPECT_EQ(preview.SheetChartRect(), (TRect{78, 56, 354, 256}));
    paint(false);
    EXPECT_EQ(preview.SheetChartRect(), (TRect{96, 69, 336, 243}));
}

TEST_F(PreviewPanel, HitTestFindsCornersEdgesAndTheChart)
{
    paint();
    const struct { int x, y, kind; Qt::CursorShape cursor; } cases[] = {
        {80, 58, 6, Qt::SizeFDiagCursor}, {80, 254, 8, Qt::SizeBDiagCursor}, {352, 58, 7, Qt::SizeBDiagCursor},
        {352, 254, 9, Qt::SizeFDiagCursor}, {80, 150, 1, Qt::SizeHorCursor}, {352, 150, 3, Qt::SizeHorCursor},
        {200, 58, 2, Qt::SizeVerCursor}, {200, 254, 4, Qt::SizeVerCursor}, {200, 150, 5, Qt::PointingHandCursor},
        {83, 150, 5, Qt::PointingHandCursor}, {20, 20, 0, Qt::ArrowCursor}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(preview.HitTest(c.x, c.y), c.kind);
        EXPECT_EQ(TPlotPreviewPanel::DragCursor(c.kind).shape(), c.cursor);
        // Moving over the sheet without a button shows the cursor of the point.
        sendMouse(preview, QEvent::MouseMove, c.x, c.y, Qt::NoButton);
        if (c.kind != 0) {
            EXPECT_EQ(preview.cursor().shape(), c.cursor);
        }
    }
    EXPECT_EQ(TPlotPreviewPanel::DragCursor(5).shape(), PlotProcs::PlotCursor(PlotProcs::crPlotHand).shape());
    preview.SetAllowMove(false);
    EXPECT_EQ(preview.HitTest(200, 150), 0);
    preview.SetAllowMove(true);
    preview.SetAllowResize(false);
    EXPECT_EQ(preview.HitTest(80, 150), 0);
    EXPECT_EQ(preview.HitTest(200, 150), 5);
}

TEST_F(PreviewPanel, DraggingTheLeftMarginStoresItOnTheChartAndReportsIt)
{
    paint();
    chart.SetPrintProportional(true); // a drag makes the margins fixed
    QSignalSpy changes(&preview, &TPlotPreviewPanel::OnChangeMargins);
    sendMouse(preview, QEvent::MouseButtonPress, 80, 150);
    sendMouse(preview, QEvent::MouseMove, 100, 150);
    EXPECT_EQ(preview.SheetChartRect().left, 100);
    EXPECT_EQ(chart.PrintMargins()[TCustomPlotPanel::mLeft], 16); // MulDiv(56, 100, 344)
    EXPECT_FALSE(chart.PrintProportional());
    ASSERT_EQ(changes.size(), 1);
    EXPECT_TRUE(changes[0][0].toBool());

    // Past the right line, and outside the sheet: the line stays.
    sendMouse(preview, QEvent::MouseMove, 360, 150);
    sendMouse(preview, QEvent::MouseMove, 20, 150);
    EXPECT_EQ(preview.SheetChartRect(), (TRect{100, 56, 354, 256}));
    EXPECT_EQ(chart.PrintMargins()[TCustomPlotPanel::mLeft], 16);
    sendMouse(preview, QEvent::MouseButtonRelease, 20, 150);
}

TEST_F(PreviewPanel, AMovedChartStopsAtTheSheetsEdgeAndKeepsItsSize)
{
    paint();
    sendMouse(preview, QEvent::MouseButtonPress, 200, 150);
    sendMouse(preview, QEvent::MouseMove, 380, 150);
    EXPECT_EQ(preview.SheetChartRect(), (TRect{112, 56, 388, 256}));
    EXPECT_EQ(chart.PrintMargins(), (std::array<int, 4>{20, 10, 0, 10}));
    sendMouse(preview, QEvent::MouseButtonRelease, 380, 150);
}

TEST_F(PreviewPanel, MarginLinesDrawnAgainRestoreTheBufferAndTheChartStaysUntilRelease)
{
    paint();
    const QImage before = buffer().copy();
    const QRgb blue = qRgb(0, 0, 255);
    ASSERT_EQ(before.pixel(100, 150), blue);
    // A left-margin drag there and back: the lines are erased and drawn again each time.
    sendMouse(preview, QEvent::MouseButtonPress, 80, 150);
    sendMouse(preview, QEvent::MouseMove, 100, 150);
    EXPECT_NE(buffer(), before);
    sendMouse(preview, QEvent::MouseMove, 78, 150);
    EXPECT_EQ(buffer(), before);
    sendMouse(preview, QEvent::MouseButtonRelease, 78, 150);

    // Without DragImage the chart stays where it was while it is moved, and jumps on release.
    paint();
    sendMouse(preview, QEvent::MouseButtonPress, 200, 150);
    sendMouse(preview, QEvent::MouseMove, 230, 150);
    EXPECT_EQ(preview.SheetChartRect().left, 108);
    EXPECT_EQ(buffer().pixel(100, 150), blue);
    EXPECT_NE(buffer().pixel(350, 150), blue);
    sendMouse(preview, QEvent::MouseButtonRelease, 230, 150);
    const QImage after = preview.grab().toImage();
    EXPECT_NE(after.pixel(100, 150), blue);
    EXPECT_EQ(after.pixel(350, 150), blue);
}

namespace {

int resamples = 0;

void countingResample(const QImage &source, QImage &target, bool fast)
{
    ++resamples;
    PlotImaging::ResampleBitmap(source, target, fast);
}

} // namespace

TEST_F(PreviewPanel, TheChartRendersAtItsPrintResolution)
{
    for (const auto &[resolution, size] : {std::pair{-100, TRect{0, 0, 800, 500}}, std::pair{0, TRect{0, 0, 400, 250}}}) {
        SCOPED_TRACE(resolution);
        chart.SetPrintResolution(resolution);
        chart.drawnBounds.clear();
        paint();
        ASSERT_FALSE(chart.drawnBounds.isEmpty());
        EXPECT_EQ(chart.drawnBounds.last(), size);
    }
    preview.setResampler(countingResample);
    preview.SetAsBitmap(true);
    resamples = 0;
    const QImage sheet = preview.grab().toImage();
    EXPECT_EQ(resamples, 1);
    // Smoothing blends the edges; inside, the plot area is still blue.
    EXPECT_GT(qBlue(sheet.pixel(100, 150)), 240);
    EXPECT_LT(qRed(sheet.pixel(100, 150)), 16);
}

TEST_F(PreviewPanel, PrintsOneLandscapePageWithTheChartInsideItsMargins)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    printers.setOutputFile(file);
    preview.SetPanel(&chart);
    preview.Print();
    const PdfInfo info = pdfInfo(file);
    EXPECT_EQ(info.pages, 1);
    EXPECT_GT(info.pageSizePoints.width(), info.pageSizePoints.height());
    EXPECT_EQ(printers.lastJobTitle, QStringLiteral("Chart1"));
    const QSizeF page = info.pageSizePoints;
    const QRectF margins(page.width() * 0.1, page.height() * 0.1, page.width() * 0.8, page.height() * 0.8);
    bool found = false;
    for (const PdfWord &word : pdfWords(file)) {
        if (word.text == QStringLiteral("Dampfdruck")) {
            found = true;
            EXPECT_TRUE(margins.contains(word.boxPoints)) << word.boxPoints.x() << ", " << word.boxPoints.y();
        }
    }
    EXPECT_TRUE(found);

    preview.SetTitle(QStringLiteral("Wasser"));
    preview.Print();
    EXPECT_EQ(printers.lastJobTitle, QStringLiteral("Wasser"));
}

TEST_F(PreviewPanel, AFailedPrintAbortsTheJobAndNamesWhereItWent)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    printers.setOutputFile(file);
    preview.SetPanel(&chart);
    chart.failWhilePrinting = true;
    EXPECT_THROW(preview.Print(), PlotException);
    EXPECT_FALSE(printers.printing());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFile::exists(file));

    chart.failWhilePrinting = false;
    const QString unwritable = dir.filePath(QStringLiteral("no folder/chart.pdf"));
    printers.setOutputFile(unwritable);
    try {
        preview.Print();
        ADD_FAILURE() << "no exception";
    } catch (const PlotException &e) {
        EXPECT_EQ(e.message(), PlotConst::plotFormat(PlotConst::message(PlotConst::msgPrintJobFailed), {unwritable}));
    }
    EXPECT_FALSE(QFile::exists(unwritable));
    EXPECT_FALSE(printers.printing());
}

TEST_F(PreviewPanel, TheCursorShowsItsScreenColourAndNothingLeavesTheSheet)
{
    // The chart's picture knows no xor: the cursor came out in its pen colour xor the panel's.
    TChart curve;
    curve.resize(400, 250);
    curve.SetView3D(false);
    curve.SetColor(clSilver);
    curve.Legend()->SetVisible(false);
    auto *line = curve.AddSeriesOfClass<TLineSeries>();
    for (int i = 0; i <= 10; ++i)
        line->AddXY(i, i * i);
    preview.SetPanel(&curve);
    preview.Invalidate();
    const QImage without = preview.grab().toImage();
    const TCursorTool *cursor = addRedCursor(curve);
    preview.Invalidate();
    const QImage with = preview.grab().toImage();
    const TRect sheet = preview.SheetChartRect();
    const QRgb mixed = (qRgb(255, 0, 0) ^ qRgb(192, 192, 192)) | 0xFF000000;
    int red = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y))
                continue;
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_TRUE(x >= sheet.left && x < sheet.right && y >= sheet.top && y < sheet.bottom);
            EXPECT_NE(with.pixel(x, y), mixed);
            red += with.pixel(x, y) == qRgb(255, 0, 0);
            if (::testing::Test::HasFailure())
                return;
        }
    EXPECT_GT(red, 100);
    EXPECT_GE(cursor->VerticalLineX(), 0);
}
