// The clip series tool around a series' values, beside the series' own draw events.
#include "ToolTestSupport.h"

#include "PlotConst.h"
#include "PlotExceptions.h"
#include "TClipSeriesTool.h"
#include "TSeriesAnimationTool.h"

#include <memory>
#include <stdexcept>

namespace {

class ClipSeriesToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        series = addDiagonal();
        other = addDiagonal(3);
        canvas = &chart.useRecordingCanvas();
        tool = new TClipSeriesTool(&chart);
        tool->SetParentChart(&chart);
    }

    // The operations of one pass, in order.
    QStringList pass()
    {
        canvas->clear();
        chart.drawPass();
        QStringList ops;
        for (const RecordedCall &call : canvas->calls())
            ops.append(call.op);
        return ops;
    }

    TLineSeries *series = nullptr;
    TLineSeries *other = nullptr;
    RecordingCanvas *canvas = nullptr;
    TClipSeriesTool *tool = nullptr;
};

TEST_F(ClipSeriesToolTest, ClipsTheSeriesValuesToItsAxesAndLeavesTheUsersEventsAlone)
{
    const QStringList unclipped = pass();
    QStringList seen;
    series->BeforeDrawValues = [&](TChartSeries *) { seen.append(QStringLiteral("before")); canvas->note(QStringLiteral("user before")); };
    series->AfterDrawValues = [&](TChartSeries *) { seen.append(QStringLiteral("after")); canvas->note(QStringLiteral("user after")); };
    EXPECT_EQ(pass().count(QStringLiteral("ClipRectangle")), unclipped.count(QStringLiteral("ClipRectangle")));
    tool->SetSeries(series);
    const QStringList clipped = pass();
    const qsizetype before = clipped.indexOf(QStringLiteral("user before"));
    const qsizetype after = clipped.indexOf(QStringLiteral("user after"));
    ASSERT_GE(before, 1);
    EXPECT_EQ(clipped[before - 1], QStringLiteral("ClipRectangle"));
    EXPECT_EQ(clipped[after + 1], QStringLiteral("UnClipRectangle"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("before"), QStringLiteral("after"), QStringLiteral("before"),
                                 QStringLiteral("after")}));
    const RecordedCall &clip = canvas->calls()[std::size_t(before - 1)];
    const TChartAxis &h = *chart.BottomAxis();
    const TChartAxis &v = *chart.LeftAxis();
    EXPECT_EQ(clip.args, (std::vector<int>{h.StartPixel(), v.StartPixel(), h.EndPixel(), v.EndPixel()}));
}

TEST_F(ClipSeriesToolTest, WithoutClippingOrWithAnotherSeriesTheFirstIsNotClipped)
{
    series->BeforeDrawValues = [&](TChartSeries *) { canvas->note(QStringLiteral("user before")); };
    const auto clippedBeforeValues = [&] {
        const QStringList ops = pass();
        const qsizetype at = ops.indexOf(QStringLiteral("user before"));
        return at >= 1 && ops[at - 1] == QStringLiteral("ClipRectangle");
    };
    EXPECT_FALSE(clippedBeforeValues());
    tool->SetSeries(series);
    EXPECT_TRUE(clippedBeforeValues());
    canvas->setNonGdi(true); // a canvas that cannot clip
    EXPECT_FALSE(clippedBeforeValues());
    EXPECT_EQ(pass().count(QStringLiteral("UnClipRectangle")), pass().count(QStringLiteral("ClipRectangle")));
    canvas->setNonGdi(false);
    tool->SetSeries(other);
    EXPECT_FALSE(clippedBeforeValues());
    other->BeforeDrawValues = [&](TChartSeries *) { canvas->note(QStringLiteral("other before")); };
    const QStringList ops = pass();
    EXPECT_EQ(ops[ops.indexOf(QStringLiteral("other before")) - 1], QStringLiteral("ClipRectangle"));
}

class SeriesAnimationToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        series = chart.AddSeriesOfClass<TLineSeries>();
        for (int i = 0; i < 7; ++i)
            series->AddXY(i, 10.0 * (i + 1));
        tool = new TSeriesAnimationTool(&chart);
        tool->SetParentChart(&chart);
        tool->SetSeries(series);
    }

    std::vector<double> values() const
    {
        const auto v = series->YValues()->Values();
        return {v.begin(), v.end()};
    }

    TLineSeries *series = nullptr;
    TSeriesAnimationTool *tool = nullptr;
};

