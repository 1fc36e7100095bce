// The axis label pass on the recording canvas: which values get labels and ticks, in which order.
#include "EngineTestSupport.h"
#include "TChartAxis.h"

#include "PlotConst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace {

class AxisLabelPass : public testing::Test
{
protected:
    AxisLabelPass()
    {
        host.chartRect = {0, 11, 400, 239};
        axis.SetHorizontal(true);
        axis.SetLabelStyle(talValue);
    }

    // Lays the axis out in the chart rectangle and draws it.
    void draw(double minimum, double maximum)
    {
        axis.SetMinMax(minimum, maximum);
        axis.RecalcMinMax();
        axis.CalcPixelExtent();
        TRect rect = host.chartRect;
        axis.CalcSpace(rect, true);
        host.canvas.clear();
        axis.DrawTitleAndLabels(true);
    }

    QStringList texts() const
    {
        QStringList result;
        for (const RecordedCall &c : host.canvas.calls(QStringLiteral("TextOut")))
            result << c.text;
        return result;
    }

    // Vertical lines of the given length that start on the axis line: ticks of a bottom axis.
    std::vector<int> linesFromAxis(int length) const
    {
        std::vector<int> xs;
        for (const RecordedCall &c : host.canvas.calls(QStringLiteral("VertLine3D")))
            if (c.args[1] == axis.PosAxis() && c.args[2] == axis.PosAxis() + length)
                xs.push_back(c.args[0]);
        std::sort(xs.begin(), xs.end());
        return xs;
    }

    std::vector<int> gridLines() const
    {
        std::vector<int> xs;
        for (const RecordedCall &c : host.canvas.calls(QStringLiteral("VertLine3D")))
            if (c.args[1] == host.chartRect.top && c.args[2] == host.chartRect.bottom)
                xs.push_back(c.args[0]);
        std::sort(xs.begin(), xs.end());
        return xs;
    }

    StubAxisHost host;
    TChartAxis axis{&host};
};

QStringList numbers(int from, int to)
{
    QStringList result;
    for (int i = from; from <= to ? i <= to : i >= to; i += from <= to ? 1 : -1)
        result << QString::number(i);
    return result;
}

} // namespace

TEST_F(AxisLabelPass, ValueLoopLabelsFromTheTopDown)
{
    axis.SetIncrement(1);
    draw(0, 10);
    EXPECT_EQ(texts(), numbers(10, 0));
    draw(0.5, 9.5);
    EXPECT_EQ(texts(), numbers(9, 1));
}

TEST_F(AxisLabelPass, TooManyIncrementsDrawNothing)
{
    axis.SetIncrement(1);
    axis.SetLabelsSeparation(0);
    draw(0, 100000);
    EXPECT_TRUE(texts().isEmpty());
    EXPECT_EQ(host.canvas.count(QStringLiteral("VertLine3D")), 0);
}

TEST_F(AxisLabelPass, TicksFollowLabelsOrEveryLoopValue)
{
    axis.SetIncrement(1);
    axis.SetLabels(false);
    draw(0, 10);
    EXPECT_EQ(host.canvas.count(QStringLiteral("VertLine3D")), 0);
    axis.SetTickOnLabelsOnly(false);
    draw(0, 10);
    EXPECT_EQ(linesFromAxis(4).size(), 11u);
    EXPECT_EQ(gridLines().size(), 9u); // strictly inside the axis
}

TEST_F(AxisLabelPass, LogarithmicAxesLabelTheirDecades)
{
    axis.SetLogarithmic(true);
    draw(1, 1000);
    EXPECT_EQ(texts(), QStringList({"1", "10", "100", "1,000"}));
    // No power of ten inside, but 2 and 5 times one.
    draw(20, 80);
    EXPECT_EQ(texts(), QStringList({"20", "50"}));

    // A vapour-pressure curve on the automatic vertical axis.
    StubSeries curve;
    for (const double y : {0.0123, 0.05, 0.4, 3.2, 45.6})
        curve.add(curve.Count(), y);
    TChartAxis left(&host);
    curve.bindTo(&left);
    host.series = {&curve};
    left.SetLogarithmic(true);
    left.RecalcMinMax();
    left.CalcPixelExtent();
    host.canvas.clear();
    left.DrawTitleAndLabels(true);
    EXPECT_EQ(texts(), QStringList({"0.1", "1", "10"}));
}

