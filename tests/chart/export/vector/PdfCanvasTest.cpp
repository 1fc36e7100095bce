// The PDF canvas and document: structure checked by qpdf and poppler and a parser of our own,
// fonts and pictures shared, numbers in every locale, clips balanced, and the page rendered.
#include "VectorTestSupport.h"

#include "GoldenFiles.h"
#include "PdfFontTables.h"
#include "ScopedLocale.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPDFCanvas.h"
#include "TPen.h"
#include "TPieSeries.h"
#include "TPlotPDFPage.h"

#include <QRegularExpression>

namespace {

const TRect kPage{0, 0, 400, 300};

// A canvas on its own page between InitWindow and FlushBuffer.
struct PdfPass
{
    PdfPass()
        : page(400, 300)
        , canvas(page)
    {
        canvas.InitWindow(nullptr, nullptr, clWhite, false, kPage);
    }
    QByteArray finish()
    {
        canvas.FlushBuffer(nullptr, nullptr, kPage);
        return page.WritePDFDocument();
    }
    TPlotPDFPage page;
    TPDFCanvas canvas;
};

QByteArray exportChart(VectorTestChart &chart)
{
    TPlotPDFPage page(chart.width(), chart.height());
    chart.drawThrough(std::make_unique<TPDFCanvas>(page));
    return page.WritePDFDocument();
}

class PdfTest : public VectorExportTest
{
protected:
    void SetUp() override
    {
        TPlotPDFPage::setClock([] { return QDateTime(QDate(2024, 3, 20), QTime(10, 0, 0)); });
    }
    void TearDown() override { TPlotPDFPage::setClock({}); }
    ScratchFiles files;
};

// The content stream between "stream" and "endstream" of object 2, decoded.
QByteArray contentOf(const QByteArray &written)
{
    const QByteArray pdf = decodedPdf(written);
    const qsizetype start = pdf.indexOf("2 0 obj");
    const qsizetype begin = pdf.indexOf("stream\r\n", start) + 8;
    return pdf.mid(begin, pdf.indexOf("\r\nendstream", begin) - begin);
}

} // namespace

TEST_F(PdfTest, ALineChartPassesQpdfAndPopplerShowsItsDescription)
{
    VectorTestChart chart;
    addLineSeries(chart);
    const QString file = files.write(QStringLiteral("lines.pdf"), exportChart(chart));
    const ToolResult check = runTool(QStringLiteral("qpdf"), {"--check", file});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
    const QByteArray info = runTool(QStringLiteral("pdfinfo"), {file}).out;
    EXPECT_TRUE(info.contains(QByteArray("Creator:         Plot Library 3.0"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QByteArray("Producer:        Plot Library 3.0"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QByteArray("Title:           TChart Export"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QByteArray("Page size:       400 x 300 pts"))) << info.toStdString();
    const QList<QByteArray> fonts = runTool(QStringLiteral("pdffonts"), {file}).out.split('\n');
    int listed = 0;
    for (const QByteArray &line : fonts.mid(2)) {
        if (line.trimmed().isEmpty())
            continue;
        ++listed;
        EXPECT_TRUE(line.contains("TrueType") && line.contains("WinAnsi")) << line.toStdString();
        EXPECT_EQ(line.simplified().split(' ').value(4), QByteArray("no")) << line.toStdString();
    }
    EXPECT_GE(listed, 1);
}

TEST_F(PdfTest, EveryCrossReferenceEntryPointsAtItsObject)
{
    VectorTestChart chart;
    addLineSeries(chart);
    const QByteArray pdf = exportChart(chart);
    const qsizetype startxref = pdf.lastIndexOf("startxref\r\n");
    ASSERT_GT(startxref, 0);
    const qsizetype xref = pdf.mid(startxref + 11).split('\r').first().toLongLong();
    ASSERT_TRUE(pdf.mid(xref).startsWith("xref\r\n"));
    const QList<QByteArray> header = pdf.mid(xref + 6).split('\r').first().split(' ');
    const int count = header.value(1).toInt();
    ASSERT_GT(count, 5);
    const qsizetype entries = pdf.indexOf('\n', xref + 6) + 1;
    for (int n = 0; n < count; ++n) {
        const QByteArray entry = pdf.mid(entries + 20 * n, 20);
        ASSERT_TRUE(entry.endsWith("\r\n")) << n; // 20 bytes each
        if (n == 0)
            continue;
        const qsizetype offset = entry.left(10).toLongLong();
        EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(n) + " 0 obj")) << n;
    }
    EXPECT_TRUE(pdf.mid(entries + 20 * count).startsWith("trailer"));
}

TEST_F(PdfTest, ContentAndPictureRowsAreCompressedAndQpdfDecodesWhatWasDrawn)
{
    VectorTestChart chart;
    addLineSeries(chart);
    TPlotPDFPage page(chart.width(), chart.height());
    chart.drawThrough(std::make_unique<TPDFCanvas>(page));
    QImage picture(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor(x * 16, y * 32, 90));
    {
        TPDFCanvas canvas(page);
        canvas.InitWindow(nullptr, nullptr, clWhite, false, kPage);
        canvas.Draw(10, 10, &picture);
        canvas.FlushBuffer(nullptr, nullptr, kPage);
    }
    const QByteArray pdf = page.WritePDFDocument();
    const QString file = files.write(QStringLiteral("compressed.pdf"), pdf);
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {"--check", file}).exitCode, 0);
    // qpdf inflates the streams itself: the content as the canvas wrote it, the picture's rows.
    const ToolResult content = runTool(QStringLiteral("qpdf"), {"--show-object=2", "--filtered-stream-data", file});
    EXPECT_EQ(content.exitCode, 0) << content.err.toStdString();
    EXPECT_TRUE(content.out == page.content());
    EXPECT_LT(pdf.size(), page.content().size());
    const qsizetype image = pdf.lastIndexOf(" 0 obj\r\n", pdf.indexOf("/Subtype /Image"));
    const QByteArray number = pdf.mid(pdf.lastIndexOf('\n', image) + 1, image - pdf.lastIndexOf('\n', image) - 1);
    const ToolResult rows = runTool(QStringLiteral("qpdf"), {"--show-object=" + QString::fromLatin1(number),
                                                             "--filtered-stream-data", file});
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QByteArray expected;
    for (int y = 0; y < rgb.height(); ++y)
        expected.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
    EXPECT_TRUE(rows.out == expected) << number.toStdString() << " " << rows.err.toStdString();
}

