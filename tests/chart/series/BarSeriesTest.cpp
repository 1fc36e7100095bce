// Bar series on a chart: the layout of several bar series, stacking, bar bounds, the shapes in 2D
// and 3D, marks and the hit test.
#include "ChartTestSupport.h"

#include "TBarSeries.h"
#include "TChartAxis.h"
#include "THorizBarSeries.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

class BarTest : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        canvas = &chart.useRecordingCanvas();
    }
    template <class Series = TBarSeries>
    Series *add(std::initializer_list<double> values)
    {
        auto *series = chart.AddSeriesOfClass<Series>();
        for (const double v : values)
            series->Add(v);
        return series;
    }
    void draw()
    {
        canvas->clear();
        chart.drawPass();
    }
    // The plot fixed at 500 x 200 pixels.
    void fixPlot()
    {
        chart.CustomChartRect = true;
        chart.ChartRect = {50, 20, 550, 220};
    }
    bool insidePlot(const TPoint &p) const
    {
        const TRect r = chart.ChartRect;
        return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
    }

    TestChart chart;
    RecordingCanvas *canvas = nullptr;
};

// Logs the cylinder side count in force while a cylinder is drawn; may fail inside the call.
class SegmentCanvas : public RecordingCanvas
{
public:
    void Cylinder(bool vertical, int l, int t, int r, int b, int z0, int z1, bool dark) override
    {
        seen.push_back(SolidSegments());
        if (fail)
            throw std::runtime_error("cylinder failed");
        RecordingCanvas::Cylinder(vertical, l, t, r, b, z0, z1, dark);
    }
    std::vector<int> seen;
    bool fail = false;
};

} // namespace

TEST_F(BarTest, TheLayoutDividesTheCategoryAxisIntoEvenBarWidths)
{
    struct Case
    {
        const char *name;
        int percent;
        int pointsPerPage;
        bool active;
        int maxPoints;
        int room;
        int width;
    };
    const Case cases[] = {
        {"0.70 x 50 = 35 made even", 70, 0, true, 10, 50, 36},
        {"0.50 x 50 = 25 made even", 50, 0, true, 10, 50, 26},
        {"a page of five points", 70, 5, true, 5, 100, 70},
        // No active bar series: no slots, and the width of the margins still divides by one.
        {"inactive", 70, 5, false, 5, 100, 70},
    };
    fixPlot();
    auto *bars = add({3, 1, 4, 1, 5, 9, 2, 6, 5});
    ASSERT_TRUE(bars->SideMargins());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bars->SetBarWidthPercent(c.percent);
        chart.SetMaxPointsPerPage(c.pointsPerPage);
        bars->SetActive(true);
        draw();
        ASSERT_EQ(chart.BottomAxis()->PixelSize(), 500);
        bars->SetActive(c.active);
        bars->PrepareForDraw();
        int left = 0;
        int right = 0;
        bars->CalcHorizMargins(left, right);
        EXPECT_EQ(bars->BarLayout().maxPoints, c.maxPoints);
        EXPECT_EQ(chart.BottomAxis()->PixelSize() / bars->BarLayout().maxPoints, c.room);
        EXPECT_EQ(bars->BarWidth(), c.width);
        EXPECT_EQ(left, c.width); // one bar's width at each end, with the side margins
        EXPECT_EQ(right, c.width);
    }
}

TEST_F(BarTest, SideBySideBarsStandLeftAndRightOfTheirPoint)
{
    auto *first = add({4, 5, 6});
    auto *second = add({1, 2, 3});
    for (TCustomBarSeries *bars : {first, second})
        bars->SetCustomBarSize(18);
    draw();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const int px = chart.BottomAxis()->ValueToPixel(i);
        EXPECT_EQ(first->BarBounds(i).left, px - 18);
        EXPECT_EQ(second->BarBounds(i).left, px);
        EXPECT_EQ(first->BarBounds(i).right, px + 1);
    }
}

TEST_F(BarTest, StackGroupsStandSideBySideAndStackOnlyWithinTheirGroup)
{
    TBarSeries *bars[4];
    const int groups[4] = {0, 0, 1, 1};
    for (int k = 0; k < 4; ++k) {
        bars[k] = add({10.0 + k, 20.0 + k});
        bars[k]->SetStackGroup(groups[k]);
    }
    bars[0]->SetMultiBar(mbStacked);
    draw();
    const int expectedSlot[4] = {1, 1, 2, 2};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(bars[k]->MultiBar(), mbStacked);
        EXPECT_EQ(bars[k]->BarLayout().slots, 2);
        EXPECT_EQ(bars[k]->BarLayout().ownSlot, expectedSlot[k]);
    }
    const TChartAxis &left = *chart.LeftAxis();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        // Series 2 stands on series 1 only; series 3 starts again at the origin.
        EXPECT_EQ(bars[1]->BarStartPixel(i), left.ValueToPixel(bars[0]->GetYValue(i)));
        EXPECT_EQ(bars[1]->BarEndPixel(i), left.ValueToPixel(bars[0]->GetYValue(i) + bars[1]->GetYValue(i)));
        EXPECT_EQ(bars[2]->BarStartPixel(i), left.ValueToPixel(0));
        EXPECT_EQ(bars[3]->BarStartPixel(i), left.ValueToPixel(bars[2]->GetYValue(i)));
    }
    // The value axis reaches the top of the highest stack.
    EXPECT_DOUBLE_EQ(bars[1]->MaxYValue(), 20 + 21);
}

