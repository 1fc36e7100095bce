// The demo's bubble, Gantt and shape charts on the screen canvas, with text, compared with their
// golden images; UPDATE_GOLDEN=1 rewrites them (look at each picture first).
#include "ChartTestSupport.h"
#include "SeriesTypeCharts.h"

#include "GoldenFiles.h"
#include "ScopedLocale.h"

namespace {

using SeriesTypesGoldenTest = ChartTest;

} // namespace

TEST_F(SeriesTypesGoldenTest, BubblesGanttBarsAndShapeStylesMatchTheirPictures)
{
    const ScopedLocale english{QLocale::English};
    for (const SeriesTypeCharts::Scene &scene : SeriesTypeCharts::kScenes) {
        SCOPED_TRACE(scene.name);
        TestChart chart;
        scene.fill(chart);
        expectMatchesGoldenImage(chart.render(), QStringLiteral("golden/%1.png").arg(QLatin1String(scene.name)),
                                 kChartImageTolerance);
    }
}
