// The SVG canvas: the document's frame and namespace, attributes, escapes, clip groups,
// transparency, sectors and turned texts, read back by xmllint and rsvg-convert.
#include "VectorTestSupport.h"

#include "ScopedLocale.h"
#include "TBarSeries.h"
#include "TBrush.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TChartWall.h"
#include "TFont.h"
#include "TPen.h"
#include "TPlotFont.h"
#include "TPlotShadow.h"
#include "TPieSeries.h"
#include "TSVGCanvas.h"
#include "TVMLCanvas.h"

#include <QRegularExpression>

namespace {

const TRect kPage{0, 0, 400, 300};

// A canvas between InitWindow and FlushBuffer.
struct SvgPass
{
    explicit SvgPass(bool antiAlias = true)
    {
        canvas.SetTextAntiAlias(antiAlias);
        canvas.InitWindow(nullptr, nullptr, clWhite, false, kPage);
    }
    QByteArray finish()
    {
        canvas.FlushBuffer(nullptr, nullptr, kPage);
        return canvas.takeOutput();
    }
    TSVGCanvas canvas;
};

class SvgTest : public VectorExportTest
{
protected:
    ToolResult xmllint(const QByteArray &svg, const QStringList &options = {})
    {
        return runTool(QStringLiteral("xmllint"), options + QStringList{files.write("check.svg", svg)});
    }
    ScratchFiles files;
};

QByteArray exportChart(VectorTestChart &chart)
{
    return chart.drawThrough(std::make_unique<TSVGCanvas>());
}

} // namespace

