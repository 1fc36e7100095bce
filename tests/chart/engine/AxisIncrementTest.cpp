// Axis range, extent and increments: label-count rules, date-time steps, setters and margins.
#include "EngineTestSupport.h"
#include "PlotExceptions.h"
#include "TChartAxis.h"

#include "PlotConst.h"

#include <gtest/gtest.h>

namespace {

class AxisScaleTest : public testing::Test
{
protected:
    AxisScaleTest() { axis.SetHorizontal(true); }

    // A working range on the bottom axis of the stub panel.
    void range(double minimum, double maximum)
    {
        axis.CalcPixelExtent();
        axis.SetWorkRange(minimum, maximum);
    }

    StubAxisHost host;
    TChartAxis axis{&host};
};

} // namespace

TEST_F(AxisScaleTest, NumericIncrementForALabelCount)
{
    const struct { double minimum, maximum; int count; double increment; } cases[] = {
        {0, 10, 14, 1}, {0, 1, 5, 0.2}, {0, 1000, 7, 200}, {-3, 7, 3, 5}, {0, 3, 20, 0.2}, {4, 4, 9, 1},
        {0, 10, 0, 1e-12}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << ".." << c.maximum << " N=" << c.count);
        range(c.minimum, c.maximum);
        EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelCount(c.count), c.increment);
    }
}

TEST_F(AxisScaleTest, FewPointsOfAnAssociatedSeriesGiveWholeSteps)
{
    for (const auto &[points, increment] : {std::pair{4, 1.0}, std::pair{25, 0.2}}) {
        StubSeries series;
        series.bindTo(&axis);
        for (int i = 0; i < points; ++i)
            series.add(i * 3.0 / (points - 1), 1);
        host.series = {&series};
        range(0, 3);
        EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelCount(20), increment) << points;
    }
}

TEST_F(AxisScaleTest, SeparationZeroSkipsTheCountCheckAndAnIncrementIsSteppedUp)
{
    range(0, 10);
    axis.SetLabelsSeparation(0);
    EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelCount(14), 10.0 / 15);
    axis.SetLabelsSeparation(10);
    axis.SetIncrement(0.1);
    range(0, 100);
    EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelCount(10), 10);
}

TEST_F(AxisScaleTest, LogarithmicIncrementStartsAtAPowerOfTheBase)
{
    axis.SetLogarithmic(true);
    range(1, 1000);
    EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelCount(4), 1000);
    range(1, 1e5);
    EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelCount(3), 1e5);
    // A base below 1 steps by its inverse, so the search ends with a growing increment.
    axis.SetLogarithmicBase(0.5);
    range(1, 1000);
    EXPECT_GT(axis.CalcIncrementForLabelCount(4), 100);
}

TEST_F(AxisScaleTest, DateTimeIncrementWalksTheTimeSteps)
{
    StubSeries series;
    series.bindTo(&axis);
    series.x.SetDateTime(true);
    series.add(45000, 1);
    host.series = {&series};
    axis.UpdateLabelsDateTime();
    ASSERT_TRUE(axis.LabelsDateTime());
    const struct { double days; int count; double increment; } cases[] = {
        {3652, 5, 730}, {1, 5, 0.25}, {30, 4, 7}, {365, 12, 30}, {10, 0, 1.0 / 86400000000.0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.days << " days N=" << c.count);
        range(45000, 45000 + c.days);
        EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelCount(c.count), c.increment);
    }
}

TEST_F(AxisScaleTest, IncrementFromALabelSize)
{
    host.chartRect = {0, 11, 300, 239};
    range(0, 10);
    EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelSize(20), 1); // 22 pixels a label: 14 labels
    EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelSize(20), axis.CalcIncrementForLabelCount(14));
    EXPECT_DOUBLE_EQ(axis.CalcIncrementForLabelSize(0.5), axis.CalcIncrementForLabelCount(1));
}

TEST_F(AxisScaleTest, ZeroRangeAndSetMinMax)
{
    range(5, 5);
    EXPECT_EQ(axis.ValueToPixel(-100), axis.CenterPixel());
    EXPECT_EQ(axis.PixelToValue(17), 5.0);
    axis.SetMinMax(5, 5);
    EXPECT_EQ(axis.Maximum(), 5 + 1e-10);
    axis.SetAutomatic(true);
    axis.SetMinMax(8, 2);
    EXPECT_EQ(axis.Minimum(), 2.0);
    EXPECT_EQ(axis.Maximum(), 8.0);
    EXPECT_FALSE(axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum());
    EXPECT_EQ(host.syncs, 2);
}

