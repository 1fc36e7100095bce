// Vector export test set-up.
#include "VectorTestSupport.h"

#include "ChartLibrary.h"
#include "ChartTestSetup.h"
#include "CursorProbes.h"
#include "TBarSeries.h"
#include "TChartAxis.h"
#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TChartWall.h"
#include "TLineSeries.h"
#include "TPieSeries.h"
#include "TPlotShadow.h"

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>

#include <cstdio>
#include <map>

VectorTestChart::VectorTestChart()
{
    resize(400, 300);
    SetView3D(false);
}

QImage VectorTestChart::screen()
{
    return CreateBitmap(clWhite, GetRectangle());
}

QByteArray VectorTestChart::drawThrough(std::unique_ptr<VectorCanvas> canvas)
{
    VectorCanvas *vector = canvas.get();
    const bool autoRepaint = std::exchange(AutoRepaint, false);
    std::unique_ptr<TCanvas3D> screen = ReplaceCanvas(std::move(canvas));
    Draw(PaintCanvas(), GetRectangle());
    QByteArray out = vector->document();
    ReplaceCanvas(std::move(screen));
    AutoRepaint = autoRepaint;
    return out;
}

void addLineSeries(TChart &chart)
{
    auto *a = chart.AddSeriesOfClass<TLineSeries>();
    a->SetTitle(QStringLiteral("A"));
    a->SetSeriesColor(clRed);
    for (const auto &[x, y] : {std::pair{0.0, 1.0}, {1.0, 3.0}, {2.0, 2.0}, {3.0, 5.0}, {4.0, 4.0}})
        a->AddXY(x, y);
    auto *b = chart.AddSeriesOfClass<TLineSeries>();
    b->SetTitle(QStringLiteral("B"));
    b->SetSeriesColor(clBlue);
    for (const auto &[x, y] : {std::pair{0.0, 2.0}, {1.0, 1.0}, {2.0, 4.0}, {3.0, 3.0}, {4.0, 6.0}})
        b->AddXY(x, y);
}

TPieSeries *addPie(TChart &chart, std::initializer_list<double> values)
{
    chart.Legend()->SetVisible(false);
    auto *pie = chart.AddSeriesOfClass<TPieSeries>();
    pie->Marks()->SetVisible(false);
    const TColor colors[] = {clRed, clLime, clBlue, clYellow, clFuchsia};
    int i = 0;
    for (const double v : values)
        pie->Add(v, {}, colors[i++ % 5]);
    return pie;
}

void makeBarChart(TChart &chart)
{
    chart.SetView3D(true);
    chart.Legend()->SetVisible(false);
    chart.BackWall()->SetColor(0x40C0F0);
    chart.BackWall()->SetTransparent(false);
    chart.Title()->SetText({QStringLiteral("1,5 bar")});
    auto *bars = chart.AddSeriesOfClass<TBarSeries>();
    bars->SetSeriesColor(clTeal);
    bars->Marks()->SetVisible(false);
    for (const double v : {3.0, 5.0, 4.0})
        bars->Add(v);
}

std::vector<QPoint> makeShadowAndBevelChart(TChart &chart)
{
    constexpr int kBevel = 20;
    addLineSeries(chart);
    chart.SetBevelOuter(bvRaised);
    chart.SetBevelWidth(kBevel);
    chart.Legend()->Shadow()->SetSize(1000);
    chart.CreateBitmap(clWhite, chart.GetRectangle()); // lays the legend out
    const TRect box = chart.Legend()->LegendRect();
    const int w = chart.width();
    const int h = chart.height();
    return {{kBevel / 2, h / 2}, {w / 2, kBevel / 2}, {w - kBevel / 2, kBevel + 10}, {w / 2, h - kBevel / 2},
            {box.right + 4, box.bottom + 20}, {box.right + 4, h - kBevel - 10}};
}

ScratchFiles::ScratchFiles()
{
    if (qEnvironmentVariableIsSet("TENSIMO_KEEP_EXPORTS")) {
        m_dir.setAutoRemove(false);
        std::fprintf(stderr, "exports kept in %s\n", qPrintable(m_dir.path()));
    }
}

QString ScratchFiles::write(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << name.toStdString();
    return file.fileName();
}

namespace {

QImage readRendered(const QString &file, const ToolResult &result, const char *tool)
{
    if (result.exitCode != 0) {
        ADD_FAILURE() << tool << " failed: " << result.err.toStdString();
        return {};
    }
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage rasteriseSvg(ScratchFiles &files, const QByteArray &svg, QSize size)
{
    const QString in = files.write(QStringLiteral("chart.svg"), svg);
    const QString out = files.path(QStringLiteral("svg.png"));
    return readRendered(out,
                        runTool(QStringLiteral("rsvg-convert"), {"-w", QString::number(size.width()), "-h",
                                                                 QString::number(size.height()), "-o", out, in}),
                        "rsvg-convert");
}

QImage rasteriseEps(ScratchFiles &files, const QByteArray &eps)
{
    const QString in = files.write(QStringLiteral("chart.eps"), eps);
    const QString out = files.path(QStringLiteral("eps.png"));
    return readRendered(out,
                        runTool(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-r72",
                                                       "-sDEVICE=png16m", "-sOutputFile=" + out, in}),
                        "gs");
}

QImage rasterisePdf(ScratchFiles &files, const QByteArray &pdf, bool withGhostscript)
{
    const QString in = files.write(QStringLiteral("chart.pdf"), pdf);
    if (withGhostscript) {
        const QString out = files.path(QStringLiteral("pdf-gs.png"));
        return readRendered(out,
                            runTool(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-r72",
                                                           "-sDEVICE=png16m", "-sOutputFile=" + out, in}),
                            "gs");
    }
    const QString base = files.path(QStringLiteral("pdf"));
    return readRendered(base + ".png",
                        runTool(QStringLiteral("pdftoppm"), {"-r", "72", "-png", "-singlefile", in, base}),
                        "pdftoppm");
}

