// The type registries, the gallery texts and the colour palettes.
#include "ChartClassRegistry.h"
#include "ChartLibrary.h"
#include "ChartTestSupport.h"
#include "ChartTypeRegistries.h"
#include "ColorPalettes.h"
#include "PlotColor.h"
#include "PlotConst.h"
#include "PlotProCo.h"
#include "PlotProcs.h"
#include "ChartUnits.h"
#include "PlotFunctions.h"
#include "TBarSeries.h"
#include "TCursorTool.h"
#include "TCustomPlotFunction.h"
#include "TFastLineSeries.h"
#include "THorizBarSeries.h"
#include "TLineSeries.h"
#include "TPieSeries.h"

#include <array>
#include <deque>

namespace {

using RegistriesTest = ChartTest;

// Classes the registries know only by descriptor: nothing here makes them.
ChartClassDescriptor namedClass(const char *name)
{
    ChartClassDescriptor descriptor;
    descriptor.name = QString::fromLatin1(name);
    return descriptor;
}
const ChartClassDescriptor kTestFunction = namedClass("TTestRegistryFunction");

TEST_F(RegistriesTest, TheStartRegistersTheSeriesTypesOnceInGalleryOrder)
{
    registerChartLibrary();
    struct Expected
    {
        const char *className;
        const char *description;
        int numGallerySeries;
    };
    const std::array<Expected, 9> expected{{{"TLineSeries", "Line", 2},
                                            {"TBarSeries", "Bar", 2},
                                            {"THorizBarSeries", "Horizontal\rBar", 2},
                                            {"TAreaSeries", "Area", 2},
                                            {"TPointSeries", "Point", 2},
                                            {"TPieSeries", "Pie", 1},
                                            {"TFastLineSeries", "Fast Line", 2},
                                            {"THorizLineSeries", "Horizontal\rLine", 1},
                                            {"THorizAreaSeries", "Horizontal\rArea", 1}}};
    // The first nine series records without a function are the standard types, in this order.
    const TPlotSeriesTypes &types = PlotSeriesTypes();
    std::vector<const TPlotSeriesType *> series;
    for (int i = 0; i < types.Count(); ++i)
        if (types.GetItem(i).SeriesClass && !types.GetItem(i).FunctionClass)
            series.push_back(&types.GetItem(i));
    ASSERT_GE(series.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const Expected &e = expected[k];
        SCOPED_TRACE(e.className);
        EXPECT_EQ(series[k]->SeriesClass->name, QString::fromLatin1(e.className));
        EXPECT_EQ(series[k]->Description.text(), QString::fromLatin1(e.description));
        EXPECT_EQ(series[k]->GalleryPage.text(), QStringLiteral("Standard"));
        EXPECT_EQ(series[k]->NumGallerySeries, e.numGallerySeries);
    }
}

TEST_F(RegistriesTest, TheFunctionsFollowInGalleryOrder)
{
    const char *const expected[] = {"Add",  "Subtract", "Multiply", "Divide", "High",
                                    "Low",  "Average",  "y = f(x)", "Median", "Mode"};
    const TPlotSeriesTypes &types = PlotSeriesTypes();
    std::size_t next = 0;
    for (int i = 0; i < types.Count() && next < std::size(expected); ++i) {
        const TPlotSeriesType &type = types.GetItem(i);
        if (type.SeriesClass || !type.FunctionClass || type.Description.text() != QString::fromLatin1(expected[next]))
            continue;
        EXPECT_EQ(type.GalleryPage.text(), QStringLiteral("Standard"));
        EXPECT_EQ(type.NumGallerySeries, 2);
        ++next;
    }
    EXPECT_EQ(next, std::size(expected));
    // Registering again adds nothing, through the start or directly.
    const int count = types.Count();
    registerChartLibrary();
    RegisterStandardSeries();
    EXPECT_EQ(types.Count(), count);
}

TEST_F(RegistriesTest, ATranslationRenamesTheSeriesAndFunctionRecords)
{
    const auto description = [](const QMetaObject &seriesClass, const QMetaObject *functionClass) {
        const TPlotSeriesType *type = PlotSeriesTypes().find(&registeredClass(seriesClass),
                                                             functionClass ? &registeredClass(*functionClass) : nullptr);
        return type ? type->Description.text() : QString();
    };
    const int count = PlotSeriesTypes().Count();
    PlotConst::setMessage(PlotConst::msgGalleryBar, QStringLiteral("Balken"));
    PlotConst::setMessage(PlotConst::msgFunctionAdd, QStringLiteral("Summe"));
    const TPlotSeriesType *add = nullptr;
    for (int i = 0; i < PlotSeriesTypes().Count(); ++i)
        if (PlotSeriesTypes().GetItem(i).FunctionClass == &registeredClass(TAddPlotFunction::staticMetaObject))
            add = &PlotSeriesTypes().GetItem(i);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(description(TBarSeries::staticMetaObject, nullptr), QStringLiteral("Balken"));
    EXPECT_EQ(add->Description.text(), QStringLiteral("Summe"));
    PlotConst::SetLibraryMessages();
    EXPECT_EQ(description(TBarSeries::staticMetaObject, nullptr), QStringLiteral("Bar"));
    EXPECT_EQ(add->Description.text(), QStringLiteral("Add"));
    EXPECT_EQ(PlotSeriesTypes().Count(), count);
}

TEST_F(RegistriesTest, SampleCountsAndEditorNamesOfTheNewTypes)
{
    TestChart chart;
    auto *pie = chart.AddSeriesOfClass<TPieSeries>();
    pie->FillSampleValues(0);
    EXPECT_EQ(pie->Count(), 8);
    pie->SetActive(false);
    auto *alone = chart.AddSeriesOfClass<TBarSeries>();
    alone->FillSampleValues(0);
    EXPECT_EQ(alone->Count(), 6);
    alone->FillSampleValues(4);
    auto *beside = chart.AddSeriesOfClass<THorizBarSeries>();
    beside->FillSampleValues(0);
    EXPECT_EQ(beside->Count(), 4);

    const std::pair<QObject *, const char *> editors[] = {
        {alone, "TBarSeriesEditor"},
        {pie, "TPieSeriesEditor"},
        {chart.AddSeriesOfClass<TFastLineSeries>(), "TFastLineSeriesEditor"},
    };
    for (const auto &[object, name] : editors) {
        EXPECT_EQ(qobject_cast<TCustomChartElement *>(object)->GetEditorClassName(), QString::fromLatin1(name));
        EXPECT_EQ(ChartClassRegistry::instance().editorClassName(*object), QString::fromLatin1(name));
    }
    const TAveragePlotFunction average;
    const TCustomPlotFunction custom;
    const TAddPlotFunction add;
    const std::pair<const TPlotFunction *, const char *> functions[] = {
        {&average, "TAverageFuncEditor"}, {&custom, "TCustomFunctionEditor"}, {&add, "TPlotFunctionEditor"}};
    for (const auto &[function, name] : functions) {
        EXPECT_EQ(function->GetEditorClassName(), QString::fromLatin1(name));
        EXPECT_EQ(ChartClassRegistry::instance().editorClassName(*function), QString::fromLatin1(name));
    }
}

// The registries live as long as the process: a function class of its own for each run keeps the
// test below true when it runs again.
const ChartClassDescriptor &functionNewToThisRun()
{
    static std::deque<ChartClassDescriptor> made;
    ChartClassDescriptor &function = made.emplace_back(kTestFunction);
    function.name += QString::number(made.size());
    return function;
}

TEST_F(RegistriesTest, RegisteringAgainAddsOnlyANewSeriesAndFunctionPairOrANewTool)
{
    const ChartClassDescriptor &line = registeredClass(TLineSeries::staticMetaObject);
    const ChartTextRef name = ChartTextRef::library(PlotConst::msgGalleryLine);
    const ChartClassDescriptor &function = functionNewToThisRun();
    const int before = PlotSeriesTypes().Count();
    RegisterPlotBasicSeries(&line, name);
    EXPECT_EQ(PlotSeriesTypes().Count(), before);
    RegisterPlotSeriesFunction(&line, &function, name, name, 1);
    RegisterPlotSeriesFunction(&line, &function, name, name, 1);
    EXPECT_EQ(PlotSeriesTypes().Count(), before + 1);
    EXPECT_EQ(PlotSeriesTypes().FindSeriesType(&line)->FunctionClass, nullptr);

    // The start registered the cursor tool, for the gallery and for streaming by name.
    const ChartClassDescriptor &cursor = registeredClass(TCursorTool::staticMetaObject);
    ASSERT_GE(PlotToolTypes().IndexOf(&cursor), 0);
    const int tools = PlotToolTypes().Count();
    RegisterPlotTools({&cursor});
    registerChartLibrary();
    EXPECT_EQ(PlotToolTypes().Count(), tools);
    const std::unique_ptr<QObject> made = ChartClassRegistry::instance().create(QStringLiteral("TCursorTool"));
    ASSERT_NE(qobject_cast<TCursorTool *>(made.get()), nullptr);
    EXPECT_EQ(ChartClassRegistry::instance().editorClassName(*made), QStringLiteral("TCursorToolEditor"));
}

TEST_F(RegistriesTest, RecordsReadTheirTextsByNumberSoATranslationRenamesThem)
{
    TestChart chart;
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    PlotConst::setMessage(PlotConst::msgGalleryLine, QStringLiteral("Linie"));
    EXPECT_EQ(GetGallerySeriesName(*series), QStringLiteral("Linie"));
    PlotConst::SetLibraryMessages();
    EXPECT_EQ(GetGallerySeriesName(*series), QStringLiteral("Line"));

    const TCursorTool cursor;
    PlotProCo::setText(97, QStringLiteral("Kursor"));
    EXPECT_EQ(cursor.Description(), QStringLiteral("Kursor"));
    PlotProCo::SetGalleryTexts();
    EXPECT_EQ(cursor.Description(), QStringLiteral("Cursor"));
}

TEST(GalleryTextsTest, HoldTheEnglishTextsAndIgnoreNumbersOutsideTheTable)
{
    PlotProCo::SetGalleryTexts();
    const std::array<std::pair<int, QString>, 7> expected{{{1, QStringLiteral("Polar")},
                                                           {10, QStringLiteral("Cursor")},
                                                           {20, QStringLiteral("Horizontal\rBoxPlot")},
                                                           {73, QStringLiteral("Rotation: %d° Elevation: %d°")},
                                                           {155, QStringLiteral("0.00 %")},
                                                           {169, QStringLiteral("Page Number")},
                                                           {223, QStringLiteral("Data Table")}}};
    for (const auto &[number, text] : expected)
        EXPECT_EQ(PlotProCo::text(number), text) << number;
    EXPECT_EQ(PlotProCo::text(0), QString());
    EXPECT_EQ(PlotProCo::text(PlotProCo::kGalleryTextCount + 1), QString());

    QStringList before;
    for (int n = 1; n <= PlotProCo::kGalleryTextCount; ++n)
        before << PlotProCo::text(n);
    PlotProCo::setText(0, QStringLiteral("x"));
    PlotProCo::setText(224, QStringLiteral("x"));
    QStringList after;
    for (int n = 1; n <= PlotProCo::kGalleryTextCount; ++n)
        after << PlotProCo::text(n);
    EXPECT_EQ(after, before);
}

TEST(ColorPalettesTest, NamesAndTableSizesFollowThePaletteIndex)
{
    const QStringList names{"Default", "Excel", "Victorian", "Pastels", "Solid",
                            "Classic", "Web",   "Modern",    "Rainbow", "Win. XP"};
    EXPECT_EQ(TColorPalettes::instance().names(), names);
    const std::array<int, 10> sizes{0, 22, 11, 14, 8, 12, 9, 14, 25, 13};
    for (int index = 0; index < int(sizes.size()); ++index)
        EXPECT_EQ(int(TColorPalettes::colors(index).size()), sizes[std::size_t(index)]) << names[index].toStdString();
    EXPECT_TRUE(TColorPalettes::colors(10).empty());
    EXPECT_TRUE(TColorPalettes::colors(-1).empty());
}

class ApplyPaletteTest : public ChartTest
{
protected:
    void addSeries(TestChart &chart, int count)
    {
        for (int i = 0; i < count; ++i)
            chart.AddSeriesOfClass<TLineSeries>();
    }
    static QString rgbOf(const TChartSeries *series) { return PlotColor::toQColor(series->Color()).name(); }
};

TEST_F(ApplyPaletteTest, PastelsAreCopiedIntoTheChartInTableOrder)
{
    TestChart chart;
    TColorPalettes::ApplyPalette(chart, 3);
    ASSERT_EQ(chart.ColorPalette.size(), 14u);
    EXPECT_EQ(PlotColor::toQColor(chart.ColorPalette.front()).name(), QStringLiteral("#ccffff"));
    EXPECT_EQ(PlotColor::toQColor(chart.ColorPalette.back()).name(), QStringLiteral("#ccffcc"));
    EXPECT_EQ(chart.ColorPaletteIndex(), 3);
}

TEST_F(ApplyPaletteTest, SeriesTakeThePaletteColoursOfTheirPositions)
{
    TestChart chart;
    addSeries(chart, 3);
    TColorPalettes::ApplyPalette(chart, 4);
    EXPECT_EQ(rgbOf(chart.GetSeries(0)), QStringLiteral("#0000ff"));
    EXPECT_EQ(rgbOf(chart.GetSeries(1)), QStringLiteral("#ff0000"));
    EXPECT_EQ(rgbOf(chart.GetSeries(2)), QStringLiteral("#00ff00"));
}

TEST_F(ApplyPaletteTest, AnIndexWithoutTableEmptiesThePalette)
{
    for (const int index : {0, 12}) {
        TestChart chart;
        addSeries(chart, 2);
        TColorPalettes::ApplyPalette(chart, 3);
        TColorPalettes::ApplyPalette(chart, index);
        EXPECT_TRUE(chart.ColorPalette.empty()) << index;
        EXPECT_EQ(chart.ColorPaletteIndex(), index);
        EXPECT_EQ(chart.GetSeries(1)->Color(), PlotProcs::GetDefaultColor(1)) << index;
    }
}

TEST_F(ApplyPaletteTest, APaletteBelongsToItsChartAlone)
{
    TestChart chartA;
    TestChart chartB;
    addSeries(chartA, 2);
    addSeries(chartB, 2);
    const TColor firstDefault = PlotProcs::GetDefaultColor(0);
    const TColor colorB0 = chartB.GetSeries(0)->Color();
    const TColor colorB1 = chartB.GetSeries(1)->Color();
    TColorPalettes::ApplyPalette(chartA, 3);
    EXPECT_EQ(chartA.GetSeries(0)->Color(), 0xFFFFCCu);
    EXPECT_EQ(chartB.GetSeries(0)->Color(), colorB0);
    EXPECT_EQ(chartB.GetSeries(1)->Color(), colorB1);
    EXPECT_EQ(PlotProcs::GetDefaultColor(0), firstDefault);
}

} // namespace
