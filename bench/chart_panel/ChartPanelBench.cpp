// The paint cycle of an empty extended panel at 1920 x 1080 with the default background and bevel:
// once with a stale buffer (a whole pass), once from the buffer (one copy).
#include "TCustomPlotPanelExtended.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Screen
{
    Screen()
        : image(kWidth, kHeight, QImage::Format_RGB32)
    {
        panel.resize(kWidth, kHeight);
        image.fill(Qt::white);
        panel.render(&image); // the first pass fills the buffer
    }
    TCustomPlotPanelExtended panel;
    QImage image;
};

void PaintWholePass(benchmark::State &state)
{
    Screen s;
    for (auto _ : state) {
        s.panel.Invalidate();
        s.panel.render(&s.image);
    }
}
BENCHMARK(PaintWholePass)->Unit(benchmark::kMillisecond);

void PaintFromBuffer(benchmark::State &state)
{
    Screen s;
    for (auto _ : state)
        s.panel.render(&s.image);
}
BENCHMARK(PaintFromBuffer)->Unit(benchmark::kMillisecond);

} // namespace
