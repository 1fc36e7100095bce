// One repaint of the print preview's sheet carrying a chart of five line series of 10 000 points
// each: through the recorded picture, and through the bitmap at normal and at double rendering
// size, smoothed onto the sheet or stretched. These set how fast the sheet follows a margin drag.
#include "TChart.h"
#include "TChartAxis.h"
#include "TLineSeries.h"
#include "TPlotPreviewPanel.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kPoints = 10000;
constexpr int kSeries = 5;
constexpr TColor kSeriesColors[kSeries] = {0xB4771F, 0x0E7FFF, 0x2CA02C, 0x2827D6, 0xBD6794};

// The preview as a maximised dialog shows it, and a diagram window's chart of the usual size.
struct PreviewScene
{
    PreviewScene(bool asBitmap, int printResolution, bool smooth)
        : image(800, 600, QImage::Format_RGB32)
    {
        chart.resize(1000, 620);
        chart.SetView3D(false); // flat, as the diagram window draws
        chart.BottomAxis()->SetMinMax(0.0, kPoints - 1);
        chart.LeftAxis()->SetMinMax(-1100.0, 1500.0);
        std::vector<double> x(kPoints);
        std::vector<double> y(kPoints);
        for (int k = 0; k < kSeries; ++k) {
            for (int i = 0; i < kPoints; ++i) {
                x[std::size_t(i)] = i;
                y[std::size_t(i)] = 1000.0 * std::sin(i * 0.001 * (k + 1)) + k * 100.0;
            }
            auto *series = chart.AddSeriesOfClass<TLineSeries>();
            series->SetSeriesColor(kSeriesColors[k]);
            series->SetTitle(QStringLiteral("Series %1").arg(k + 1));
            series->AddXYArray(x, y);
        }
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
