// The bubble, arrow, Gantt and shape series together: their registration, editors, data sources,
// and "Data" blocks with values that cannot be drawn.
#include "SeriesDrawTestSupport.h"

#include "ChartClassRegistry.h"
#include "ChartLibrary.h"
#include "ChartTypeRegistries.h"
#include "ChartUnits.h"
#include "PlotConst.h"
#include "PlotExceptions.h"
#include "TArrowSeries.h"
#include "TBubbleSeries.h"
#include "TChartShape.h"
#include "TGanttSeries.h"
#include "TLineSeries.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

using SeriesTypesTest = SeriesDrawTestBase;

const char *const kTypes[] = {"TBubbleSeries", "TArrowSeries", "TGanttSeries", "TChartShape"};

// A series of the registered class, in the chart.
TChartSeries *addByName(TestChart &chart, const char *className)
{
    std::unique_ptr<QObject> made = ChartClassRegistry::instance().create(QString::fromLatin1(className));
    auto *series = qobject_cast<TChartSeries *>(made.get());
    if (!series)
        return nullptr;
    made.release();
    series->setParent(&chart);
    chart.AddSeries(series);
    return series;
}

// Three points whose extra values are 10, 20, ... in list order.
void fillPoints(TChartSeries &series)
{
    series.Clear();
    for (int i = 0; i < 3; ++i) {
        for (std::size_t k = 2; k < series.ValueLists().size(); ++k)
            series.ValueLists()[k]->SetTempValue(10.0 * double(k - 1) + i);
        series.AddXY(i, i + 1);
    }
}

std::vector<double> valuesOf(const TChartSeries &series)
{
    std::vector<double> values;
    for (const TChartValueList *list : series.ValueLists())
        values.insert(values.end(), list->Values().begin(), list->Values().end());
    return values;
}

} // namespace

TEST_F(SeriesTypesTest, RegisteredInOrderAfterTheStandardSeriesAndBeforeTheFunctions)
{
    registerChartLibrary();
    struct Expected
    {
        const QMetaObject *meta;
        const char *description;
        const char *page;
        int entries;
    };
    const std::array<Expected, 4> expected{{{&TBubbleSeries::staticMetaObject, "Bubble", "Standard", 1},
                                            {&TArrowSeries::staticMetaObject, "Arrow", "Extended", 2},
                                            {&TGanttSeries::staticMetaObject, "Gantt", "Standard", 1},
                                            {&TChartShape::staticMetaObject, "Shape", "Standard", 2}}};
    const TPlotSeriesTypes &types = PlotSeriesTypes();
    const auto indexOf = [&](const ChartClassDescriptor &series) {
        for (int i = 0; i < types.Count(); ++i)
            if (types.GetItem(i).SeriesClass == &series && !types.GetItem(i).FunctionClass)
                return i;
        return -1;
    };
    const int first = indexOf(registeredClass(*expected[0].meta));
    ASSERT_GE(first, 5); // the standard series come first
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const Expected &e = expected[k];
        SCOPED_TRACE(e.description);
        ASSERT_EQ(indexOf(registeredClass(*e.meta)), first + int(k));
        const TPlotSeriesType &type = types.GetItem(first + int(k));
        EXPECT_EQ(type.Description.text(), QString::fromLatin1(e.description));
        EXPECT_EQ(type.GalleryPage.text(), QString::fromLatin1(e.page));
        EXPECT_EQ(type.NumGallerySeries, e.entries);
    }
    // Series records only before them; only function records after them.
    for (int i = 0; i < types.Count(); ++i) {
        const TPlotSeriesType &type = types.GetItem(i);
        if (i < first) {
            EXPECT_TRUE(type.SeriesClass && !type.FunctionClass) << i;
        } else if (i > first + 3) {
            EXPECT_NE(type.FunctionClass, nullptr) << i;
        }
    }

    const int records = types.Count();
    const int classes = ChartClassRegistry::instance().count();
    registerChartLibrary();
    registerExtendedSeriesUnits(ChartClassRegistry::instance());
    EXPECT_EQ(types.Count(), records);
    EXPECT_EQ(ChartClassRegistry::instance().count(), classes);

    PlotConst::setMessage(PlotConst::msgGalleryBubble, QStringLiteral("Blase"));
    EXPECT_EQ(types.GetItem(first).Description.text(), QStringLiteral("Blase"));
    PlotConst::SetLibraryMessages();
    EXPECT_EQ(types.GetItem(first).Description.text(), QStringLiteral("Bubble"));
}

