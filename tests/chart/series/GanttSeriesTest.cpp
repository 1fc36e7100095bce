// Gantt series: tasks without a follower, the bars and their connecting lines, the hit test, the
// sample plan and stored links.
#include "SeriesDrawTestSupport.h"

#include "TGanttSeries.h"

#include <cmath>
#include <limits>

namespace {

class GanttSeriesTest : public SeriesDrawTestBase
{
protected:
    static constexpr TColor kConnecting = 0x123456;

    // Tasks 0 (1..5, row 0) and 1 (7..9, row 1).
    TGanttSeries *twoTasks()
    {
        auto *gantt = add<TGanttSeries>();
        gantt->AddGantt(1, 5, 0);
        gantt->AddGantt(7, 9, 1);
        gantt->ConnectingPen()->SetColor(kConnecting);
        chart.BottomAxis()->SetMinMax(0, 10);
        chart.LeftAxis()->SetMinMax(-1, 2);
        return gantt;
    }
    std::vector<RecordedCall> connections() const { return callsInPen(QStringLiteral("LineWithZ"), kConnecting); }
    // The bars (or cubes) of one task: its shapes in its colour.
    std::vector<RecordedCall> bars(const TGanttSeries &gantt, int task, const char *op = "Rectangle") const
    {
        std::vector<RecordedCall> result;
        for (const RecordedCall &call : canvas->calls(QString::fromLatin1(op)))
            if (call.brushColor == gantt.GetValueColor(task))
                result.push_back(call);
        return result;
    }
};

} // namespace

TEST_F(GanttSeriesTest, ATaskStartsWithoutAFollowerUnlessItsLinkWasSetBeforeTheAdd)
{
    auto *gantt = add<TGanttSeries>();
    gantt->AddGantt(1, 5, 0);
    EXPECT_EQ(gantt->NextTask()->Value(0), -1.0);
    EXPECT_GE(gantt->MaxXValue(), 5.0);
    gantt->NextTask()->SetTempValue(0);
    gantt->AddXY(2, 1);
    gantt->AddGanttColor(3, 4, 2, QString(), clRed);
    EXPECT_EQ(gantt->NextTask()->Value(1), 0.0);
    EXPECT_EQ(gantt->NextTask()->Value(2), -1.0);
}

TEST_F(GanttSeriesTest, TheBarSpansItsDatesAndThreeLinesLeadToTheNextTask)
{
    TGanttSeries *gantt = twoTasks();
    gantt->NextTask()->SetValue(0, 1);
    draw();
    const TChartAxis &x = *chart.BottomAxis();
    const int x0 = x.ValueToPixel(1);
    const int x1 = x.ValueToPixel(5);
    const int half = (x1 - x0) / 2;
    const int y0 = chart.LeftAxis()->ValueToPixel(0);
    const int y1 = chart.LeftAxis()->ValueToPixel(1);
    const int v = gantt->Pointer()->VertSize();
    const std::vector<RecordedCall> bar = bars(*gantt, 0);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0].args, std::vector<int>({x0 + half - half, y0 - v, x0 + 2 * half + 1, y0 + v + 1}));
    const int next = x.ValueToPixel(7);
    const int mid = x1 + (next - x1) / 2;
    const std::vector<RecordedCall> lines = connections();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].args, std::vector<int>({x1, y0, mid, y0, 0}));
    EXPECT_EQ(lines[1].args, std::vector<int>({mid, y0, mid, y1, 0}));
    EXPECT_EQ(lines[2].args, std::vector<int>({mid, y1, next, y1, 0}));
}

TEST_F(GanttSeriesTest, ALinkThatNamesNoTaskDrawsNoConnectingLine)
{
    TGanttSeries *gantt = twoTasks();
    const double values[] = {99, -1, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1};
    for (const double next : values) {
        SCOPED_TRACE(next);
        gantt->NextTask()->SetValue(0, next);
        draw();
        EXPECT_EQ(connections().size(), next == 1 ? 3u : 0u);
    }
}

TEST_F(GanttSeriesTest, ATaskEndingBeforeItStartsDrawsItsBarFromEndToStartIn2DAnd3D)
{
    auto *gantt = add<TGanttSeries>();
    gantt->AddGantt(9, 5, 0);
    chart.BottomAxis()->SetMinMax(0, 10);
    canvas->setLogSolids(true);
    draw();
    int start = chart.BottomAxis()->ValueToPixel(9);
    const int end = chart.BottomAxis()->ValueToPixel(5);
    const std::vector<RecordedCall> flat = bars(*gantt, 0);
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_EQ(std::pair(flat[0].args[0], flat[0].args[2]), std::pair(end + (start - end) % 2, start + 1));
    draw(true);
    start = chart.BottomAxis()->ValueToPixel(9);
    const std::vector<RecordedCall> cubes = bars(*gantt, 0, "Cube");
    ASSERT_EQ(cubes.size(), 1u);
    EXPECT_LT(cubes[0].args[0], cubes[0].args[1]);
    EXPECT_EQ(cubes[0].args[1], start);
    // The bar is hit where it is drawn.
    draw(false);
    EXPECT_EQ(gantt->Clicked(chart.BottomAxis()->ValueToPixel(7), gantt->CalcYPos(0)), 0);
}

TEST_F(GanttSeriesTest, AClickOnTheBarsRowBetweenItsEndsHitsTheTask)
{
    TGanttSeries *gantt = twoTasks();
    draw();
    const int v = gantt->Pointer()->VertSize();
    const int y = gantt->CalcYPos(0);
    const int x = chart.BottomAxis()->ValueToPixel(3);
    EXPECT_EQ(gantt->Clicked(x, y + v - 1), 0);
    EXPECT_EQ(gantt->Clicked(x, y + v), -1);
    EXPECT_EQ(gantt->Clicked(x, y - v), -1);
    EXPECT_EQ(gantt->Clicked(chart.BottomAxis()->ValueToPixel(6), y), -1);
}

TEST_F(GanttSeriesTest, SamplesLinkTasksToLaterOnesThatStartAfterThemAndTheLinksAreStored)
{
    auto *gantt = add<TGanttSeries>();
    gantt->FillSampleValues(0);
    const int n = gantt->Count();
    ASSERT_GE(n, 11);
    ASSERT_LE(n, 25);
    EXPECT_EQ(gantt->Labels().GetLabel(0), QStringLiteral("Design"));
    EXPECT_EQ(gantt->Labels().GetLabel(9), QStringLiteral("Banking"));
    int links = 0;
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        const int next = gantt->NextTaskIndex(i);
        EXPECT_EQ(double(next), gantt->NextTask()->Value(i));
        if (next < 0)
            continue;
        ++links;
        EXPECT_GT(next, i);
        EXPECT_GT(gantt->StartValues()->Value(next), gantt->EndValues()->Value(i));
    }
    EXPECT_GT(links, 0);

    TGanttSeries read;
    read.ReadData(gantt->WriteData());
    ASSERT_EQ(read.Count(), n);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(read.NextTask()->Value(i), gantt->NextTask()->Value(i)) << i;
}
