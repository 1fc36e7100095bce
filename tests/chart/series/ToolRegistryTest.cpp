// The tool registry after start: the tools in gallery order, their descriptions read from the
// gallery texts, and one editor name per class through either lookup.
#include "ChartTestSupport.h"

#include "ChartClassRegistry.h"
#include "ChartLibrary.h"
#include "ChartTypeRegistries.h"
#include "PlotProCo.h"
#include "TPlotCustomTool.h"

#include <memory>

namespace {

class ToolRegistryTest : public ChartTest
{
};

struct RegisteredTool
{
    const char *className;
    const char *description;
    const char *editor;
};

// The gallery's order; a tool class added to the library is added here in its place.
const RegisteredTool kTools[] = {
    {"TCursorTool", "Cursor", "TCursorToolEditor"},
    {"TDragMarksTool", "Drag Marks", "TDragMarksToolEditor"},
    {"TAxisArrowTool", "Axis Arrows", "TAxisArrowToolEditor"},
    {"TDrawLineTool", "Draw Line", "TDrawLineEdit"},
    {"TNearestTool", "Nearest Point", "TNearestToolEdit"},
    {"TColorBandTool", "Color Band", "TColorBandToolEditor"},
    {"TColorLineTool", "Color Line", "TColorLineToolEditor"},
    {"TRotateTool", "Rotate", "TRotateToolEditor"},
    {"TChartImageTool", "Image", "TChartImageToolEditor"},
    {"TMarksTipTool", "Mark Tips", "TMarksTipToolEdit"},
    {"TAnnotationTool", "Annotation", "TAnnotationToolEdit"},
    {"TSeriesAnimationTool", "Series Animation", "TSeriesAnimToolEditor"},
    {"TGridBandTool", "Grid Band", "TGridBandToolEdit"},
    {"TAxisScrollTool", "Axis Scroll", "TAxisToolEditor"},
    {"TRectangleTool", "Rectangle", "TAnnotationToolEdit"},
    {"TClipSeriesTool", "Clip Series", "TSeriesToolEditor"},
    {"TPageNumTool", "Page Number", "TAnnotationToolEdit"},
};

std::unique_ptr<TPlotCustomTool> makeTool(const ChartClassDescriptor &descriptor)
{
    std::unique_ptr<QObject> made = descriptor.factory();
    auto *tool = qobject_cast<TPlotCustomTool *>(made.get());
    if (!tool)
        return {};
    made.release();
    return std::unique_ptr<TPlotCustomTool>(tool);
}

TEST_F(ToolRegistryTest, HoldsTheToolsInGalleryOrderWithTheirDescriptionsAndEditors)
{
    registerChartLibrary();
    const TPlotToolTypes &tools = PlotToolTypes();
    ASSERT_EQ(tools.Count(), int(std::size(kTools)));
    for (int i = 0; i < tools.Count(); ++i) {
        const RegisteredTool &expected = kTools[i];
        SCOPED_TRACE(expected.className);
        const ChartClassDescriptor &descriptor = *tools.GetItem(i);
        EXPECT_EQ(descriptor.name, QLatin1String(expected.className));
        const std::unique_ptr<TPlotCustomTool> tool = makeTool(descriptor);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->Description(), QLatin1String(expected.description));
        EXPECT_EQ(tool->GetEditorClassName(), QLatin1String(expected.editor));
        EXPECT_EQ(ChartClassRegistry::instance().editorClassName(*tool), QLatin1String(expected.editor));
    }
}

TEST_F(ToolRegistryTest, ATranslatedGalleryTextRenamesATool)
{
    const ChartClassDescriptor *rotate = ChartClassRegistry::instance().find(QStringLiteral("TRotateTool"));
    ASSERT_NE(rotate, nullptr);
    const std::unique_ptr<TPlotCustomTool> tool = makeTool(*rotate);
    const int tools = PlotToolTypes().Count();
    PlotProCo::setText(PlotProCo::txtRotate, QStringLiteral("Drehen"));
    EXPECT_EQ(tool->Description(), QStringLiteral("Drehen"));
    PlotProCo::SetGalleryTexts();
    EXPECT_EQ(tool->Description(), QStringLiteral("Rotate"));
    EXPECT_EQ(PlotToolTypes().Count(), tools);
    EXPECT_EQ(PageNumberToolClass, ChartClassRegistry::instance().find(QStringLiteral("TPageNumTool")));
}

} // namespace
