// Whole charts on the screen canvas, with text, compared with their golden images within the
// tolerance of rendered charts; UPDATE_GOLDEN=1 rewrites them (look at each picture first).
#include "ChartTestSupport.h"
#include "DemoCharts.h"

#include "TAreaSeries.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TLineSeries.h"
#include "TPointSeries.h"
#include "TSeriesPointer.h"

#include "GoldenFiles.h"
#include "PlotColor.h"
#include "ScopedLocale.h"

#include <cmath>

namespace {

class GoldenChartTest : public ChartTest
{
protected:
    void expectGolden(TestChart &chart, const char *scene)
    {
        expectMatchesGoldenImage(chart.render(), QStringLiteral("golden/%1.png").arg(QLatin1String(scene)),
                                 kChartImageTolerance);
    }
    const ScopedLocale m_english{QLocale::English};
};

TLineSeries *addWater(TestChart &chart)
{
    auto *water = chart.AddSeriesOfClass<TLineSeries>();
    water->SetSeriesColor(clRed);
    for (const auto &[t, p] : DemoCharts::curve(DemoCharts::kWater, 1.0, 100.0, 23))
        water->AddXY(t, p);
    return water;
}

// A fixed wave: the same picture on every run.
void addWave(TChartSeries &series, double phase, double offset)
{
    for (int i = 0; i < 12; ++i)
        series.AddXY(i, offset + 3.0 + 2.0 * std::sin(0.6 * i + phase));
}

} // namespace

TEST_F(GoldenChartTest, LineOnALogarithmicAxisOverTheBackWall)
{
    TestChart chart;
    chart.SetView3D(false);
    chart.BackWall()->SetTransparent(false);
    chart.BackWall()->SetColor(0xF0FFF0);
    TLineSeries *water = addWater(chart);
    water->Pointer()->SetVisible(true);
    chart.LeftAxis()->SetLogarithmic(true);
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("p / bar"));
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("t / C"));
    expectGolden(chart, "line");
}

TEST_F(GoldenChartTest, TwoPointSeriesWithRectanglesAndTriangles)
{
    TestChart chart;
    chart.SetView3D(false);
    auto *squares = chart.AddSeriesOfClass<TPointSeries>();
    squares->SetSeriesColor(clBlue);
    squares->Pointer()->SetStyle(psRectangle);
    addWave(*squares, 0.0, 0.0);
    auto *triangles = chart.AddSeriesOfClass<TPointSeries>();
    triangles->SetSeriesColor(clGreen);
    triangles->Pointer()->SetStyle(psTriangle);
    addWave(*triangles, 1.5, 1.0);
    expectGolden(chart, "points");
}

TEST_F(GoldenChartTest, TwoStackedAreasTheUpperWithAGradient)
{
    TestChart chart;
    chart.SetView3D(false);
    auto *lower = chart.AddSeriesOfClass<TAreaSeries>();
    lower->SetSeriesColor(0xB4771F);
    addWave(*lower, 0.0, 0.0);
    auto *upper = chart.AddSeriesOfClass<TAreaSeries>();
    upper->SetSeriesColor(0x0E7FFF);
    addWave(*upper, 2.0, 0.0);
    upper->SetMultiArea(maStacked);
    upper->Gradient()->SetVisible(true);
    upper->Gradient()->SetStartColor(clYellow);
    upper->Gradient()->SetEndColor(0x0E7FFF);
    expectGolden(chart, "area");
}

TEST_F(GoldenChartTest, RibbonsBeforeAllFourWallsInOrthogonal3D)
{
    TestChart chart;
    chart.SetView3D(true);
    chart.View3DOptions()->SetOrthogonal(true);
    chart.View3DOptions()->SetOrthoAngle(45);
    chart.RightWall()->SetVisible(true);
    chart.BackWall()->SetTransparent(false);
    for (int k = 0; k < 2; ++k) {
        auto *ribbon = chart.AddSeriesOfClass<TLineSeries>();
        ribbon->SetSeriesColor(k == 0 ? clRed : clBlue);
        addWave(*ribbon, 1.5 * k, k);
    }
    expectGolden(chart, "3d");
}

TEST_F(GoldenChartTest, TitlesAboveAndBelowOneLineSeries)
{
    TestChart chart;
    chart.SetView3D(false);
    addWater(chart);
    chart.LeftAxis()->SetLogarithmic(true);
    TChartTitle &title = *chart.Title();
    title.SetText({QStringLiteral("Vapour pressure"), QStringLiteral("of water")});
    title.SetAlignment(taRightJustify);
    title.SetTransparent(false);
    title.Pen()->SetVisible(true);
    chart.SubTitle()->SetText({QStringLiteral("Antoine equation")});
    chart.Foot()->SetText({QStringLiteral("Foot")});
    chart.SubFoot()->SetText({QStringLiteral("SubFoot")});
    expectGolden(chart, "titles");
}

// The demo's picture as a new user sees it: every pixel of the water curve and its pointers lies
// within the plot's frame.
TEST_F(GoldenChartTest, TheDemoCurveStaysInsideTheFrame)
{
    TestChart chart;
    chart.resize(560, 380);
    DemoCharts::fill(chart, false);
    const QImage image = chart.render();
    const TRect r = chart.ChartRect;
    const QRgb water = PlotColor::toQRgb(0xB4771F);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (water & 0xFFFFFF))
                ++(x >= r.left && x <= r.right && y >= r.top && y <= r.bottom ? inside : outside);
    EXPECT_GT(inside, 500);
    EXPECT_EQ(outside, 0);
}
