// The EPS canvas: header and prolog, numbers and strings, font names, pie angles, and the
// document rendered by Ghostscript against the screen.
#include "VectorTestSupport.h"

#include "ScopedLocale.h"
#include "TBrush.h"
#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TEPSCanvas.h"
#include "TFont.h"
#include "TPen.h"
#include "TPieSeries.h"

#include <algorithm>

namespace {

const TRect kPage{0, 0, 400, 300};

struct EpsPass
{
    EpsPass() { canvas.InitWindow(nullptr, nullptr, clWhite, false, kPage); }
    QByteArray finish()
    {
        canvas.FlushBuffer(nullptr, nullptr, kPage);
        return canvas.takeOutput();
    }
    TEPSCanvas canvas;
};

class EpsTest : public VectorExportTest
{
protected:
    ToolResult ghostscript(const QByteArray &eps)
    {
        return runTool(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=png16m",
                                              "-sOutputFile=" + files.path("gs.png"), files.write("check.eps", eps)});
    }
    ScratchFiles files;
};

QByteArray exportChart(VectorTestChart &chart)
{
    return chart.drawThrough(std::make_unique<TEPSCanvas>());
}

// The page's text as a reader of Ghostscript's PDF of the EPS gets it (txtwrite would report
// characters even where no glyph is drawn).
QString textViaPdf(ScratchFiles &files, const QString &eps)
{
    const QString pdf = files.path(QStringLiteral("text.pdf"));
    const ToolResult converted = runTool(QStringLiteral("ps2pdf"), {"-dEPSCrop", eps, pdf});
    EXPECT_EQ(converted.exitCode, 0) << converted.err.toStdString();
    const ToolResult text = runTool(QStringLiteral("pdftotext"), {pdf, "-"});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    return QString::fromUtf8(text.out);
}

// The box of the dark pixels inside the rectangle: the ink of black text.
QRect inkBox(const QImage &image, const TRect &area)
{
    QRect box;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, image.height()); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, image.width()); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST_F(EpsTest, AnEmptyDrawingIsTheHeaderAndPrologThenItsEnd)
{
    EpsPass pass;
    const QByteArray eps = pass.finish();
    QByteArrayList lines = eps.split('\n');
    ASSERT_EQ(lines.takeLast(), QByteArray());
    ASSERT_EQ(lines.size(), 58);
    EXPECT_EQ(lines[0], QByteArray("%!PS-Adobe-3.0 EPSF-3.0\r"));
    EXPECT_EQ(lines[1], QByteArray("%%BoundingBox: 0 0 400 300\r"));
    EXPECT_EQ(lines[3], QByteArray("%%LanguageLevel: 3\r"));
    EXPECT_EQ(lines[54], QByteArray("%%EndProlog\r"));
    EXPECT_EQ(lines[55], QByteArray("gs\r"));
    EXPECT_EQ(lines[56], QByteArray("np\r"));
    EXPECT_EQ(lines[57], QByteArray("gr\r"));
    const ToolResult gs = ghostscript(eps);
    EXPECT_EQ(gs.exitCode, 0) << gs.err.toStdString();
}

TEST_F(EpsTest, NumbersUseADotAndStringsAreEscapedToSevenBits)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    EpsPass pass;
    pass.canvas.Pen()->SetStyle(psClear);
    pass.canvas.Brush()->SetColor(0xFF0080);
    pass.canvas.Rectangle(10, 10, 50, 50);
    pass.canvas.Font()->SetName(QStringLiteral("DejaVu Sans"));
    pass.canvas.TextOut(10, 100, QStringLiteral("a\\b(c)"));
    pass.canvas.TextOut(10, 150, QStringLiteral("°C"));
    const QByteArray eps = pass.finish();
    EXPECT_TRUE(eps.contains("gs 0.50 0.00 1.00 rgb 10 250 40 40 rectfill gr")) << eps.toStdString();
    EXPECT_TRUE(eps.contains("(a\\\\b\\(c\\)) ltext"));
    EXPECT_TRUE(eps.contains("(\\260C) ltext"));
    EXPECT_TRUE(eps.contains("(DejaVu Sans) cvn findfont"));
    EXPECT_TRUE(std::all_of(eps.begin(), eps.end(), [](char c) { return static_cast<unsigned char>(c) < 128; }));
    const ToolResult gs = ghostscript(eps);
    EXPECT_EQ(gs.exitCode, 0) << gs.err.toStdString();
    EXPECT_TRUE(gs.err.isEmpty()) << gs.err.toStdString();
}