// Zoomed to less than a decade a base-10 axis showed one label or none (0.3 to 7 bar: only "1").
TEST_F(AxisLabelPass, ALogarithmicAxisBelowADecadeAddsTwoAndFiveTimesItsPowers)
{
    axis.SetLogarithmic(true);
    struct Case { double minimum; double maximum; QStringList labels; };
    const Case cases[] = {
        {0.3, 7, {"0.5", "1", "2", "5"}},
        {0.012, 0.09, {"0.02", "0.05"}},
        {0.9, 1.9, {"1", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9"}}, // one: steps added
        {1.1, 1.9, {"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9"}},      // none: the steps alone
        {2, 25, {"2", "5", "10", "20"}},
        // A whole decade or more keeps the powers alone.
        {1, 10, {"1", "10"}},
        {0.3, 70, {"1", "10"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << " .. " << c.maximum);
        draw(c.minimum, c.maximum);
        EXPECT_EQ(texts(), c.labels);
    }
    // Another base keeps its powers and its additive fallback.
    axis.SetLogarithmicBase(2);
    draw(1.5, 2.5);
    EXPECT_EQ(texts(), QStringList({"2"}));
}

TEST_F(AxisLabelPass, LogarithmicScaleStartsWhereTheLabelsStart)
{
    axis.SetLogarithmic(true);
    draw(0, 100);
    EXPECT_EQ(texts(), QStringList({"0.1", "1", "10", "100"}));
    const auto labels = host.canvas.calls(QStringLiteral("TextOut"));
    for (const RecordedCall &c : labels) {
        EXPECT_GE(c.args[0], axis.StartPixel()) << c.text.toStdString();
        EXPECT_LE(c.args[0], axis.EndPixel()) << c.text.toStdString();
    }
    EXPECT_EQ(axis.ValueToPixel(0.1), labels.front().args[0]);
}

TEST_F(AxisLabelPass, FaultyBasesAndHugeValuesEndThePass)
{
    axis.SetLogarithmic(true);
    axis.SetLogarithmicBase(0.5);
    draw(1, 1000);
    EXPECT_TRUE(texts().isEmpty());
    axis.SetLogarithmicBase(1000);
    draw(20, 80); // the additive step 0.001 would give 60 000 labels
    EXPECT_TRUE(texts().isEmpty());
    draw(2, 900); // even its first 10 000 steps would label 2 .. 11
    EXPECT_TRUE(texts().isEmpty());

    TChartAxis linear(&host);
    linear.SetHorizontal(true);
    linear.SetLabelStyle(talValue);
    linear.SetIncrement(1);
    linear.SetLabelsSeparation(0); // keeps the increment at 1
    linear.SetMinMax(1e17 - 96, 1e17);
    linear.RecalcMinMax();
    linear.CalcPixelExtent();
    host.canvas.clear();
    linear.DrawTitleAndLabels(true);
    // Below the precision of 1e17 a step of 1 changes nothing: one label, then the loop ends.
    EXPECT_EQ(host.canvas.count(QStringLiteral("TextOut")), 1);
}

TEST_F(AxisLabelPass, NarrowRangesFarFromZeroKeepTheirLabelsOnTheAxis)
{
    // A temperature axis zoomed to its smallest range, and a range of a few units near 1e17: the
    // tolerance below the minimum must not reach below the axis.
    for (const auto &[minimum, maximum] : {std::pair{373.15, 373.15 + 1e-10}, std::pair{1e17 - 96, 1e17}}) {
        SCOPED_TRACE(minimum);
        draw(minimum, maximum);
        const auto labels = host.canvas.calls(QStringLiteral("TextOut"));
        ASSERT_FALSE(labels.empty());
        EXPECT_LE(labels.size(), 10u);
        const auto outside = std::count_if(labels.begin(), labels.end(), [&](const RecordedCall &c) {
            return c.args[0] < axis.StartPixel() || c.args[0] > axis.EndPixel();
        });
        EXPECT_EQ(outside, 0);
    }
}

TEST_F(AxisLabelPass, FormatLabelValueAndMultiLineLabels)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct { double value; const char *text; } cases[] = {
        {1234.5, "1,234.5"}, {1234.56789, "1,234.568"}, {0.0004, "0.0004"}, {-1500, "-1,500"}};
    for (const auto &c : cases)
        EXPECT_EQ(axis.FormatLabelValue(c.value), QString::fromUtf8(c.text)) << c.value;
    // Texts made once are not kept past a change of the format or of the locale's separators.
    axis.SetAxisValuesFormat(QStringLiteral("0.00"));
    EXPECT_EQ(axis.FormatLabelValue(1234.5), QStringLiteral("1234.50"));
    {
        const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(axis.FormatLabelValue(1234.5), QStringLiteral("1234,50"));
    }
    EXPECT_EQ(axis.FormatLabelValue(1234.5), QStringLiteral("1234.50"));
    axis.SetAxisValuesFormat(PlotConst::message(PlotConst::msgDefValueFormat));
    EXPECT_EQ(axis.FormatLabelValue(1234.5), QStringLiteral("1,234.5"));

    StubSeries dates;
    dates.x.SetDateTime(true);
    dates.bindTo(&axis);
    host.series = {&dates};
    axis.UpdateLabelsDateTime();
    EXPECT_EQ(axis.FormatLabelValue(-0.5), QString());
    host.series.clear();
    axis.UpdateLabelsDateTime();

    axis.SetLabelsMultiLine(true);
    host.onGetAxisLabel = [](const TChartAxis *, AxisSeriesView *, int, QString &text) { text = QStringLiteral("a b c"); };
    EXPECT_EQ(axis.FormatLabelValue(1), QStringLiteral("a\rb\rc"));
    axis.SetIncrement(10);
    draw(0, 10);
    EXPECT_EQ(texts().mid(0, 3), QStringList({"a", "b", "c"}));
}

TEST_F(AxisLabelPass, PointLabelsSkipOverlapsByTheirSeparation)
{
    axis.SetLabelStyle(talText);
    // 28 pixels wide: half = (28 + Trunc(5.6)) div 2 = 16, the first label's half 14.
    const struct { int distance; bool drawn; } cases[] = {{10, false}, {40, true}, {29, false}, {30, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.distance);
        StubSeries series;
        series.add(100, 1, QStringLiteral("abcd"));
        series.add(100 + c.distance, 1, QStringLiteral("efgh"));
        series.bindTo(&axis);
        host.series = {&series};
        draw(0, 400);
        EXPECT_EQ(texts(), c.drawn ? QStringList({"abcd", "efgh"}) : QStringList({"abcd"}));
    }
    // The largest separation keeps every later label away, wide labels too.
    axis.SetLabelsSeparation(std::numeric_limits<int>::max());
    StubSeries wide;
    wide.add(50, 1, QStringLiteral("abcdefgh"));
    wide.add(350, 1, QStringLiteral("ijklmnop"));
    wide.bindTo(&axis);
    host.series = {&wide};
    draw(0, 400);
    EXPECT_EQ(texts(), QStringList({"abcdefgh"}));
}

TEST_F(AxisLabelPass, EventDrivenLabels)
{
    axis.SetIncrement(1);
    host.onGetNextAxisLabel = [](TChartAxis *, int, double &, bool &) {};
    draw(0, 10);
    EXPECT_EQ(texts(), numbers(10, 0));

    host.onGetNextAxisLabel = [](TChartAxis *, int, double &, bool &stop) { stop = false; };
    draw(0, 10);
    EXPECT_EQ(texts().size(), 2000);

    host.onGetNextAxisLabel = [](TChartAxis *, int index, double &v, bool &stop) {
        stop = false;
        v = index < 3 ? index * 2.0 : 11.0;
    };
    draw(0, 10);
    EXPECT_EQ(texts(), QStringList({"0", "2", "4"}));
}

TEST_F(AxisLabelPass, RoomTakenByTicksLabelsAndAlternateRows)
{
    axis.SetMinMax(0, 10);
    axis.RecalcMinMax();
    axis.CalcPixelExtent();
    axis.Axis()->SetWidth(2);
    axis.MinorTicks()->SetVisible(true);
    const struct { bool axisVisible, labels, alternate; int room; } cases[] = {
        {true, false, false, 7}, {false, false, false, 4}, {true, true, false, 7 + 12}, {true, true, true, 7 + 24}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.axisVisible << c.labels << c.alternate);
        axis.Axis()->SetVisible(c.axisVisible);
        axis.SetLabels(c.labels);
        axis.SetLabelsAlternate(c.alternate);
        TRect rect = host.chartRect;
        axis.CalcSpace(rect, true);
        EXPECT_EQ(host.chartRect.bottom - rect.bottom, c.room);
    }
}

TEST_F(AxisLabelPass, MinorTicksAndCentredGrid)
{
    // Ticks at pixels 100, 140 and 180 of an axis from 50 to 230.
    host.chartRect = {50, 11, 230, 239};
    host.onGetNextAxisLabel = [](TChartAxis *, int index, double &v, bool &stop) {
        stop = index >= 3;
        v = 60 + 40 * index;
    };
    draw(10, 190);
    EXPECT_EQ(axis.TickPositions(), std::vector<int>({100, 140, 180}));
    EXPECT_EQ(linesFromAxis(2), std::vector<int>({70, 80, 90, 110, 120, 130, 150, 160, 170, 190, 200, 210}));
    axis.SetGridCentered(true);
    draw(10, 190);
    EXPECT_EQ(gridLines(), std::vector<int>({120, 160}));

    host.onGetNextAxisLabel = nullptr;
    axis.SetLogarithmic(true);
    axis.SetMinorTickCount(8);
    draw(1, 1000);
    std::vector<int> expected;
    for (const double decade : {1.0, 10.0, 100.0})
        for (int i = 2; i <= 9; ++i)
            expected.push_back(axis.ValueToPixel(decade * i));
    EXPECT_EQ(linesFromAxis(2), expected);

    // A count beyond the pixels of the axis gives no more ticks in each of the two intervals than
    // the axis has pixels.
    axis.SetLogarithmic(false);
    axis.SetIncrement(5);
    axis.SetMinorTickCount(100000);
    draw(0, 10);
    EXPECT_LE(linesFromAxis(2).size(), 2 * std::size_t(axis.PixelSize()));
}

TEST_F(AxisLabelPass, ExponentFormRaisesASmallerExponent)
{
    TChartAxis left(&host);
    left.SetLabelStyle(talValue);
    left.SetLabelsExponent(true);
    left.SetAxisValuesFormat(QStringLiteral("#.0 \"x10\" E+0"));
    left.SetIncrement(100);
    left.LabelsFont()->SetSize(8);
    left.SetMinMax(1500, 1600);
    left.RecalcMinMax();
    left.CalcPixelExtent();
    TRect rect = host.chartRect;
    left.CalcSpace(rect, true);
    host.canvas.clear();
    left.DrawTitleAndLabels(true);
    auto out = host.canvas.calls(QStringLiteral("TextOut"));
    ASSERT_EQ(out.size(), 4u); // 1600, then 1500
    out.erase(out.begin(), out.begin() + 2);
    EXPECT_EQ(out[0].text, QStringLiteral("+3"));
    EXPECT_EQ(out[0].fontSize, 6);
    EXPECT_EQ(out[1].text, QStringLiteral("1.5 x10"));
    EXPECT_EQ(out[1].fontSize, 8);
    EXPECT_EQ(out[1].args[1] - out[0].args[1], (12 - 1) / 2 - 2); // raised by h div 2 - 2, h = 11
    EXPECT_EQ(out[0].args[0] - out[1].args[0], 7 * 2 + 1);      // the mantissa ends before the exponent
}

TEST_F(AxisLabelPass, RotatedLabelsOfVerticalAxesLieOutsideTheChart)
{
    for (const bool otherSide : {false, true}) {
        for (const int angle : {90, 270}) {
            SCOPED_TRACE(testing::Message() << otherSide << " " << angle);
            TChartAxis vertical(&host);
            vertical.SetOtherSide(otherSide);
            vertical.SetLabelStyle(talValue);
            vertical.SetLabelsAngle(angle);
            vertical.SetMinMax(0, 10);
            vertical.RecalcMinMax();
            vertical.CalcPixelExtent();
            TRect rect = host.chartRect;
            vertical.CalcSpace(rect, true);
            host.canvas.clear();
            vertical.DrawTitleAndLabels(true);
            const auto labels = host.canvas.calls(QStringLiteral("TextOut"));
            ASSERT_FALSE(labels.empty());
            for (const RecordedCall &c : labels) {
                // A 90-degree line lies right of its anchor, a 270-degree one left of it; 12 pixels high.
                const int from = angle == 90 ? c.args[0] : c.args[0] - 12;
                if (otherSide)
                    EXPECT_GE(from, vertical.PosLabels());
                else
                    EXPECT_LE(from + 12, vertical.PosLabels());
            }
        }
    }
}

TEST_F(AxisLabelPass, CustomItemsAloneAreLabelledEachInItsShape)
{
    axis.Items()->Add(-1);
    TAxisItem *three = axis.Items()->AddText(3, QStringLiteral("three"));
    three->Font()->SetSize(12);
    three->SetTransparent(false);
    three->SetColor(clYellow);
    axis.Items()->Add(7);
    axis.Items()->AddText(11, QStringLiteral("beyond"));
    draw(0, 10);
    const auto out = host.canvas.calls(QStringLiteral("TextOut"));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].text, QStringLiteral("three"));
    EXPECT_EQ(out[0].fontSize, 12);
    EXPECT_EQ(out[1].text, QStringLiteral("7"));
    // Only the opaque item has a frame: 35 wide centred on its tick, plus half a "W" each side.
    const auto frames = host.canvas.calls(QStringLiteral("Rectangle"));
    ASSERT_EQ(frames.size(), 1u);
    const int x = axis.ValueToPixel(3);
    EXPECT_EQ(frames[0].args, std::vector<int>({x - 17 - 3, axis.PosLabels(), x - 17 + 35 + 3, axis.PosLabels() + 12}));
    EXPECT_EQ(frames[0].brushColor, clYellow);
    EXPECT_EQ(axis.TickPositions(), std::vector<int>({x, axis.ValueToPixel(7)}));
}

