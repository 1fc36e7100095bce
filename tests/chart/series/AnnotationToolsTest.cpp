// The annotation and page number tools, laid out with the fake text metrics (7 pixels a
// character, 12 high) on a 400 x 250 chart.
#include "ToolTestSupport.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "PlotConst.h"
#include "TAnnotationTool.h"
#include "TPageNumTool.h"
#include "TRectangleTool.h"

#include <cmath>

namespace {

class AnnotationToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        canvas = &chart.useRecordingCanvas();
        tool = new TAnnotationTool(&chart);
        tool->SetParentChart(&chart);
        tool->SetText(QStringLiteral("abc"));
    }

    static std::vector<int> corners(const TRect &r) { return {r.left, r.top, r.right, r.bottom}; }

    RecordingCanvas *canvas = nullptr;
    TAnnotationTool *tool = nullptr;
};

TEST_F(AnnotationToolTest, TheBoxStandsAtItsCornerAndFitsTheText)
{
    struct Case { TAnnotationPosition position; QString text; std::vector<int> box; };
    const Case cases[] = {
        {ppLeftTop, QStringLiteral("abc"), {6, 8, 33, 24}},
        {ppRightBottom, QStringLiteral("abc"), {400 - 6 - 27, 250 - 6 - 16, 400 - 6, 250 - 6}},
        {ppLeftTop, QString(), {6, 8, 6 + 7 + 6, 8 + 16}},
        {ppLeftBottom, QStringLiteral("ab\rcdef"), {6, 250 - 6 - 28, 6 + 28 + 6, 250 - 6}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " " + std::to_string(c.position));
        tool->SetPosition(c.position);
        tool->SetText(c.text);
        EXPECT_EQ(corners(tool->BoxRect()), c.box);
    }
    // The text is written at the anchor, each line one line height lower.
    canvas->clear();
    chart.drawPass();
    const std::vector<RecordedCall> texts = canvas->calls(QStringLiteral("TextOut"));
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2].text, QStringLiteral("ab"));
    EXPECT_EQ(texts.back().text, QStringLiteral("cdef"));
    EXPECT_EQ(texts.back().args[1] - texts[texts.size() - 2].args[1], 12);
}

TEST_F(AnnotationToolTest, APercentPositionAnchorsAtTheChartsShare)
{
    tool->Shape()->SetCustomPosition(true);
    tool->SetPositionUnits(muPercent);
    tool->Shape()->SetLeft(50);
    tool->Shape()->SetTop(50);
    TPoint anchor;
    tool->BoxRect(&anchor);
    EXPECT_EQ(anchor, (TPoint{200, 125}));
}

TEST_F(AnnotationToolTest, SettingTheWidthEndsTheSizingToTheText)
{
    ASSERT_TRUE(tool->AutoSize());
    tool->SetWidth(tool->Width() + 30);
    EXPECT_FALSE(tool->AutoSize());
    EXPECT_TRUE(tool->IsWidthStored());
}

TEST_F(AnnotationToolTest, TheCalloutRunsFromTheNearestBoxEdgesToShortOfItsTarget)
{
    tool->Callout()->SetVisible(true);
    tool->Callout()->Arrow()->SetVisible(true);
    tool->Callout()->SetXPosition(200);
    tool->Callout()->SetYPosition(108);
    for (const int distance : {0, 5}) {
        SCOPED_TRACE(distance);
        tool->Callout()->SetDistance(distance);
        canvas->clear();
        chart.drawPass();
        const std::vector<RecordedCall> lines = canvas->calls(QStringLiteral("Line"));
        ASSERT_FALSE(lines.empty());
        const std::vector<int> &arrow = lines.back().args;
        // Between the box's right and bottom edges (33, 24) and the target, ending short of it.
        EXPECT_EQ(arrow[2], 33);
        EXPECT_EQ(arrow[3], 24);
        const double length = std::hypot(200.0 - arrow[0], 108.0 - arrow[1]);
        EXPECT_NEAR(length, distance, 0.75);
        // The marker stands at the arrow's target end, not on the box.
        const std::vector<RecordedCall> markers = canvas->calls(QStringLiteral("Rectangle"));
        ASSERT_FALSE(markers.empty());
        const std::vector<int> &marker = markers.back().args;
        EXPECT_NEAR((marker[0] + marker[2]) / 2.0, arrow[0], 1.0);
        EXPECT_NEAR((marker[1] + marker[3]) / 2.0, arrow[1], 1.0);
    }
    // With a head the arrow starts at the box, so that the head's tip is on the target.
    tool->Callout()->SetDistance(0);
    tool->Callout()->SetArrowHead(ahLine);
    canvas->setLogSolids(true);
    canvas->clear();
    chart.drawPass();
    const std::vector<RecordedCall> arrows = canvas->calls(QStringLiteral("Arrow"));
    ASSERT_EQ(arrows.size(), 1u);
    const std::vector<int> &ends = arrows[0].args;
    EXPECT_EQ((std::vector<int>{ends[1], ends[2], ends[3], ends[4]}), (std::vector<int>{33, 24, 200, 108}));
}

