// The faces of a 3D line take their points' colours, also where pointers, darkened faces and
// null points come between them and the series keeps its pen and brush from face to face.
#include "ChartTestSupport.h"

#include "GuiCanvas.h"
#include "PlotColor.h"
#include "TChartAxis.h"
#include "TChartBrush.h"
#include "TLineSeries.h"
#include "TPlotCanvas3D.h"
#include "TSeriesPointer.h"
#include "TView3DOptions.h"

#include <vector>

namespace {

struct RibbonScene
{
    const char *name;
    bool pointers;
    bool nulls; // every fourth point is null
    bool steps; // every other segment rises steeply and is darkened
};

const TColor kColours[] = {clRed, clBlue, clGreen};

} // namespace

TEST_F(ChartTest, RibbonFacesShowTheirPointsColours)
{
    const RibbonScene scenes[] = {
        {"alternating colours", false, false, false},
        {"pointers of another colour between the faces", true, false, false},
        {"null points between the faces", true, true, false},
        {"darkened faces between the flat ones", false, false, true},
        {"all together", true, true, true},
    };
    for (const RibbonScene &scene : scenes) {
        SCOPED_TRACE(scene.name);
        TestChart chart;
        chart.resize(700, 420);
        chart.SetView3D(true);
        chart.View3DOptions()->SetOrthogonal(true);
        chart.SetChart3DPercent(40);
        dynamic_cast<TPlotCanvas3D *>(chart.Canvas())->SetBuffered(false);
        auto *series = new TLineSeries(&chart);
        chart.AddSeries(series);
        series->SetColorEachPoint(true);
        series->Pointer()->SetVisible(scene.pointers);
        series->Pointer()->SetHorizSize(2);
        series->Pointer()->SetVertSize(2);
        series->Pointer()->Brush()->SetColor(clYellow);
        constexpr int kPoints = 17;
        std::vector<bool> drawnFace(kPoints, false);
        double y = 0.0;
        for (int i = 0; i < kPoints; ++i) {
            const bool rises = scene.steps && i % 2 == 1;
            if (rises)
                y += 600.0;
            const bool null = scene.nulls && i % 4 == 2;
            series->AddXY(i, y, {}, null ? clNone : kColours[i % 3]);
            // A flat face between two drawn points, whose colour is the later point's.
            drawnFace[std::size_t(i)] = i > 0 && !null && !(scene.nulls && (i - 1) % 4 == 2) && !rises;
        }
        chart.LeftAxis()->SetMinMax(-100.0, 5500.0);
        QImage image(700, 420, QImage::Format_RGB32);
        image.fill(Qt::white);
        GuiCanvas canvas(&image);
        chart.Draw(&canvas, TRect{0, 0, 700, 420});
        canvas.endPaint();
        const int midZ = (series->StartZ() + series->EndZ()) / 2;
        int checked = 0;
        for (int i = 1; i < kPoints; ++i) {
            if (!drawnFace[std::size_t(i)])
                continue;
            SCOPED_TRACE(i);
            const int x = (series->CalcXPos(i - 1) + series->CalcXPos(i)) / 2;
            const TPoint centre = chart.Canvas()->Calc3DPoint(x, series->CalcYPos(i), midZ);
            EXPECT_EQ(image.pixel(centre.x, centre.y), PlotColor::toQRgb(kColours[i % 3]));
            ++checked;
        }
        EXPECT_GE(checked, 4);
    }
}
