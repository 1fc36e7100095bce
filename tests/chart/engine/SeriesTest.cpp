// Series base: adding and deleting points, legend texts, pages, visible range, samples, dependent
// series and their cycles, labels, groups and names.
#include "StubChart.h"

#include "PlotExceptions.h"
#include "SeriesUnit.h"
#include "TPlotCustomTool.h"
#include "TPlotSeriesSource.h"
#include "VisibleRange.h"

#include "PlotConst.h"
#include "ScopedLocale.h"
#include "TestPropertyFiler.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<double> values(const TChartValueList &list)
{
    return {list.Values().begin(), list.Values().end()};
}

void fill(TChartSeries &series, int count)
{
    for (int i = 0; i < count; ++i)
        series.AddXY(i, 10.0 + i);
}

template <class F>
QString raisedMessage(F &&call)
{
    try {
        call();
    } catch (const PlotException &e) {
        return e.message();
    }
    return QStringLiteral("(nothing raised)");
}

} // namespace

TEST(TChartSeries, AddXYPlacesPointsByXWithTheirLabelsAndColours)
{
    TChartSeries series;
    series.SetSeriesColor(clBlue);
    series.AddXY(1, 10, QStringLiteral("a"));
    series.AddXY(3, 30, QStringLiteral("c"));
    series.AddXY(2, 20, QStringLiteral("b"), clRed);
    EXPECT_EQ(values(*series.XValues()), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(values(*series.YValues()), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(series.Labels().GetLabel(0) + series.Labels().GetLabel(1) + series.Labels().GetLabel(2),
              QStringLiteral("abc"));
    EXPECT_EQ(std::vector<TColor>(series.ColorList().begin(), series.ColorList().end()),
              (std::vector<TColor>{clPlotColor, clRed, clPlotColor}));
    EXPECT_EQ(series.GetValueColor(0), clBlue);
    EXPECT_EQ(series.GetValueColor(1), clRed);

    series.OnBeforeAdd = [](TChartSeries *) { return false; };
    EXPECT_EQ(series.AddXY(0.5, 5, QStringLiteral("z"), clGreen), -1);
    EXPECT_EQ(series.Count(), 3);
    EXPECT_EQ(series.Labels().Count(), 3);
    EXPECT_EQ(series.ColorList().size(), 3u);

    series.OnBeforeAdd = {};
    const int index = series.AddNull();
    EXPECT_EQ(series.GetYValue(index), 0.0);
    EXPECT_TRUE(series.IsNull(index));
    EXPECT_FALSE(series.IsNull(0));
}

TEST(TChartSeries, AddXYArrayGivesTheSamePointsAsAddingEach)
{
    std::mt19937 random(3);
    for (const TChartListOrder order : {loAscending, loDescending, loNone}) {
        SCOPED_TRACE(int(order));
        TChartSeries each;
        TChartSeries bulk;
        std::vector<double> x;
        std::vector<double> y;
        for (int i = 0; i < 200; ++i) {
            x.push_back(double(random() % 20)); // many equal X values: their order must match too
            y.push_back(i);
        }
        for (TChartSeries *s : {&each, &bulk}) {
            s->XValues()->SetOrder(order);
            for (int i = 0; i < 5; ++i)
                s->AddXY(i * 4.0, -1.0 - i);
        }
        for (std::size_t i = 0; i < x.size(); ++i)
            each.AddXY(x[i], y[i]);
        bulk.AddXYArray(x, y);
        EXPECT_EQ(values(*bulk.XValues()), values(*each.XValues()));
        EXPECT_EQ(values(*bulk.YValues()), values(*each.YValues()));
    }
}

TEST(TChartSeries, DeleteOutsideThePointsRaisesAndKeepsThem)
{
    TChartSeries series;
    fill(series, 3);
    EXPECT_EQ(raisedMessage([&] { series.Delete(3); }),
              QStringLiteral("Series Delete: ValueIndex 3 out of bounds (0 to 2)."));
    EXPECT_EQ(series.Count(), 3);
}

TEST(TChartSeries, RangesBeyondThePointsAreCutAndBadToolIndexesRaise)
{
    TChartSeries series;
    fill(series, 10);
    series.DeleteRange(8, 5);
    EXPECT_EQ(series.Count(), 8);
    series.DeleteRange(-1, 3);
    series.DeleteRange(2, 0);
    EXPECT_EQ(series.Count(), 8);

    StubChart chart;
    chart.Tools().Add(new TPlotCustomTool(&chart));
    chart.Tools().Add(new TPlotCustomTool(&chart));
    EXPECT_THROW(chart.Tools()[5], ChartException);
    EXPECT_EQ(chart.Tools().Count(), 2);
}

TEST(TChartSeries, LegendTextsFollowTheStyle)
{
    const ScopedLocale english(QLocale::English);
    TChartSeries series;
    for (const char *label : {"A", "B", "C", "D"})
        series.Add(series.Count() + 1, QString::fromLatin1(label));
    const QChar s(6);
    struct Case
    {
        TLegendTextStyle style;
        int point;
        QString text;
    };
    const Case cases[] = {
        {ltsRightPercent, 2, QStringLiteral("C") + s + QStringLiteral("30 %")},
        {ltsLeftValue, 1, QStringLiteral("2") + s + QStringLiteral("B")},
        {ltsXAndValue, 3, QStringLiteral("3") + s + QStringLiteral("4")},
        {ltsPlain, 0, QStringLiteral("A")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.style));
        EXPECT_EQ(series.GetLegendText(c.point, c.style), c.text);
    }
    TChartSeries zeros;
    for (int i = 0; i < 3; ++i)
        zeros.Add(0.0);
    EXPECT_EQ(zeros.GetLegendText(1, ltsPercent), QStringLiteral("100 %"));
    EXPECT_EQ(zeros.GetLegendText(1, ltsLeftPercent), QStringLiteral("100 %"));
}

TEST(TChartSeries, PagesOfTwentyFivePointsByTen)
{
    StubChart chart;
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    fill(*series, 40);
    chart.SetMaxPointsPerPage(10);
    chart.SetPage(4);
    series->DeleteRange(25, 15); // points go, the page stays
    struct Case
    {
        int page;
        int first;
        int last;
    };
    int first = 0;
    int last = 0;
    series->CalcFirstLastPage(first, last);
    EXPECT_EQ(chart.Page(), 4);
    EXPECT_EQ(std::pair(first, last), std::pair(10, 19));
    for (const Case &c : {Case{1, 0, 9}, Case{3, 20, 24}}) {
        chart.SetPage(c.page);
        series->CalcFirstLastPage(first, last);
        EXPECT_EQ(std::pair(first, last), std::pair(c.first, c.last)) << "page " << c.page;
    }
    chart.SetMaxPointsPerPage(0);
    series->CalcFirstLastPage(first, last);
    EXPECT_EQ(std::pair(first, last), std::pair(0, 24));
}

TEST(TChartSeries, VisibleRangeFollowsTheAxisRange)
{
    StubChart chart;
    chart.useRecordingCanvas();
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    fill(*series, 100);
    chart.BottomAxis()->SetMinMax(10.5, 20.2);
    chart.drawPass();
    EXPECT_EQ(std::pair(series->FirstValueIndex(), series->LastValueIndex()), std::pair(11, 20));
    series->DrawOneBeyondEdge = true;
    series->CalcFirstLastVisibleIndex();
    EXPECT_EQ(series->LastValueIndex(), 21);
    series->XValues()->SetOrder(loNone);
    series->CalcFirstLastVisibleIndex();
    EXPECT_EQ(std::pair(series->FirstValueIndex(), series->LastValueIndex()), std::pair(0, 99));
}

TEST(VisibleRange, BinarySearchAgreesWithTheScan)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-100.0, 100.0);
    std::uniform_int_distribution<int> size(0, 40);
    for (int round = 0; round < 10000; ++round) {
        std::vector<double> x(std::size_t(size(random)));
        for (double &v : x)
            v = std::round(value(random)); // repeated values too
        std::sort(x.begin(), x.end());
        double low = std::round(value(random));
        double high = std::round(value(random));
        if (low > high)
            std::swap(low, high);
        for (bool beyond : {false, true}) {
            const auto scan = PlotEngine::VisibleRangeByScan(x, low, high, beyond);
            const auto search = PlotEngine::VisibleRangeBySearch(x, low, high, beyond);
            ASSERT_EQ(scan, search) << "round " << round << " low " << low << " high " << high;
        }
    }
}

