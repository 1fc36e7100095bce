// Pie series on a chart: rotation, the grid of several pies, slice angles, the "other" slice, the
// 3D view while a pie is on the chart, samples, patterns, explode and the hit test.
#include "ChartTestSupport.h"

#include "TChartLegend.h"
#include "TPieSeries.h"

#include <cmath>
#include <limits>
#include <map>
#include <numbers>

namespace {

// Counts the repaints asked for while the chart repaints on changes.
class RepaintCountingChart : public TestChart
{
public:
    void Invalidate() override
    {
        repaints += AutoRepaint ? 1 : 0;
        TestChart::Invalidate();
    }
    int repaints = 0;
};

class PieTest : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        canvas = &chart.useRecordingCanvas();
    }
    TPieSeries *add(std::initializer_list<double> values)
    {
        auto *pie = chart.AddSeriesOfClass<TPieSeries>();
        for (const double v : values)
            pie->Add(v);
        return pie;
    }
    void draw()
    {
        canvas->clear();
        chart.drawPass();
    }

    RepaintCountingChart chart;
    RecordingCanvas *canvas = nullptr;
};

constexpr double kPi = std::numbers::pi;

} // namespace

TEST_F(PieTest, TheRotationKeepsTheRemainderOf360WithItsSign)
{
    TPieSeries pie;
    const std::pair<int, int> cases[] = {{400, 40}, {-30, -30}, {-400, -40}, {720, 0}};
    for (const auto &[given, stored] : cases) {
        pie.SetRotationAngle(given);
        EXPECT_EQ(pie.RotationAngle(), stored) << given;
    }
}

TEST_F(PieTest, SeveralPiesShareTheChartInAGridThatRoundsHalvesToEven)
{
    const std::pair<int, QSize> grids[] = {{2, {1, 2}}, {3, {2, 2}}, {4, {2, 2}}, {9, {3, 4}}};
    for (const auto &[count, grid] : grids)
        EXPECT_EQ(TPieSeries::PieGrid(count), grid) << count;
    std::vector<TPieSeries *> pies;
    for (int k = 0; k < 4; ++k)
        pies.push_back(add({1, 2, 3}));
    draw();
    // Two columns and two rows of equal circles, left to right, then down.
    EXPECT_EQ(pies[0]->CircleYCenter(), pies[1]->CircleYCenter());
    EXPECT_LT(pies[0]->CircleXCenter(), pies[1]->CircleXCenter());
    EXPECT_EQ(pies[0]->CircleXCenter(), pies[2]->CircleXCenter());
    EXPECT_LT(pies[0]->CircleYCenter(), pies[2]->CircleYCenter());
    EXPECT_EQ(pies[3]->CircleRect().width(), pies[0]->CircleRect().width());
    pies[0]->SetMultiPie(mpDisabled);
    for (TPieSeries *pie : pies)
        pie->SetMultiPie(mpDisabled);
    draw();
    EXPECT_EQ(pies[0]->CircleRect(), pies[3]->CircleRect());
}

TEST_F(PieTest, SliceAnglesFollowTheValuesAndStayFinite)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case
    {
        const char *name;
        std::vector<double> values;
        int angleSize;
        std::vector<double> ends;
    };
    const Case cases[] = {
        {"1, 1, 2", {1, 1, 2}, 360, {kPi / 2, kPi, 2 * kPi}},
        {"half a pie", {1, 1, 2}, 180, {kPi / 4, kPi / 2, kPi}},
        {"all zero", {0, 0, 0}, 360, {2 * kPi, 2 * kPi, 2 * kPi}},
        {"NaN and huge values", {1, nan, 1e308, 1e308}, 360, {0, 0, kPi, 2 * kPi}},
    };
    TPieSeries *pie = add({});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        pie->Clear();
        for (const double v : c.values)
            pie->Add(v);
        pie->SetAngleSize(c.angleSize);
        draw();
        ASSERT_EQ(pie->Angles().size(), c.values.size());
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            const TPieSeries::SliceAngles &a = pie->Angles()[i];
            EXPECT_TRUE(std::isfinite(a.start) && std::isfinite(a.middle) && std::isfinite(a.end));
            EXPECT_NEAR(a.end, c.ends[i], 1e-12);
            if (std::isnan(c.values[i])) {
                EXPECT_EQ(a.end, a.start);
            }
        }
    }
    // The NaN slice has no mark.
    EXPECT_EQ(pie->Marks()->Positions().GetPosition(1), nullptr);
}