TEST_F(AnnotationToolTest, ThePageNumberFillsOnlyItsTwoNumbers)
{
    auto *pages = new TPageNumTool(&chart);
    pages->SetParentChart(&chart);
    EXPECT_EQ(pages->GetText(), QStringLiteral("Page 1 of 1"));
    auto *series = addDiagonal(50);
    Q_UNUSED(series);
    chart.SetMaxPointsPerPage(10);
    chart.SetPage(2);
    ASSERT_EQ(chart.NumPages(), 5);
    struct Case { QString format; QString shown; };
    const Case cases[] = {{pages->Format(), QStringLiteral("Page 2 of 5")},
                          {QStringLiteral("%s %n"), QStringLiteral("2 %n")},
                          {QStringLiteral("%d/%d %%"), QStringLiteral("2/5 %")},
                          {QStringLiteral("%d %d %d"), QStringLiteral("2 5 %d")}};
    for (const Case &c : cases) {
        pages->SetFormat(c.format);
        EXPECT_EQ(pages->GetText(), c.shown) << c.format.toStdString();
    }
}

TEST_F(AnnotationToolTest, ThePageNumbersDefaultFollowsTheLibraryTextAndIsNotStored)
{
    EXPECT_EQ(PageNumberToolClass, ChartClassRegistry::instance().find(QStringLiteral("TPageNumTool")));
    PlotConst::setMessage(PlotConst::msgPageOfPages, QStringLiteral("Seite %d von %d"));
    TPageNumTool german;
    EXPECT_EQ(german.Format(), QStringLiteral("Seite %d von %d"));
    EXPECT_FALSE(german.IsFormatStored());
    PlotConst::SetLibraryMessages();
    EXPECT_TRUE(german.IsFormatStored());
    TPageNumTool english;
    EXPECT_FALSE(english.IsFormatStored());
    EXPECT_EQ(english.GetText(), QStringLiteral("Page 1 of 1"));
}

class RectangleToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        tool = new TRectangleTool(&chart);
        tool->SetParentChart(&chart);
        show();
    }

    TRectangleTool *tool = nullptr;
};

TEST_F(RectangleToolTest, StartsAsAFixedTranslucentBoxWithAHand)
{
    EXPECT_FALSE(tool->AutoSize());
    EXPECT_EQ(tool->Shape()->Transparency(), 75);
    EXPECT_EQ(tool->Cursor(), -21);
    const TRect box = tool->BoxRect();
    EXPECT_EQ((std::vector<int>{box.left, box.top, box.right, box.bottom}), (std::vector<int>{10, 10, 60, 60}));
    QTest::mouseMove(&chart, {35, 35});
    EXPECT_EQ(chart.cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(RectangleToolTest, EdgesAreFoundLeftTopRightBottomAndShowTheirCursors)
{
    struct Case { QPoint at; TRectangleTool::TEdge edge; Qt::CursorShape shape; };
    const Case cases[] = {{{11, 11}, TRectangleTool::reLeft, Qt::SizeHorCursor},
                          {{58, 11}, TRectangleTool::reTop, Qt::SizeVerCursor},
                          {{58, 58}, TRectangleTool::reRight, Qt::SizeHorCursor},
                          {{35, 58}, TRectangleTool::reBottom, Qt::SizeVerCursor},
                          {{35, 35}, TRectangleTool::reNone, Qt::PointingHandCursor}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.edge);
        EXPECT_EQ(tool->ClickedEdge(c.at.x(), c.at.y()), c.edge);
        QTest::mouseMove(&chart, c.at);
        EXPECT_EQ(chart.cursor().shape(), c.shape);
    }
}

TEST_F(RectangleToolTest, DragsMoveTheBoxAndResizesStopThreePixelsShort)
{
    int dragged = 0, resized = 0;
    tool->OnDragged = [&](TRectangleTool *) { ++dragged; };
    tool->OnResized = [&](TRectangleTool *) { ++resized; };
    drag({35, 35}, {{45, 40}, {55, 45}});
    TRect box = tool->BoxRect();
    EXPECT_EQ((std::vector<int>{box.left, box.top, box.right, box.bottom}), (std::vector<int>{30, 20, 80, 70}));
    // The right edge dragged far past the left one, the bottom far above the top.
    drag({79, 45}, {{10, 45}});
    box = tool->BoxRect();
    EXPECT_EQ(box.right - box.left, 3);
    tool->Shape()->SetShapeBounds({30, 20, 80, 70});
    drag({55, 69}, {{55, 5}});
    box = tool->BoxRect();
    EXPECT_EQ(box.bottom - box.top, 3);
    EXPECT_EQ(dragged, 1);
    EXPECT_EQ(resized, 2);
}

} // namespace