TEST_F(PdfTest, APageWithNothingDrawnHasAValidEmptyContentStream)
{
    const TPlotPDFPage page(400, 300);
    const QString file = files.write(QStringLiteral("empty.pdf"), page.WritePDFDocument());
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {"--check", file}).exitCode, 0);
    const ToolResult content = runTool(QStringLiteral("qpdf"), {"--show-object=2", "--filtered-stream-data", file});
    EXPECT_EQ(content.exitCode, 0) << content.err.toStdString();
    EXPECT_TRUE(content.out.isEmpty()) << content.out.toStdString();
    // qpdf takes a Flate stream of no bytes; Ghostscript finds no zlib stream in it and stops.
    const ToolResult drawn = runTool(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dPDFSTOPONERROR",
                                                            "-sDEVICE=nullpage", file});
    EXPECT_EQ(drawn.exitCode, 0) << drawn.out.toStdString() << drawn.err.toStdString();
}

TEST_F(PdfTest, TextsShareTheFontOfTheirFaceAndBoldGetsItsOwn)
{
    PdfPass pass;
    pass.canvas.Font()->SetName(QStringLiteral("DejaVu Sans"));
    pass.canvas.TextOut(10, 10, QStringLiteral("one"));
    pass.canvas.TextOut(10, 40, QStringLiteral("two"));
    EXPECT_EQ(pass.page.fonts().size(), 1u);
    pass.canvas.Font()->SetStyle(fsBold);
    pass.canvas.TextOut(10, 70, QStringLiteral("three"));
    ASSERT_EQ(pass.page.fonts().size(), 2u);
    EXPECT_EQ(pass.page.fonts()[0].pdfName, QByteArray("DejaVuSans"));
    EXPECT_EQ(pass.page.fonts()[1].pdfName, QByteArray("DejaVuSans,Bold"));
    const QByteArray pdf = pass.finish();
    EXPECT_TRUE(pdf.contains("/BaseFont /DejaVuSans,Bold\r\n"));
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {"--check", files.write("fonts.pdf", pdf)}).exitCode, 0);
}

