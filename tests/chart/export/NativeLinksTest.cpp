// Links between the components of a native chart file: every kind the writer streams comes back
// after save and read, in both forms, whether the linked component has a name or not.
#include "ChartClassRegistry.h"
#include "DemoCharts.h"
#include "ExportTestSupport.h"
#include "NativeChartFile.h"
#include "PlotFunctions.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TCursorTool.h"
#include "TLineSeries.h"
#include "TNearestTool.h"
#include "TPlotCustomTool.h"

#include <functional>
#include <memory>

namespace {

class NativeLinks : public ExportTest
{
};

// Where a linked component sits in its chart, in words that hold for a chart read back.
QString place(TCustomAxisPanel &chart, const QObject *component)
{
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        if (chart.GetSeries(i) == component)
            return QStringLiteral("series %1").arg(i);
        if (chart.GetSeries(i)->FunctionType() == component)
            return QStringLiteral("function of series %1").arg(i);
    }
    for (int i = 0; i < chart.Tools().Count(); ++i)
        if (chart.Tools().Item(i) == component)
            return QStringLiteral("tool %1").arg(i);
    return QStringLiteral("outside");
}

int customAxisIndex(TCustomAxisPanel &chart, const TChartAxis *axis)
{
    for (int i = 0; i < chart.CustomAxisCount(); ++i)
        if (chart.CustomAxis(i) == axis)
            return i;
    return -1;
}

// Every link of the chart, one line each, read through the components' own getters.
QStringList links(TCustomAxisPanel &chart)
{
    QStringList lines;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries *series = chart.GetSeries(i);
        const QString who = QStringLiteral("series %1 ").arg(i);
        for (const QObject *source : series->DataSources().Items())
            lines << who + QStringLiteral("takes data from ") + place(chart, source);
        if (series->FunctionType())
            lines << who + QStringLiteral("computes with ") + QString::fromLatin1(series->FunctionType()->metaObject()->className());
        if (series->CustomHorizAxis())
            lines << who + QStringLiteral("on custom horizontal axis %1").arg(customAxisIndex(chart, series->CustomHorizAxis()));
        if (series->CustomVertAxis())
            lines << who + QStringLiteral("on custom vertical axis %1").arg(customAxisIndex(chart, series->CustomVertAxis()));
    }
    for (int i = 0; i < chart.Tools().Count(); ++i) {
        TPlotCustomTool *tool = chart.Tools().Item(i);
        const QString who = QStringLiteral("tool %1 (%2) ").arg(i).arg(QString::fromLatin1(tool->metaObject()->className()));
        if (auto *seriesTool = qobject_cast<TPlotCustomToolSeries *>(tool); seriesTool && seriesTool->Series())
            lines << who + QStringLiteral("follows ") + place(chart, seriesTool->Series());
        if (auto *axisTool = qobject_cast<TPlotCustomToolAxis *>(tool); axisTool && axisTool->Axis())
            lines << who + QStringLiteral("on axis %1").arg(chart.Axes().IndexOf(axisTool->Axis()));
    }
    return lines;
}

// One tool of every registered class that derives from base, added to the chart.
std::vector<TPlotCustomTool *> addToolsOfEveryClass(TChart &chart, const QMetaObject &base)
{
    std::vector<TPlotCustomTool *> tools;
    for (const ChartClassDescriptor *descriptor : ChartClassRegistry::instance().descriptors()) {
        if (!descriptor->factory || !descriptor->metaObject->inherits(&base))
            continue;
        auto *tool = qobject_cast<TPlotCustomTool *>(descriptor->factory().release());
        chart.Tools().Add(tool);
        tools.push_back(tool);
    }
    return tools;
}

// A new line series fed by the sources, through the function when one is given.
TLineSeries *addFed(TChart &chart, std::initializer_list<QObject *> sources,
                    std::unique_ptr<TPlotFunction> function = nullptr)
{
    auto *fed = chart.AddSeriesOfClass<TLineSeries>();
    if (function)
        fed->SetFunction(function.release()); // the series owns its function
    for (QObject *source : sources)
        fed->AddCheckedDataSource(source);
    return fed;
}

} // namespace