TEST_F(AxisScaleTest, SettersRaiseTheLibraryTextsAndKeepTheirValue)
{
    StubSeries negative;
    negative.bindTo(&axis);
    negative.add(-1, 1);
    host.series = {&negative};
    axis.SetMinMax(0, 10);
    const char *const logBase = "Axis Logarithmic Base should be <> 1 and > 0";
    const struct { const char *name; std::function<void()> action; const char *message; std::function<bool()> unchanged; } cases[] = {
        {"base", [&] { axis.SetLogarithmicBase(1); }, logBase, [&] { return axis.LogarithmicBase() == 10; }},
        {"base 0", [&] { axis.SetLogarithmicBase(0); }, logBase, [&] { return axis.LogarithmicBase() == 10; }},
        {"increment", [&] { axis.SetIncrement(-1); }, "Axis increment must be >= 0",
         [&] { return axis.Increment() == 0; }},
        {"separation", [&] { axis.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0",
         [&] { return axis.LabelsSeparation() == 10; }},
        {"minimum", [&] { axis.SetMinimum(11); }, "Axis Minimum Value must be <= Maximum",
         [&] { return axis.Minimum() == 0; }},
        {"maximum", [&] { axis.SetMaximum(-1); }, "Axis Maximum Value must be >= Minimum",
         [&] { return axis.Maximum() == 10; }},
        {"log negative", [&] { axis.SetAutomatic(true); axis.SetLogarithmic(true); },
         "Logarithmic Axis Min and Max values should be >= 0", [&] { return !axis.Logarithmic(); }},
        {"log date", [&] { negative.x.SetDateTime(true); axis.SetLogarithmic(true); },
         "DateTime Axis cannot be Logarithmic", [&] { return !axis.Logarithmic(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.action();
            ADD_FAILURE() << "no exception";
        } catch (const AxisException &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_TRUE(c.unchanged());
    }
    EXPECT_NO_THROW(axis.SetLabelsSeparation(0));
    host.loading = true;
    axis.SetAutomatic(false);
    EXPECT_NO_THROW(axis.SetMinimum(axis.Maximum() + 1));
}

TEST_F(AxisScaleTest, TranslatedTextIsReadWhenRaising)
{
    const QString english = PlotConst::message(PlotConst::msgAxisIncrementNeg);
    PlotConst::setMessage(PlotConst::msgAxisIncrementNeg, QStringLiteral("Achsenintervall muss >= 0 sein"));
    EXPECT_THROW(
        try { axis.SetIncrement(-2); } catch (const AxisException &e) {
            EXPECT_STREQ(e.what(), "Achsenintervall muss >= 0 sein");
            throw;
        },
        AxisException);
    PlotConst::setMessage(PlotConst::msgAxisIncrementNeg, english);
}

TEST_F(AxisScaleTest, ExtentAndLinePlacementOnTheChartRectangle)
{
    axis.SetStartPosition(20);
    axis.SetEndPosition(80);
    axis.CalcPixelExtent();
    EXPECT_EQ(axis.StartPixel(), 88);
    EXPECT_EQ(axis.EndPixel(), 312);
    // Positions far off the chart are clamped like every pixel, not wrapped around.
    axis.SetStartPosition(-1e12);
    axis.SetEndPosition(1e12);
    axis.CalcPixelExtent();
    EXPECT_EQ(std::pair(axis.StartPixel(), axis.EndPixel()), std::pair(-0x3FFFFFF, 0x3FFFFFF));
    // A line moved far off the chart stays within the pixel clamp.
    const struct { bool horizontal, otherSide; TPlotUnits units; double percent; int position; } cases[] = {
        {false, false, muPercent, 10, 50}, {false, true, muPercent, 10, 350}, {true, false, muPercent, 10, 216},
        {true, true, muPercent, 10, 34}, {false, false, muPixels, 10, 23},
        {false, false, muPixels, 1e10, 13 + 0x3FFFFFF}, {true, false, muPercent, 1e12, 239 - 0x3FFFFFF}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.horizontal << c.otherSide << c.units);
        TChartAxis placed(&host);
        placed.SetHorizontal(c.horizontal);
        placed.SetOtherSide(c.otherSide);
        placed.SetPositionUnits(c.units);
        placed.SetPositionPercent(c.percent);
        EXPECT_EQ(placed.CalcPosAxis(), c.position);
    }
}

TEST_F(AxisScaleTest, FitRangeToMarginsWidensTheRange)
{
    host.chartRect = {0, 11, 400, 239};
    range(0, 10);
    axis.FitRangeToMargins({5, 0, 5, 0});
    EXPECT_NEAR(axis.WorkMinimum(), -0.1282051282, 1e-9);
    EXPECT_NEAR(axis.WorkMaximum(), 10.1282051282, 1e-9);
    EXPECT_EQ(axis.ValueToPixel(0), 5);
    EXPECT_EQ(axis.ValueToPixel(10), 395);
    // Margins as wide as the axis leave the range alone instead of collapsing it.
    range(0, 10);
    axis.FitRangeToMargins({250, 0, 250, 0});
    EXPECT_EQ(axis.WorkMinimum(), 0.0);
    EXPECT_EQ(axis.WorkMaximum(), 10.0);
}

TEST_F(AxisScaleTest, SizeToPixels)
{
    host.chartRect = {10, 11, 410, 239};
    range(0, 100);
    EXPECT_EQ(axis.SizeToPixels(25), 100);
    EXPECT_EQ(axis.SizeToPixels(-1), 0);
    axis.SetLogarithmic(true);
    host.chartRect = {0, 11, 300, 239};
    range(1, 1000);
    EXPECT_EQ(axis.SizeToPixels(10), 100);
}

TEST_F(AxisScaleTest, AssignCopiesEveryPublishedProperty)
{
    // Every writable simple property gets a value unlike its default; Assign must carry each over.
    TChartAxis source(&host);
    const QMetaObject *meta = source.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isWritable())
            continue;
        const QVariant value = p.read(&source);
        QVariant changed;
        switch (value.metaType().id()) {
        case QMetaType::Bool: changed = !value.toBool(); break;
        case QMetaType::Int: changed = value.toInt() + 90; break;
        case QMetaType::Double: changed = value.toDouble() + 2.5; break;
        case QMetaType::QString: changed = value.toString() + QStringLiteral("0"); break;
        default: changed = p.isEnumType() ? QVariant(1 - value.toInt()) : QVariant(); break;
        }
        if (changed.isValid()) {
            ASSERT_TRUE(p.write(&source, changed)) << p.name();
        }
    }
    source.Grid()->SetCentered(true);
    source.Title()->SetCaption(QStringLiteral("p / bar"));
    source.Items()->AddText(3, QStringLiteral("three"));
    TChartAxis target(&host);
    target.Assign(source);
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.isWritable()) {
            EXPECT_EQ(p.read(&target), p.read(&source)) << p.name();
        }
    }
    EXPECT_TRUE(target.GridCentered());
    EXPECT_EQ(target.Title()->Caption(), QStringLiteral("p / bar"));
    ASSERT_EQ(target.Items()->Count(), 1);
    EXPECT_EQ(target.Items()->Item(0)->Text(), QStringLiteral("three"));
}

