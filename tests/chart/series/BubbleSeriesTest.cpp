// Bubble series: ranges that hold whole bubbles, sizes from the radius, the hit test by style.
#include "SeriesDrawTestSupport.h"

#include "TBubbleSeries.h"

namespace {

using BubbleSeriesTest = SeriesDrawTestBase;

} // namespace

TEST_F(BubbleSeriesTest, TheVerticalRangeHoldsTheWholeBubble)
{
    auto *bubble = add<TBubbleSeries>();
    bubble->AddBubble(5, 10, 3);
    EXPECT_GE(bubble->MaxYValue(), 13.0);
    EXPECT_LE(bubble->MinYValue(), 7.0);
    bubble->AddBubble(6, 20, 0);
    EXPECT_GE(bubble->MaxYValue(), 20.0);
    EXPECT_LE(bubble->MinYValue(), 7.0);
}

TEST_F(BubbleSeriesTest, SquaredBubblesAreRoundOnAxesOfDifferentScalesAndARadiusOfZeroDrawsNothing)
{
    auto *bubble = add<TBubbleSeries>();
    bubble->AddBubble(5, 50, 10);
    bubble->AddBubble(8, 20, 0);
    chart.BottomAxis()->SetMinMax(0, 10);
    chart.LeftAxis()->SetMinMax(0, 100);
    for (const bool squared : {true, false}) {
        SCOPED_TRACE(squared);
        bubble->SetSquared(squared);
        draw();
        const int vert = chart.LeftAxis()->SizeToPixels(10);
        const int horiz = squared ? vert : chart.BottomAxis()->SizeToPixels(10);
        ASSERT_NE(vert, chart.BottomAxis()->SizeToPixels(10));
        const std::vector<RecordedCall> ellipses = canvas->calls(QStringLiteral("Ellipse"));
        ASSERT_EQ(ellipses.size(), 1u); // the bubble of radius 0 draws none
        const TPoint p = pixelOf(*bubble, 0);
        EXPECT_EQ(ellipses[0].args, std::vector<int>({p.x - horiz, p.y - vert, p.x + horiz, p.y + vert}));
    }
    bubble->PreparePointer(1);
    EXPECT_EQ(std::pair(bubble->Pointer()->HorizSize(), bubble->Pointer()->VertSize()), std::pair(0, 0));
}

TEST_F(BubbleSeriesTest, AClickHitsTheShapeOfThePointerStyleInsideItsStrictBox)
{
    auto *bubble = add<TBubbleSeries>();
    bubble->AddBubble(5, 50, 10);
    chart.BottomAxis()->SetMinMax(0, 10);
    chart.LeftAxis()->SetMinMax(0, 100);
    draw();
    bubble->PreparePointer(0);
    const int h = bubble->Pointer()->HorizSize();
    const int v = bubble->Pointer()->VertSize();
    const TPoint p = pixelOf(*bubble, 0);
    struct Case
    {
        TSeriesPointerStyle style;
        TPoint click;
        int expected;
    };
    const Case cases[] = {
        {psRectangle, {p.x + h - 1, p.y}, 0},
        {psRectangle, {p.x + h, p.y}, -1}, // the edge is outside
        {psRectangle, {p.x + h - 1, p.y + v - 1}, 0},
        {psCircle, {p.x + h - 1, p.y}, 0},
        {psCircle, {p.x + h - 1, p.y + v - 1}, -1}, // the box's corner lies outside the ellipse
        {psTriangle, {p.x, p.y - v + 2}, 0},
        {psTriangle, {p.x - h + 2, p.y - v + 2}, -1},
        {psNothing, {p.x + 1, p.y}, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.style << " at " << c.click.x << "," << c.click.y);
        bubble->Pointer()->SetStyle(c.style);
        EXPECT_EQ(bubble->Clicked(c.click.x, c.click.y), c.expected);
    }
}