TEST_F(AxisLabelPass, CustomItemsSetTheRoomAndTheAlternateRowsOfAVerticalAxis)
{
    TChartAxis left(&host);
    left.Items()->AddText(2, QStringLiteral("Triple point")); // 12 characters: 84 pixels
    left.Items()->AddText(8, QStringLiteral("Boiling"));
    left.SetLabelsAlternate(true);
    left.SetMinMax(0, 10);
    left.RecalcMinMax();
    left.CalcPixelExtent();
    EXPECT_EQ(left.MaxLabelsWidth(), 84);
    TRect rect = host.chartRect;
    left.CalcSpace(rect, true);
    EXPECT_EQ(rect.left - host.chartRect.left, 2 * 84 + 7);
    host.canvas.clear();
    left.DrawTitleAndLabels(true);
    const auto out = host.canvas.calls(QStringLiteral("TextOut"));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].args[0], left.PosLabels() - 84); // the first label takes the outer row
    EXPECT_EQ(out[1].args[0], left.PosLabels());
}

TEST_F(AxisLabelPass, TitleTakesItsRoomAndIsDrawnCentred)
{
    axis.Title()->SetCaption(QStringLiteral("Temperature"));
    axis.SetIncrement(5);
    draw(0, 10);
    // Ticks 7 (pen 2 + 1 + tick 4), labels 12, title 12.
    TRect rect = host.chartRect;
    axis.CalcSpace(rect, true);
    EXPECT_EQ(host.chartRect.bottom - rect.bottom, 7 + 12 + 12);
    const auto out = host.canvas.calls(QStringLiteral("TextOut"));
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[0].text, QStringLiteral("Temperature"));
    EXPECT_EQ(out[0].args[0], axis.CenterPixel());
    EXPECT_EQ(out[0].args[1], axis.PosTitle());
}