TEST_F(BarTest, ASlantCubeIsAFourSidedCylinderAndTheSideCountComesBack)
{
    chart.SetView3D(true);
    chart.SetCanvas(std::make_unique<SegmentCanvas>());
    auto &solids = dynamic_cast<SegmentCanvas &>(*chart.Canvas());
    solids.setLogSolids(true);
    auto *bars = add({5});
    bars->SetBarStyle(bsSlantCube);
    chart.drawPass();
    EXPECT_EQ(solids.count(QStringLiteral("Cylinder")), 1);
    EXPECT_EQ(solids.seen, (std::vector<int>{4}));
    EXPECT_EQ(solids.SolidSegments(), 16);
    solids.fail = true;
    EXPECT_THROW(chart.drawPass(), std::runtime_error);
    EXPECT_EQ(solids.SolidSegments(), 16);
}

TEST_F(BarTest, EveryShapeDrawsItsFormIn2DAndIts3DSolid)
{
    struct Case
    {
        TBarStyle style;
        const char *flat;
        const char *solid;
    };
    const Case cases[] = {
        {bsRectangle, "Rectangle", "Cube"},       {bsPyramid, "Polygon", "Pyramid"},
        {bsInvPyramid, "Polygon", "Pyramid"},     {bsCilinder, "Rectangle", "Cylinder"},
        {bsEllipse, "Ellipse", "Ellipse"},        {bsArrow, "Arrow", "Arrow"},
        {bsRectGradient, "GradientFill", "Cube"}, {bsCone, "Polygon", "Cone"},
        {bsBevel, "Rectangle", "Cube"},           {bsSlantCube, "Rectangle", "Cylinder"},
        {bsDiamond, "Polygon", "Polygon"},        {bsInvArrow, "Arrow", "Arrow"},
        {bsInvCone, "Polygon", "Cone"},
    };
    canvas->setLogSolids(true);
    chart.View3DOptions()->SetOrthogonal(true);
    auto *bars = add({5, std::numeric_limits<double>::quiet_NaN()});
    bars->AddNull();
    bars->Marks()->SetVisible(false);
    bars->SetColorEachPoint(false);
    bars->SetSeriesColor(0x123456);
    for (const Case &c : cases) {
        bars->SetBarStyle(c.style);
        for (const bool view3D : {false, true}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(int(c.style)).arg(view3D ? "3D" : "2D").toStdString());
            chart.SetView3D(view3D);
            draw();
            const QString op = QString::fromLatin1(view3D ? c.solid : c.flat);
            // One bar: the NaN value and the null point draw nothing.
            int drawn = 0;
            for (const RecordedCall &call : canvas->calls(op))
                drawn += call.brushColor == 0x123456 || op == QStringLiteral("GradientFill") ? 1 : 0;
            EXPECT_EQ(drawn, 1) << canvas->dump().toStdString();
        }
    }
}

TEST_F(BarTest, AMarkOfABarBelowTheOriginStandsBelowTheBarEnd)
{
    auto *bars = add({5, -5});
    draw();
    const TSeriesMarkPosition *above = bars->Marks()->Positions().GetPosition(0);
    const TSeriesMarkPosition *below = bars->Marks()->Positions().GetPosition(1);
    ASSERT_TRUE(above && below);
    EXPECT_LT(above->LeftTop.y + above->Height, bars->BarEndPixel(0));
    EXPECT_GT(below->LeftTop.y, bars->BarEndPixel(1));
    // Centred over the bar.
    const TRect bar = bars->BarBounds(1);
    EXPECT_EQ(below->ArrowTo.x, bar.left + bars->BarWidth() / 2);
}

TEST_F(BarTest, StackedTo100WithAZeroTotalKeepsAZeroHeightBarInsideThePlot)
{
    TBarSeries *bars[3];
    for (int k = 0; k < 3; ++k)
        bars[k] = add({1.0 + k, 2.0, 0.0});
    bars[0]->SetMultiBar(mbStacked100);
    draw();
    const int zero = chart.LeftAxis()->ValueToPixel(0);
    EXPECT_EQ(zero, chart.LeftAxis()->EndPixel());
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const TRect bar = bars[k]->BarBounds(2);
        EXPECT_EQ(bar.top, zero);
        EXPECT_EQ(bar.bottom, zero);
        const TSeriesMarkPosition *mark = bars[k]->Marks()->Positions().GetPosition(2);
        ASSERT_TRUE(mark);
        EXPECT_TRUE(insidePlot(mark->LeftTop));
        EXPECT_TRUE(insidePlot({bar.left, bar.top}));
        EXPECT_EQ(bars[k]->Clicked(bar.left + 1, zero), 2);
    }
    // The other points fill the 100 % between them.
    EXPECT_EQ(bars[2]->BarEndPixel(1), chart.LeftAxis()->ValueToPixel(100));
}

