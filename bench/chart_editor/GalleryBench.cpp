// The series gallery's "Standard" page in 3D at the dialog's size, from filling it to its first
// painted frame, with smoothing off and on. The floor: the same samples, made beforehand, drawn
// straight into pictures of their size; with smoothing, also drawn at four times their size and
// reduced as the samples reduce them.
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "PlotConst.h"
#include "PlotImaging.h"
#include "TChartGalleryPanel.h"
#include "TGalleryChart.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr QSize kPanelSize(420, 300);

void registerLibraries()
{
    registerChartLibrary();
    registerChartEditor();
}

QString standardPage()
{
    return PlotConst::message(PlotConst::msgGalleryStandard);
}

// Argument: 1 with smoothing.
void GalleryPage(benchmark::State &state)
{
    registerLibraries();
    const bool smooth = state.range(0) == 1;
    QImage frame(kPanelSize, QImage::Format_RGB32);
    for (auto _ : state) {
        auto panel = std::make_unique<TChartGalleryPanel>();
        panel->resize(kPanelSize);
        panel->SetView3D(true);
        panel->SetSmooth(smooth);
        panel->CreateGalleryPage(standardPage());
        panel->show();
        panel->render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
        // Freeing the samples is not part of showing the page.
        state.PauseTiming();
        panel.reset();
        state.ResumeTiming();
    }
    state.SetLabel(smooth ? "smooth" : "plain");
}
BENCHMARK(GalleryPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void GalleryPageFloor(benchmark::State &state)
{
    registerLibraries();
    const bool smooth = state.range(0) == 1;
    TChartGalleryPanel panel;
    panel.resize(kPanelSize);
    panel.SetView3D(true);
    panel.CreateGalleryPage(standardPage());
    for (auto _ : state) {
        for (const auto &sample : panel.Charts()) {
            const QImage plain = sample->CreateBitmap(clWhite, TRect{0, 0, sample->width(), sample->height()});
            benchmark::DoNotOptimize(plain.constBits());
            if (smooth) {
                const QImage large = sample->CreateBitmap(clWhite, TRect{0, 0, 4 * sample->width(), 4 * sample->height()});
                QImage reduced(sample->size(), QImage::Format_RGB32);
                PlotImaging::SmoothStretch(large, reduced, PlotImaging::triangleFilter, 1.0);
                benchmark::DoNotOptimize(reduced.constBits());
            }
        }
    }
    state.SetLabel(smooth ? "smooth" : "plain");
}
BENCHMARK(GalleryPageFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
