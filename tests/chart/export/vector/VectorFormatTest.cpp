// The vector and PDF formats: their slots and texts, files written through the export guard and
// read back, the clipboard, a JPEG back image copied into the PDF as its file, the cursor tool's
// colour and gradients, each rendered by the readers against the screen.
#include "VectorTestSupport.h"

#include "ChartEditorLibrary.h"
#include "CursorProbes.h"
#include "DemoCharts.h"
#include "ExportLibrary.h"
#include "PlotColor.h"
#include "PlotConst.h"
#include "PlotExportFormats.h"
#include "PlotGerman.h"
#include "PlotImaging.h"
#include "TAreaSeries.h"
#include "TBackImage.h"
#include "TChartLegend.h"
#include "TCursorTool.h"
#include "TEPSCanvas.h"
#include "TFont.h"
#include "TLegendSymbol.h"
#include "TLineSeries.h"
#include "TPDFCanvas.h"
#include "TSVGCanvas.h"
#include "TVMLCanvas.h"
#include "TView3DOptions.h"
#include "TEPSExportFormat.h"
#include "TPDFExportFormat.h"
#include "TPNGExportFormat.h"
#include "TPlotPDFPage.h"
#include "TSVGExportFormat.h"
#include "TSVGOptions.h"
#include "TVMLExportFormat.h"
#include "VectorText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <functional>

namespace {

class VectorFormatTest : public VectorExportTest
{
protected:
    static void SetUpTestSuite()
    {
        VectorExportTest::SetUpTestSuite();
        registerChartEditor();
        registerExportFormats();
    }
    void SetUp() override
    {
        addLineSeries(chart);
        TPlotPDFPage::setClock([] { return QDateTime(QDate(2024, 3, 20), QTime(10, 0, 0)); });
    }
    void TearDown() override { TPlotPDFPage::setClock({}); }
    template <class Format>
    std::unique_ptr<Format> format(VectorTestChart *panel = nullptr)
    {
        auto f = std::make_unique<Format>();
        f->SetPanel(panel ? panel : &chart);
        return f;
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray saved(std::unique_ptr<TPlotExportFormat> format, const char *name)
    {
        const QString file = files.path(QLatin1String(name));
        format->SaveToFile(file);
        return read(file);
    }
    // The chart saved in each format a reader draws, drawn at the chart's size.
    std::vector<std::pair<const char *, QImage>> renderings(VectorTestChart &panel)
    {
        const QByteArray pdf = saved(format<TPDFExportFormat>(&panel), "chart.pdf");
        return {{"svg", rasteriseSvg(files, saved(format<TSVGExportFormat>(&panel), "chart.svg"), panel.size())},
                {"eps", rasteriseEps(files, saved(format<TEPSExportFormat>(&panel), "chart.eps"))},
                {"pdf (poppler)", rasterisePdf(files, pdf)},
                {"pdf (ghostscript)", rasterisePdf(files, pdf, true)}};
    }
    VectorTestChart chart;
    ScratchFiles files;
};

} // namespace

TEST_F(VectorFormatTest, TheFormatsTakeTheirSlotsAndTexts)
{
    std::vector<QString> names;
    for (const PlotExportFormatClass &c : PlotExportFormats())
        names.push_back(c.name);
    const auto at = [&](const char *name) {
        return std::find(names.begin(), names.end(), QLatin1String(name)) - names.begin();
    };
    // After the bitmap and the metafile: third to sixth.
    EXPECT_EQ(at("TBMPExportFormat"), 0);
    EXPECT_EQ(at("TEMFExportFormat"), 1);
    EXPECT_EQ(at("TVMLExportFormat"), 2);
    EXPECT_EQ(at("TEPSExportFormat"), 3);
    EXPECT_EQ(at("TSVGExportFormat"), 4);
    EXPECT_EQ(at("TPDFExportFormat"), 5);
    const std::tuple<std::unique_ptr<TPlotExportFormat>, const char *, const char *, const char *> cases[] = {
        {std::make_unique<TVMLExportFormat>(), "as &VML (HTM)", "VML files (*.htm)|*.htm", "als &VML (HTM)"},
        {std::make_unique<TEPSExportFormat>(), "as PostScript", "PostScript files (*.eps)|*.eps", "als PostScript"},
        {std::make_unique<TSVGExportFormat>(), "as &SVG", "SVG files (*.svg)|*.svg", "als &SVG"},
        {std::make_unique<TPDFExportFormat>(), "as &PDF", "PDF files (*.pdf)|*.pdf", "als &PDF"},
    };
    for (const auto &[f, description, filter, german] : cases) {
        EXPECT_EQ(f->Description(), QString::fromUtf8(description));
        EXPECT_EQ(f->FileFilter(), QString::fromUtf8(filter));
    }
    PlotGerman::SelectGermanLanguage();
    for (const auto &[f, description, filter, german] : cases)
        EXPECT_EQ(f->Description(), QString::fromUtf8(german));
    PlotConst::SetLibraryMessages();
}

TEST_F(VectorFormatTest, SavedFilesOpenInTheReadersAndTheScreenCanvasComesBack)
{
    TCanvas3D *screen = chart.Canvas();
    chart.AutoRepaint = true;
    const QString pdf = files.path("chart.pdf");
    format<TPDFExportFormat>()->SaveToFile(pdf);
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {"--check", pdf}).exitCode, 0);
    const QString svg = files.path("chart.svg");
    format<TSVGExportFormat>()->SaveToFile(svg);
    EXPECT_EQ(runTool(QStringLiteral("xmllint"), {"--noout", svg}).exitCode, 0);
    const QString eps = files.path("chart.eps");
    format<TEPSExportFormat>()->SaveToFile(eps);
    EXPECT_EQ(runTool(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=nullpage", eps}).exitCode, 0);
    const QString vml = files.path("chart.htm");
    format<TVMLExportFormat>()->SaveToFile(vml);
    EXPECT_TRUE(read(vml).startsWith("<html>\r\n<body>\r\n"));
    EXPECT_EQ(chart.Canvas(), screen);
    EXPECT_TRUE(chart.AutoRepaint);
    const QImage rendered = rasteriseSvg(files, read(svg));
    const QImage shown = chart.screen();
    expectRendersLikeScreen(rendered, shown, solidProbes(shown));
}

TEST_F(VectorFormatTest, TheSvgOptionsTurnTextAntiAliasingOff)
{
    auto svg = format<TSVGExportFormat>();
    EXPECT_TRUE(svg->Document().split('\n').value(2).contains("text-antialiasing:true"));
    auto *options = qobject_cast<TSVGOptions *>(svg->Options());
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->CBAntiAlias->isChecked());
    options->CBAntiAlias->setChecked(false);
    EXPECT_FALSE(svg->Document().split('\n').value(2).contains("style="));
}