QByteArray decodedPdf(const QByteArray &pdf)
{
    static const QByteArray kFilter = " /Filter /FlateDecode";
    static const QByteArray kFilterLine = "/Filter /FlateDecode\r\n";
    QByteArray out;
    qsizetype at = 0;
    for (qsizetype stream; (stream = pdf.indexOf(">>\r\nstream\r\n", at)) >= 0;) {
        const qsizetype objectStart = pdf.lastIndexOf(" 0 obj\r\n", stream);
        static const QRegularExpression length(QStringLiteral("/Length (\\d+)"));
        QByteArray dictionary = pdf.mid(objectStart, stream - objectStart);
        const qsizetype dataStart = stream + 12;
        // By its length: compressed bytes may hold anything, "endstream" too.
        const qsizetype dataEnd = dataStart + length.match(QString::fromLatin1(dictionary)).captured(1).toLongLong();
        QByteArray data = pdf.mid(dataStart, dataEnd - dataStart);
        if (dictionary.contains("/FlateDecode")) {
            QByteArray sized(4, '\0');
            qToBigEndian<quint32>(quint32(data.size() * 4), sized.data());
            data = qUncompress(sized + data);
            EXPECT_FALSE(data.isEmpty()) << "a stream does not inflate";
            dictionary.replace(kFilterLine, "").replace(kFilter, "");
            dictionary = QString::fromLatin1(dictionary)
                             .replace(length, QStringLiteral("/Length %1").arg(data.size()))
                             .toLatin1();
        }
        out += pdf.mid(at, objectStart - at) + dictionary + ">>\r\nstream\r\n" + data;
        at = dataEnd;
    }
    out += pdf.mid(at);
    // The offsets of the objects as they now stand.
    const qsizetype xref = out.indexOf("xref\r\n");
    if (xref < 0)
        return out;
    QByteArray table = "xref\r\n0 ";
    int objects = 0;
    QByteArray entries;
    for (int n = 1;; ++n) {
        const qsizetype offset = out.indexOf("\r\n" + QByteArray::number(n) + " 0 obj\r\n") + 2;
        if (offset < 2 || offset > xref)
            break;
        entries += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n\r\n";
        objects = n;
    }
    table += QByteArray::number(objects + 1) + "\r\n0000000000 65535 f\r\n" + entries;
    const qsizetype trailer = out.indexOf("trailer\r\n", xref);
    QByteArray tail = out.mid(trailer);
    const qsizetype start = tail.indexOf("startxref\r\n") + 11;
    tail = tail.left(start) + QByteArray::number(xref) + "\r\n%%EOF\r\n";
    return out.left(xref) + table + tail;
}

std::vector<QPoint> solidProbes(const QImage &screen, int count)
{
    constexpr int kRadius = 5;
    const auto uniform = [&](int x, int y) {
        const QRgb c = screen.pixel(x, y);
        for (int dy = -kRadius; dy <= kRadius; ++dy)
            for (int dx = -kRadius; dx <= kRadius; ++dx)
                if (screen.pixel(x + dx, y + dy) != c)
                    return false;
        return true;
    };
    // Candidates by colour, then taken in turn from each colour.
    std::map<QRgb, std::vector<QPoint>> byColor;
    for (int y = kRadius + 8; y < screen.height() - kRadius - 8; y += 9)
        for (int x = kRadius + 8; x < screen.width() - kRadius - 8; x += 9)
            if (uniform(x, y))
                byColor[screen.pixel(x, y)].push_back({x, y});
    std::vector<QPoint> probes;
    for (std::size_t round = 0; int(probes.size()) < count; ++round) {
        bool any = false;
        for (const auto &[color, points] : byColor) {
            if (round >= points.size() || int(probes.size()) >= count)
                continue;
            // Spread over the area: the k-th of n candidates at an even step.
            probes.push_back(points[(round * 7919) % points.size()]);
            any = true;
        }
        if (!any)
            break;
    }
    return probes;
}

void expectRendersLikeScreen(const QImage &rendered, const QImage &screen, const std::vector<QPoint> &probes)
{
    ASSERT_EQ(rendered.size(), screen.size());
    ASSERT_GE(probes.size(), 6u);
    expectLikeScreenAt(rendered, screen, probes);
}

void VectorExportTest::SetUpTestSuite()
{
    registerChartLibrary();
    registerTestFont();
}
