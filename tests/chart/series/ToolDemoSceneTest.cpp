// The demo's tools scene driven as its screenshot drives it: each tool does what the mouse asked
// and leaves no pixel that a fresh redraw would not draw.
#include "ChartTestSupport.h"
#include "TChart.h"
#include "TColorLineTool.h"
#include "TDrawLineTool.h"
#include "TLineSeries.h"
#include "TNearestTool.h"
#include "TRotateTool.h"
#include "TView3DOptions.h"
#include "ToolDemoCharts.h"

#include <QTest>

using ToolDemoScene = ChartTest;

TEST_F(ToolDemoScene, FollowsTheMouseWithoutGhostLines)
{
    TChart flat;
    TChart deep;
    flat.resize(760, 460);
    deep.resize(520, 460);
    const ToolDemoCharts::FlatTools tools = ToolDemoCharts::fillFlat(flat);
    TRotateTool *rotate = ToolDemoCharts::fill3D(deep);
    for (TChart *chart : {&flat, &deep}) {
        chart->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
        chart->repaint();
    }
    ToolDemoCharts::pointCallout(tools);
    const int rotation = deep.View3DOptions()->Rotation();

    EXPECT_EQ(ToolDemoCharts::driveFlat(flat, tools), QStringList());
    EXPECT_EQ(ToolDemoCharts::driveRotate(deep), QStringList());

    // The drop ended the drag at the value under the mouse (one pixel is about 0.003 bar).
    EXPECT_FALSE(tools.pressureLine->Dragging());
    EXPECT_NEAR(tools.pressureLine->Value(), ToolDemoCharts::kDropBar, 0.01);
    ASSERT_EQ(tools.drawLine->Lines().Count(), 2);
    const TDrawLine &drawn = *tools.drawLine->Lines().Item(1);
    EXPECT_NEAR(drawn.X0(), ToolDemoCharts::kDrawnFrom.x(), 0.5);
    EXPECT_NEAR(drawn.Y1(), ToolDemoCharts::kDrawnTo.y(), 0.01);
    EXPECT_EQ(tools.water->XValues()->Value(tools.nearest->Point()), ToolDemoCharts::kRestC);
    EXPECT_FALSE(rotate->Dragging());
    EXPECT_NE(deep.View3DOptions()->Rotation(), rotation);
}