TEST_F(AxisLabelPass, AxisLineAsCylinderOrBox)
{
    host.canvas.setLogSolids(true);
    const struct { TPenLineMode mode; const char *op; } cases[] = {{lmCylinder, "Cylinder"}, {lmRectangle, "Cube"}};
    for (const auto &c : cases) {
        axis.Axis()->SetLineMode(c.mode);
        draw(0, 10);
        EXPECT_EQ(host.canvas.count(QString::fromLatin1(c.op)), 1) << c.op;
        EXPECT_EQ(host.canvas.count(QStringLiteral("HorizLine3D")), 0);
    }
}

TEST_F(AxisLabelPass, DrawLabelEventMovesRenamesOrSkips)
{
    axis.SetIncrement(5);
    axis.SetOnDrawLabel([](TChartAxis *, int &x, int &y, int &, QString &text, bool &draw) {
        draw = text != QStringLiteral("5");
        text += QStringLiteral(" K");
        x += 1;
        y = 3;
    });
    draw(0, 10);
    const auto out = host.canvas.calls(QStringLiteral("TextOut"));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].text, QStringLiteral("10 K"));
    EXPECT_EQ(out[0].args[0], axis.ValueToPixel(10) + 1);
    EXPECT_EQ(out[0].args[1], 3);
    EXPECT_EQ(out[1].text, QStringLiteral("0 K"));
}

TEST_F(AxisLabelPass, ExactDatesStepByCalendarMonths)
{
    StubSeries dates;
    dates.x.SetDateTime(true);
    dates.add(45292, 0); // 1 Jan 2024
    dates.add(45473, 0); // 30 Jun 2024
    dates.bindTo(&axis);
    host.series = {&dates};
    axis.SetAutomatic(true);
    axis.SetDateTimeFormat(QStringLiteral("yyyy-mm-dd"));
    axis.SetIncrement(30);
    axis.SetLabelsSeparation(0);
    axis.RecalcMinMax();
    axis.CalcPixelExtent();
    host.canvas.clear();
    axis.DrawTitleAndLabels(true);
    EXPECT_EQ(texts(), QStringList({"2024-06-01", "2024-05-01", "2024-04-01", "2024-03-01", "2024-02-01", "2024-01-01"}));
}