TEST_F(AxisScaleTest, ClickedInTheBandFromTheLabelsToTheLine)
{
    range(0, 10);
    TRect rect = host.chartRect;
    axis.CalcSpace(rect, true);
    host.chartRect = rect;
    axis.CalcPixelExtent();
    axis.DrawTitleAndLabels(true);
    const int x = axis.ValueToPixel(5);
    EXPECT_TRUE(axis.Clicked(x, axis.PosLabels() + 3));
    EXPECT_TRUE(axis.Clicked(x, axis.PosAxis() - 3));
    EXPECT_FALSE(axis.Clicked(x, axis.PosAxis() - 4));
    EXPECT_FALSE(axis.Clicked(axis.EndPixel() + 1, axis.PosAxis()));
    axis.SetShown(false);
    EXPECT_FALSE(axis.Clicked(x, axis.PosAxis()));
}

TEST_F(AxisScaleTest, ScrollWithinTheSeriesLimits)
{
    StubSeries series;
    series.bindTo(&axis);
    series.add(0, 1);
    series.add(20, 1);
    host.series = {&series};
    axis.SetMinMax(5, 15);
    axis.Scroll(3, true); // the series reach beyond 15: applied
    EXPECT_EQ(std::pair(axis.Minimum(), axis.Maximum()), std::pair(8.0, 18.0));
    axis.Scroll(5, true);
    axis.Scroll(-10, true);
    EXPECT_EQ(std::pair(axis.Minimum(), axis.Maximum()), std::pair(3.0, 13.0)) << "up to 23, then down to 3";
    axis.Scroll(-5, true); // the series start at 0, below the minimum 3: applied
    axis.Scroll(-5, true); // the minimum -2 lies below every value: refused
    EXPECT_EQ(axis.Minimum(), -2.0);
    axis.Scroll(-5, false);
    EXPECT_EQ(axis.Minimum(), -7.0);
}
