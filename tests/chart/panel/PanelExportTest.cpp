// Panel export and printing: bitmaps, metafiles, export canvases, a rectangle of a page, PDF.
#include "ChartTestSetup.h"
#include "PanelTestSetup.h"
#include "RecordingCanvas.h"
#include "TCustomPlotPanelExtended.h"
#include "TPicture.h"
#include "TPlotCanvas3D.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PanelExport, BitmapMetafileAndPicture)
{
    TCustomPlotPanelExtended panel;
    panel.SetColor(clYellow);
    panel.SetBevelOuter(bvNone);
    const QImage bitmap = panel.CreateBitmap(clWhite, {0, 0, 120, 80});
    EXPECT_EQ(bitmap.size(), QSize(120, 80));
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap.pixel(60, 40), qRgb(255, 255, 0));

    const auto metafile = panel.CreateMetafile({0, 0, 0, 0});
    ASSERT_NE(metafile, nullptr);
    EXPECT_EQ(metafile->boundingRect(), QRect(0, 0, 1, 1));
    const auto picture = panel.CreateMetafile(panel.GetRectangle());
    QImage played = whiteImage(400, 250);
    QPainter(&played).drawPicture(0, 0, *picture);
    EXPECT_EQ(played.pixel(200, 125), qRgb(255, 255, 0));

    TPicture graphic;
    panel.AssignTo(graphic);
    EXPECT_EQ(graphic.Graphic().size(), QSize(400, 250));
    // The export left the screen canvas ready for the next paint.
    EXPECT_TRUE(dynamic_cast<TPlotCanvas3D &>(*panel.Canvas()).GetBuffered());
}

TEST(PanelExport, AnExportCanvasTakesTheSettingsAndReceivesThePass)
{
    TCustomPlotPanelExtended panel;
    panel.SetMonochrome(true);
    auto recording = std::make_unique<RecordingCanvas>();
    RecordingCanvas &canvas = *recording;
    panel.SetCanvas(std::move(recording));
    EXPECT_EQ(panel.Canvas(), &canvas);
    EXPECT_TRUE(canvas.GetMonochrome());
    canvas.clear();
    panel.Draw(nullptr, panel.GetRectangle());
    const QStringList ops = canvas.opNames();
    ASSERT_FALSE(ops.isEmpty());
    EXPECT_EQ(ops.first(), "InitWindow");
    EXPECT_EQ(ops.last(), "FlushBuffer");
    EXPECT_TRUE(ops.contains("FillRect")); // the background
    panel.SetCanvas(nullptr);
    EXPECT_EQ(panel.Canvas(), &canvas);
}

TEST(PanelPrinting, TheChartFillsTheTargetRectangleOnThePage)
{
    TCustomPlotPanelExtended panel;
    panel.SetColor(clRed);
    panel.SetBevelOuter(bvNone);
    TCustomPlotPanel::PrintBackground = true;
    QImage page = whiteImage(800, 500);
    QPainter painter(&page);
    GuiCanvas canvas;
    canvas.attachPainter(&painter);
    TRect seen;
    panel.OnBeforePrint = [&seen](TCustomPlotPanel &, GuiCanvas &, TRect &rect) { seen = rect; };
    panel.PrintPartialCanvas(&canvas, {100, 100, 500, 350});
    canvas.endPaint();
    painter.end();
    TCustomPlotPanel::PrintBackground = false;
    EXPECT_EQ(seen, (TRect{100, 100, 500, 350})); // panel units: the page rectangle is the panel's size
    EXPECT_FALSE(panel.Printing());
    EXPECT_EQ(page.pixel(300, 200), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(101, 101), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(99, 200), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(300, 351), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(600, 400), qRgb(255, 255, 255));
}

TEST(PanelPrinting, PrintsOnePageToPdf)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    PrinterDevice device(printer);
    TCustomPlotPanelExtended panel;
    panel.Gradient()->SetVisible(true);
    panel.SetPrinterInfo(&device);
    panel.PrintPartial(panel.ChartPrintRect());
    QProcess info;
    info.start(pdfinfo, {file});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString output = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(output.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b")))) << output.toStdString();
}

TEST(PanelPrinting, AssignCopiesThePanelSettings)
{
    TCustomPlotPanelExtended source;
    source.SetMarginUnits(muPixels);
    source.SetMarginLeft(11);
    source.SetPrintMargins({1, 2, 3, 4});
    source.Border()->Show();
    source.SetColor(clTeal);
    source.View3DOptions()->SetRotation(300);
    source.SetAllowPanning(pmVertical);
    source.Zoom()->SetAllow(false);
    source.Gradient()->SetVisible(true);
    TCustomPlotPanelExtended target;
    target.Assign(source);
    EXPECT_EQ(target.MarginUnits(), muPixels);
    EXPECT_EQ(target.MarginLeft(), 11);
    EXPECT_EQ(target.PrintMargins(), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_TRUE(target.Border()->Visible());
    EXPECT_EQ(target.Color(), clTeal);
    EXPECT_EQ(target.View3DOptions()->Rotation(), 300);
    EXPECT_EQ(target.AllowPanning(), pmVertical);
    EXPECT_FALSE(target.Zoom()->Allow());
    ASSERT_NE(target.gradientIfAny(), nullptr);
    EXPECT_TRUE(target.gradientIfAny()->Visible());
}
