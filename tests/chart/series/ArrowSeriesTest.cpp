// Arrow series: ranges over both ends, every arrow drawn, outlines in 2D and solids in 3D, the hit
// test along the arrow.
#include "SeriesDrawTestSupport.h"

#include "TArrowSeries.h"

namespace {

class ArrowSeriesTest : public SeriesDrawTestBase
{
protected:
    void SetUp() override
    {
        SeriesDrawTestBase::SetUp();
        canvas->setLogSolids(true);
    }
};

} // namespace

TEST_F(ArrowSeriesTest, TheRangesReachTheEndsAndTheGalleryOffersNoPointerStyles)
{
    auto *arrow = add<TArrowSeries>();
    arrow->AddArrow(0, 0, 10, 20);
    EXPECT_GE(arrow->MaxXValue(), 10.0);
    EXPECT_GE(arrow->MaxYValue(), 20.0);
    EXPECT_FALSE(arrow->HasPointerStyleGallery());
    QStringList entries;
    arrow->CreateSubGallery([&](const QString &text) { entries << text; });
    EXPECT_EQ(entries, QStringList({"Normal", "Colors", "Marks", "Hollow", "No Border", "Gradient"}));
}

TEST_F(ArrowSeriesTest, AnArrowStartingOutsideTheRangeIsDrawnAsOutlineIn2DAndSolidIn3D)
{
    auto *arrow = add<TArrowSeries>();
    arrow->AddArrow(0, 5, 10, 10);
    arrow->SetArrowPercent(30);
    chart.BottomAxis()->SetMinMax(5, 15);
    chart.LeftAxis()->SetMinMax(0, 20);
    for (const bool view3D : {false, true}) {
        SCOPED_TRACE(view3D);
        draw(view3D);
        const std::vector<RecordedCall> arrows = canvas->calls(QStringLiteral("Arrow"));
        ASSERT_EQ(arrows.size(), 1u);
        const TPoint from = pixelOf(*arrow, 0);
        const TPoint to{chart.BottomAxis()->ValueToPixel(10), chart.LeftAxis()->ValueToPixel(10)};
        EXPECT_EQ(arrows[0].args, std::vector<int>({view3D ? 1 : 0, from.x, from.y, to.x, to.y, arrow->ArrowWidth(),
                                                    arrow->ArrowHeight(), arrow->StartZ(), 30}));
    }
}

TEST_F(ArrowSeriesTest, AClickWithinThePenWidthOfTheArrowHitsIt)
{
    auto *arrow = add<TArrowSeries>();
    arrow->AddArrow(0, 10, 10, 10);
    arrow->AddArrow(0, 0, 10, 20);
    arrow->LinePen()->SetWidth(2);
    chart.BottomAxis()->SetMinMax(0, 10);
    chart.LeftAxis()->SetMinMax(0, 20);
    draw();
    const int y = chart.LeftAxis()->ValueToPixel(10);
    const int x = chart.BottomAxis()->ValueToPixel(2);
    EXPECT_EQ(arrow->Clicked(x, y), 0);
    EXPECT_EQ(arrow->Clicked(x, y - 2), 0);
    EXPECT_EQ(arrow->Clicked(x, y - 4), -1);
    const int x2 = chart.BottomAxis()->ValueToPixel(7.5);
    EXPECT_EQ(arrow->Clicked(x2, chart.LeftAxis()->ValueToPixel(15)), 1);
}
