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

TLineSeries &BenchChart::addSeries(const std::vector<double> &y, int k)
{
    std::vector<double> x(y.size());
    std::iota(x.begin(), x.end(), 0.0);
    return addSceneSeries(chart, k, x, y);
}

void BenchChart::fixAxes(double lastX)
{
    fixSceneAxes(chart, lastX);
}

void BenchChart::drawPass()
{
    chart.Draw(&canvas, {0, 0, kWidth, kHeight});
}
