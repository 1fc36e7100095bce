// Pointers and the faces of 3D lines written straight into the chart's image: the pixels the
// painter draws, for the benchmark's dense curves and for pointers and faces the clip cuts.
#include "ChartTestSupport.h"

#include "GoldenFiles.h"
#include "GuiCanvas.h"
#include "TChartAxis.h"
#include "TChartWall.h"
#include "TLineSeries.h"
#include "TPlotCanvas3D.h"
#include "TSeriesPointer.h"
#include "TView3DOptions.h"

#include <cmath>
#include <functional>

namespace {

struct Scene
{
    const char *name;
    bool view3D;
    int points;
    std::function<void(TestChart &, TLineSeries &)> setUp;
    TRect drawn; // where the chart is drawn on the 700 x 420 image
};

void noChange(TestChart &, TLineSeries &) {}

// Axis ranges that cut the curve on every side.
void zoomIn(TestChart &chart, TLineSeries &)
{
    chart.LeftAxis()->SetMinMax(-300.0, 700.0);
    chart.BottomAxis()->SetMinMax(20.0, 120.0);
}

} // namespace

TEST_F(ChartTest, PointersAndFacesWrittenDirectlyAreThePaintersPixels)
{
    const TRect image{0, 0, 700, 420};
    const Scene scenes[] = {
        {"dense pointers", false, 2000, noChange, image},
        {"large overlapping pointers", false, 300,
         [](TestChart &, TLineSeries &s) {
             s.Pointer()->SetHorizSize(9);
             s.Pointer()->SetVertSize(6);
         },
         image},
        {"one-pixel pointers", false, 400,
         [](TestChart &, TLineSeries &s) {
             s.Pointer()->SetHorizSize(1);
             s.Pointer()->SetVertSize(1);
         },
         image},
        {"pointers cut by the axes", false, 300,
         zoomIn,
         image},
        {"pointers off the image", false, 300, noChange, {-150, -90, 760, 480}},
        {"dense 3D line", true, 2000, noChange, image},
        {"sparse 3D line, deep", true, 60, [](TestChart &c, TLineSeries &) { c.SetChart3DPercent(60); }, image},
        {"3D line cut by the axes", true, 300,
         zoomIn,
         image},
        {"3D line off the image", true, 300, noChange, {-150, -90, 760, 480}},
        {"3D line with pointers", true, 200, [](TestChart &, TLineSeries &s) { s.Pointer()->SetVisible(true); }, image},
    };
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
        for (const Scene &scene : scenes) {
            SCOPED_TRACE(scene.name);
            SCOPED_TRACE(int(format));
            TestChart chart;
            chart.resize(700, 420);
            chart.SetView3D(scene.view3D);
            if (scene.view3D) {
                chart.View3DOptions()->SetOrthogonal(true);
                chart.RightWall()->SetVisible(true);
            }
            dynamic_cast<TPlotCanvas3D *>(chart.Canvas())->SetBuffered(false);
            for (int k = 0; k < 3; ++k) {
                auto *series = new TLineSeries(&chart);
                chart.AddSeries(series);
                series->Pointer()->SetVisible(!scene.view3D);
                for (int i = 0; i < scene.points; ++i)
                    series->AddXY(i * 200.0 / scene.points,
                                  1000.0 * std::sin(i * 6.0 / scene.points * (k + 1)) + k * 100.0);
                scene.setUp(chart, *series);
            }
            QImage images[2];
            int written[2] = {0, 0};
            for (const bool direct : {false, true}) {
                images[direct] = QImage(700, 420, format);
                images[direct].fill(Qt::white);
                GuiCanvas canvas(&images[direct]);
                canvas.dc().setDirectPixels(direct);
                chart.Draw(&canvas, scene.drawn);
                written[direct] = scene.view3D ? canvas.dc().polygonsWritten() : canvas.dc().rectanglesWritten();
                canvas.endPaint();
            }
            EXPECT_EQ(countDifferingPixels(images[0], images[1], 0), 0);
            EXPECT_EQ(written[0], 0);
            EXPECT_GT(written[1], 20); // the series' own, not only the legend's
            QImage white(700, 420, format);
            white.fill(Qt::white);
            EXPECT_GT(countDifferingPixels(images[0], white, 0), 1000);
        }
}