TEST_F(PieTest, EachLegendWritesItsItemsInItsOwnTextStyle)
{
    TPieSeries *pie = add({50, 30, 4, 16});
    for (const auto &[i, label] : {std::pair{0, "big"}, {1, "mid"}, {2, "tiny"}, {3, "some"}})
        pie->Labels().SetLabel(i, QString::fromLatin1(label));
    pie->OtherSlice()->SetStyle(poBelowPercent);
    pie->OtherSlice()->SetValue(5);
    TChartLegend &other = *pie->OtherSlice()->Legend();
    other.SetVisible(true);
    chart.Legend()->SetVisible(true);
    const struct { TLegendTextStyle chart; TLegendTextStyle other; const char *chartFirst; const char *otherFirst; } cases[] = {
        {ltsLeftValue, ltsPlain, "50\x06" "big", "tiny"},
        {ltsPlain, ltsRightValue, "big", "tiny\x06" "4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.otherFirst);
        chart.Legend()->SetTextStyle(c.chart);
        other.SetTextStyle(c.other);
        draw();
        // The texts as each legend drew them.
        EXPECT_EQ(chart.Legend()->Items().Item(0).Text, QString::fromLatin1(c.chartFirst));
        EXPECT_EQ(other.Items().Item(0).Text, QString::fromLatin1(c.otherFirst));
    }
}

TEST_F(PieTest, SmallSlicesAreGroupedIntoOneOtherSliceOfTheirOwn)
{
    TPieSeries *pie = add({50, 30, 5, 5, 10});
    pie->OtherSlice()->SetStyle(poBelowPercent);
    pie->OtherSlice()->SetValue(10);
    pie->OtherSlice()->Legend()->SetVisible(true);
    chart.Legend()->SetVisible(true);
    chart.repaints = 0;
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        draw();
        ASSERT_EQ(pie->Count(), 6);
        const int other = pie->OtherSliceIndex();
        ASSERT_EQ(other, 5);
        EXPECT_EQ(pie->GetXValue(other), 2147483647.0);
        EXPECT_EQ(pie->GetYValue(other), 10);
        EXPECT_EQ(pie->Labels().GetLabel(other), QStringLiteral("Other"));
        EXPECT_TRUE(pie->IsGrouped(2) && pie->IsGrouped(3) && !pie->IsGrouped(4));
        // The chart's legend shows the drawn slices, the other legend the grouped points.
        EXPECT_EQ(chart.Legend()->TotalItems(), 4);
        EXPECT_EQ(pie->OtherSlice()->Legend()->TotalItems(), 2);
        // Percentages refer to the slices drawn.
        EXPECT_EQ(pie->YValues()->TotalAbs(), 100);
    }
    EXPECT_EQ(chart.repaints, 0);
    EXPECT_EQ(pie->Angles()[2].end, pie->Angles()[2].start);

    // The stored points are the five of the user.
    TPieSeries copy;
    copy.ReadData(pie->WriteData());
    ASSERT_EQ(copy.Count(), 5);
    EXPECT_EQ(copy.GetYValue(4), 10);

    // A point of that X the user added is an ordinary point.
    TPieSeries *other = add({20, 30});
    other->AddXY(2147483647.0, 40);
    other->OtherSlice()->SetStyle(poBelowValue);
    other->OtherSlice()->SetValue(1);
    other->SetActive(true);
    pie->SetActive(false);
    draw();
    draw();
    EXPECT_EQ(other->Count(), 3);
    EXPECT_EQ(other->GetYValue(2), 40);
}

TEST_F(PieTest, APieTurnsTheChartsViewAndGivesItBackWhenItLeaves)
{
    TestChart screen;
    TView3DOptions &view = *screen.View3DOptions();
    view.SetRotation(345);
    view.SetElevation(345);
    view.SetOrthogonal(true);
    auto *pie = screen.AddSeriesOfClass<TPieSeries>();
    EXPECT_FALSE(view.Orthogonal());
    EXPECT_EQ(view.Rotation(), 360);
    EXPECT_EQ(view.Elevation(), 315);
    screen.RemoveSeries(pie);
    EXPECT_TRUE(view.Orthogonal());
    EXPECT_EQ(view.Rotation(), 345);
    EXPECT_EQ(view.Elevation(), 345);
    screen.AddSeries(pie);
    pie->SetActive(false);
    EXPECT_EQ(view.Elevation(), 345);
    pie->SetActive(true);
    EXPECT_EQ(view.Elevation(), 315);
    std::unique_ptr<TPieSeries> freed(pie);
    freed.reset();
    EXPECT_EQ(view.Rotation(), 345);
    EXPECT_EQ(view.Elevation(), 345);
    EXPECT_TRUE(view.Orthogonal());
}

