// Canvas throughput on a 1920 x 1080 image: gradient, lines, rectangles, a 50 % blend and text measuring.
#include "GuiCanvas.h"
#include "PlotImaging.h"
#include "TPlotBlend.h"
#include "TPlotCanvas3D.h"

#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Surface
{
    Surface()
        : image(kWidth, kHeight, QImage::Format_RGB32)
        , gui(&image)
    {
        image.fill(Qt::white);
        canvas.SetBuffered(false);
        canvas.InitWindow(&gui, nullptr, clWhite, false, {0, 0, kWidth, kHeight});
        canvas.CalcProjection(100, {0, 0, kWidth, kHeight});
    }
    QImage image;
    GuiCanvas gui;
    TPlotCanvas3D canvas;
};

void GradientFill(benchmark::State &state)
{
    Surface s;
    for (auto _ : state)
        s.canvas.GradientFill({0, 0, kWidth, kHeight}, clRed, clBlue, TGradientDirection(state.range(0)), 50);
}
BENCHMARK(GradientFill)->Arg(gdTopBottom)->Arg(gdFromCenter)->Arg(gdDiagonalUp)->Unit(benchmark::kMillisecond);

void LineSegments(benchmark::State &state)
{
    Surface s;
    s.canvas.Pen()->SetColor(clNavy);
    for (auto _ : state) {
        s.canvas.MoveTo(0, 0);
        for (int i = 0; i < 100000; ++i)
            s.canvas.LineTo((i * 37) % kWidth, (i * 53) % kHeight);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(LineSegments)->Unit(benchmark::kMillisecond);

void Rectangles(benchmark::State &state)
{
    Surface s;
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            s.canvas.Brush()->SetColor(TColor(i * 2654435761u) & 0xFFFFFF);
            const int x = (i * 37) % (kWidth - 50);
            const int y = (i * 53) % (kHeight - 40);
            s.canvas.Rectangle(x, y, x + 50, y + 40);
        }
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(Rectangles)->Unit(benchmark::kMillisecond);

// Pie slices go through a path with exact end angles; this keeps an eye on their cost.
void PieSlices(benchmark::State &state)
{
    Surface s;
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            const int x = (i * 37) % (kWidth - 80);
            const int y = (i * 53) % (kHeight - 60);
            s.canvas.Pie(x, y, x + 80, y + 60, x + 80, y + (i % 60), x + (i % 80), y);
        }
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(PieSlices)->Unit(benchmark::kMillisecond);

void BlendFullFrame(benchmark::State &state)
{
    Surface s;
    for (auto _ : state) {
        auto blend = s.canvas.BeginBlending({0, 0, kWidth, kHeight}, 50);
        s.canvas.Brush()->SetColor(clBlack);
        s.canvas.FillRect({0, 0, kWidth, kHeight});
        s.canvas.EndBlending(std::move(blend));
    }
}
BENCHMARK(BlendFullFrame)->Unit(benchmark::kMillisecond);

void BlendBitmapsOnly(benchmark::State &state)
{
    QImage background(kWidth, kHeight, QImage::Format_RGB32);
    background.fill(qRgb(200, 100, 50));
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    target.fill(Qt::black);
    for (auto _ : state)
        PlotImaging::BlendBitmaps(background, target, {0, 0}, 50);
}
BENCHMARK(BlendBitmapsOnly)->Unit(benchmark::kMillisecond);

// Axis labels and legend entries are measured one by one, each in the same font.
void TextWidthOfShortLabels(benchmark::State &state)
{
    Surface s;
    QStringList labels;
    for (int i = 0; i < 1000; ++i)
        labels << QString::number(i * 0.25, 'f', 2);
    for (auto _ : state) {
        int total = 0;
        for (int i = 0; i < 100000; ++i)
            total += s.canvas.TextWidth(labels.at(i % 1000));
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(TextWidthOfShortLabels)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
