// Value lists: ordered insertion, growth, statistics, search, sorting, range checks and data flags.
#include "PlotEngine.h"
#include "PlotExceptions.h"
#include "SeriesDataFlags.h"
#include "TChartValueList.h"
#include "ValueListOwner.h"

#include "PlotProcs.h"
#include "TestPropertyFiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace {

// A series with an X and a Y list that records what the lists ask of it.
class StubSeries : public ValueListOwner
{
public:
    void PermutePoints(const std::vector<int> &order) override
    {
        ++permutations;
        x.ApplyPermutation(order);
        y.ApplyPermutation(order);
    }
    void NotifyValue(TValueEvent event, int index) override { events.push_back({event, index}); }
    void SetBooleanProperty(bool &variable, bool value) override
    {
        repaints += variable != value ? 1 : 0;
        variable = value;
    }
    void CheckDataSource() override { ++refills; }

    void add(double xValue, double yValue)
    {
        y.InsertValue(x.AddValue(xValue), yValue);
    }

    TChartValueList x{this, QStringLiteral("X")};
    TChartValueList y{this, QStringLiteral("Y")};
    std::vector<std::pair<TValueEvent, int>> events;
    int permutations = 0;
    int repaints = 0;
    int refills = 0;
};

std::unique_ptr<TChartValueList> listOf(TChartListOrder order, std::initializer_list<double> values)
{
    auto list = std::make_unique<TChartValueList>(nullptr, QStringLiteral("V"));
    for (const double v : values)
        list->InsertValue(list->Count(), v);
    list->SetOrder(order);
    return list;
}

std::vector<double> valuesOf(const TChartValueList &list)
{
    return {list.Values().begin(), list.Values().end()};
}

} // namespace

TEST(TChartValueList, SortedInsertionIsStableAndAppendsInOrderData)
{
    const struct { TChartListOrder order; std::initializer_list<double> values; double added; int index; } cases[] = {
        {loAscending, {1, 2, 2, 3}, 2, 3}, {loAscending, {1, 2, 2, 3}, 0, 0}, {loAscending, {1, 2, 2, 3}, 3, 4},
        {loDescending, {5, 3, 3}, 3, 3}, {loDescending, {5, 3, 3}, 4, 1}, {loNone, {5, 3, 3}, 9, 3},
        {loNone, {5, 3, 3}, -9, 3}, {loAscending, {}, 7, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.order) << " add " << c.added);
        const auto list = listOf(c.order, c.values);
        EXPECT_EQ(list->AddValue(c.added), c.index);
        EXPECT_EQ(list->Value(c.index), c.added);
        EXPECT_EQ(list->Count(), int(c.values.size()) + 1);
    }
}

TEST(TChartValueList, GrowsByBlocksThenByHalves)
{
    TChartValueList list(nullptr, QStringLiteral("X"));
    for (int i = 0; i < 1000; ++i)
        list.AddValue(i);
    EXPECT_EQ(list.Capacity(), 1000);
    list.AddValue(1000);
    EXPECT_EQ(list.Capacity(), 2000);
    while (list.Count() < 66001)
        list.AddValue(list.Count());
    EXPECT_EQ(list.Capacity(), 66000 + 33000);
    list.ClearValues();
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(TChartValueList, StatisticsFollowEveryChange)
{
    TChartValueList list(nullptr, QStringLiteral("Y"));
    EXPECT_EQ(std::vector<double>({list.MinValue(), list.MaxValue(), list.Total(), list.TotalAbs()}),
              std::vector<double>({0, 0, 0, 0}));
    list.AddValue(-2);
    EXPECT_EQ(std::vector<double>({list.MinValue(), list.MaxValue(), list.Total(), list.TotalAbs()}),
              std::vector<double>({-2, -2, -2, 2}));
    list.AddValue(5);
    list.SetValue(0, -7);
    EXPECT_EQ(list.ValueRange(), 12);
    list.Delete(1);
    EXPECT_EQ(list.MaxValue(), -7);
    EXPECT_EQ(list.TotalAbs(), 7);
}

TEST(TChartValueList, EveryChangeOfTheValuesGivesANewRevisionAndReadingNone)
{
    struct Case
    {
        const char *name;
        std::function<void(TChartValueList &)> change;
    };
    const Case cases[] = {
        {"SetValue", [](TChartValueList &l) { l.SetValue(1, 9.0); }},
        {"AddValue", [](TChartValueList &l) { l.AddValue(4.0); }},
        {"InsertValue", [](TChartValueList &l) { l.InsertValue(0, -1.0); }},
        {"InsertSortedValue",
         [](TChartValueList &l) {
             l.SetTempValue(1.5);
             l.InsertSortedValue();
         }},
        {"AppendValues", [](TChartValueList &l) { l.AppendValues(std::vector<double>{5.0, 6.0}); }},
        {"Delete", [](TChartValueList &l) { l.Delete(0); }},
        {"DeleteRange", [](TChartValueList &l) { l.DeleteRange(0, 2); }},
        {"ClearValues", [](TChartValueList &l) { l.ClearValues(); }},
        {"SwapValues", [](TChartValueList &l) { l.SwapValues(0, 2); }},
        {"FillSequence", [](TChartValueList &l) { l.FillSequence(); }},
        {"RotateFirstToEnd", [](TChartValueList &l) { l.RotateFirstToEnd(); }},
        {"ApplyPermutation", [](TChartValueList &l) { l.ApplyPermutation({2, 0, 1}); }},
    };
    const auto other = listOf(loAscending, {1, 2, 3});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto list = listOf(loAscending, {1, 2, 3});
        EXPECT_NE(list->Revision(), other->Revision());
        const std::uint64_t before = list->Revision();
        list->MinValue();
        list->FiniteAndAscending();
        list->Locate(2.0);
        EXPECT_EQ(list->Revision(), before);
        c.change(*list);
        EXPECT_NE(list->Revision(), before);
    }
}

