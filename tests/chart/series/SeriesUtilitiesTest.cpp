// New series and functions with unique names, replacing a series by another type, legend check boxes.
#include "ChartClassRegistry.h"
#include "ChartTestSupport.h"
#include "LegendCheckBox.h"
#include "SeriesUtilities.h"
#include "TLineSeries.h"
#include "TPlotFunction.h"
#include "TPointSeries.h"

#include <QPointer>

namespace {

using SeriesUtilitiesTest = ChartTest;

// A function class the tests make by descriptor, as a function unit would register it.
ChartClassDescriptor plainFunctionClass()
{
    ChartClassDescriptor descriptor;
    descriptor.name = QStringLiteral("TPlotFunction");
    descriptor.metaObject = &TPlotFunction::staticMetaObject;
    descriptor.factory = [] { return std::unique_ptr<QObject>(std::make_unique<TPlotFunction>()); };
    return descriptor;
}

TEST_F(SeriesUtilitiesTest, NewSeriesAndFunctionsTakeTheLowestFreeNameOfTheirOwner)
{
    // The form goes first: its series leave the chart as they are freed.
    TestChart chart;
    QObject form;
    for (const char *name : {"Series1", "Series3"})
        (new QObject(&form))->setObjectName(QString::fromLatin1(name));
    const ChartClassDescriptor functionClass = plainFunctionClass();
    TChartSeries *series =
        CreateNewSeries(&form, &chart, registeredClass(TLineSeries::staticMetaObject), &functionClass);
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->Name(), QStringLiteral("Series2"));
    EXPECT_EQ(series->parent(), &form);
    EXPECT_EQ(chart.GetSeries(0), series);
    ASSERT_NE(series->FunctionType(), nullptr);
    EXPECT_EQ(series->FunctionType()->objectName(), QStringLiteral("PlotFunction1"));

    // Once the chart owns one of its series, the next is the chart's too.
    TChartSeries *own = CreateNewSeries(nullptr, &chart, registeredClass(TPointSeries::staticMetaObject));
    TChartSeries *next = CreateNewSeries(&form, &chart, registeredClass(TPointSeries::staticMetaObject));
    EXPECT_EQ(own->parent(), &chart);
    EXPECT_EQ(next->parent(), &chart);
    EXPECT_EQ(next->Name(), QStringLiteral("Series2"));
    EXPECT_EQ(CreateNewSeries(&form, &chart, registeredClass(TCustomLineSeries::staticMetaObject)), nullptr);
}

TEST_F(SeriesUtilitiesTest, ChangingTheTypeKeepsTitlePointsPlaceNameAndDependents)
{
    TestChart chart;
    TChartSeries *series = CreateNewSeries(&chart, &chart, registeredClass(TLineSeries::staticMetaObject));
    TChartSeries *dependent = CreateNewSeries(&chart, &chart, registeredClass(TLineSeries::staticMetaObject));
    series->SetTitle(QStringLiteral("Water"));
    for (int i = 0; i < 3; ++i)
        series->AddXY(i, 10.0 * i);
    dependent->SetDataSource(series);
    const QPointer<TChartSeries> old = series;

    ChangeSeriesType(series, registeredClass(TPointSeries::staticMetaObject));
    EXPECT_TRUE(old.isNull());
    ASSERT_NE(qobject_cast<TPointSeries *>(series), nullptr);
    EXPECT_EQ(series->Title(), QStringLiteral("Water"));
    EXPECT_EQ(series->Name(), QStringLiteral("Series1"));
    ASSERT_EQ(series->Count(), 3);
    EXPECT_EQ(series->YValues()->Values()[2], 20.0);
    EXPECT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.GetSeries(0), series);
    EXPECT_EQ(dependent->DataSource(), series);
    series->AddXY(3, 30.0);
    dependent->CheckDataSource();
    EXPECT_EQ(dependent->Count(), 4);

    // The same class changes nothing.
    TChartSeries *same = series;
    ChangeSeriesType(series, registeredClass(TPointSeries::staticMetaObject));
    EXPECT_EQ(series, same);
}

TEST_F(SeriesUtilitiesTest, AClonedSeriesIsANewNamedCopyInTheGivenChart)
{
    TestChart chart;
    TestChart other;
    TChartSeries *series = CreateNewSeries(&chart, &chart, registeredClass(TPointSeries::staticMetaObject));
    series->SetTitle(QStringLiteral("Ethanol"));
    series->AddXY(1.0, 2.0);
    for (TestChart *target : {&chart, &other}) {
        const TChartSeries *copy = CloneChartSeries(*series, target == &chart ? nullptr : target);
        ASSERT_NE(qobject_cast<const TPointSeries *>(copy), nullptr);
        EXPECT_NE(copy->Name(), series->Name());
        EXPECT_EQ(copy->ParentChart(), target);
        EXPECT_EQ(copy->Title(), QStringLiteral("Ethanol"));
        EXPECT_EQ(copy->Count(), 1);
    }
}

TEST_F(SeriesUtilitiesTest, ALegendCheckBoxTogglesOrSelectsItsSeries)
{
    TestChart chart;
    for (int i = 0; i < 3; ++i)
        chart.AddSeriesOfClass<TLineSeries>();
    const auto actives = [&] {
        return std::vector<bool>{chart.GetSeries(0)->Active(), chart.GetSeries(1)->Active(),
                                 chart.GetSeries(2)->Active()};
    };
    EXPECT_FALSE(DoLegendCheckBox(chart, 1, false, false));
    EXPECT_FALSE(DoLegendCheckBox(chart, 3, true, false));
    EXPECT_EQ(actives(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(DoLegendCheckBox(chart, 1, true, false));
    EXPECT_EQ(actives(), (std::vector<bool>{true, false, true}));
    // An inactive series keeps its legend row, so the same index switches it back on.
    EXPECT_TRUE(DoLegendCheckBox(chart, 1, true, false));
    EXPECT_EQ(actives(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(DoLegendCheckBox(chart, 2, true, true));
    EXPECT_EQ(actives(), (std::vector<bool>{false, false, true}));
}

} // namespace