TEST_F(SvgTest, TheDocumentIsSvgInItsNamespaceAndRendersLikeTheScreen)
{
    VectorTestChart chart;
    addLineSeries(chart);
    const QByteArray svg = exportChart(chart);
    const QList<QByteArray> lines = svg.split('\n');
    ASSERT_GT(lines.size(), 4);
    EXPECT_EQ(lines[0], QByteArray(R"(<?xml version="1.0" standalone="no"?>)" "\r"));
    EXPECT_EQ(lines[1], QByteArray(R"(<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.1//EN" )"
                                   R"("http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd">)" "\r"));
    EXPECT_TRUE(lines[2].startsWith(R"(<svg xmlns="http://www.w3.org/2000/svg" width="400px" height="300px")"));
    EXPECT_EQ(lines[lines.size() - 2], QByteArray("</svg>\r"));
    const ToolResult check = xmllint(svg, {"--noout"});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_EQ(xmllint(svg, {"--xpath", "namespace-uri(/*)"}).out.trimmed(), QByteArray("http://www.w3.org/2000/svg"));
    const QImage screen = chart.screen();
    expectRendersLikeScreen(rasteriseSvg(files, svg), screen, solidProbes(screen));
    // One-pixel lines lie on the screen's pixels: a shadow and a bevel of such lines keep their colours.
    VectorTestChart shadowAndBevel;
    std::vector<QPoint> probes = makeShadowAndBevelChart(shadowAndBevel);
    const QImage shown = shadowAndBevel.screen();
    const std::vector<QRgb> colours{qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(160, 160, 160),
                                    qRgb(160, 160, 160), qRgb(0, 0, 0), qRgb(0, 0, 0)};
    for (std::size_t i = 0; i < probes.size(); ++i)
        EXPECT_EQ(shown.pixel(probes[i]) & 0xFFFFFF, colours[i] & 0xFFFFFF) << probes[i].x() << "," << probes[i].y();
    const std::vector<QPoint> solid = solidProbes(shown);
    probes.insert(probes.end(), solid.begin(), solid.end());
    expectRendersLikeScreen(rasteriseSvg(files, exportChart(shadowAndBevel)), shown, probes);
}

TEST_F(SvgTest, RectanglesAndColoursAreWrittenAsTheScreenNamesThem)
{
    SvgPass pass;
    pass.canvas.Pen()->SetStyle(psClear);
    pass.canvas.Brush()->SetColor(0xFFFF00);
    pass.canvas.Rectangle(20, 30, 10, 10); // corners in either order
    pass.canvas.Brush()->SetColor(clRed);
    pass.canvas.FillRect({0, 0, 5, 5});
    const QByteArray svg = pass.finish();
    EXPECT_TRUE(svg.contains(R"~(x="10" y="10"  width="9" height="19" fill="rgb(0,255,255)" stroke="none"/>)~"))
        << svg.toStdString();
    EXPECT_TRUE(svg.contains(R"(fill="red"/>)"));
}

TEST_F(SvgTest, TextsAndAttributesAreEscaped)
{
    SvgPass pass;
    pass.canvas.Font()->SetName(QStringLiteral("A&B"));
    pass.canvas.TextOut(10, 10, QStringLiteral("a b<&"));
    pass.canvas.TextOut(10, 30, QStringLiteral("°C €"));
    pass.canvas.TextOut(10, 50, QString::fromUtf8("\xF0\x9D\x84\x9E")); // one code point, two UTF-16 units
    const QByteArray svg = pass.finish();
    EXPECT_TRUE(svg.contains("\r\na&#32;b&#60;&#38;\r\n")) << svg.toStdString();
    EXPECT_TRUE(svg.contains("\r\n&#176;C&#32;&#8364;\r\n"));
    EXPECT_TRUE(svg.contains("\r\n&#119070;\r\n"));
    EXPECT_TRUE(svg.contains(R"(font-family="A&amp;B")"));
    EXPECT_EQ(xmllint(svg, {"--noout"}).exitCode, 0);

    // Titles holding what XML cannot carry: every control character, NUL, "]]>", bytes that are
    // no UTF-8, a lone surrogate and the two non-characters. Both XML formats stay well-formed.
    QString hostile = QStringLiteral("]]>");
    for (char16_t c = 0; c < 32; ++c)
        hostile += QChar(c);
    hostile += QString::fromUtf8("\xC3\x28\xFF\xED\xA0\x80]]>") + QChar(0xD800) + QChar(0xFFFE) + QChar(0xFFFF);
    VectorTestChart chart;
    addLineSeries(chart);
    chart.Title()->SetText({hostile});
    chart.LeftAxis()->Title()->SetCaption(hostile);
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("a]]>b"));
    chart.Title()->Font()->SetName(QStringLiteral("Sans]]>\u0001"));
    const std::pair<const char *, QByteArray> documents[] = {
        {"svg", exportChart(chart)}, {"vml", chart.drawThrough(std::make_unique<TVMLCanvas>())}};
    for (const auto &[format, document] : documents) {
        SCOPED_TRACE(format);
        const ToolResult check = xmllint(document, {"--noout"});
        EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
        EXPECT_FALSE(document.contains("]]>"));
        EXPECT_FALSE(document.contains("&#0;") || document.contains("&#1;") || document.contains("&#65535;"));
        EXPECT_TRUE(document.contains("&#65533;")); // the broken bytes and the surrogate, as the screen shows them
    }
    const QImage drawn = rasteriseSvg(files, documents[0].second);
    ASSERT_FALSE(drawn.isNull());
    const QImage screen = chart.screen();
    expectRendersLikeScreen(drawn, screen, solidProbes(screen));
}