TEST_F(SeriesTypesTest, EachTypeNamesItsEditorAndFillsItsOwnNumberOfSamples)
{
    struct Case
    {
        const char *className;
        const char *editor;
        int samples; // FillSampleValues(0); 0: not fixed
    };
    const Case cases[] = {{"TBubbleSeries", "TBubbleSeriesEditor", 8},
                          {"TArrowSeries", "TArrowSeriesEditor", 25},
                          {"TGanttSeries", "TGanttSeriesEditor", 0},
                          {"TChartShape", "TChartShapeEditor", 2}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.className);
        TChartSeries *series = addByName(chart, c.className);
        ASSERT_NE(series, nullptr);
        EXPECT_EQ(series->GetEditorClassName(), QString::fromLatin1(c.editor));
        EXPECT_EQ(ChartClassRegistry::instance().editorClassName(*series), QString::fromLatin1(c.editor));
        series->FillSampleValues(0);
        if (c.samples > 0)
            EXPECT_EQ(series->Count(), c.samples);
        else
            EXPECT_GE(series->Count(), 11);
    }
}

TEST_F(SeriesTypesTest, TakePointsOnlyFromASeriesOfTheirOwnClassWithTheirExtraValues)
{
    for (const char *className : kTypes) {
        SCOPED_TRACE(className);
        TChartSeries *series = addByName(chart, className);
        TChartSeries *same = addByName(chart, className);
        ASSERT_TRUE(series && same);
        fillPoints(*same);
        auto *line = chart.AddSeriesOfClass<TLineSeries>();
        line->setObjectName(QStringLiteral("Curve"));
        line->AddXY(0, 1);

        series->SetDataSource(same);
        EXPECT_EQ(valuesOf(*series), valuesOf(*same));
        try {
            series->SetDataSource(line);
            ADD_FAILURE() << "a line series was taken";
        } catch (const ChartException &e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("No valid DataSource: Curve"));
        }
        EXPECT_EQ(series->DataSource(), same);
        EXPECT_EQ(valuesOf(*series), valuesOf(*same));

        // Outside a chart the check has no chart to ask.
        std::unique_ptr<QObject> loose = ChartClassRegistry::instance().create(QString::fromLatin1(className));
        try {
            qobject_cast<TChartSeries *>(loose.get())->SetDataSource(line);
            ADD_FAILURE() << "a line series was taken";
        } catch (const ChartException &e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("No ParentChart to validate DataSource"));
        }
    }
}

TEST_F(SeriesTypesTest, HostileExtraValuesDrawNothingAndKeepTheAxesFinite)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double hostile[] = {nan, inf, -inf, 1e308, -1e308};
    chart.SetCanvas(std::make_unique<TPlotCanvas3D>()); // the screen canvas
    for (const char *className : kTypes) {
        SCOPED_TRACE(className);
        std::unique_ptr<QObject> made = ChartClassRegistry::instance().create(QString::fromLatin1(className));
        auto *source = qobject_cast<TChartSeries *>(made.get());
        auto *shape = qobject_cast<TChartShape *>(source);
        QList<QByteArray> blocks;
        if (shape) {
            // Two points each, in pixels: every value in turn in each corner's X and Y.
            for (const double v : hostile) {
                shape->Clear();
                shape->AddXY(v, 20);
                shape->AddXY(300, v);
                blocks << shape->WriteData();
            }
        } else {
            source->Clear();
            for (int i = 0; i < 7; ++i) {
                for (std::size_t k = 2; k < source->ValueLists().size(); ++k)
                    source->ValueLists()[k]->SetTempValue(i < 5 ? hostile[i] : 1.0);
                source->AddXY(i, i);
            }
            blocks << source->WriteData();
        }
        TChartSeries *series = addByName(chart, className);
        series->Marks()->SetVisible(true);
        if (auto *target = qobject_cast<TChartShape *>(series))
            target->SetXYStyle(xysPixels);
        for (const QByteArray &block : blocks) {
            series->ReadData(block);
            for (const bool view3D : {false, true}) {
                chart.SetView3D(view3D);
                chart.render();
                for (TChartAxis *axis : {chart.LeftAxis(), chart.BottomAxis()}) {
                    EXPECT_TRUE(std::isfinite(axis->Minimum()) && std::isfinite(axis->Maximum()));
                }
                for (int x = 0; x < chart.width(); x += 10)
                    for (int y = 0; y < chart.height(); y += 10)
                        series->Clicked(x, y);
            }
        }
        chart.RemoveSeries(series);
        std::unique_ptr<TChartSeries> removed(series);
    }
}
