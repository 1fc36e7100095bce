// Benchmark charts: the scene's look (white, light grid, axis titles, bold title, 1-px pens).
#include "BenchCharts.h"

#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TChartTitle.h"
#include "TLineSeries.h"

#include "BenchScene.h"

#include <span>

BenchChart::BenchChart()
    : image(kWidth, kHeight, QImage::Format_RGB32)
    , canvas(&image)
{
    image.fill(Qt::white);
    chart.resize(kWidth, kHeight);
    chart.SetColor(clWhite);
    chart.SetBevelOuter(bvNone);
    chart.SetView3D(false);
    chart.Title()->SetText({QStringLiteral("Chart scene")});
    chart.Title()->Font()->SetStyle(fsBold);
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("x"));
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("y"));
    for (TChartAxis *axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        axis->Grid()->SetColor(0xE0E0E0);
        axis->Grid()->SetStyle(psSolid);
    }
}

TLineSeries &BenchChart::addSeries(const std::vector<double> &y, int k)
{
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    series->SetSeriesColor(BenchScene::kChartColors[k % BenchScene::kSeriesCount]);
    series->SetTitle(QStringLiteral("Series %1").arg(k + 1));
    std::vector<double> x(y.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = double(i);
    series->AddXYArray(std::span<const double>(x), std::span<const double>(y));
    return *series;
}

void BenchChart::fixAxes(double lastX)
{
    chart.BottomAxis()->SetMinMax(0.0, lastX);
    chart.LeftAxis()->SetMinMax(-1100.0, 1500.0);
}

void BenchChart::drawPass()
{
    chart.Draw(&canvas, {0, 0, kWidth, kHeight});
}