TEST(TChartSeries, FillSampleValuesCountsAndChecks)
{
    const SeededSamples seeded;
    TChartSeries series;
    series.SetManualData(true);
    series.FillSampleValues(0);
    EXPECT_EQ(series.Count(), TChartSeries::NumSampleValues);
    series.FillSampleValues(7);
    EXPECT_EQ(series.Count(), 7);
    EXPECT_FALSE(series.ManualData());
    EXPECT_EQ(raisedMessage([&] { series.FillSampleValues(-1); }),
              QStringLiteral("FillSampleValues NumValues must be > 0"));
    EXPECT_EQ(series.Count(), 7);
}

TEST(TChartSeries, DependentsFollowTheirSourceByTheirEventMask)
{
    TChartSeries source;
    TChartSeries dependent;
    dependent.ValueEventMask = 0;
    dependent.SetDataSource(&source);

    source.BeginUpdate();
    fill(source, 3);
    EXPECT_EQ(dependent.Count(), 0);
    source.EndUpdate(); // "all changed" reaches every dependent
    EXPECT_EQ(values(*dependent.YValues()), values(*source.YValues()));

    source.AddXY(5, 50);
    EXPECT_EQ(dependent.Count(), 3);
    dependent.ValueEventMask = TChartSeries::veAdd;
    source.AddXY(6, 60);
    EXPECT_EQ(dependent.Count(), 4);

    // A range delete makes dependents that take removals refill, not delete point -1.
    dependent.ValueEventMask = TChartSeries::veRemove;
    EXPECT_NO_THROW(source.DeleteRange(2, 3));
    EXPECT_EQ(values(*dependent.XValues()), values(*source.XValues()));
    EXPECT_EQ(dependent.Count(), 2);
}

