// The depth axis in a 3D view: series titles along the depth, its line, inversion of its twin.
#include "EngineTestSupport.h"
#include "TChartDepthAxis.h"

#include <gtest/gtest.h>

TEST(TChartDepthAxis, LabelsSeriesTitlesAlongTheDepthAndFollowsItsTwin)
{
    StubAxisHost host;
    host.view3D = true;
    host.width3D = 60;
    host.canvas.InitWindow(nullptr, &host.options, clWhite, true, {0, 0, 400, 250});
    host.canvas.CalcProjection(60, {0, 0, 400, 250});
    StubSeries first;
    StubSeries second;
    host.series = {&first, &second};
    host.titles = {QStringLiteral("Water"), QStringLiteral("Ethanol")};

    TChartDepthAxis depth(&host);
    TChartDepthAxis top(&host);
    depth.SetTwin(&top);
    EXPECT_FALSE(depth.Visible());
    EXPECT_EQ(depth.GetLabelStyle(), talText);
    depth.SetMinMax(-0.5, 1.5);
    depth.RecalcMinMax();
    depth.CalcPixelExtent();
    EXPECT_EQ(depth.EndPixel() - depth.StartPixel(), 60);
    host.canvas.clear();
    depth.DrawTitleAndLabels(true);
    QStringList texts;
    for (const RecordedCall &c : host.canvas.calls(QStringLiteral("TextOut")))
        texts << c.text;
    EXPECT_EQ(texts, QStringList({"Water", "Ethanol"}));
    EXPECT_EQ(host.canvas.count(QStringLiteral("ZLine3D")), 1);
    // A range far beyond any series index has nothing to title.
    depth.SetMinMax(1e12, 1e12 + 2);
    depth.RecalcMinMax();
    host.canvas.clear();
    depth.DrawTitleAndLabels(true);
    EXPECT_EQ(host.canvas.count(QStringLiteral("TextOut")), 0);

    depth.SetInverted(true);
    EXPECT_TRUE(top.Inverted());
    second.maxZ = 2; // a Z range of its own: the depth axis shows values
    EXPECT_EQ(depth.GetLabelStyle(), talValue);
}