TEST(TChartValueList, CompareLocateAndAssign)
{
    const auto descending = listOf(loDescending, {1, 2});
    EXPECT_EQ(descending->CompareByIndex(0, 1), 1);
    const auto ascending = listOf(loAscending, {1, 2, 2, 3});
    EXPECT_EQ(ascending->Locate(2), 1);
    EXPECT_EQ(ascending->Locate(2.5), -1);
    EXPECT_EQ(ascending->LocateInRange(2, 3, 1), -1);
    EXPECT_EQ(ascending->LocateInRange(2, 2, 3), 2);
    // Values that no longer follow the Order are still found: a value set out of order, an Order
    // given after the values, a NaN among them.
    ascending->SetValue(3, 0.5);
    EXPECT_EQ(ascending->Locate(0.5), 3);
    EXPECT_EQ(ascending->Locate(1), 0);
    EXPECT_EQ(listOf(loAscending, {5, 1, 3})->Locate(5), 0);
    EXPECT_EQ(listOf(loDescending, {9, std::nan(""), 7, 8})->Locate(8), 3);

    // Binary search (ordered) and scan (unordered) find the same first index.
    std::mt19937 random(5);
    std::uniform_int_distribution<int> value(0, 40);
    for (int trial = 0; trial < 10000; ++trial) {
        TChartValueList ordered(nullptr, QStringLiteral("X"));
        ordered.SetOrder(trial % 2 ? loAscending : loDescending);
        for (int i = 0; i < 12; ++i)
            ordered.AddValue(value(random));
        TChartValueList scanned(nullptr, QStringLiteral("X"));
        for (const double v : ordered.Values())
            scanned.AddValue(v);
        const double wanted = value(random);
        ASSERT_EQ(ordered.Locate(wanted), scanned.Locate(wanted)) << trial;
    }

    StubSeries series;
    TChartValueList source(nullptr, QStringLiteral("Source"));
    source.SetOrder(loDescending);
    source.InitDateTime(true);
    source.SetValueSource(QStringLiteral("Field1"));
    source.AddValue(42);
    series.y.AddValue(1);
    series.y.Assign(source);
    EXPECT_EQ(series.y.Order(), loDescending);
    EXPECT_TRUE(series.y.DateTime());
    EXPECT_EQ(series.y.ValueSource(), QStringLiteral("Field1"));
    EXPECT_EQ(series.y.Name(), QStringLiteral("Y"));
    EXPECT_EQ(valuesOf(series.y), std::vector<double>({1}));
}

TEST(TChartValueList, SortByPermutationMatchesPointByPointSwapping)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> value(0, 9);
    for (int trial = 0; trial < 200; ++trial) {
        StubSeries series;
        series.x.SetOrder(loNone);
        std::vector<double> x;
        std::vector<double> y;
        for (int i = 0; i < 1 + trial % 60; ++i) {
            x.push_back(value(random));
            y.push_back(i);
            series.add(x.back(), y.back());
        }
        // The reference: the same quicksort swapping both columns at every step.
        const bool descending = trial % 3 == 0;
        PlotProcs::PlotSort(
            0, int(x.size()) - 1,
            [&](int a, int b) {
                const int r = x[std::size_t(a)] < x[std::size_t(b)] ? -1 : x[std::size_t(a)] > x[std::size_t(b)];
                return descending ? -r : r;
            },
            [&](int a, int b) {
                std::swap(x[std::size_t(a)], x[std::size_t(b)]);
                std::swap(y[std::size_t(a)], y[std::size_t(b)]);
            });
        series.x.SetOrder(descending ? loDescending : loAscending);
        series.x.Sort();
        ASSERT_EQ(valuesOf(series.x), x) << trial;
        ASSERT_EQ(valuesOf(series.y), y) << trial;
        EXPECT_EQ(series.permutations, x.size() > 1 ? 1 : 0);
    }
}