TEST(TChartSeries, CircularSourcesAreRefusedAndLeaveTheSourcesAsTheyWere)
{
    const QString circular = QStringLiteral("Circular Series dependences are not allowed");
    TChartSeries a;
    TChartSeries b;
    TChartSeries c;
    b.SetDataSource(&a);
    EXPECT_EQ(raisedMessage([&] { a.SetDataSource(&b); }), circular);
    EXPECT_EQ(a.DataSources().Count(), 0);

    StubChart chart;
    auto *x = new TChartSeries(&chart);
    auto *y = new TChartSeries(&chart);
    auto *z = new TChartSeries(&chart);
    for (TChartSeries *s : {x, y, z})
        chart.AddSeries(s);
    x->DataSources().Add(y);
    x->DataSources().Add(z);
    ASSERT_EQ(x->DataSources().Count(), 2);
    EXPECT_EQ(raisedMessage([&] { z->SetDataSource(x); }), circular);
    EXPECT_EQ(z->DataSources().Count(), 0);
    y->AddXY(1, 1); // refills run without recursion
    EXPECT_EQ(x->Count(), 1);
}

TEST(TChartSeries, AStoredCycleIsDroppedAndReportedOnLoad)
{
    QStringList reported;
    PlotEngine::ShowErrorBoxHook() = [&](const QString &text) { reported << text; };
    StubChart chart;
    auto *a = new TChartSeries(&chart);
    auto *b = new TChartSeries(&chart);
    auto *c = new TChartSeries(&chart);
    a->SetName(QStringLiteral("A"));
    b->SetName(QStringLiteral("B"));
    c->SetName(QStringLiteral("C"));
    for (TChartSeries *s : {a, b, c})
        chart.AddSeries(s);
    c->SetDataSource(a);
    a->BeginLoading();
    MapPropertyFiler filer;
    filer.load(*a, {{QStringLiteral("DataSources"), QStringList{QStringLiteral("B"), QStringLiteral("C")}}});
    a->Loaded();
    PlotEngine::ShowErrorBoxHook() = {};
    EXPECT_EQ(a->DataSources().Items(), std::vector<QObject *>{b});
    EXPECT_EQ(reported, QStringList{QStringLiteral("Circular Series dependences are not allowed")});
}