TEST_F(PdfTest, TheSamePictureDrawnTwiceIsStoredOnce)
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    const QImage copy = picture.copy();
    PdfPass pass;
    pass.canvas.Draw(10, 10, &picture);
    pass.canvas.StretchDraw({100, 100, 180, 160}, &copy);
    const QByteArray pdf = pass.finish();
    EXPECT_EQ(contentOf(pdf).count("/Im0 Do"), 2);
    const QByteArray list = runTool(QStringLiteral("pdfimages"), {"-list", files.write("pictures.pdf", pdf)}).out;
    // Two uses on page 1, both of object 0 ...
    const QStringList uses = QString::fromLatin1(list).split(QLatin1Char('\n')).filter(
        QRegularExpression(QStringLiteral("^\\s*1\\s+\\d+\\s+image")));
    ASSERT_EQ(uses.size(), 2) << list.toStdString();
    EXPECT_EQ(uses[0].simplified().split(QLatin1Char(' ')).value(10), uses[1].simplified().split(QLatin1Char(' ')).value(10));
    EXPECT_EQ(pdf.count("/Subtype /Image"), 1); // ... of one image object
}

TEST_F(PdfTest, NumbersUseADotInAGermanLocaleAndTextsKeepTheirCommas)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    VectorTestChart chart;
    makeBarChart(chart);
    const QByteArray pdf = exportChart(chart);
    // Every number of the content: no digit, comma, digit outside a string.
    static const QRegularExpression strings(QStringLiteral("\\((?:[^()\\\\]|\\\\.)*\\)"));
    const QString operators = QString::fromLatin1(contentOf(pdf)).remove(strings);
    EXPECT_FALSE(operators.contains(QRegularExpression(QStringLiteral("\\d,\\d"))));
    EXPECT_TRUE(operators.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))));
    const QByteArray text = runTool(QStringLiteral("pdftotext"), {files.write("german.pdf", pdf), "-"}).out;
    EXPECT_TRUE(text.contains("1,5 bar")) << text.toStdString();
}

TEST_F(PdfTest, ClipsAreBalancedAndASurplusUnclipWritesNothing)
{
    PdfPass pass;
    pass.canvas.UnClipRectangle();
    EXPECT_FALSE(pass.page.content().contains('Q'));
    pass.canvas.ClipRectangle({10, 10, 100, 100});
    pass.canvas.ClipRectangle({20, 20, 90, 90});
    pass.canvas.UnClipRectangle();
    // An inverted ellipse clip opens a clip of its own: its unclip leaves the outer one open.
    pass.canvas.ClipEllipse({30, 30, 60, 60}, true);
    pass.canvas.UnClipRectangle();
    const qsizetype stillClipped = pass.page.content().size();
    pass.canvas.Rectangle(30, 30, 60, 60); // the outer clip stays open to the end
    const QByteArray content = contentOf(pass.finish());
    EXPECT_EQ(content.count("q\r\n"), 3);
    EXPECT_EQ(content.count("Q\r\n"), 3);
    EXPECT_TRUE(content.endsWith("Q\r\n"));
    EXPECT_EQ(content.mid(stillClipped).count("Q\r\n"), 1);
}

TEST_F(PdfTest, AShapeDocumentMatchesItsGoldenFile)
{
    PdfPass pass;
    TPen &pen = *pass.canvas.Pen();
    TBrush &brush = *pass.canvas.Brush();
    pen.SetColor(clNavy);
    brush.SetColor(0x30A0F0);
    pass.canvas.Rectangle(20, 20, 180, 120);
    pen.SetStyle(psDash);
    brush.SetColor(clLime);
    pass.canvas.Polygon({{220, 20}, {380, 60}, {300, 140}});
    pen.SetStyle(psSolid);
    pass.canvas.Ellipse(20, 160, 180, 280);
    brush.SetColor(clRed);
    pass.canvas.Pie(220, 160, 380, 280, 380, 220, 300, 160);
    pen.SetWidth(3);
    pass.canvas.Arc(240, 180, 360, 260, 240, 220, 360, 220);
    pass.canvas.MoveTo(10, 290);
    pass.canvas.LineTo(390, 290);
    const QByteArray pdf = pass.finish();
    expectMatchesGolden(QString::fromLatin1(decodedPdf(pdf)), QStringLiteral("export/shapes.pdf"));
    // The dates are equal; colours stand before their paths; the fonts' ranges fit the widths.
    static const QRegularExpression date(QStringLiteral("/CreationDate (\\(D:\\d{14}\\))\\r\\n/ModDate (\\S+)"));
    const QRegularExpressionMatch m = date.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(m.captured(1), QStringLiteral("(D:20240320100000)"));
    EXPECT_EQ(m.captured(1), m.captured(2));
    bool inPath = false;
    for (const QByteArray &line : contentOf(pdf).split('\n')) {
        if (line.contains(" m") && !line.contains(" S"))
            inPath = true;
        if (inPath) {
            EXPECT_FALSE(line.contains(" rg") && !line.contains(" m")) << line.toStdString();
        }
        if (line.contains(" f") || line.contains(" B") || line.contains(" S") || line.contains(" s"))
            inPath = false;
    }
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {"--check", files.write("shapes.pdf", pdf)}).exitCode, 0);
}

