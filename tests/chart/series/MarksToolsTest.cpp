// The drag marks and marks tip tools, driven by mouse events on a shown chart.
#include "ToolTestSupport.h"

#include "MarksTipDisplay.h"
#include "TDragMarksTool.h"
#include "TMarksTipTool.h"
#include "TSeriesMarks.h"

#include <QApplication>

#include <stdexcept>
#include <vector>

namespace {

QPoint centreOf(const TSeriesMarkPosition &position)
{
    const TRect box = position.Bounds();
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

class DragMarksToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        low = addDiagonal();
        high = chart.AddSeriesOfClass<TLineSeries>();
        for (int i = 0; i <= 10; ++i)
            high->AddXY(10.0 * i, 90.0);
        for (TChartSeries *series : {static_cast<TChartSeries *>(low), static_cast<TChartSeries *>(high)})
            series->Marks()->SetVisible(true);
        tool = new TDragMarksTool(&chart);
        tool->SetParentChart(&chart);
        show();
    }

    TSeriesMarkPosition positionOf(TChartSeries *series, int index)
    {
        const TSeriesMarkPosition *position = series->Marks()->Positions().GetPosition(index);
        EXPECT_NE(position, nullptr);
        return position ? *position : TSeriesMarkPosition{};
    }

    TLineSeries *low = nullptr;
    TLineSeries *high = nullptr;
    TDragMarksTool *tool = nullptr;
};

TEST_F(DragMarksToolTest, DraggingAMarkShiftsItsBoxAndArrowEndAndKeepsThePosition)
{
    const TSeriesMarkPosition before = positionOf(low, 3);
    ASSERT_FALSE(before.Custom);
    const QPoint from = centreOf(before);
    drag(from, {from + QPoint(2, -1), from + QPoint(5, -3)});
    const TSeriesMarkPosition after = positionOf(low, 3);
    EXPECT_TRUE(after.Custom);
    EXPECT_EQ(after.LeftTop, (TPoint{before.LeftTop.x + 5, before.LeftTop.y - 3}));
    EXPECT_EQ(after.ArrowTo, (TPoint{before.ArrowTo.x + 5, before.ArrowTo.y - 3}));
    EXPECT_EQ(tool->DraggedIndex(), -1);
    // The next draw keeps the mark where the user left it.
    chart.repaint();
    EXPECT_EQ(positionOf(low, 3).LeftTop, after.LeftTop);
}

TEST_F(DragMarksToolTest, AMarkWhosePositionEntryIsGoneStaysAsItIs)
{
    const QPoint from = centreOf(positionOf(low, 3));
    QTest::mousePress(&chart, Qt::LeftButton, {}, from);
    ASSERT_EQ(tool->DraggedIndex(), 3);
    low->Marks()->Positions().Clear();
    QTest::mouseMove(&chart, from + QPoint(5, -3));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, from + QPoint(5, -3));
    EXPECT_EQ(low->Marks()->Positions().GetPosition(3), nullptr);
}

TEST_F(DragMarksToolTest, WithASeriesSetOtherSeriesMarksStayAndShowNoHand)
{
    tool->SetSeries(high);
    chart.repaint();
    const TSeriesMarkPosition before = positionOf(low, 3);
    const QPoint from = centreOf(before);
    QTest::mouseMove(&chart, from);
    EXPECT_NE(chart.cursor().shape(), Qt::PointingHandCursor);
    drag(from, {from + QPoint(5, -3)});
    EXPECT_EQ(positionOf(low, 3), before);

    const QPoint onHigh = centreOf(positionOf(high, 6));
    QTest::mouseMove(&chart, onHigh);
    EXPECT_EQ(chart.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&chart, {5, 5});
    EXPECT_NE(chart.cursor().shape(), Qt::PointingHandCursor);
}

// Counts the tips instead of showing them.
class CountingTips : public MarksTipDisplay
{
public:
    void showTip(QWidget &, const QPoint &, const QString &text) override { shown.push_back(text); }
    void hideTip() override { ++hidden; }
    std::vector<QString> shown;
    int hidden = 0;
};

class MarksTipToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        MarksTipDisplay::replace(&tips);
        series = addDiagonal();
        other = chart.AddSeriesOfClass<TLineSeries>();
        other->AddXY(0, 80);
        other->AddXY(100, 80);
        tool = new TMarksTipTool(&chart);
        tool->SetParentChart(&chart);
        tool->SetMouseDelay(0);
        tool->SetStyle(smsXY);
        show();
    }
    void TearDown() override { MarksTipDisplay::replace(nullptr); }

    // Lets the tip timers run out.
    void settle() { QTest::qWait(20); }

    CountingTips tips;
    TLineSeries *series = nullptr;
    TLineSeries *other = nullptr;
    TMarksTipTool *tool = nullptr;
};

TEST_F(MarksTipToolTest, ThePointsTextInTheToolsStyleShowsOnceAfterTheDelay)
{
    tool->SetMouseDelay(40);
    QTest::mouseMove(&chart, pixelOf(*series, 4));
    EXPECT_TRUE(tips.shown.empty());
    QTest::qWait(80);
    ASSERT_EQ(tips.shown.size(), 1u);
    EXPECT_EQ(tips.shown[0], QStringLiteral("40 40"));
    EXPECT_EQ(chart.toolTip(), tips.shown[0]);
    // The series keeps its own marks style.
    EXPECT_EQ(series->Marks()->Style(), smsLabel);
    // Another pixel over the same point brings no second tip.
    QTest::mouseMove(&chart, pixelOf(*series, 4) + QPoint(1, 0));
    settle();
    EXPECT_EQ(tips.shown.size(), 1u);
}

TEST_F(MarksTipToolTest, MovingOffThePointsTakesTheTipAwayUnlessAnotherTipToolIsThere)
{
    const QPoint off(pixelOf(*series, 2).x(), pixelOf(*series, 6).y());
    int cancels = 0;
    tool->OnCancelHint = [&](TMarksTipTool *) { ++cancels; };
    for (const bool second : {true, false}) {
        SCOPED_TRACE(second);
        TMarksTipTool *another = nullptr;
        if (second) {
            another = new TMarksTipTool(&chart);
            another->SetParentChart(&chart);
            another->SetActive(false);
        }
        QTest::mouseMove(&chart, pixelOf(*series, 3));
        settle();
        ASSERT_FALSE(chart.toolTip().isEmpty());
        cancels = 0;
        tips.hidden = 0;
        QTest::mouseMove(&chart, off);
        EXPECT_EQ(chart.toolTip().isEmpty(), !second);
        EXPECT_EQ(cancels, second ? 0 : 1);
        EXPECT_EQ(tips.hidden, second ? 0 : 1);
        delete another;
    }
}

TEST_F(MarksTipToolTest, WithASeriesSetOtherSeriesAreNotTipped)
{
    tool->SetSeries(series);
    QTest::mouseMove(&chart, {chart.BottomAxis()->ValueToPixel(50), chart.LeftAxis()->ValueToPixel(80)});
    settle();
    EXPECT_TRUE(tips.shown.empty());
    QTest::mouseMove(&chart, pixelOf(*series, 6));
    settle();
    EXPECT_EQ(tips.shown, std::vector<QString>{QStringLiteral("60 60")});
}

TEST_F(MarksTipToolTest, AThrowingTextHandlerLeavesTheMarksStyleAndRepaintingAsTheyWere)
{
    tool->OnGetText = [](TMarksTipTool *, QString &) { throw std::runtime_error("text"); };
    const QPoint at = pixelOf(*series, 5);
    EXPECT_THROW(tool->ChartMouseEvent(TChartMouseEventKind::cmeMove, mbLeft, {}, at.x(), at.y()), std::runtime_error);
    EXPECT_EQ(series->Marks()->Style(), smsLabel);
    EXPECT_TRUE(chart.AutoRepaint);
    EXPECT_TRUE(chart.toolTip().isEmpty());
}

TEST_F(MarksTipToolTest, ANegativeDelayCountsAsNone)
{
    tool->SetMouseDelay(-1);
    EXPECT_EQ(tool->MouseDelay(), 0);
    QTest::mouseMove(&chart, pixelOf(*series, 7));
    settle();
    EXPECT_EQ(tips.shown.size(), 1u);
}

} // namespace
