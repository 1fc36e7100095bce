// Benchmark charts: the scene's look (white, light grid, axis titles, bold title, 1-px pens).
#include "BenchCharts.h"

#include "SceneChart.h"

#include <numeric>

BenchChart::BenchChart()
    : image(kWidth, kHeight, QImage::Format_RGB32)
    , canvas(&image)
{
    image.fill(Qt::white);
    setUpSceneChart(chart);
    chart.SetView3D(false);
}

namespace {

std::vector<double> indexes(std::size_t n)
{
    std::vector<double> x(n);
    std::iota(x.begin(), x.end(), 0.0);
    return x;
}

} // namespace

TLineSeries &BenchChart::addSeries(const std::vector<double> &y, int k)
{
    return addSceneSeries(chart, k, indexes(y.size()), y);
}

TFastLineSeries &BenchChart::addFastLine(const std::vector<double> &y, int k)
{
    return addSceneFastLine(chart, k, indexes(y.size()), y);
}

void BenchChart::fixAxes(double lastX)
{
    fixSceneAxes(chart, lastX);
}

void BenchChart::drawPass()
{
    chart.Draw(&canvas, {0, 0, kWidth, kHeight});
}
