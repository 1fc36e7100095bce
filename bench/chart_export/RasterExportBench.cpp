// Raster export speed on the chart benchmark scene at 1920 x 1080: PNG, JPEG, GIF and PCX encodings of
// the chart bitmap beside Qt's writers and the netpbm and libjpeg tools on the same pixels, and one
// animation step of a GIF back image with the redraw it causes beside the redraw with a still one.
#include "BenchScene.h"
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ExportLibrary.h"
#include "JpegWriter.h"
#include "PcxWriter.h"
#include "PngLibrary.h"
#include "PngWriter.h"
#include "SceneChart.h"
#include "TBackImage.h"
#include "TChart.h"
#include "TGIFGraphic.h"
#include "TGIFImage.h"
#include "TGIFPainter.h"
#include "TPNGExportFormat.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = BenchScene::kWidth;
constexpr int kHeight = BenchScene::kHeight;

std::unique_ptr<TChart> sceneChart()
{
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
    auto chart = std::make_unique<TChart>();
    setUpSceneChart(*chart);
    constexpr int n = 10000;
    fixSceneAxes(*chart, n - 1);
    std::vector<double> x(n);
    for (int i = 0; i < n; ++i)
        x[std::size_t(i)] = i;
    for (int k = 0; k < BenchScene::kSeriesCount; ++k) {
        const std::vector<double> y = BenchScene::values(k, n);
        addSceneSeries(*chart, k, x, y);
    }
    return chart;
}

// The scene's bitmap, and the same lines over a vertical gradient of about 600 colours.
struct Pictures
{
    Pictures()
    {
        chart = sceneChart();
        scene = chart->CreateBitmap(clWhite, {0, 0, kWidth, kHeight});
        gradient = QImage(kWidth, kHeight, QImage::Format_RGB32);
        QPainter painter(&gradient);
        QLinearGradient ramp(0, 0, 0, kHeight);
        ramp.setColorAt(0, QColor(255, 255, 255));
        ramp.setColorAt(0.25, QColor(150, 190, 230));
        ramp.setColorAt(0.5, QColor(240, 235, 200));
        ramp.setColorAt(0.75, QColor(140, 170, 120));
        ramp.setColorAt(1, QColor(230, 230, 250));
        painter.fillRect(gradient.rect(), ramp);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.drawImage(0, 0, scene);
    }
    std::unique_ptr<TChart> chart;
    QImage scene;
    QImage gradient;
};

Pictures &pictures()
{
    static Pictures p;
    return p;
}

QByteArray ppm(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes = QStringLiteral("P6\n%1 %2\n255\n").arg(rgb.width()).arg(rgb.height()).toLatin1();
    for (int y = 0; y < rgb.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), 3 * rgb.width());
    return bytes;
}

template <typename Write>
void Encoding(benchmark::State &state, Write write)
{
    qsizetype bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        write(buffer);
        bytes = buffer.size();
    }
    state.counters["bytes"] = double(bytes);
}

void CreateBitmap(benchmark::State &state)
{
    TChart &chart = *pictures().chart;
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.CreateBitmap(clWhite, {0, 0, kWidth, kHeight}));
}
BENCHMARK(CreateBitmap)->Unit(benchmark::kMillisecond);

void Png(benchmark::State &state)
{
    static PngLibrary library;
    const QImage rgb = pictures().scene.convertToFormat(QImage::Format_RGB888);
    Encoding(state, [&](QBuffer &b) { WritePng(b, rgb, int(state.range(0)), library); });
}
BENCHMARK(Png)->Arg(0)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);

// QImage's quality for PNG is (9 - level) x 10: 0, 30 and 90 are levels 9, 6 and 0.
void QtPng(benchmark::State &state)
{
    const QImage rgb = pictures().scene.convertToFormat(QImage::Format_RGB888);
    Encoding(state, [&](QBuffer &b) { rgb.save(&b, "PNG", int((9 - state.range(0)) * 10)); });
}
BENCHMARK(QtPng)->Arg(0)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);

void Jpeg(benchmark::State &state)
{
    const QImage rgb = pictures().scene.convertToFormat(QImage::Format_RGB888);
    TJPEGOptions options;
    options.Quality = 95;
    Encoding(state, [&](QBuffer &b) { WriteJpeg(b, rgb, options); });
}
BENCHMARK(Jpeg)->Unit(benchmark::kMillisecond);

void QtJpeg(benchmark::State &state)
{
    const QImage rgb = pictures().scene.convertToFormat(QImage::Format_RGB888);
    Encoding(state, [&](QBuffer &b) { rgb.save(&b, "JPEG", 95); });
}
BENCHMARK(QtJpeg)->Unit(benchmark::kMillisecond);