TEST_F(PieTest, SamplesAreEightLabelledValues)
{
    TPieSeries *pie = add({});
    pie->FillSampleValues(0);
    ASSERT_EQ(pie->Count(), 8);
    const char *labels[] = {"Cars", "Phones", "Tables", "Monitors", "Lamps", "Keyboards", "Bikes", "Chairs"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pie->Labels().GetLabel(i), QString::fromLatin1(labels[i]));
        EXPECT_GE(pie->GetYValue(i), 1);
        EXPECT_LE(pie->GetYValue(i), 1000);
    }
}

TEST_F(PieTest, PatternsTakeSixHatchesInTurn)
{
    TPieSeries *pie = add({1, 1, 1, 1, 1, 1, 1});
    pie->Marks()->SetVisible(false);
    pie->SetUsePatterns(true);
    draw();
    const std::vector<RecordedCall> slices = canvas->calls(QStringLiteral("Pie"));
    ASSERT_EQ(slices.size(), 7u);
    const TBrushStyle expected[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross, bsHorizontal};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(slices[std::size_t(i)].brushStyle, expected[i]) << i;
}

TEST_F(PieTest, OneSliceIsAWholeEllipseAndTheBiggestExplodesWithinTheCircle)
{
    TPieSeries *pie = add({5});
    pie->Marks()->SetVisible(false);
    draw();
    std::vector<RecordedCall> slices = canvas->calls(QStringLiteral("Pie"));
    ASSERT_EQ(slices.size(), 1u);
    const std::vector<int> &whole = slices[0].args;
    EXPECT_EQ(whole[4], whole[6]);
    EXPECT_EQ(whole[5], whole[7]);

    pie->Clear();
    for (const double v : {10.0, 20.0, 40.0, 30.0})
        pie->Add(v);
    draw();
    const TRect plain = pie->CircleRect();
    pie->SetExplodeBiggest(30);
    draw();
    const TRect shrunk = pie->CircleRect();
    const double m = pie->Angles()[2].middle;
    const TPoint before{int(std::nearbyint(plain.width() / 2 * 0.3 * std::cos(m))),
                        int(std::nearbyint(plain.height() / 2 * 0.3 * std::sin(m)))};
    EXPECT_EQ(shrunk.left - plain.left, std::abs(before.x) / 2);
    EXPECT_EQ(shrunk.top - plain.top, std::abs(before.y) / 2);
    const int rx = pie->XRadius();
    const int ry = pie->YRadius();
    const TPoint offset{int(std::nearbyint(rx * 0.3 * std::cos(m))), -int(std::nearbyint(ry * 0.3 * std::sin(m)))};
    slices = canvas->calls(QStringLiteral("Pie"));
    ASSERT_EQ(slices.size(), 4u);
    EXPECT_EQ(slices[2].args[0], shrunk.left + offset.x);
    EXPECT_EQ(slices[2].args[1], shrunk.top + offset.y);
    EXPECT_EQ(slices[1].args[0], shrunk.left);

    // Three quarters of the radius along slice 2's middle hits it; outside the circle nothing.
    const int cx = pie->CircleXCenter() + offset.x;
    const int cy = pie->CircleYCenter() + offset.y;
    EXPECT_EQ(pie->Clicked(cx + int(std::lround(0.75 * rx * std::cos(m))), cy - int(std::lround(0.75 * ry * std::sin(m)))),
              2);
    EXPECT_EQ(pie->Clicked(shrunk.left - 20, shrunk.top - 20), -1);
}

