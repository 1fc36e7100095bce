// The demo's bar, pie and fast line charts on the screen canvas, with text, compared with their
// golden images within the tolerance of rendered charts; UPDATE_GOLDEN=1 rewrites them (look at
// each picture first).
#include "ChartTestSupport.h"
#include "SeriesDemoCharts.h"

#include "GoldenFiles.h"
#include "ScopedLocale.h"

namespace {

class SeriesGoldenChartTest : public ChartTest
{
protected:
    void expectGolden(void (*fill)(TChart &chart), const char *scene)
    {
        TestChart chart;
        fill(chart);
        expectMatchesGoldenImage(chart.render(), QStringLiteral("golden/%1.png").arg(QLatin1String(scene)),
                                 kChartImageTolerance);
    }
    const ScopedLocale m_english{QLocale::English};
};

} // namespace

TEST_F(SeriesGoldenChartTest, BarsSideBySideIn2D)
{
    expectGolden(DemoCharts::fillBars, "bars");
}

TEST_F(SeriesGoldenChartTest, StackedHorizontalBarsInOrthogonal3D)
{
    expectGolden(DemoCharts::fillStackedBars, "stacked-horizontal-bars");
}

TEST_F(SeriesGoldenChartTest, A3DPieWithAnExplodedSliceAndAShadow)
{
    expectGolden(DemoCharts::fillPie, "pie");
}

TEST_F(SeriesGoldenChartTest, AFastLineOfAHundredThousandPoints)
{
    expectGolden(DemoCharts::fillFastLine, "fast-line");
}