TEST_F(BarTest, FullWidthBarsTouchTheirNeighbours)
{
    auto *bars = add({3, 4, 5, 6});
    bars->SetBarWidthPercent(100);
    bars->BarPen()->SetWidth(1);
    for (const bool inverted : {false, true}) {
        SCOPED_TRACE(inverted ? "inverted" : "plain");
        chart.BottomAxis()->SetInverted(inverted);
        draw();
        for (int i = 0; i < 4; ++i) {
            const TRect bar = bars->BarBounds(i);
            if (!inverted && i < 3) {
                EXPECT_EQ(bar.right, bars->BarBounds(i + 1).left + 1 - 0);
            }
            if (inverted && i > 0) {
                EXPECT_EQ(bar.right, bars->BarBounds(i - 1).left);
            }
        }
        // The bar at the far end keeps its own width.
        const TRect end = bars->BarBounds(inverted ? 0 : 3);
        EXPECT_EQ(end.right - end.left, bars->BarWidth() + 1);
    }
}

TEST_F(BarTest, TheArrangementIsSharedWithTheBarsOfTheSameClassOnly)
{
    auto *first = add({1, 2});
    auto *second = add({3, 4});
    auto *horizontal = add<THorizBarSeries>({5, 6});
    second->SetMultiBar(mbStacked);
    EXPECT_EQ(first->MultiBar(), mbStacked);
    EXPECT_EQ(horizontal->MultiBar(), mbSide);
    first->SetSideMargins(false);
    EXPECT_FALSE(second->SideMargins());
    EXPECT_TRUE(horizontal->SideMargins());
    auto *later = add({7, 8});
    EXPECT_EQ(later->MultiBar(), mbStacked);
    EXPECT_FALSE(later->SideMargins());
    // Bars stacking themselves draw every point, wherever the axis is.
    first->SetMultiBar(mbSelfStack);
    EXPECT_FALSE(later->VisibleRangeOnly);
    EXPECT_TRUE(horizontal->VisibleRangeOnly);
}

TEST_F(BarTest, AStackStyleGivesALoneGallerySampleATwinButNotAUsersSeries)
{
    auto *own = add({1, 2});
    own->SetSubGallery(6);
    EXPECT_EQ(own->MultiBar(), mbStacked);
    EXPECT_EQ(chart.SeriesCount(), 1);
    own->PrepareForGallery(true);
    own->SetSubGallery(7);
    EXPECT_EQ(own->MultiBar(), mbStacked100);
    ASSERT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.GetSeries(1)->metaObject(), own->metaObject());
}

TEST_F(BarTest, AClickHitsTheBarUnderItByShape)
{
    auto *bars = add({10, 20});
    auto *across = add<THorizBarSeries>({10, 20});
    across->SetActive(false);
    draw();
    const TRect bar = bars->BarBounds(1);
    const int middleX = bar.left + bars->BarWidth() / 2;
    const int middleY = (bar.top + bar.bottom) / 2;
    EXPECT_EQ(bars->Clicked(middleX, middleY), 1);
    EXPECT_EQ(bars->Clicked(middleX, bar.top - 2), -1);
    EXPECT_EQ(bars->Clicked(bar.left + 1, bar.top + 1), 1);
    bars->SetBarStyle(bsPyramid);
    EXPECT_EQ(bars->Clicked(bar.left + 1, bar.top + 1), -1); // beside the apex
    EXPECT_EQ(bars->Clicked(middleX, bar.top + 2), 1);
    bars->SetBarStyle(bsInvPyramid);
    EXPECT_EQ(bars->Clicked(bar.left + 1, bar.bottom - 1), -1);
    // Horizontal bars, mirrored.
    bars->SetActive(false);
    across->SetActive(true);
    draw();
    const TRect h = across->BarBounds(0);
    EXPECT_EQ(across->Clicked((h.left + h.right) / 2, h.top + across->BarWidth() / 2), 0);
    EXPECT_EQ(across->Clicked(h.right + 3, h.top + across->BarWidth() / 2), -1);
    EXPECT_LT(h.left, h.right);
    EXPECT_EQ(h.left, chart.BottomAxis()->ValueToPixel(0));
}

TEST_F(BarTest, TheCategoryAxisShowsThePointLabelsFromTheFirstPass)
{
    auto *bars = chart.AddSeriesOfClass<TBarSeries>();
    bars->Add(3, QStringLiteral("first"));
    bars->Add(4, QStringLiteral("second"));
    bars->Marks()->SetVisible(false);
    draw();
    QStringList texts;
    for (const RecordedCall &call : canvas->calls(QStringLiteral("TextOut")))
        texts << call.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("first"))) << texts.join(u',').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("second")));
}