TEST_F(EpsTest, APieEndingOnThePositiveXAxisEndsAt360)
{
    EpsPass pass;
    pass.canvas.Pie(100, 100, 200, 200, 150, 100, 200, 150);
    const QByteArray eps = pass.finish();
    EXPECT_TRUE(eps.contains("150 150 50.00 50.00 90 360 pie")) << eps.toStdString();
}

TEST_F(EpsTest, ChartsRenderLikeTheScreenInGhostscript)
{
    const auto check = [&](VectorTestChart &chart, const char *name, const std::vector<QPoint> &more = {}) {
        SCOPED_TRACE(name);
        const QImage screen = chart.screen();
        const QByteArray eps = exportChart(chart);
        std::vector<QPoint> probes = solidProbes(screen);
        probes.insert(probes.end(), more.begin(), more.end());
        expectRendersLikeScreen(rasteriseEps(files, eps), screen, probes);
    };
    VectorTestChart lines;
    addLineSeries(lines);
    check(lines, "lines");
    EXPECT_TRUE(exportChart(lines).contains("(Arial) cvn findfont"));
    VectorTestChart bars;
    makeBarChart(bars);
    check(bars, "bars");
    // The pie in the upper third: its angles must not depend on where it lies.
    VectorTestChart pie;
    addPie(pie, {3, 2, 4, 1})->SetRotationAngle(25);
    pie.SetMarginUnits(muPixels);
    pie.SetMarginBottom(180);
    check(pie, "upper pie");
    VectorTestChart onePoint;
    addPie(onePoint, {5})->SetRotationAngle(70);
    check(onePoint, "one-point pie");
    VectorTestChart shadowAndBevel;
    const std::vector<QPoint> faces = makeShadowAndBevelChart(shadowAndBevel);
    check(shadowAndBevel, "shadow and bevel", faces);
}

TEST_F(EpsTest, LatinOneTextsKeepEveryCharacterThroughGhostscript)
{
    const QString demo = files.path(QStringLiteral("demo.eps"));
    const ToolResult saved = runTool(QStringLiteral(TENSIMO_CHART_DEMO), {"--save", demo});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_TRUE(textViaPdf(files, demo).contains(QString::fromUtf8("t / \u00B0C")));

    const QString title = QString::fromUtf8("Dampfdruck \u00FCber L\u00F6sung: t / \u00B0C, \u00DF");
    VectorTestChart chart;
    addLineSeries(chart);
    chart.Title()->SetText({title});
    chart.Title()->Font()->SetColor(clBlack);
    const QImage screen = chart.screen();
    const QByteArray eps = exportChart(chart);
    EXPECT_TRUE(textViaPdf(files, files.write(QStringLiteral("title.eps"), eps)).contains(title));
    // The title starts where the screen's starts and is about as wide: the layout is the
    // screen's, and Ghostscript's replacement for Arial is a little narrower than its font.
    const TRect titleArea = chart.Title()->TitleRect();
    const QRect want = inkBox(screen, titleArea);
    const QRect got = inkBox(rasteriseEps(files, eps), titleArea);
    ASSERT_FALSE(want.isEmpty());
    EXPECT_LE(std::abs(got.left() - want.left()), 1) << got.left() << " " << want.left();
    EXPECT_NEAR(got.width(), want.width(), 0.15 * want.width());
    EXPECT_LE(std::abs(got.top() - want.top()), 1) << got.top() << " " << want.top();
}

TEST_F(EpsTest, TextsSitOnTheBaselineTheScreenGivesThem)
{
    VectorTestChart chart;
    addLineSeries(chart);
    // Texts without descenders: the two fonts' descenders differ.
    chart.Title()->SetText({QStringLiteral("TITLE")});
    chart.Title()->Font()->SetColor(clBlack);
    const QImage screen = chart.screen();
    const QImage rendered = rasteriseEps(files, exportChart(chart));
    // Each text's ink: the title, the legend's two items and the axis labels below the chart.
    const TRect legend = chart.Legend()->LegendRect();
    const TRect areas[] = {chart.Title()->TitleRect(),
                           {legend.left + 2, legend.top + 2, legend.right - 2, legend.bottom - 2},
                           {chart.ChartRect.left - 10, chart.ChartRect.bottom + 3, chart.ChartRect.right + 10, 300}};
    for (const TRect &area : areas) {
        SCOPED_TRACE(testing::Message() << area.left << "," << area.top << " " << area.right << "," << area.bottom);
        const QRect want = inkBox(screen, area);
        const QRect got = inkBox(rendered, area);
        ASSERT_FALSE(want.isEmpty());
        EXPECT_LE(std::abs(got.top() - want.top()), 1) << got.top() << " " << want.top();
        EXPECT_LE(std::abs(got.bottom() - want.bottom()), 1) << got.bottom() << " " << want.bottom();
    }
}
