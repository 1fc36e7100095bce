// The clip series tool around a series' values, beside the series' own draw events.
#include "ToolTestSupport.h"

#include "TClipSeriesTool.h"

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

} // namespace