TEST_F(PieTest, ADonutLeavesTheMiddleOfTheCircleEmpty)
{
    TestChart screen;
    screen.SetView3D(false);
    screen.Legend()->SetVisible(false);
    auto *pie = screen.AddSeriesOfClass<TPieSeries>();
    pie->Marks()->SetVisible(false);
    pie->Add(1, {}, clRed);
    pie->Add(1, {}, clBlue);
    const auto pixel = [&](double fraction, double angle) {
        const QImage image = screen.render();
        const int x = pie->CircleXCenter() + int(std::lround(fraction * pie->XRadius() * std::cos(angle)));
        const int y = pie->CircleYCenter() - int(std::lround(fraction * pie->YRadius() * std::sin(angle)));
        return image.pixel(x, y) & 0xFFFFFF;
    };
    // Slice 0 covers the upper half, slice 1 the lower one.
    EXPECT_EQ(pixel(0.1, kPi / 2), 0xFF0000u);
    pie->SetDonutPercent(50);
    EXPECT_NE(pixel(0.0, 0.0), 0xFF0000u);
    EXPECT_NE(pixel(0.0, 0.0), 0x0000FFu);
    EXPECT_NE(pixel(0.3, kPi / 2), 0xFF0000u);
    EXPECT_EQ(pixel(0.8, kPi / 2), 0xFF0000u);
    EXPECT_EQ(pixel(0.8, -kPi / 2), 0x0000FFu);
}

TEST_F(PieTest, SliceHeightsLowerTheTopsOfTheirSlicesIn3D)
{
    chart.SetView3D(true);
    canvas->setLogSolids(true);
    TPieSeries *pie = add({1, 1, 1});
    pie->Marks()->SetVisible(false);
    pie->SliceHeight().SetValue(1, 50);
    draw();
    const std::vector<RecordedCall> slices = canvas->calls(QStringLiteral("Pie3D"));
    ASSERT_EQ(slices.size(), 3u);
    const int z0 = pie->StartZ();
    const int z1 = pie->EndZ();
    ASSERT_GT(z1, z0 + 1);
    // The slices come in order of distance; each is known by its start angle (in thousandths).
    std::map<int, RecordedCall> byStart;
    for (const RecordedCall &slice : slices) {
        EXPECT_EQ(slice.args[4], z0);
        EXPECT_EQ(slice.args[9], 1) << "slices with heights show their cut faces";
        byStart[slice.args[6]] = slice;
    }
    ASSERT_EQ(byStart.size(), 3u);
    auto it = byStart.begin();
    EXPECT_EQ(it->second.args[5], z0) << "an entry of 0 is a flat slice";
    EXPECT_EQ((++it)->second.args[5], z0 + int(std::nearbyint((z1 - z0) * 0.5)));
    EXPECT_EQ((++it)->second.args[5], z1) << "a slice beyond the list keeps the full depth";
}

TEST_F(PieTest, TurningTheViewThroughAPieLooksAtItsFrontAndKeepsA2DPieRound)
{
    TPieSeries *pie = add({1, 2});
    TView3DOptions &view = *chart.View3DOptions();
    pie->SetChartView3D(true);
    EXPECT_TRUE(chart.View3D());
    EXPECT_FALSE(view.Orthogonal());
    EXPECT_EQ(view.Rotation(), 0);
    EXPECT_EQ(view.Elevation(), 305);
    EXPECT_FALSE(pie->Circled());
    pie->SetChartView3D(false);
    EXPECT_FALSE(chart.View3D());
    EXPECT_TRUE(pie->Circled());
}

TEST_F(PieTest, TheCircleGradientFillsOnlyTheEllipseAndNothingWhenTurnedIn3D)
{
    TPieSeries *pie = add({1, 2});
    pie->Marks()->SetVisible(false);
    pie->Gradient()->SetVisible(true);
    draw();
    canvas->clear();
    pie->DrawCircleGradient();
    const std::vector<RecordedCall> clips = canvas->calls(QStringLiteral("ClipEllipse"));
    ASSERT_EQ(clips.size(), 1u);
    const TRect r = pie->CircleRect();
    EXPECT_EQ(clips[0].args, (std::vector<int>{r.left, r.top, r.right, r.bottom, 0}));
    EXPECT_EQ(canvas->calls().front().op, QStringLiteral("ClipEllipse"));
    EXPECT_EQ(canvas->calls().back().op, QStringLiteral("UnClipRectangle"));
    EXPECT_GT(canvas->calls().size(), 2u) << "the gradient itself is drawn between the clips";

    chart.SetView3D(true);
    draw();
    canvas->clear();
    pie->DrawCircleGradient();
    EXPECT_TRUE(canvas->calls().empty());
    pie->Gradient()->SetVisible(false);
    chart.View3DOptions()->SetOrthogonal(true);
    pie->DrawCircleGradient();
    EXPECT_TRUE(canvas->calls().empty());
}