TEST_F(SeriesAnimationToolTest, GroupsGrowInTurnFromTheSmallestValue)
{
    const std::vector<double> real = values();
    tool->SetDrawEvery(3);
    tool->SetSteps(2);
    std::vector<std::vector<double>> halfway;
    tool->OnStep = [&](TSeriesAnimationTool *, int step) {
        if (step == 1)
            halfway.push_back(values());
    };
    tool->Execute();
    // Earlier groups stand at their values, the growing one half way from 10, later ones at 10.
    const std::vector<std::pair<int, int>> groups{{0, 2}, {3, 5}, {6, 6}};
    ASSERT_EQ(halfway.size(), groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (int i = 0; i < 7; ++i) {
            SCOPED_TRACE(testing::Message() << "group " << g << " point " << i);
            const double expected = i < groups[g].first ? real[i] : i > groups[g].second ? 10 : 0.5 * real[i] + 5;
            EXPECT_DOUBLE_EQ(halfway[g][std::size_t(i)], expected);
        }
    EXPECT_EQ(values(), real);
    EXPECT_FALSE(tool->Running());
}

TEST_F(SeriesAnimationToolTest, TheFirstStepShowsTheStartAndTheLastTheRealValues)
{
    const std::vector<double> real = values();
    std::vector<double> first, last;
    tool->OnStep = [&](TSeriesAnimationTool *, int step) {
        if (step == 0)
            first = values();
        if (step == 100)
            last = values();
    };
    tool->Execute();
    EXPECT_EQ(first, std::vector<double>(7, 10.0));
    EXPECT_EQ(last, real);
}

TEST_F(SeriesAnimationToolTest, TheRealValuesComeBackAlsoWhenAStepThrows)
{
    const std::vector<double> real = values();
    tool->OnStep = [&](TSeriesAnimationTool *, int step) {
        if (step == 30)
            throw std::runtime_error("step");
    };
    EXPECT_THROW(tool->Execute(), std::runtime_error);
    EXPECT_EQ(values(), real);
    EXPECT_FALSE(tool->Running());
}

TEST_F(SeriesAnimationToolTest, ARunningAnimationIgnoresExecuteAndStopsOnRequest)
{
    tool->SetLoop(salOneWay);
    tool->SetSteps(5);
    chart.show();
    int steps = 0;
    tool->OnStep = [&](TSeriesAnimationTool *sender, int) {
        ++steps;
        sender->Execute(); // already running: nothing
        if (steps == 15)
            sender->Stop();
    };
    tool->Execute();
    EXPECT_EQ(steps, 15);
    EXPECT_FALSE(tool->Running());
}

TEST_F(SeriesAnimationToolTest, NoStepsAreRefusedAndTheStepsStay)
{
    tool->SetSteps(7);
    for (const int steps : {0, -3}) {
        try {
            tool->SetSteps(steps);
            ADD_FAILURE() << steps << " steps taken";
        } catch (const ChartException &e) {
            EXPECT_EQ(e.message(), PlotConst::message(PlotConst::msgAnimationSteps));
        }
        EXPECT_EQ(tool->Steps(), 7);
    }
    EXPECT_EQ(PlotConst::message(PlotConst::msgAnimationSteps), QStringLiteral("Series animation steps must be 1 or more"));
    // A negative group size animates all points together.
    tool->SetDrawEvery(-3);
    int steps = 0;
    tool->OnStep = [&](TSeriesAnimationTool *, int) { ++steps; };
    const std::vector<double> real = values();
    tool->Execute();
    EXPECT_EQ(steps, 8);
    EXPECT_EQ(values(), real);
}

TEST_F(SeriesAnimationToolTest, ARunEndsCleanlyWhenWhatItAnimatesGoesAway)
{
    // The series deleted in a step.
    tool->OnStep = [&](TSeriesAnimationTool *, int step) {
        if (step == 3)
            delete series;
    };
    tool->Execute();
    EXPECT_FALSE(tool->Running());
    // The chart hidden during a loop.
    series = addDiagonal();
    tool->SetSeries(series);
    tool->SetLoop(salCircular);
    tool->SetSteps(4);
    chart.show();
    int steps = 0;
    tool->OnStep = [&](TSeriesAnimationTool *, int) {
        if (++steps == 6)
            chart.hide();
    };
    tool->Execute();
    EXPECT_EQ(steps, 6);
    EXPECT_EQ(values(), (std::vector<double>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    // The chart, and with it the tool, deleted in a step.
    auto *own = new TestChart;
    auto *ownSeries = own->AddSeriesOfClass<TLineSeries>();
    ownSeries->AddXY(0, 1);
    ownSeries->AddXY(1, 2);
    auto *ownTool = new TSeriesAnimationTool(own);
    ownTool->SetParentChart(own);
    ownTool->SetSeries(ownSeries);
    ownTool->OnStep = [own](TSeriesAnimationTool *, int step) {
        if (step == 2)
            delete own;
    };
    ownTool->Execute();
}

} // namespace
