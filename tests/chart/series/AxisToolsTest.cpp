// The axis arrow and axis scroll tools, clicked and dragged on a shown chart.
#include "ToolTestSupport.h"

#include "TAxisArrowTool.h"
#include "TAxisScrollTool.h"


namespace {

class AxisArrowToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        series = addDiagonal();
        chart.BottomAxis()->SetMinMax(0, 50);
        tool = new TAxisArrowTool(&chart);
        tool->SetAxis(chart.BottomAxis());
        tool->OnClick = [this](TAxisArrowTool *, bool atStart) { clicks.push_back(atStart); };
        QObject::connect(&chart, &TCustomChart::OnScroll, [this] { ++scrolls; });
        show();
    }

    QPoint onStartArrow() const { return {chart.BottomAxis()->StartPixel() + 8, chart.BottomAxis()->PosAxis()}; }
    QPoint onEndArrow() const { return {chart.BottomAxis()->EndPixel() - 8, chart.BottomAxis()->PosAxis()}; }

    void expectRange(const TChartAxis &axis, double minimum, double maximum)
    {
        EXPECT_DOUBLE_EQ(axis.Minimum(), minimum);
        EXPECT_DOUBLE_EQ(axis.Maximum(), maximum);
    }

    TLineSeries *series = nullptr;
    TAxisArrowTool *tool = nullptr;
    std::vector<bool> clicks;
    int scrolls = 0;
};

TEST_F(AxisArrowToolTest, ArrowsAreDrawnInTheBrushAtBothEndsOfTheAxis)
{
    series->SetSeriesColor(clBlue);
    tool->Brush()->SetColor(clRed);
    chart.repaint();
    const QImage image = buffer();
    const auto isRed = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
    const auto redAround = [&](QPoint p) {
        int count = 0;
        for (int dx = -8; dx <= 8; ++dx)
            for (int dy = -5; dy <= 5; ++dy)
                count += isRed(image.pixel(p + QPoint(dx, dy)));
        return count;
    };
    EXPECT_GT(redAround(onStartArrow()), 20);
    EXPECT_GT(redAround(onEndArrow()), 20);
    tool->SetPosition(aaEnd);
    chart.repaint();
    EXPECT_FALSE(isRed(buffer().pixel(onStartArrow())));
}

TEST_F(AxisArrowToolTest, AClickOnAnArrowScrollsTheAxisByItsPercent)
{
    QTest::mouseClick(&chart, Qt::LeftButton, {}, onStartArrow());
    expectRange(*chart.BottomAxis(), 5, 55);
    chart.BottomAxis()->SetMinMax(0, 50);
    chart.repaint();
    QTest::mouseClick(&chart, Qt::LeftButton, {}, onEndArrow());
    expectRange(*chart.BottomAxis(), -5, 45);
    EXPECT_EQ(clicks, (std::vector<bool>{true, false}));
    EXPECT_EQ(scrolls, 2);
}

TEST_F(AxisArrowToolTest, NoScrollPercentOrAClickOffTheLineDoesNothing)
{
    struct Case { int percent; QPoint offset; };
    const Case cases[] = {{0, {0, 0}}, {10, {0, 3}}, {10, {0, -3}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.offset.y());
        tool->SetScrollPercent(c.percent);
        QTest::mouseClick(&chart, Qt::LeftButton, {}, onStartArrow() + c.offset);
        expectRange(*chart.BottomAxis(), 0, 50);
    }
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(scrolls, 0);
}

TEST_F(AxisArrowToolTest, TheOppositeAxisFollowsUnlessTheScrollIsRefused)
{
    series->SetHorizAxis(aBothHorizAxis);
    chart.TopAxis()->SetMinMax(0, 50);
    chart.repaint();
    QTest::mouseClick(&chart, Qt::LeftButton, {}, onStartArrow());
    expectRange(*chart.TopAxis(), 5, 55);

    chart.OnAllowScroll = [](TCustomChart &, TChartAxis *, double &minimum, double &, bool &allow) {
        minimum = 1000; // ignored by the arrows
        allow = false;
    };
    QTest::mouseClick(&chart, Qt::LeftButton, {}, onStartArrow());
    expectRange(*chart.BottomAxis(), 5, 55);
    expectRange(*chart.TopAxis(), 5, 55);
    EXPECT_EQ(scrolls, 1);
}

class AxisScrollToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        series = addDiagonal();
        tool = new TAxisScrollTool(&chart);
        tool->SetParentChart(&chart);
        show();
    }

    // Drags the bottom axis d pixels to the left in two steps.
    void dragBottomLeft(int d)
    {
        const TChartAxis &bottom = *chart.BottomAxis();
        const QPoint from((bottom.StartPixel() + bottom.EndPixel()) / 2, bottom.PosAxis() + 2);
        drag(from, {from - QPoint(d / 2, 0), from - QPoint(d, 0)});
    }

    TLineSeries *series = nullptr;
    TAxisScrollTool *tool = nullptr;
};

TEST_F(AxisScrollToolTest, DraggingAnAxisScrollsItByTheDraggedShareOfItsRange)
{
    struct Case { bool inverted; bool scrollInverted; double sign; };
    const Case cases[] = {{false, false, 1}, {true, false, -1}, {false, true, -1}, {true, true, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.inverted << c.scrollInverted);
        TChartAxis &bottom = *chart.BottomAxis();
        bottom.SetMinMax(0, 100);
        bottom.SetInverted(c.inverted);
        tool->SetScrollInverted(c.scrollInverted);
        chart.repaint();
        const double shift = c.sign * 100.0 * 40 / bottom.PixelSize();
        dragBottomLeft(40);
        EXPECT_NEAR(bottom.Minimum(), shift, 1e-9);
        EXPECT_NEAR(bottom.Maximum(), 100 + shift, 1e-9);
        EXPECT_EQ(tool->DraggedAxis(), nullptr);
    }
}

TEST_F(AxisScrollToolTest, AnAxisSharingASeriesScrollsByItsOwnRangeOverItsOwnLength)
{
    series->SetHorizAxis(aBothHorizAxis);
    chart.TopAxis()->SetMinMax(0, 300);
    chart.LeftAxis()->SetMinMax(0, 100);
    chart.repaint();
    dragBottomLeft(40);
    EXPECT_NEAR(chart.TopAxis()->Minimum(), 300.0 * 40 / chart.TopAxis()->PixelSize(), 1e-9);
    // The vertical axis has another orientation and stays.
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 0);
}

TEST_F(AxisScrollToolTest, WithAnAxisSetOnlyThatAxisIsDragged)
{
    tool->SetAxis(chart.LeftAxis());
    chart.repaint();
    dragBottomLeft(40);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), 0);
    const TChartAxis &left = *chart.LeftAxis();
    const QPoint from(left.PosAxis() - 2, (left.StartPixel() + left.EndPixel()) / 2);
    drag(from, {from + QPoint(0, 20)});
    // Dragged down, the values follow the mouse: the range moves up by the share dragged.
    EXPECT_NEAR(left.Minimum(), 100.0 * 20 / left.PixelSize(), 1e-9);
}

} // namespace
