// Titles and walls: defaults, the title layout in text metrics, the walls rectangle and the order
// and form of the walls, all on the recording canvas with fake metrics.
#include "ChartTestSupport.h"

#include "StubChart.h"
#include "TChartDepthAxis.h"

#include <QStringList>

using TitlesWallsTest = ChartTest;

namespace {

// The chart rectangle the titles start from in these tests.
const TRect kPlot{20, 30, 380, 220};

std::vector<RecordedCall> textCalls(const RecordingCanvas &canvas)
{
    return canvas.calls(QStringLiteral("TextOut"));
}

} // namespace

TEST_F(TitlesWallsTest, WallDefaults)
{
    TestChart chart;
    struct Case { const TCustomChartWall *wall; TColor color; bool transparent; bool visible; const char *what; };
    const Case cases[] = {
        {chart.BackWall(), 0xC0C0C0, true, true, "back"},
        {chart.LeftWall(), 0x80FFFF, false, true, "left"},
        {chart.BottomWall(), clWhite, false, true, "bottom"},
        {chart.RightWall(), clSilver, false, false, "right"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.wall->Color(), c.color);
        EXPECT_EQ(c.wall->Transparent(), c.transparent);
        EXPECT_EQ(c.wall->Visible(), c.visible);
        EXPECT_EQ(c.wall->Size(), 0);
        EXPECT_TRUE(c.wall->Dark3D());
        EXPECT_FALSE(c.wall->AutoHide());
    }
    // The back wall's silver is its default and is not written; the others' colours are.
    EXPECT_FALSE(chart.BackWall()->IsColorStored());
    EXPECT_TRUE(chart.LeftWall()->IsColorStored());
}

TEST_F(TitlesWallsTest, TitleDefaults)
{
    TestChart chart;
    struct Case { const TChartTitle *title; TColor color; TFontStyles style; const char *what; };
    const Case cases[] = {
        {chart.Title(), clBlue, {}, "Title"},
        {chart.SubTitle(), clBlue, {}, "SubTitle"},
        {chart.Foot(), clRed, fsItalic, "Foot"},
        {chart.SubFoot(), clRed, fsItalic, "SubFoot"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.title->Font()->Color(), c.color);
        EXPECT_EQ(c.title->Font()->Style(), c.style);
        EXPECT_FALSE(c.title->Font()->IsColorStored());
        EXPECT_EQ(c.title->Alignment(), taCenter);
        EXPECT_TRUE(c.title->AdjustFrame());
        EXPECT_TRUE(c.title->Transparent());
        EXPECT_FALSE(c.title->IsTransparentStored());
    }
}

TEST_F(TitlesWallsTest, ARightJustifiedFramedTitleTakesItsLinesAndFrameFromTheTop)
{
    TestChart chart;
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    TChartTitle &title = *chart.Title();
    title.SetText({QStringLiteral("ab"), QStringLiteral("widest"), QStringLiteral("c")});
    title.SetAlignment(taRightJustify);
    title.Pen()->SetVisible(true);
    title.Pen()->SetWidth(1);
    chart.ChartRect = kPlot;
    chart.DrawTitlesAndLegend(true);
    const int fw = 1;
    const int w = canvas.TextWidth(QStringLiteral("W"));
    const int h = canvas.TextHeight(QStringLiteral("W"));
    const TRect frame = title.TitleRect();
    EXPECT_EQ(frame.right, kPlot.right + fw);
    EXPECT_EQ(frame.right - frame.left, canvas.TextWidth(QStringLiteral("widest")) + w + fw);
    EXPECT_EQ(frame.bottom, kPlot.top + fw + 3 * h + fw);
    EXPECT_EQ(chart.ChartRect.top, frame.bottom + 5 + fw);
    // Lines from the top inside the frame, each ending half a "W" from its right edge.
    const std::vector<RecordedCall> texts = textCalls(canvas);
    ASSERT_EQ(texts.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i].args[1], frame.top + fw + i * h);
        EXPECT_EQ(texts[i].args[0] + canvas.TextWidth(texts[i].text), frame.right - w / 2);
    }
    // A title with a box of its own keeps its shadow clear of the plot.
    title.SetTransparent(false);
    title.Shadow()->SetSize(3);
    chart.ChartRect = kPlot;
    chart.DrawTitlesAndLegend(true);
    EXPECT_EQ(chart.ChartRect.top, frame.bottom + 5 + fw + 3);
}