TEST(TLabelsList, GrowsOnlyForTexts)
{
    TChartSeries series;
    TLabelsList &labels = series.Labels();
    labels.SetLabel(5, QStringLiteral("x"));
    EXPECT_EQ(labels.Count(), 6);
    EXPECT_EQ(labels.GetLabel(2), QString());
    EXPECT_EQ(labels.GetLabel(5), QStringLiteral("x"));
    TLabelsList empty;
    empty.InsertLabel(0, QString());
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(TSeriesGroup, ActiveIsTriState)
{
    StubChart chart;
    TSeriesGroup *group = chart.SeriesList().AddGroup(QStringLiteral("g"));
    EXPECT_EQ(group->Active(), gaYes);
    auto *on = new TChartSeries(&chart);
    auto *off = new TChartSeries(&chart);
    off->SetActive(false);
    group->Series().Add(on);
    group->Series().Add(off);
    EXPECT_EQ(group->Active(), gaSome);
    group->SetActive(gaSome);
    EXPECT_TRUE(on->Active());
    EXPECT_FALSE(off->Active());
    group->SetActive(gaNo);
    EXPECT_EQ(group->Active(), gaNo);
    EXPECT_EQ(chart.SeriesList().IndexOfSeries(off), 0);
}

TEST(SeriesUnit, NamesAndOwnXValues)
{
    StubChart chart;
    for (int i = 0; i < 3; ++i)
        chart.AddSeries(new TChartSeries(&chart));
    EXPECT_EQ(PlotEngine::SeriesTitleOrName(*chart.GetSeries(2)), QStringLiteral("Series3"));
    chart.GetSeries(2)->SetTitle(QStringLiteral("Water") + QChar(6) + QStringLiteral("vapour"));
    EXPECT_EQ(PlotEngine::SeriesTitleOrName(*chart.GetSeries(2)), QStringLiteral("Water vapour"));

    struct Case
    {
        std::vector<double> x;
        bool own;
    };
    for (const Case &c : {Case{{0, 1, 2}, false}, Case{{0, 1, 5}, true}}) {
        TChartSeries series;
        for (double x : c.x)
            series.AddXY(x, 1.0);
        EXPECT_EQ(PlotEngine::SeriesHasOwnXValues(series), c.own) << c.x.back();
    }
}

namespace {

// Fills its series with the points it was given when it opens.
class ListSource : public TPlotSeriesSource
{
public:
    using TPlotSeriesSource::TPlotSeriesSource;
    void Load() override
    {
        TChartSeries *series = Series();
        if (!series)
            return;
        series->Clear();
        for (double y : points)
            series->Add(y);
    }
    std::vector<double> points{4, 5, 6};
};

} // namespace

TEST(TPlotSeriesSource, LoadsWhenOpenAndMovesWithItsSeries)
{
    StubChart chart;
    auto *first = new TChartSeries(&chart);
    auto *second = new TChartSeries(&chart);
    chart.AddSeries(first);
    chart.AddSeries(second);
    auto *source = new ListSource(first); // the first series owns it
    source->SetSeries(first);
    EXPECT_EQ(first->DataSource(), source);
    EXPECT_TRUE(source->IsSourceOf(*first));
    source->Open();
    EXPECT_EQ(first->Count(), 3);
    source->Close();
    EXPECT_EQ(first->Count(), 0);

    source->Open();
    second->SetDataSource(source); // taken over: closed, moved, reopened
    EXPECT_EQ(source->parent(), second);
    EXPECT_EQ(source->Series(), second);
    EXPECT_EQ(first->DataSource(), nullptr);
    EXPECT_EQ(second->Count(), 3);
    source->points = {1};
    chart.RefreshDataSource(*second);
    EXPECT_EQ(second->Count(), 1);
}

TEST(TChartSeries, AssignCopiesEveryStoredPropertyAndThePoints)
{
    StubChart chart;
    auto *source = new TChartSeries(&chart);
    chart.AddSeries(source);
    source->SetTitle(QStringLiteral("Ethanol"));
    source->SetShowInLegend(false);
    source->SetColorEachPoint(true);
    source->SetColorSource(QStringLiteral("Colours"));
    source->SetCursor(-21);
    source->SetDepth(7);
    source->SetHorizAxis(aTopAxis);
    source->SetVertAxis(aRightAxis);
    source->SetPercentFormat(QStringLiteral("0 %"));
    source->SetValueFormat(QStringLiteral("0.0"));
    source->SetSeriesColor(clTeal);
    source->SetXLabelsSource(QStringLiteral("Names"));
    source->Marks()->SetDrawEvery(4);
    source->AddXY(1, 2, QStringLiteral("a"), clRed);
    source->AddXY(3, 4);
    source->SetManualData(true);

    auto *copy = new TChartSeries(&chart);
    chart.AddSeries(copy);
    copy->Assign(*source);
    const QMetaObject *meta = source->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.metaType().flags().testFlag(QMetaType::PointerToQObject) || !IsPropertyStored(*source, property))
            continue;
        EXPECT_EQ(property.read(copy), property.read(source)) << property.name();
    }
    EXPECT_EQ(copy->Marks()->DrawEvery(), 4);
    EXPECT_EQ(copy->GetHorizAxis(), chart.TopAxis());
    ASSERT_EQ(copy->Count(), 2);
    EXPECT_EQ(copy->Labels().GetLabel(0), QStringLiteral("a"));
    EXPECT_EQ(copy->GetValueColor(0), clRed);
    EXPECT_TRUE(copy->ManualData());
}
