// The calculated functions: over a range of one source, across sources at one index, and the
// user-computed function refilled by the chart.
#include "ChartTestSupport.h"

#include "PlotFunctions.h"
#include "TCustomPlotFunction.h"
#include "TCustomSortedFunction.h"
#include "THorizLineSeries.h"
#include "TLineSeries.h"
#include "TManySeriesPlotFunction.h"

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

namespace {

using FunctionTest = ChartTest;
using MakeFunction = std::function<std::unique_ptr<TPlotFunction>()>;

template <class F>
MakeFunction make(bool includeNulls = true)
{
    return [includeNulls] {
        auto function = std::make_unique<F>();
        if constexpr (requires { function->SetIncludeNulls(true); })
            function->SetIncludeNulls(includeNulls);
        return std::unique_ptr<TPlotFunction>(std::move(function));
    };
}

// A point of a source: its value, or a null point with that stored value.
struct Value
{
    double value;
    bool null = false;
};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TLineSeries *sourceOf(TestChart &chart, const std::vector<Value> &values)
{
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    for (const Value &v : values) {
        if (v.null)
            series->AddNullXY(series->Count(), v.value);
        else
            series->Add(v.value);
    }
    return series;
}

} // namespace

TEST_F(FunctionTest, CalculateOverARangeOfOneSource)
{
    struct Case
    {
        const char *name;
        MakeFunction function;
        std::vector<Value> values;
        int first;
        int last;
        double expected;
    };
    const Case cases[] = {
        {"add, all", make<TAddPlotFunction>(), {{1}, {2}, {4}}, -1, -1, 7},
        {"add, range", make<TAddPlotFunction>(), {{1}, {2}, {4}}, 1, 2, 6},
        {"add, empty range", make<TAddPlotFunction>(), {{1}, {2}}, 1, 0, 0},
        {"high, all equal", make<THighPlotFunction>(), {{3}, {3}, {3}}, 0, 2, 3},
        {"high, empty range", make<THighPlotFunction>(), {{3}}, 1, 0, 0},
        {"high, negative range", make<THighPlotFunction>(), {{-7}, {-2}, {-9}}, 0, 2, -2},
        {"low, all", make<TLowPlotFunction>(), {{3}, {-1}, {5}}, -1, -1, -1},
        {"average without nulls", make<TAveragePlotFunction>(false), {{2}, {9, true}, {4}}, -1, -1, 3},
        {"average with the null's value", make<TAveragePlotFunction>(true), {{2}, {9, true}, {4}}, -1, -1, 5},
        {"average of nothing", make<TAveragePlotFunction>(true), {}, -1, -1, 0},
        {"average, only nulls", make<TAveragePlotFunction>(false), {{9, true}}, 0, 0, 0},
        {"median of three", make<TMedianPlotFunction>(), {{3}, {1}, {2}}, -1, -1, 2},
        {"median of four", make<TMedianPlotFunction>(), {{4}, {1}, {3}, {2}}, -1, -1, 2.5},
        {"median without the null", make<TMedianPlotFunction>(false), {{5}, {99, true}, {3}}, -1, -1, 4},
        {"median leaves NaN out", make<TMedianPlotFunction>(), {{1}, {kNaN}, {3}}, -1, -1, 2},
        {"median of one", make<TMedianPlotFunction>(), {{7}}, 0, 0, 7},
        {"median, empty range", make<TMedianPlotFunction>(), {{7}}, 1, 0, 0},
        {"mode, longest run", make<TModePlotFunction>(), {{1}, {2}, {2}, {3}, {3}}, -1, -1, 2},
        {"mode, all distinct", make<TModePlotFunction>(), {{4}, {1}, {7}}, -1, -1, 1},
        {"mode, the last run", make<TModePlotFunction>(), {{1}, {5}, {5}}, -1, -1, 5},
        {"mode of nothing", make<TModePlotFunction>(), {}, -1, -1, 0},
        {"subtract, one source", make<TSubtractPlotFunction>(), {{5}}, -1, -1, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestChart chart;
        TLineSeries *source = sourceOf(chart, c.values);
        EXPECT_DOUBLE_EQ(c.function()->Calculate(*source, c.first, c.last), c.expected);
    }
}

TEST_F(FunctionTest, CalculateManyCombinesTheSourcesAtOneIndexInListOrder)
{
    struct Case
    {
        const char *name;
        MakeFunction function;
        // One value per source at index 0; none: the source has no point there.
        std::vector<std::optional<Value>> values;
        double expected;
    };
    const std::optional<Value> none;
    const Case cases[] = {
        {"subtract", make<TSubtractPlotFunction>(), {Value{10}, Value{3}, Value{2}}, 5},
        {"multiply", make<TMultiplyPlotFunction>(), {Value{2}, Value{3}, Value{4}}, 24},
        {"divide skips a zero divisor", make<TDividePlotFunction>(), {Value{12}, Value{0}, Value{3}}, 4},
        {"subtract from the first source with a value", make<TSubtractPlotFunction>(), {none, Value{8}, Value{3}}, 5},
        {"subtract, no value", make<TSubtractPlotFunction>(), {none, none}, 0},
        {"add", make<TAddPlotFunction>(), {Value{1}, none, Value{5}}, 6},
        {"high, equal values", make<THighPlotFunction>(), {Value{4}, Value{4}}, 4},
        {"high, only the second has a value", make<THighPlotFunction>(), {none, Value{-5}}, -5},
        {"low, only the second has a value", make<TLowPlotFunction>(), {none, Value{5}}, 5},
        {"high, no value", make<THighPlotFunction>(), {none, none}, 0},
        {"average without nulls", make<TAveragePlotFunction>(false), {Value{2}, Value{9, true}, Value{4}}, 3},
        {"average with nulls", make<TAveragePlotFunction>(true), {Value{2}, Value{9, true}, Value{4}}, 5},
        {"median", make<TMedianPlotFunction>(), {Value{3}, Value{1}, Value{2}, Value{10}}, 2.5},
        {"mode", make<TModePlotFunction>(), {Value{7}, none, Value{7}, Value{1}}, 7},
        {"mode, no source", make<TModePlotFunction>(), {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestChart chart;
        std::vector<TChartSeries *> sources;
        for (const std::optional<Value> &v : c.values)
            sources.push_back(sourceOf(chart, v ? std::vector<Value>{*v} : std::vector<Value>{}));
        EXPECT_DOUBLE_EQ(c.function()->CalculateMany(sources, 0), c.expected);
    }
}

TEST_F(FunctionTest, ASeriesOfSeveralSourcesHoldsTheCombinationAtEachIndex)
{
    TestChart chart;
    TLineSeries *a = sourceOf(chart, {{10}, {20}});
    TLineSeries *b = sourceOf(chart, {{3}, {5}});
    TLineSeries *c = sourceOf(chart, {{2}, {1}});
    auto *result = chart.AddSeriesOfClass<TLineSeries>();
    result->SetFunction(new TSubtractPlotFunction);
    result->SetDataSource(a);
    result->AddCheckedDataSource(b);
    result->AddCheckedDataSource(c);
    ASSERT_EQ(result->Count(), 2);
    EXPECT_DOUBLE_EQ(result->GetYValue(0), 5);
    EXPECT_DOUBLE_EQ(result->GetYValue(1), 14);
    // A changed setting of a sorted function recalculates the series.
    auto *median = new TMedianPlotFunction;
    auto *middle = chart.AddSeriesOfClass<TLineSeries>();
    middle->SetFunction(median);
    middle->SetDataSource(sourceOf(chart, {{5}, {1000, true}, {3}}));
    ASSERT_GE(middle->Count(), 1);
    EXPECT_DOUBLE_EQ(middle->GetYValue(0), 5);
    median->SetIncludeNulls(false);
    EXPECT_DOUBLE_EQ(middle->GetYValue(0), 4);
}

TEST_F(FunctionTest, TheCustomFunctionFillsASeriesWithoutSourceWhenTheChartRefreshesIt)
{
    const TCustomPlotFunction defaults;
    EXPECT_EQ(defaults.NumPoints(), 100);
    EXPECT_DOUBLE_EQ(defaults.Period(), 1.0);
    EXPECT_EQ(defaults.GetEditorClassName(), QStringLiteral("TCustomFunctionEditor"));

    struct Case
    {
        const char *name;
        int numPoints;
        bool horizontal;
        int expectedPoints;
    };
    const Case cases[] = {
        {"three points", 3, false, 3},
        {"none", 0, false, 0},
        {"a count from a file is cut", 2147483647, false, TCustomPlotFunction::kMaxPoints},
        {"a horizontal series takes (y, x)", 3, true, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestChart chart;
        TChartSeries *series = c.horizontal ? static_cast<TChartSeries *>(chart.AddSeriesOfClass<THorizLineSeries>())
                                            : chart.AddSeriesOfClass<TLineSeries>();
        auto *function = new TCustomPlotFunction;
        std::vector<double> xs;
        function->OnCalculate = [&xs](TCustomPlotFunction *sender, double x, double &y) {
            EXPECT_EQ(y, 0.0);
            EXPECT_EQ(sender->X(), x);
            if (xs.size() < 4)
                xs.push_back(x);
            y = 10.0 * x + 1.0;
        };
        function->SetPeriod(0.5);
        series->SetFunction(function);
        function->SetNumPoints(c.numPoints);
        EXPECT_EQ(function->NumPoints(), c.numPoints);
        xs.clear();
        series->CheckDataSource();
        ASSERT_EQ(series->Count(), c.expectedPoints);
        if (c.expectedPoints == 0)
            continue;
        EXPECT_EQ(std::vector<double>(xs.begin(), xs.begin() + 3), (std::vector<double>{0.0, 0.5, 1.0}));
        const double x = c.horizontal ? series->GetYValue(2) : series->GetXValue(2);
        const double y = c.horizontal ? series->GetXValue(2) : series->GetYValue(2);
        EXPECT_DOUBLE_EQ(x, 1.0);
        EXPECT_DOUBLE_EQ(y, 11.0);
    }
}