TEST_F(TitlesWallsTest, AFootTitleTakesItsRoomFromTheBottomWithTheFirstLineLowest)
{
    TestChart chart;
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    TChartTitle &foot = *chart.Foot();
    foot.SetText({QStringLiteral("first"), QStringLiteral("second")});
    foot.Pen()->SetVisible(false);
    chart.ChartRect = kPlot;
    chart.DrawTitlesAndLegend(true);
    const int h = canvas.TextHeight(QStringLiteral("W"));
    EXPECT_EQ(foot.TitleRect().top, kPlot.bottom - 2 * h);
    EXPECT_EQ(chart.ChartRect.bottom, foot.TitleRect().top - 5);
    const std::vector<RecordedCall> texts = textCalls(canvas);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("first"));
    EXPECT_GT(texts[0].args[1], texts[1].args[1]);
}

TEST_F(TitlesWallsTest, HiddenEmptyOrOwnPlacedTitlesTakeNoRoom)
{
    TestChart chart;
    chart.useRecordingCanvas();
    chart.Title()->SetText({QStringLiteral("hidden")});
    chart.Title()->SetVisible(false);
    chart.SubFoot()->SetText({QStringLiteral("placed")});
    chart.SubFoot()->SetLeft(50);
    chart.ChartRect = kPlot;
    chart.DrawTitlesAndLegend(true);
    EXPECT_EQ(chart.ChartRect, kPlot);
    // The one at its own place is painted in the pass after the series.
    chart.DrawTitlesAndLegend(false);
    EXPECT_EQ(chart.ChartRect, kPlot);
    EXPECT_EQ(chart.SubFoot()->TitleRect().left, 50);
    EXPECT_EQ(chart.recording()->count(QStringLiteral("TextOut")), 1);
}

TEST_F(TitlesWallsTest, OrthogonalDepthAndWallSizesComeOffTheSideTheDepthLeansTo)
{
    struct Case { int angle; bool rightMoves; };
    for (const Case c : {Case{45, true}, Case{135, false}}) {
        SCOPED_TRACE(c.angle);
        TestChart chart;
        chart.View3DOptions()->SetOrthogonal(true);
        chart.View3DOptions()->SetOrthoAngle(c.angle);
        chart.BackWall()->SetSize(4);
        chart.RightWall()->SetVisible(true);
        chart.RightWall()->SetSize(3);
        chart.LeftWall()->SetSize(2);
        chart.ChartRect = kPlot;
        chart.CalcChartDimensions();
        chart.CalcWallsRect();
        const int w = std::abs(chart.Width3D) + 4;
        ASSERT_GT(std::abs(chart.Width3D), 0);
        if (c.rightMoves) {
            EXPECT_EQ(chart.ChartRect.right, kPlot.right - (w + 3 + 1));
            EXPECT_EQ(chart.ChartRect.left, kPlot.left);
        } else {
            EXPECT_EQ(chart.ChartRect.left, kPlot.left + (w + 2 + 1));
            EXPECT_EQ(chart.ChartRect.right, kPlot.right);
        }
        EXPECT_EQ(chart.ChartRect.top, kPlot.top + 4 + std::abs(chart.Height3D));
    }
}