TEST_F(PdfTest, FontRangesStayInsideTheWidthsTheyWrite)
{
    PdfPass pass;
    pass.canvas.Font()->SetName(QStringLiteral("DejaVu Sans"));
    pass.canvas.TextOut(10, 10, QStringLiteral("x"));
    const QString pdf = QString::fromLatin1(pass.finish());
    const int first = QRegularExpression(QStringLiteral("/FirstChar (\\d+)")).match(pdf).captured(1).toInt();
    const int last = QRegularExpression(QStringLiteral("/LastChar (\\d+)")).match(pdf).captured(1).toInt();
    EXPECT_GE(first, 32);
    EXPECT_LE(last, 255);
    const qsizetype widthsAt = pdf.indexOf(QStringLiteral("[\r\n"), pdf.indexOf(QStringLiteral("/StemV")));
    const QString widths = pdf.mid(widthsAt + 1, pdf.indexOf(QLatin1Char(']'), widthsAt) - widthsAt - 1);
    EXPECT_EQ(widths.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size(), last - first + 1);
}

TEST_F(PdfTest, FontNamesAndStringsAreEscaped)
{
    EXPECT_EQ(TPlotPDFPage::escapedName("A(B)#C\xC3\xA9"), QByteArray("A#28B#29#23C#C3#A9"));
    EXPECT_EQ(TPDFCanvas::escapedText(QStringLiteral("a\\b(c)")), QByteArray("a\\\\b\\(c\\)"));
    EXPECT_EQ(TPDFCanvas::escapedText(QStringLiteral("°€\u4E00")), QByteArray("\xB0\x80?"));
}

TEST_F(PdfTest, ShortFontTablesGiveNothing)
{
    for (const int size : {0, 3, 10}) {
        const QByteArray table(size, '\x7F');
        EXPECT_FALSE(PdfFontTables::readHead(table)) << size;
        EXPECT_FALSE(PdfFontTables::readOS2(table).has_value() && size < 4) << size;
        EXPECT_FALSE(PdfFontTables::readItalicAngle(table).has_value() && size < 8) << size;
        EXPECT_FALSE(PdfFontTables::readHorizontalHeader(table).has_value() && size < 8) << size;
    }
}

TEST_F(PdfTest, TheTestChartsRenderLikeTheScreen)
{
    const auto check = [&](VectorTestChart &chart, const char *name, const std::vector<QPoint> &more = {}) {
        SCOPED_TRACE(name);
        const QImage screen = chart.screen();
        screen.save(files.path(QStringLiteral("screen-%1.png").arg(QLatin1String(name))));
        std::vector<QPoint> probes = solidProbes(screen);
        probes.insert(probes.end(), more.begin(), more.end());
        const QByteArray pdf = exportChart(chart);
        files.write(QStringLiteral("%1.pdf").arg(QLatin1String(name)), pdf);
        expectRendersLikeScreen(rasterisePdf(files, pdf), screen, probes);
        expectRendersLikeScreen(rasterisePdf(files, pdf, true), screen, probes);
    };
    VectorTestChart lines;
    addLineSeries(lines);
    check(lines, "lines");
    VectorTestChart bars;
    makeBarChart(bars);
    check(bars, "bars");
    VectorTestChart pie;
    addPie(pie, {3, 2, 4, 1});
    check(pie, "pie");
    VectorTestChart onePoint;
    addPie(onePoint, {5})->SetRotationAngle(40);
    check(onePoint, "one-point pie");
    VectorTestChart shadowAndBevel;
    const std::vector<QPoint> faces = makeShadowAndBevelChart(shadowAndBevel);
    check(shadowAndBevel, "shadow and bevel", faces);
}