TEST_F(NativeLinks, EveryKindOfLinkToNamedAndUnnamedComponentsComesBackInBothForms)
{
    // The chart of every case starts with the unnamed line series A and B (series 0 and 1).
    const struct
    {
        const char *name;
        std::function<void(TChart &)> link;
    } cases[] = {
        {"tools' series",
         [](TChart &chart) {
             for (TPlotCustomTool *tool : addToolsOfEveryClass(chart, TPlotCustomToolSeries::staticMetaObject))
                 qobject_cast<TPlotCustomToolSeries *>(tool)->SetSeries(chart.GetSeries(1));
         }},
        {"tools' axes, standard and custom",
         [](TChart &chart) {
             TChartAxis *custom = chart.AddCustomAxis();
             bool onCustom = false;
             for (TPlotCustomTool *tool : addToolsOfEveryClass(chart, TPlotCustomToolAxis::staticMetaObject)) {
                 qobject_cast<TPlotCustomToolAxis *>(tool)->SetAxis(onCustom ? custom : chart.BottomAxis());
                 onCustom = !onCustom;
             }
         }},
        {"a series' data source", [](TChart &chart) { addFed(chart, {chart.GetSeries(0)}); }},
        {"a function's two sources",
         [](TChart &chart) { addFed(chart, {chart.GetSeries(0), chart.GetSeries(1)}, std::make_unique<TAddPlotFunction>()); }},
        {"a source later in the file",
         [](TChart &chart) {
             auto *later = chart.AddSeriesOfClass<TLineSeries>();
             later->AddXY(0, 5);
             chart.GetSeries(0)->Clear();
             chart.GetSeries(0)->SetDataSource(later);
         }},
        {"a function's source that is itself computed",
         [](TChart &chart) {
             TLineSeries *average = addFed(chart, {chart.GetSeries(0)}, std::make_unique<TAveragePlotFunction>());
             addFed(chart, {average}, std::make_unique<THighPlotFunction>());
         }},
        {"custom axes of series",
         [](TChart &chart) {
             chart.GetSeries(0)->SetCustomVertAxis(chart.AddCustomAxis());
             chart.GetSeries(1)->SetCustomHorizAxis(chart.AddCustomAxis(true));
             chart.GetSeries(1)->SetCustomVertAxis(chart.CustomAxis(0));
         }},
        {"the nearest tool's and the cursor's series, named alike",
         [](TChart &chart) {
             chart.GetSeries(0)->setObjectName(QStringLiteral("Twin"));
             chart.GetSeries(1)->setObjectName(QStringLiteral("Twin"));
             auto *cursor = new TCursorTool(&chart);
             chart.Tools().Add(cursor);
             cursor->SetSeries(chart.GetSeries(1));
             for (TPlotCustomTool *tool : addToolsOfEveryClass(chart, TNearestTool::staticMetaObject))
                 qobject_cast<TPlotCustomToolSeries *>(tool)->SetSeries(chart.GetSeries(0));
         }},
        {"a name that a later unnamed component's file name would take",
         [](TChart &chart) {
             chart.GetSeries(1)->setObjectName(QStringLiteral("LineSeries1"));
             addFed(chart, {chart.GetSeries(0), chart.GetSeries(1)}, std::make_unique<TAddPlotFunction>());
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto chart = makeLineChart();
        c.link(*chart);
        // An untitled series' legend shows its name, which an unnamed one gets only in the file.
        for (int i = 0; i < chart->SeriesCount(); ++i)
            if (chart->GetSeries(i)->Title().isEmpty())
                chart->GetSeries(i)->SetTitle(QStringLiteral("S%1").arg(i));
        const QStringList made = links(*chart);
        ASSERT_FALSE(made.isEmpty());
        QStringList names;
        for (int i = 0; i < chart->SeriesCount(); ++i)
            names << chart->GetSeries(i)->objectName();
        const QImage picture = chart->CreateBitmap(clWhite, chart->GetRectangle());
        for (const bool textForm : {false, true}) {
            SCOPED_TRACE(textForm ? "text" : "binary");
            const QByteArray saved = SaveChartToBytes(*chart, true, textForm);
            const auto back = ReadChartFromBytes(saved);
            back->resize(chart->size());
            EXPECT_EQ(links(*back), made);
            EXPECT_EQ(back->CreateBitmap(clWhite, back->GetRectangle()), picture);
            // The names given in the file stay the same from one save to the next.
            EXPECT_EQ(SaveChartToBytes(*back, true, textForm), saved);
        }
        // The live components keep their names: a save changes nothing the program shows.
        for (int i = 0; i < chart->SeriesCount(); ++i)
            EXPECT_EQ(chart->GetSeries(i)->objectName(), names.value(i));
    }
}

TEST_F(NativeLinks, AnUnnamedLinkedComponentIsNamedInTheFileAsTheLibraryNamesNewOnes)
{
    const auto chart = makeLineChart();
    chart->GetSeries(0)->setObjectName(QStringLiteral("LineSeries1"));
    auto *cursor = new TCursorTool(chart.get());
    chart->Tools().Add(cursor);
    cursor->SetSeries(chart->GetSeries(1));
    addFed(*chart, {cursor->Series()});
    const QString saved = QString::fromLatin1(SaveChartToBytes(*chart, false, true));
    EXPECT_TRUE(saved.contains(QStringLiteral("  object LineSeries1: TLineSeries\r\n"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("  object LineSeries2: TLineSeries\r\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("    DataSource = LineSeries2\r\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("    Series = LineSeries2\r\n")));
    // Neither the fed series nor the cursor is linked to: they stay without a name.
    EXPECT_TRUE(saved.contains(QStringLiteral("  object TLineSeries\r\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("  object TCursorTool\r\n")));
    EXPECT_EQ(chart->GetSeries(1)->objectName(), QString());
}

TEST_F(NativeLinks, ALinkToAnotherChartsSeriesIsLeftOutSoTheFileReads)
{
    const auto chart = makeLineChart();
    const auto other = makeLineChart();
    other->GetSeries(0)->setObjectName(QStringLiteral("Elsewhere"));
    auto *cursor = new TCursorTool(chart.get());
    chart->Tools().Add(cursor);
    cursor->SetSeries(other->GetSeries(0));
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm ? "text" : "binary");
        const auto back = ReadChartFromBytes(SaveChartToBytes(*chart, true, textForm));
        ASSERT_EQ(back->Tools().Count(), 1);
        EXPECT_EQ(qobject_cast<TCursorTool *>(back->Tools().Item(0))->Series(), nullptr);
    }
}

TEST_F(NativeLinks, TheDemoChartReadBackDrawsAsSavedWithItsCursorOnTheWaterCurve)
{
    for (const bool view3D : {false, true}) {
        SCOPED_TRACE(view3D ? "3D" : "2D");
        TChart demo;
        demo.resize(640, 420);
        DemoCharts::fill(demo, view3D);
        const QImage picture = demo.CreateBitmap(clWhite, demo.GetRectangle());
        for (const bool textForm : {false, true}) {
            SCOPED_TRACE(textForm ? "text" : "binary");
            const auto back = ReadChartFromBytes(SaveChartToBytes(demo, true, textForm));
            back->resize(demo.size());
            ASSERT_EQ(back->Tools().Count(), 1);
            auto *cursor = qobject_cast<TCursorTool *>(back->Tools().Item(0));
            ASSERT_NE(cursor, nullptr);
            EXPECT_EQ(cursor->Series(), back->GetSeries(1));
            EXPECT_EQ(back->CreateBitmap(clWhite, back->GetRectangle()), picture);
        }
    }
}