TEST_F(TitlesWallsTest, WallsDrawRightBackLeftBottomAsPlanesOrBoxes)
{
    TestChart chart;
    auto *series = new PolylineTestSeries(&chart);
    series->AddXY(0, 0);
    series->AddXY(1, 1);
    chart.AddSeries(series);
    // Seen straight from the front in perspective, both side walls show their inner faces.
    chart.View3DOptions()->SetOrthogonal(false);
    chart.View3DOptions()->SetRotation(360);
    chart.View3DOptions()->SetElevation(360);
    chart.RightWall()->SetVisible(true);
    chart.BackWall()->SetTransparent(false);
    const TColor colours[] = {0x000001, 0x000002, 0x000003, 0x000004}; // right, back, left, bottom
    chart.RightWall()->SetColor(colours[0]);
    chart.BackWall()->SetColor(colours[1]);
    chart.LeftWall()->SetColor(colours[2]);
    chart.BottomWall()->SetColor(colours[3]);
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    canvas.setLogSolids(true);
    chart.drawPass();
    const auto wallCalls = [&] {
        canvas.clear();
        chart.DrawWalls();
        std::vector<std::pair<QString, TColor>> walls;
        for (const RecordedCall &call : canvas.calls())
            if (call.op == QStringLiteral("PolygonFourPoints") || call.op == QStringLiteral("Cube"))
                walls.emplace_back(call.op, call.brushColor);
        return walls;
    };
    std::vector<std::pair<QString, TColor>> planes = wallCalls();
    ASSERT_EQ(planes.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(planes[i].first, QStringLiteral("PolygonFourPoints"));
        EXPECT_EQ(planes[i].second, colours[i]);
    }
    chart.LeftWall()->SetSize(10);
    canvas.clear();
    chart.DrawWalls();
    const std::vector<RecordedCall> cubes = canvas.calls(QStringLiteral("Cube"));
    ASSERT_EQ(cubes.size(), 1u);
    // Cube(left, right, top, bottom, z0, z1, dark): ten pixels thick, left of the chart rectangle.
    EXPECT_EQ(cubes[0].args[1] - cubes[0].args[0], 10);
    EXPECT_EQ(cubes[0].args[1], chart.ChartRect.left);
    EXPECT_EQ(cubes[0].brushColor, colours[2]);
}

TEST_F(TitlesWallsTest, AxesTakeTheSizeOfTheirVisibleWallOnlyIn3DWithWalls)
{
    TestChart chart;
    chart.LeftWall()->SetSize(2);
    chart.BottomWall()->SetSize(3);
    chart.RightWall()->SetSize(4); // hidden
    chart.BackWall()->SetSize(5);
    struct Case { const TChartAxis *axis; int size; };
    const Case cases[] = {{chart.LeftAxis(), 2}, {chart.BottomAxis(), 3}, {chart.RightAxis(), 0},
                          {chart.TopAxis(), 5}, {chart.DepthAxis(), 5}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.axis->metaObject()->className());
        EXPECT_EQ(chart.GetAxisWallSize(*c.axis), c.size);
    }
    chart.SetView3DWalls(false);
    EXPECT_EQ(chart.GetAxisWallSize(*chart.LeftAxis()), 0);
    chart.SetView3DWalls(true);
    chart.SetView3D(false);
    EXPECT_EQ(chart.GetAxisWallSize(*chart.BottomAxis()), 0);
}

TEST_F(TitlesWallsTest, AWallInFrontOfTheSeriesIsDrawnAfterThemUnlessItHidesItself)
{
    TestChart chart;
    auto *series = new PolylineTestSeries(&chart);
    series->AddXY(0, 0);
    series->AddXY(1, 1);
    chart.AddSeries(series);
    chart.View3DOptions()->SetOrthogonal(true);
    chart.View3DOptions()->SetOrthoAngle(45);
    chart.RightWall()->SetVisible(true);
    chart.RightWall()->SetColor(0x000005);
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    chart.drawPass();
    const auto rightWallCalls = [&](bool beforeSeries) {
        canvas.clear();
        if (beforeSeries)
            chart.DrawWalls();
        else
            chart.DrawTitlesAndLegend(false);
        int n = 0;
        for (const RecordedCall &call : canvas.calls(QStringLiteral("PolygonFourPoints")))
            n += call.brushColor == 0x000005 ? 1 : 0;
        return n;
    };
    // At 45 degrees the right wall shows its outer face: it stands in front of the series.
    EXPECT_EQ(rightWallCalls(true), 0);
    EXPECT_EQ(rightWallCalls(false), 1);
    chart.RightWall()->SetAutoHide(true);
    EXPECT_EQ(rightWallCalls(false), 0);
}
