// New series and functions with unique names, replacing a series by another type, legend check boxes
// and legend symbols painted outside the chart.
#include "ChartClassRegistry.h"
#include "ChartTestSupport.h"
#include "GuiCanvas.h"
#include "LegendCheckBox.h"
#include "SeriesUtilities.h"
#include "TCanvas3D.h"
#include "TChartPen.h"
#include "TLineSeries.h"
#include "TPieSeries.h"
#include "TPlotFunction.h"
#include "TPointSeries.h"
#include "TSeriesMarks.h"
#include "TSeriesPointer.h"

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

TEST_F(SeriesUtilitiesTest, ATypeChangeAndItsReverseGiveTheCurveBackWithWhatTheUserChangedBetween)
{
    // A line turned into a pie and back stayed coloured point by point and lost its pointer and
    // line pen: the pie forces one colour per point and has neither.
    TestChart chart;
    chart.SetView3D(false);
    TChartSeries *series = CreateNewSeries(&chart, &chart, registeredClass(TLineSeries::staticMetaObject));
    auto *line = qobject_cast<TLineSeries *>(series);
    line->SetTitle(QStringLiteral("Water"));
    line->SetSeriesColor(clRed);
    line->Pointer()->SetVisible(true);
    line->Pointer()->SetStyle(psDiamond);
    line->LinePen()->SetWidth(3);
    line->LinePen()->SetStyle(psDash);
    for (int i = 0; i < 6; ++i)
        line->AddXY(i, 10.0 + i * i);
    const QImage original = chart.render();

    ChangeSeriesType(series, registeredClass(TPieSeries::staticMetaObject));
    ASSERT_NE(qobject_cast<TPieSeries *>(series), nullptr);
    EXPECT_TRUE(series->ColorEachPoint());
    ChangeSeriesType(series, registeredClass(TLineSeries::staticMetaObject));
    ASSERT_NE(qobject_cast<TLineSeries *>(series), nullptr);
    EXPECT_FALSE(series->ColorEachPoint());
    EXPECT_TRUE(chart.render() == original);

    // What the user changed while it was a pie stays; the rest comes back.
    ChangeSeriesType(series, registeredClass(TPieSeries::staticMetaObject));
    series->SetTitle(QStringLiteral("Wasser"));
    series->Marks()->SetVisible(true);
    ChangeSeriesType(series, registeredClass(TLineSeries::staticMetaObject));
    line = qobject_cast<TLineSeries *>(series);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->Title(), QStringLiteral("Wasser"));
    EXPECT_TRUE(line->Marks()->Visible());
    EXPECT_FALSE(line->ColorEachPoint());
    EXPECT_EQ(line->Pointer()->Style(), psDiamond);
    EXPECT_EQ(line->LinePen()->Style(), psDash);
    EXPECT_EQ(line->LinePen()->Width(), 3);
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

TEST_F(SeriesUtilitiesTest, ASeriesLegendSymbolIsPaintedOnAnyCanvasThroughTheChartItFinds)
{
    constexpr TColor kColor = 0x3060C0;
    const QRgb seriesPixel = qRgb(0xC0, 0x60, 0x30);
    const QRgb white = qRgb(255, 255, 255);
    // The chart that lent its canvas draws on its own one again afterwards.
    const auto paint = [](TChartSeries &series, QSize size, const TRect &rect, TCustomAxisPanel *reference) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        GuiCanvas canvas(&image);
        TCustomAxisPanel *lender = series.ParentChart() ? series.ParentChart() : reference;
        const GuiCanvas *before = lender ? lender->Canvas()->ReferenceCanvas() : nullptr;
        PaintSeriesLegend(series, canvas, rect, reference);
        EXPECT_FALSE(canvas.isPainting()); // begun and ended by the call
        if (lender) {
            EXPECT_EQ(lender->Canvas()->ReferenceCanvas(), before);
        }
        return image;
    };

    // In its own chart: the same pixels as the chart's legend shows for it.
    {
        TestChart chart;
        auto *series = chart.AddSeriesOfClass<TLineSeries>();
        series->SetSeriesColor(kColor);
        series->AddXY(0, 1);
        chart.Legend()->SetLegendStyle(lsSeries);
        chart.Legend()->Symbol()->SetWidthUnits(lcsPixels);
        const QImage shown = chart.render();
        const TRect r = chart.Legend()->Items().Item(0).SymbolRect;
        ASSERT_GT(r.width(), 4);
        const QImage painted = paint(*series, shown.size(), r, nullptr);
        int differing = 0;
        int coloured = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                differing += (shown.pixel(x, y) | 0xFF000000u) != (painted.pixel(x, y) | 0xFF000000u);
                coloured += (painted.pixel(x, y) | 0xFF000000u) == seriesPixel;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(coloured, 0);
    }

    // Without a chart: a flat reference chart draws a line through the middle; with none, a chart
    // made for the call (3D, as charts start) draws a filled box. The series joins neither.
    TLineSeries loose;
    loose.SetSeriesColor(kColor);
    const TRect r{4, 4, 44, 20};
    const int middle = (r.top + r.bottom) / 2;
    TestChart flat;
    flat.SetView3D(false);
    struct Case { TCustomAxisPanel *reference; QRgb aboveMiddle; };
    const Case cases[] = {{&flat, white}, {nullptr, seriesPixel}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.reference ? "reference chart" : "chart made for the call");
        const QImage painted = paint(loose, {48, 24}, r, c.reference);
        EXPECT_EQ(painted.pixel(24, middle) | 0xFF000000u, seriesPixel);
        EXPECT_EQ(painted.pixel(24, r.top + 2) | 0xFF000000u, c.aboveMiddle);
        EXPECT_EQ(painted.pixel(46, middle) | 0xFF000000u, white); // nothing outside the rectangle
        EXPECT_EQ(loose.ParentChart(), nullptr);
    }
    EXPECT_EQ(flat.SeriesCount(), 0);
}

} // namespace
