// The EPS canvas: header and prolog, numbers and strings, font names, pie angles, and the
// document rendered by Ghostscript against the screen.
#include "VectorTestSupport.h"

#include "ScopedLocale.h"
#include "TBrush.h"
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

} // namespace

TEST_F(EpsTest, AnEmptyDrawingIsTheHeaderAndPrologThenItsEnd)
{
    EpsPass pass;
    const QByteArray eps = pass.finish();
    QByteArrayList lines = eps.split('\n');
    ASSERT_EQ(lines.takeLast(), QByteArray());
    ASSERT_EQ(lines.size(), 56);
    EXPECT_EQ(lines[0], QByteArray("%!PS-Adobe-3.0 EPSF-3.0\r"));
    EXPECT_EQ(lines[1], QByteArray("%%BoundingBox: 0 0 400 300\r"));
    EXPECT_EQ(lines[3], QByteArray("%%LanguageLevel: 3\r"));
    EXPECT_EQ(lines[52], QByteArray("%%EndProlog\r"));
    EXPECT_EQ(lines[53], QByteArray("gs\r"));
    EXPECT_EQ(lines[54], QByteArray("np\r"));
    EXPECT_EQ(lines[55], QByteArray("gr\r"));
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
    const auto check = [&](VectorTestChart &chart, const char *name) {
        SCOPED_TRACE(name);
        const QImage screen = chart.screen();
        const QByteArray eps = exportChart(chart);
        expectRendersLikeScreen(rasteriseEps(files, eps), screen, solidProbes(screen));
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
}
