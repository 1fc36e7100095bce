// One repaint of the print preview's sheet carrying a chart of five line series of 10 000 points
// each: through the recorded picture, and through the bitmap at normal and at double rendering
// size, smoothed onto the sheet or stretched. These set how fast the sheet follows a margin drag.
#include "BenchScene.h"
#include "SceneChart.h"
#include "TChart.h"
#include "TPlotPreviewPanel.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

namespace {

constexpr int kPoints = 10000;

// The preview as a maximised dialog shows it, and a diagram window's chart of the usual size.
struct PreviewScene
{
    PreviewScene(bool asBitmap, int printResolution, bool smooth)
        : image(800, 600, QImage::Format_RGB32)
    {
        chart.resize(1000, 620);
        chart.SetView3D(false); // flat, as the diagram window draws
        fixSceneAxes(chart, kPoints - 1);
        std::vector<double> x(kPoints);
        std::iota(x.begin(), x.end(), 0.0);
        for (int k = 0; k < BenchScene::kSeriesCount; ++k)
            addSceneSeries(chart, k, x, BenchScene::values(k, kPoints));
        chart.SetPrintResolution(printResolution);
        preview.resize(image.size());
        preview.SetPanel(&chart); // takes the chart's own choice of bitmap or picture
        preview.SetAsBitmap(asBitmap);
        preview.SetSmoothBitmap(smooth);
        image.fill(Qt::white);
        preview.render(&image); // the first pass fills the buffers
    }

    void repaint()
    {
        preview.Invalidate();
        preview.render(&image);
    }

    TChart chart;
    TPlotPreviewPanel preview;
    QImage image;
};

void PreviewFromPicture(benchmark::State &state)
{
    PreviewScene scene(false, 0, false);
    for (auto _ : state)
        scene.repaint();
}
BENCHMARK(PreviewFromPicture)->Unit(benchmark::kMillisecond);

// Arguments: PrintResolution (0 or -100), smoothing (1) or stretching (0).
void PreviewFromBitmap(benchmark::State &state)
{
    PreviewScene scene(true, int(state.range(0)), state.range(1) != 0);
    for (auto _ : state)
        scene.repaint();
}
BENCHMARK(PreviewFromBitmap)
    ->ArgNames({"resolution", "smooth"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({-100, 0})
    ->Args({-100, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
