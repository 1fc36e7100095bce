// The vector and PDF exports of the chart benchmark scene (five series of 10,000 points at
// 1920 x 1080, legend included), beside the screen canvas drawing the same chart onto QPdfWriter
// and, where Qt's SVG module is installed, onto QSvgGenerator. Time and bytes of each.
#include "BenchScene.h"
#include "SceneChart.h"

#include "GuiCanvas.h"
#include "TChart.h"
#include "TEPSCanvas.h"
#include "TLineSeries.h"
#include "TPDFCanvas.h"
#include "TPlotPDFPage.h"
#include "TSVGCanvas.h"
#include "TVMLCanvas.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#ifdef TENSIMO_HAVE_QTSVG
#include <QSvgGenerator>
#endif

#include <benchmark/benchmark.h>

#include <memory>
#include <numeric>

namespace {

constexpr int kPoints = 10000;

TChart &sceneChart()
{
    static TChart *chart = [] {
        auto *c = new TChart; // lives to the end of the program, as the benchmarks share it
        setUpSceneChart(*c);
        c->SetView3D(false);
        fixSceneAxes(*c, kPoints - 1);
        std::vector<double> x(kPoints);
        std::iota(x.begin(), x.end(), 0.0);
        for (int k = 0; k < BenchScene::kSeriesCount; ++k)
            addSceneSeries(*c, k, x, BenchScene::values(k, kPoints));
        return c;
    }();
    return *chart;
}

// One pass of the scene through an export canvas installed in the chart's place.
QByteArray exportThrough(std::unique_ptr<VectorCanvas> canvas)
{
    TChart &chart = sceneChart();
    VectorCanvas *vector = canvas.get();
    chart.AutoRepaint = false;
    chart.SetCanvas(std::move(canvas));
    chart.Draw(chart.PaintCanvas(), {0, 0, BenchScene::kWidth, BenchScene::kHeight});
    QByteArray out = vector->takeOutput();
    chart.SetCanvas(std::make_unique<TPlotCanvas3D>());
    return out;
}

void reportSize(benchmark::State &state, qsizetype bytes)
{
    state.counters["bytes"] = double(bytes);
}

// With TENSIMO_EXPORT_BENCH_DIR set, the last document of a row is kept there, to be measured by
// other programs (the PDF's size after qpdf --compress-streams=y, say).
void keep(const char *name, const QByteArray &bytes)
{
    const QString dir = qEnvironmentVariable("TENSIMO_EXPORT_BENCH_DIR");
    if (dir.isEmpty())
        return;
    QFile file(dir + QLatin1Char('/') + QLatin1String(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void BM_PdfExport(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        TPlotPDFPage page(BenchScene::kWidth, BenchScene::kHeight);
        exportThrough(std::make_unique<TPDFCanvas>(page));
        const QByteArray pdf = page.WritePDFDocument();
        size = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
        if (state.iterations() == 0)
            keep("scene.pdf", pdf);
    }
    reportSize(state, size);
}

template <class Canvas>
void BM_TextExport(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray out = exportThrough(std::make_unique<Canvas>());
        size = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    reportSize(state, size);
}

// The screen canvas on a painter of the device, as printing draws.
void drawOnDevice(QPaintDevice &device)
{
    QPainter painter(&device);
    GuiCanvas canvas;
    canvas.attachPainter(&painter);
    TChart &chart = sceneChart();
    chart.DrawToMetaCanvas(&canvas, {0, 0, BenchScene::kWidth, BenchScene::kHeight});
    canvas.endPaint();
}

void BM_QPdfWriterReference(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(96);
            writer.setPageSize(QPageSize(QSizeF(BenchScene::kWidth * 0.75, BenchScene::kHeight * 0.75),
                                         QPageSize::Point));
            writer.setPageMargins({});
            drawOnDevice(writer);
        }
        size = buffer.data().size();
    }
    reportSize(state, size);
}

#ifdef TENSIMO_HAVE_QTSVG
void BM_QSvgGeneratorReference(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QSvgGenerator generator;
            generator.setOutputDevice(&buffer);
            generator.setSize({BenchScene::kWidth, BenchScene::kHeight});
            drawOnDevice(generator);
        }
        size = buffer.data().size();
    }
    reportSize(state, size);
}
BENCHMARK(BM_QSvgGeneratorReference)->Unit(benchmark::kMillisecond);
#endif

BENCHMARK(BM_PdfExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextExport<TSVGCanvas>)->Name("BM_SvgExport")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextExport<TEPSCanvas>)->Name("BM_EpsExport")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextExport<TVMLCanvas>)->Name("BM_VmlExport")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPdfWriterReference)->Unit(benchmark::kMillisecond);

} // namespace