TEST_F(VectorFormatTest, CopyPutsTheDocumentOnTheClipboard)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    ASSERT_TRUE(clipboard);
    format<TPDFExportFormat>()->CopyToClipboard();
    const QByteArray pdf = clipboard->mimeData()->data(QStringLiteral("application/pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-1.4"));
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {"--check", files.write("clip.pdf", pdf)}).exitCode, 0);
    format<TSVGExportFormat>()->CopyToClipboard();
    const QMimeData *svg = clipboard->mimeData();
    EXPECT_TRUE(svg->text().startsWith(QStringLiteral("<?xml")));
    EXPECT_EQ(svg->data(QStringLiteral("image/svg+xml")), svg->text().toUtf8());
    format<TEPSExportFormat>()->CopyToClipboard();
    EXPECT_TRUE(clipboard->text().startsWith(QStringLiteral("%!PS-Adobe-3.0 EPSF-3.0")));
}

TEST_F(VectorFormatTest, AJpegBackImageGoesIntoThePdfAsItsFile)
{
    QImage grey(40, 30, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    grey.save(files.path("grey.ppm"), "PPM");
    ASSERT_EQ(runTool(QStringLiteral("cjpeg"), {"-grayscale", "-outfile", files.path("grey.jpg"), files.path("grey.ppm")})
                  .exitCode,
              0);
    const QByteArray jpeg = read(files.path("grey.jpg"));
    QImage picture = QImage::fromData(jpeg);
    PlotImaging::keepEncodedBytes(picture, jpeg, "jpeg");
    chart.BackImage()->SetGraphic(picture);
    chart.SetBackImageMode(pbmStretch);
    const QByteArray pdf = format<TPDFExportFormat>()->Document();
    EXPECT_TRUE(pdf.contains("/ColorSpace /DeviceGray\r\n/BitsPerComponent 8\r\n/Filter [/DCTDecode]\r\n"));
    const qsizetype stream = pdf.indexOf("stream\r\n", pdf.indexOf("/Subtype /Image")) + 8;
    EXPECT_EQ(pdf.mid(stream, jpeg.size()), jpeg);
    const QColor probe = rasterisePdf(files, pdf).pixelColor(5, 150); // the panel's left edge, behind no chart
    EXPECT_NEAR(probe.red(), 128, 8);
    EXPECT_NEAR(probe.blue(), 128, 8);
}

TEST_F(VectorFormatTest, TheDemoSavesEachVectorFormatForItsReader)
{
    const auto reads = [&](const QString &file) -> ToolResult {
        if (file.endsWith(QLatin1String(".pdf")))
            return runTool(QStringLiteral("qpdf"), {"--check", file});
        if (file.endsWith(QLatin1String(".eps")))
            return runTool(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=nullpage", file});
        return runTool(QStringLiteral("xmllint"), {"--noout", file}); // SVG, and the VML page as XML
    };
    for (const char *name : {"demo.svg", "demo.htm", "demo.eps", "demo.pdf"}) {
        SCOPED_TRACE(name);
        const QString file = files.path(QLatin1String(name));
        const ToolResult saved = runTool(QStringLiteral(TENSIMO_CHART_DEMO), {"--save", file});
        ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
        const ToolResult check = reads(file);
        EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    }
    EXPECT_FALSE(rasteriseSvg(files, read(files.path("demo.svg"))).isNull()); // and rsvg-convert draws it
}

TEST_F(VectorFormatTest, ZoomedThreeDTextsAreWrittenAtTheSizeTheScreenDraws)
{
    const TRect page{0, 0, 400, 300};
    // Each canvas's document after one 3D text of a 10 point font in a view zoomed by the percent.
    const auto written = [&](VectorCanvas &canvas, int zoom, const std::function<QByteArray()> &document) {
        TView3DOptions view;
        view.SetZoom(zoom);
        canvas.InitWindow(nullptr, &view, clWhite, true, page);
        canvas.Font()->SetSize(10);
        canvas.TextOut3D(40, 40, 0, QStringLiteral("Zoomed"));
        canvas.RotateLabel3D(40, 80, 0, QStringLiteral("Turned"), 90);
        canvas.FlushBuffer(nullptr, nullptr, page);
        return document();
    };
    const struct { const char *name; std::function<QByteArray(int)> draw; QByteArray plain; QByteArray zoomed; } cases[] = {
        {"SVG", [&](int zoom) { TSVGCanvas c; return written(c, zoom, [&] { return c.takeOutput(); }); },
         R"(font-size="10pt")", R"(font-size="20pt")"},
        {"EPS", [&](int zoom) { TEPSCanvas c; return written(c, zoom, [&] { return c.takeOutput(); }); },
         "13.3333333333333 scalefont", "26.6666666666667 scalefont"},
        {"PDF", [&](int zoom) { TPlotPDFPage p(400, 300); TPDFCanvas c(p); return written(c, zoom, [&] { return p.content(); }); },
         " 13.3333333333333 Tf", " 26.6666666666667 Tf"},
        {"VML", [&](int zoom) { TVMLCanvas c; return written(c, zoom, [&] { return c.document(); }); },
         "font-size:14;", "font-size:28;"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray plain = c.draw(100);
        EXPECT_EQ(plain.count(c.plain), 2) << plain.toStdString();
        const QByteArray zoomed = c.draw(200);
        EXPECT_EQ(zoomed.count(c.zoomed), 2) << zoomed.toStdString();
        EXPECT_FALSE(zoomed.contains(c.plain));
    }
}

TEST_F(VectorFormatTest, TheCursorIsWrittenInTheColourTheScreenShows)
{
    // The cursor xors its pen colour with the panel's: the documents write that mix. The demo's
    // panel keeps its default colour, a system colour the mix must take as RGB.
    VectorTestChart demo;
    DemoCharts::fill(demo, false);
    demo.resize(560, 380); // the demo's own size
    const struct { const char *name; VectorTestChart *chart; } cases[] = {{"silver panel", &chart}, {"demo chart", &demo}};
    chart.SetColor(clSilver);
    addRedCursor(chart);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto *cursor = qobject_cast<TCursorTool *>(c.chart->Tools().Item(0));
        ASSERT_TRUE(cursor);
        cursor->Pen()->SetWidth(5); // readers that smooth lines still draw its middle solid
        const QImage shown = c.chart->screen();
        const TColor pen = PlotColor::ColorToRGB(cursor->Pen()->Color());
        const std::vector<QPoint> probes =
            cursorProbes(shown, *cursor, PlotColor::toQRgb(c.chart->paintColor()));
        for (const QPoint &p : probes)
            EXPECT_EQ(shown.pixel(p) & 0xFFFFFF, PlotColor::toQRgb(pen) & 0xFFFFFF) << p.x() << "," << p.y();
        for (const auto &[reader, picture] : renderings(*c.chart)) {
            SCOPED_TRACE(reader);
            expectCursorLikeScreen(picture, shown, probes);
        }
        // No reader draws VML: its lines of the cursor carry the screen's colour.
        QByteArray color = VectorText::htmlColorName(pen);
        if (color.isEmpty())
            color = QColor(PlotColor::toQRgb(pen)).name().toUpper().toLatin1();
        const QString page = QString::fromUtf8(saved(format<TVMLExportFormat>(c.chart), "cursor.htm"));
        int cursorLines = 0;
        for (const QString &line : page.split(QStringLiteral("\r\n"))) {
            if (!line.startsWith(QStringLiteral("<v:line")) || !line.contains(QStringLiteral("strokeweight=\"5\"")))
                continue;
            ++cursorLines;
            EXPECT_TRUE(line.contains(QStringLiteral("strokecolor=\"%1\"").arg(QLatin1String(color)))) << line.toStdString();
        }
        EXPECT_EQ(cursorLines, 2);
    }
}

TEST_F(VectorFormatTest, LegendSymbolGradientsRunAsOnTheScreen)
{
    // A symbol's gradient from red to the series' blue, in the screen's direction and balance;
    // its pixels are found as those a plain symbol draws otherwise.
    VectorTestChart area;
    auto *series = area.AddSeriesOfClass<TAreaSeries>();
    series->SetSeriesColor(clBlue);
    series->AddXY(0, 1);
    series->AddXY(1, 2);
    area.Legend()->Font()->SetSize(24);
    area.Legend()->Symbol()->SetWidthUnits(lcsPixels);
    area.Legend()->Symbol()->SetWidth(40);
    TPlotGradient &gradient = *area.Legend()->Symbol()->Gradient();
    gradient.SetStartColor(clRed);
    const QImage plain = area.screen();
    gradient.SetVisible(true);
    const struct { TGradientDirection direction; int balance; } cases[] = {{gdTopBottom, 50}, {gdLeftRight, 80}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "direction " << int(c.direction) << ", balance " << c.balance);
        gradient.SetDirection(c.direction);
        gradient.SetBalance(c.balance);
        const QImage shown = area.screen();
        std::vector<QPoint> symbol; // every third pixel of each third row
        for (int y = 1; y < shown.height() - 1; y += 3)
            for (int x = 1; x < shown.width() - 1; x += 3)
                if (shown.pixel(x, y) != plain.pixel(x, y) && shown.pixel(x - 1, y - 1) != plain.pixel(x - 1, y - 1)
                    && shown.pixel(x + 1, y + 1) != plain.pixel(x + 1, y + 1))
                    symbol.emplace_back(x, y);
        ASSERT_GE(symbol.size(), 40u);
        for (const auto &[reader, picture] : renderings(area)) {
            SCOPED_TRACE(reader);
            expectLikeScreenAt(picture, shown, symbol);
        }
    }
}

// A curve of width 1000 painted the whole panel on screen and in PNG (its legend symbol over the
// titles and the legend), while PDF, EPS and SVG clipped it and showed stripes of their own flat
// line ends: every picture is red where the screen's is, inside the plot and out.
TEST_F(VectorFormatTest, AWideCurveIsClippedToThePlotAndEveryFormatShowsItAsTheScreen)
{
    static_cast<TLineSeries *>(chart.GetSeries(0))->LinePen()->SetWidth(1000);
    const QImage shown = chart.screen();
    const QRect plot(chart.ChartRect.left, chart.ChartRect.top, chart.ChartRect.width(), chart.ChartRect.height());
    const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90; };
    const auto light = [](QRgb c) { return qGray(c) > 180; };
    const QString png = files.path("wide.png");
    format<TPNGExportFormat>()->SaveToFile(png);
    std::vector<std::pair<const char *, QImage>> pictures = renderings(chart);
    pictures.insert(pictures.begin(), {{"screen", shown}, {"png", QImage(png)}});
    for (const auto &[reader, picture] : pictures) {
        SCOPED_TRACE(reader);
        ASSERT_EQ(picture.size(), shown.size());
        // Edges are rasterised a pixel apart by the readers: the plot's frame is left out, and a
        // pixel counts as different only where red stands against the light background (the thin
        // curve B is drawn wider by some readers).
        int outside = 0, redOutside = 0, differOutside = 0, inside = 0, differInside = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QPoint p(x, y);
                if (plot.adjusted(-2, -2, 2, 2).contains(p) && !plot.adjusted(2, 2, -2, -2).contains(p))
                    continue;
                const QRgb a = picture.pixel(p);
                const QRgb b = shown.pixel(p);
                const bool isRed = red(a);
                const bool differs = (isRed && light(b)) || (light(a) && red(b));
                if (plot.contains(p)) {
                    ++inside;
                    differInside += differs ? 1 : 0;
                } else {
                    ++outside;
                    redOutside += isRed ? 1 : 0;
                    differOutside += differs ? 1 : 0;
                }
            }
        }
        // Outside the plot only the legend symbol's band is red, the same in every picture.
        EXPECT_GT(redOutside, 0);
        EXPECT_LT(redOutside, outside / 100);
        EXPECT_LE(differOutside, 20);
        EXPECT_LT(differInside, inside / 200);
    }
}
