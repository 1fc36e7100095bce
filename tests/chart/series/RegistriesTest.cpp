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
#include "TCursorTool.h"
#include "TLineSeries.h"

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
    const std::array<Expected, 5> expected{{{"TLineSeries", "Line", 2},
                                            {"TAreaSeries", "Area", 2},
                                            {"TPointSeries", "Point", 2},
                                            {"THorizLineSeries", "Horizontal\rLine", 1},
                                            {"THorizAreaSeries", "Horizontal\rArea", 1}}};
    const TPlotSeriesTypes &types = PlotSeriesTypes();
    int previous = -1;
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.className);
        const ChartClassDescriptor *series = ChartClassRegistry::instance().find(QString::fromLatin1(e.className));
        const TPlotSeriesType *type = types.FindSeriesType(series);
        ASSERT_NE(type, nullptr);
        EXPECT_EQ(type->Description.text(), QString::fromLatin1(e.description));
        EXPECT_EQ(type->GalleryPage.text(), QStringLiteral("Standard"));
        EXPECT_EQ(type->NumGallerySeries, e.numGallerySeries);
        int index = 0;
        while (&types.GetItem(index) != type)
            ++index;
        EXPECT_GT(index, previous);
        previous = index;
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
