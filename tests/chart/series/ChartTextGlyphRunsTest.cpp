// A chart's labels, titles and legend drawn from the glyph runs its canvas keeps: the pixels of
// texts shaped on every redraw, and no shaping again when an unchanged chart is redrawn.
#include "ChartTestSupport.h"

#include "GoldenFiles.h"
#include "GuiCanvas.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TLineSeries.h"
#include "TPlotCanvas3D.h"

#include <cmath>

TEST_F(ChartTest, KeptGlyphRunsDrawTheChartsTextsPixelForPixel)
{
    TestChart chart;
    chart.SetView3D(false);
    chart.resize(900, 500);
    dynamic_cast<TPlotCanvas3D *>(chart.Canvas())->SetBuffered(false); // drawn through the canvas given
    chart.Title()->SetText({QStringLiteral("Vapour pressure of five substances")});
    chart.Title()->Font()->SetStyle(fsBold);
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("Temperature / °C"));
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("Pressure / kPa")); // rotated: drawn as text
    chart.LeftAxis()->SetMinMax(-1100.0, 1500.0);
    for (int k = 0; k < 5; ++k) {
        auto *series = new TLineSeries(&chart);
        chart.AddSeries(series);
        series->SetTitle(QStringLiteral("Series %1").arg(k + 1));
        for (int i = 0; i < 200; ++i)
            series->AddXY(i * 0.5, 1000.0 * std::sin(i * 0.01 * (k + 1)) + k * 100.0);
    }
    QImage images[2];
    for (const bool kept : {false, true}) {
        images[kept] = QImage(900, 500, QImage::Format_RGB32);
        images[kept].fill(Qt::white);
        GuiCanvas canvas(&images[kept]);
        canvas.dc().setShapedTexts(kept);
        chart.Draw(&canvas, chart.GetRectangle());
        const int shaped = canvas.dc().textShapings();
        EXPECT_EQ(shaped > 10, kept);
        chart.Draw(&canvas, chart.GetRectangle());
        EXPECT_EQ(canvas.dc().textShapings(), shaped); // the redraw shapes nothing
        canvas.endPaint();
    }
    EXPECT_EQ(countDifferingPixels(images[0], images[1], 0), 0);
    QImage white(900, 500, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_GT(countDifferingPixels(images[0], white, 0), 1000);
}