TEST_F(SvgTest, ClipGroupsNestAndStayBalanced)
{
    const auto groups = [](const QByteArray &svg) { return std::pair{int(svg.count("<g ")), int(svg.count("</g>"))}; };
    {
        SvgPass pass;
        pass.canvas.ClipRectangle({10, 10, 100, 100});
        pass.canvas.ClipRectangle({20, 20, 90, 90});
        pass.canvas.UnClipRectangle();
        pass.canvas.UnClipRectangle();
        pass.canvas.UnClipRectangle(); // one too many: ignored
        const QByteArray svg = pass.finish();
        EXPECT_TRUE(svg.contains(R"~(<g clip-path="url(#Clip1)">)~"));
        EXPECT_TRUE(svg.contains(R"~(<g clip-path="url(#Clip2)">)~"));
        EXPECT_EQ(groups(svg), std::pair(2, 2));
        EXPECT_LT(svg.indexOf("Clip2"), svg.indexOf("</g>")); // nested: the second opens inside the first
    }
    {
        SvgPass pass;
        pass.canvas.ClipEllipse({10, 10, 100, 100}, false);
        pass.canvas.Rectangle(0, 0, 50, 50); // the clip stays open to the end
        const QByteArray svg = pass.finish();
        EXPECT_EQ(groups(svg), std::pair(1, 1));
        EXPECT_EQ(xmllint(svg, {"--noout"}).exitCode, 0);
    }
}

TEST_F(SvgTest, TransparencyIsAnOpacityInEveryLocaleAndEndsWithItsBlend)
{
    {
        SvgPass pass(false);
        const QByteArray svg = pass.finish();
        EXPECT_FALSE(svg.split('\n').value(2).contains("style="));
    }
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    VectorTestChart chart;
    makeBarChart(chart);
    chart.BackWall()->SetTransparency(30);
    const QByteArray svg = exportChart(chart);
    const QByteArrayList withOpacity = [&] {
        QByteArrayList found;
        for (const QByteArray &line : svg.split('\n'))
            if (line.contains("fill-opacity"))
                found << line;
        return found;
    }();
    ASSERT_FALSE(withOpacity.isEmpty());
    for (const QByteArray &line : withOpacity) {
        EXPECT_TRUE(line.contains(R"(fill-opacity="0.7")")) << line.toStdString();
        EXPECT_TRUE(line.contains(R"~(fill="rgb(240,192,64)")~")) << line.toStdString(); // the wall's colour only
    }
    EXPECT_TRUE(svg.contains(R"(fill="teal")")); // the bars, opaque
}

TEST_F(SvgTest, ATransparentLegendShowsNoShadowThroughItself)
{
    VectorTestChart chart;
    addLineSeries(chart);
    TChartLegend &legend = *chart.Legend();
    legend.SetColor(clRed);
    legend.SetTransparency(60);
    legend.Shadow()->SetSize(6);
    const QImage screen = chart.screen();
    const QImage rendered = rasteriseSvg(files, exportChart(chart));
    ASSERT_EQ(rendered.size(), screen.size());
    // Points inside the legend where the screen shows its blended colour, away from its texts
    // and symbols, and points of the shadow beside it.
    const TRect box = legend.LegendRect();
    const QRgb pink = screen.pixel(box.right - 4, box.top + 3);
    std::vector<QPoint> probes;
    for (int y = box.top + 2; y < box.bottom - 2; ++y)
        for (int x = box.left + 2; x < box.right - 2; ++x)
            if (screen.pixel(x, y) == pink && screen.pixel(x - 2, y) == pink && screen.pixel(x + 2, y) == pink
                && screen.pixel(x, y - 2) == pink && screen.pixel(x, y + 2) == pink)
                probes.push_back({x, y});
    ASSERT_GE(probes.size(), 20u);
    const QColor want = QColor::fromRgb(pink);
    EXPECT_GT(want.green(), 100) << "pink on screen"; // red at 40 % over white
    for (std::size_t i = 0; i < probes.size(); i += probes.size() / 20) {
        const QColor got = rendered.pixelColor(probes[i]);
        EXPECT_LE(std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) + std::abs(got.blue() - want.blue()), 12)
            << probes[i].x() << "," << probes[i].y() << " " << got.name().toStdString() << " " << want.name().toStdString();
    }
    // The shadow beside it as opaque as on screen.
    const QPoint shadow(box.right + 3, (box.top + box.bottom) / 2);
    expectRendersLikeScreen(rendered, screen, std::vector<QPoint>(6, shadow));
}

TEST_F(SvgTest, PiesRenderLikeTheScreenAndAOnePointPieIsAFullDisc)
{
    for (const auto &values : {std::vector<double>{3, 2, 4, 1}, std::vector<double>{5}}) {
        SCOPED_TRACE(values.size());
        VectorTestChart chart;
        TPieSeries *pie = addPie(chart, {});
        for (const double v : values)
            pie->Add(v, {}, values.size() == 1 ? clLime : clPlotColor);
        pie->SetRotationAngle(40);
        const QImage screen = chart.screen();
        const QByteArray svg = exportChart(chart);
        EXPECT_FALSE(svg.contains(R"(stroke-linecap="flat")"));
        expectRendersLikeScreen(rasteriseSvg(files, svg), screen, solidProbes(screen));
    }
}

TEST_F(SvgTest, TheLeftAxisTitleIsTurnedAsOnScreen)
{
    VectorTestChart chart;
    addLineSeries(chart);
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("p / bar"));
    const QByteArray svg = exportChart(chart);
    const qsizetype title = svg.indexOf("\r\np&#32;/&#32;bar\r\n");
    ASSERT_GT(title, 0);
    const QByteArray element = svg.mid(svg.lastIndexOf("<text", title), title - svg.lastIndexOf("<text", title));
    EXPECT_TRUE(element.contains(R"~(transform="rotate(-90 )~")) << element.toStdString();
}

TEST_F(SvgTest, WidePensWriteTheirCapsAndDashes)
{
    SvgPass pass;
    TChartPen pen;
    pen.SetWidth(3);
    pen.SetEndStyle(esFlat);
    pass.canvas.AssignVisiblePen(pen);
    pass.canvas.Line(0, 0, 10, 10);
    pen.SetEndStyle(esSquare);
    pen.SetStyle(psDash);
    pass.canvas.AssignVisiblePen(pen);
    pass.canvas.Line(0, 0, 10, 10);
    // Round ends, the screen's default, are no SVG default: they are written too.
    pen.SetEndStyle(esRound);
    pen.SetStyle(psSolid);
    pass.canvas.AssignVisiblePen(pen);
    pass.canvas.Line(0, 0, 10, 10);
    const QByteArray svg = pass.finish();
    // An odd width lies on the middle of its pixels, as on screen.
    EXPECT_TRUE(svg.contains(R"~(stroke-width="3" stroke-linecap="butt" transform="translate(0.5,0.5)"/>)~"))
        << svg.toStdString();
    EXPECT_TRUE(svg.contains(
        R"~(stroke-width="3" stroke-dasharray="4, 2"  stroke-linecap="square" stroke-linejoin="bevel" transform="translate(0.5,0.5)"/>)~"));
    EXPECT_TRUE(svg.contains(R"~(stroke-width="3" stroke-linecap="round" stroke-linejoin="round" transform="translate(0.5,0.5)"/>)~"));
}

TEST_F(SvgTest, OutlinedTextsAreWrittenAsText)
{
    VectorTestChart chart;
    addLineSeries(chart);
    chart.Title()->SetText({QStringLiteral("Outlined")});
    chart.Title()->Font()->OutLine()->SetVisible(true);
    const QByteArray svg = exportChart(chart);
    EXPECT_TRUE(svg.contains("\r\nOutlined\r\n")) << svg.left(3000).toStdString();
}

TEST_F(SvgTest, ATransparentTextShadowIsWrittenTranslucentAndTheTextOpaque)
{
    TPlotFont font;
    font.SetColor(clNavy);
    font.Shadow()->SetColor(clGray);
    font.Shadow()->SetSize(2);
    font.Shadow()->SetTransparency(40);
    SvgPass pass;
    pass.canvas.AssignFont(&font);
    pass.canvas.TextOut(20, 20, QStringLiteral("Shade"));
    const QByteArray svg = pass.finish();
    QByteArrayList texts;
    for (const QByteArray &line : svg.split('\n'))
        if (line.startsWith("<text"))
            texts << line;
    ASSERT_EQ(texts.size(), 2) << svg.toStdString();
    EXPECT_TRUE(texts[0].contains(R"(fill="gray" fill-opacity="0.6")")) << texts[0].toStdString();
    EXPECT_TRUE(texts[1].contains(R"(fill="navy">)")) << texts[1].toStdString();
    EXPECT_EQ(xmllint(svg, {QStringLiteral("--noout")}).exitCode, 0);
}