TEST(TChartValueList, IndexChecksAndClampedRanges)
{
    const auto owned = listOf(loNone, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    TChartValueList &list = *owned;
    list.DeleteRange(8, 5);
    EXPECT_EQ(valuesOf(list), std::vector<double>({0, 1, 2, 3, 4, 5, 6, 7}));
    list.DeleteRange(-1, 3);
    list.DeleteRange(2, 0);
    EXPECT_EQ(list.Count(), 8);
    list.DeleteRange(1, 2);
    EXPECT_EQ(valuesOf(list), std::vector<double>({0, 3, 4, 5, 6, 7}));
    EXPECT_THROW(list.Value(6), ChartException);
    EXPECT_THROW(list.Value(-1), PlotException); // one family: callers catch the library's exception
    EXPECT_THROW(list.Delete(-1), ChartException);
    EXPECT_THROW(list.InsertValue(7, 1), ChartException);
    EXPECT_THROW(list.SwapValues(0, 6), ChartException);
    EXPECT_THROW(TChartValueList(nullptr, QStringLiteral("E")).FirstValue(), ChartException);
    list.InsertValue(6, 8);
    EXPECT_EQ(list.LastValue(), 8);
    try {
        list.SetValue(9, 0);
        FAIL();
    } catch (const ChartException &e) {
        EXPECT_STREQ(e.what(), "Value list V: index 9 out of bounds (0 to 6).");
    }
}

TEST(TChartValueList, OwnerHearsOfSwapsSequencesDateTimeAndSources)
{
    StubSeries series;
    series.add(5, 1);
    series.add(7, 2);
    series.x.SwapValues(1, 0);
    series.x.FillSequence();
    EXPECT_EQ(valuesOf(series.x), std::vector<double>({0, 1}));
    const std::vector<std::pair<TValueEvent, int>> expected{{TValueEvent::Modified, 1}, {TValueEvent::Modified, -1}};
    EXPECT_EQ(series.events, expected);
    series.x.SetDateTime(true);
    series.x.SetDateTime(true);
    series.x.SetValueSource(QStringLiteral("Time"));
    series.x.SetValueSource(QStringLiteral("Time"));
    EXPECT_EQ(series.repaints, 1);
    EXPECT_EQ(series.refills, 1);
    EXPECT_TRUE(series.x.IsDateTimeStored());
    series.x.InitDateTime(true);
    EXPECT_FALSE(series.x.IsDateTimeStored());
    series.x.RotateFirstToEnd();
    EXPECT_EQ(valuesOf(series.x), std::vector<double>({1, 0}));
}

TEST(SeriesDataFlags, LookAtEveryPoint)
{
    TChartValueList x(nullptr, QStringLiteral("X"));
    std::vector<TColor> colors(20000, clDefault);
    std::vector<QString> labels(200);
    for (int i = 0; i < 20000; ++i)
        x.AddValue(i);
    SeriesDataView view{&x, colors, clRed, labels, false};
    EXPECT_EQ(PlotEngine::GetSeriesDataFlags(view), 0);
    colors[12000] = clRed; // the series' own colour is no colour of the point's
    EXPECT_EQ(PlotEngine::GetSeriesDataFlags(view), 0);
    labels[150] = QStringLiteral("late");
    colors[12000] = clBlue;
    x.SetValue(15000, -1);
    view.customMarkPositions = true;
    EXPECT_EQ(PlotEngine::GetSeriesDataFlags(view), 15);
}

TEST(TChartValueList, ObsoleteMultiplierIsReportedOnceAndNotApplied)
{
    QStringList boxes;
    PlotEngine::ShowErrorBoxHook() = [&](const QString &text) { boxes << text; };
    StubSeries series;
    series.add(1, 2);
    MapPropertyFiler filer;
    filer.load(series.y, {{QStringLiteral("Multiplier"), 1.0}});
    EXPECT_TRUE(boxes.isEmpty());
    filer.load(series.y, {{QStringLiteral("Multiplier"), 2.5}});
    filer.load(series.y, {{QStringLiteral("Multiplier"), 2.5}});
    filer.load(series.x, {{QStringLiteral("Multiplier"), 2.5}});
    EXPECT_EQ(boxes, QStringList(2, QStringLiteral("Error: Multiplier property is obsolete.\r"
                                                    "Modify PlotDefs.inc (enable Multiplier) and recompile.")));
    EXPECT_EQ(valuesOf(series.y), std::vector<double>({2}));
    EXPECT_TRUE(filer.save(series.y).isEmpty());
    EXPECT_THROW(filer.load(series.y, {{QStringLiteral("Multiplier"), QStringLiteral("x")}}), PlotException);
    PlotEngine::ShowErrorBoxHook() = nullptr;
}