void GifEndToEnd(benchmark::State &state)
{
    const QImage &source = state.range(0) ? pictures().gradient : pictures().scene;
    Encoding(state, [&](QBuffer &b) {
        TGIFImage image;
        image.SetColorReduction(rmQuantizeWindows);
        image.SetDitherMode(dmNearest);
        image.Assign(source);
        image.SaveToStream(b);
    });
}
BENCHMARK(GifEndToEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Pcx(benchmark::State &state)
{
    const QImage rgb = pictures().scene.convertToFormat(QImage::Format_RGB888);
    Encoding(state, [&](QBuffer &b) { WriteBitmapAsPCX(b, rgb, pcxTrueColor); });
}
BENCHMARK(Pcx)->Unit(benchmark::kMillisecond);

// Wall time of a shell pipeline on the input, less the same pipeline on a 1 x 1 picture.
double runSeconds(const QString &command, const QByteArray &input, qsizetype *outBytes = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    if (outBytes)
        *outBytes = process.readAllStandardOutput().size();
    return timer.nsecsElapsed() * 1e-9;
}

void Tool(benchmark::State &state, const QString &command, const QImage &picture)
{
    const QByteArray input = ppm(picture);
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::white);
    const QByteArray tiny = ppm(one);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const double full = runSeconds(command, input, &bytes);
        state.SetIterationTime(std::max(0.0, full - runSeconds(command, tiny)));
    }
    state.counters["bytes"] = double(bytes);
}

void CjpegTool(benchmark::State &state)
{
    Tool(state, QStringLiteral("cjpeg -quality 95"), pictures().scene);
}
BENCHMARK(CjpegTool)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void PnmquantPamtogifTool(benchmark::State &state)
{
    Tool(state, QStringLiteral("pnmquant 256 2>/dev/null | pamtogif 2>/dev/null"), state.range(0) ? pictures().gradient : pictures().scene);
}
BENCHMARK(PnmquantPamtogifTool)->Arg(0)->Arg(1)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void PpmtopcxTool(benchmark::State &state)
{
    Tool(state, QStringLiteral("ppmtopcx -24bit 2>/dev/null"), pictures().scene);
}
BENCHMARK(PpmtopcxTool)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// A two-frame 1920 x 1080 GIF behind the scene chart, shown on a visible chart.
struct AnimatedChart
{
    AnimatedChart(bool animated)
    {
        chart = sceneChart();
        chart->resize(kWidth, kHeight);
        TGIFImage gif;
        gif.SetColorReduction(rmNetscape);
        gif.Add(pictures().gradient);
        gif.Add(pictures().gradient.mirrored(false, true));
        const QByteArray bytes = gif.SaveToData();
        graphic = std::make_shared<TGIFGraphic>();
        graphic->LoadFromData(bytes);
        if (animated)
            chart->BackImage()->SetGraphic(graphic);
        else
            chart->BackImage()->SetGraphic(graphic->Image());
        chart->BackImage()->SetMode(pbmStretch);
        chart->show();
        redraw();
    }
    void redraw()
    {
        QImage target(kWidth, kHeight, QImage::Format_RGB32);
        QPainter painter(&target);
        chart->render(&painter);
    }
    std::unique_ptr<TChart> chart;
    std::shared_ptr<TGIFGraphic> graphic;
};

void AnimationStep(benchmark::State &state)
{
    AnimatedChart a(true);
    TGIFPainter *painter = a.graphic->PainterFor(a.chart.get());
    if (!painter)
        state.SkipWithError("no painter started");
    for (auto _ : state)
        painter->Step();
}
BENCHMARK(AnimationStep)->Unit(benchmark::kMillisecond);

void RedrawAnimated(benchmark::State &state)
{
    AnimatedChart a(true);
    TGIFPainter *painter = a.graphic->PainterFor(a.chart.get());
    for (auto _ : state) {
        state.PauseTiming();
        if (painter)
            painter->Step();
        state.ResumeTiming();
        a.redraw();
    }
}
BENCHMARK(RedrawAnimated)->Unit(benchmark::kMillisecond);

// The chart's back buffer is stale, as after an animation step, so the redraw is a full one.
void RedrawStill(benchmark::State &state)
{
    AnimatedChart a(false);
    for (auto _ : state) {
        a.chart->Invalidate();
        a.redraw();
    }
}
BENCHMARK(RedrawStill)->Unit(benchmark::kMillisecond);

} // namespace
