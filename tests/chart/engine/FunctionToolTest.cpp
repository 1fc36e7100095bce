// Function and tool bases: grouping of source points, placing of results, refills, tool events.
#include "StubChart.h"

#include "PlotExceptions.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"

#include <gtest/gtest.h>

namespace {

// The number of points in a group, so that every result tells which points it covered.
class CountFunction : public TPlotFunction
{
public:
    using TPlotFunction::TPlotFunction;
    double Calculate(TChartSeries &source, int firstIndex, int lastIndex) override
    {
        ++calculations;
        return firstIndex < 0 ? source.Count() : lastIndex - firstIndex + 1;
    }
    int calculations = 0;
};

struct FunctionChart
{
    explicit FunctionChart(const std::vector<double> &x)
    {
        source = new TChartSeries(&chart);
        result = new TChartSeries(&chart);
        chart.AddSeries(source);
        chart.AddSeries(result);
        for (double v : x)
            source->AddXY(v, 1.0);
        function = new CountFunction;
        result->SetFunction(function);
        result->SetDataSource(source);
    }
    std::vector<std::pair<double, double>> points() const
    {
        std::vector<std::pair<double, double>> p;
        for (int i = 0; i < result->Count(); ++i)
            p.emplace_back(result->GetXValue(i), result->GetYValue(i));
        return p;
    }

    StubChart chart;
    TChartSeries *source = nullptr;
    TChartSeries *result = nullptr;
    CountFunction *function = nullptr;
};

using Points = std::vector<std::pair<double, double>>;

class LoggingTool : public TPlotCustomTool
{
public:
    using TPlotCustomTool::TPlotCustomTool;
    void ChartEvent(int kind) override { events.push_back(kind); }
    std::vector<int> events;
};

} // namespace

TEST(TPlotFunction, OneResultOverAllPointsOrTwoAtTheEnds)
{
    FunctionChart f({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(f.points(), (Points{{4.5, 10}}));
    f.result->FunctionSinglePoint = false;
    f.function->Recalculate();
    EXPECT_EQ(f.points(), (Points{{0, 10}, {9, 10}}));
}

TEST(TPlotFunction, PeriodsOfPointsAndOfRanges)
{
    FunctionChart f({0, 1, 2, 3, 4});
    f.function->SetPeriod(2);
    EXPECT_EQ(f.points(), (Points{{0.5, 2}, {2.5, 2}})); // the incomplete group of point 4 adds nothing

    f.source->Clear();
    for (double x : {0.0, 0.5, 3.2})
        f.source->AddXY(x, 1.0);
    f.function->SetPeriodStyle(psRange);
    f.function->SetPeriod(1);
    const Points ranges = f.points();
    const Points expected{{0.4995, 2}, {1.4995, 0}, {2.4995, 0}, {3.4995, 1}};
    ASSERT_EQ(ranges.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(ranges[i].first, expected[i].first, 1e-12);
        EXPECT_EQ(ranges[i].second, expected[i].second);
    }
}

TEST(TPlotFunction, PeriodChecksAndUnchangedValues)
{
    FunctionChart f({0, 1, 2});
    f.function->SetPeriod(1);
    const int before = f.function->calculations;
    EXPECT_THROW(f.function->SetPeriod(-1), ChartException);
    try {
        f.function->SetPeriod(-1);
    } catch (const ChartException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Function Period should be >= 0"));
    }
    EXPECT_EQ(f.function->Period(), 1.0);
    f.function->SetPeriod(1);
    EXPECT_EQ(f.function->calculations, before);
}

TEST(TPlotFunction, PeriodsThatCannotAdvanceEnd)
{
    FunctionChart f({0, 1, 2, 3});
    f.function->SetPeriod(0.4); // rounds to no point at all: taken as one point
    EXPECT_EQ(f.result->Count(), 4);
    f.function->SetPeriod(0.5);
    EXPECT_EQ(f.result->Count(), 4);

    FunctionChart far({1e12, 2e12});
    far.function->SetPeriodStyle(psRange);
    far.function->SetPeriod(1e-9); // below the precision of the X values
    EXPECT_LE(far.result->Count(), TPlotFunction::kMaxEmptyRanges + 2);
    far.function->SetPeriod(1e-3); // advances, but would add 10^15 empty ranges
    EXPECT_LE(far.result->Count(), TPlotFunction::kMaxEmptyRanges + 2);
    EXPECT_GE(far.result->Count(), TPlotFunction::kMaxEmptyRanges);
}

TEST(TPlotFunction, SeveralSourcesGiveOnePointPerIndexOfTheLongest)
{
    StubChart chart;
    auto *a = new TChartSeries(&chart);
    auto *b = new TChartSeries(&chart);
    auto *sum = new TChartSeries(&chart);
    for (TChartSeries *s : {a, b, sum})
        chart.AddSeries(s);
    a->AddXY(0, 1);
    for (int i = 0; i < 3; ++i)
        b->AddXY(10 + i, 2, QStringLiteral("b%1").arg(i));
    sum->SetFunction(new CountFunction);
    sum->DataSources().Add(a);
    sum->DataSources().Add(b);
    ASSERT_EQ(sum->Count(), 3);
    EXPECT_EQ(sum->GetXValue(2), 12.0);
    EXPECT_EQ(sum->Labels().GetLabel(1), QStringLiteral("b1"));
}

TEST(TPlotCustomTool, OnlyActiveToolsReceiveEvents)
{
    StubChart chart;
    chart.useRecordingCanvas();
    auto *active = new LoggingTool(&chart);
    auto *inactive = new LoggingTool(&chart);
    chart.Tools().Add(active);
    chart.Tools().Add(inactive);
    inactive->SetActive(false);
    chart.drawPass();
    EXPECT_EQ(active->events.size(), 5u);
    EXPECT_TRUE(inactive->events.empty());
    inactive->SetParentChart(nullptr);
    EXPECT_EQ(chart.Tools().Count(), 1);
}
