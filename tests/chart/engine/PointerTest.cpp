// Series pointer and callouts on the recording canvas: shapes, colours, sizes, solids, mark lengths.
#include "EngineTestSupport.h"
#include "PlotExceptions.h"
#include "TCallout.h"
#include "TSeriesPointer.h"

#include <gtest/gtest.h>

namespace {

class PointerTest : public testing::Test
{
protected:
    PointerTest() { canvas.clear(); }

    const RecordedCall &only(const QString &op) const
    {
        const auto &calls = canvas.calls();
        const auto it = std::find_if(calls.begin(), calls.end(), [&](const RecordedCall &c) { return c.op == op; });
        EXPECT_NE(it, calls.end()) << op.toStdString();
        EXPECT_EQ(canvas.count(op), 1) << op.toStdString();
        return *it;
    }

    StubAxisHost host;
    RecordingCanvas &canvas = host.canvas;
    StubSeries series;
    TSeriesPointer pointer{&series, &host};
};

} // namespace

TEST_F(PointerTest, ShapesAroundThePoint)
{
    pointer.Draw(100, 50, clRed, psRectangle);
    EXPECT_EQ(only(QStringLiteral("Rectangle")).args, std::vector<int>({96, 46, 105, 55}));
    const struct { TSeriesPointerStyle style; TPointArray points; } cases[] = {
        {psTriangle, {{96, 54}, {104, 54}, {100, 46}}},
        {psDownTriangle, {{96, 46}, {104, 46}, {100, 54}}},
        {psDiamond, {{96, 50}, {100, 46}, {104, 50}, {100, 54}}},
        {psLeftTriangle, {{96, 50}, {104, 54}, {104, 46}}},
        {psRightTriangle, {{104, 50}, {96, 54}, {96, 46}}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.style);
        canvas.clear();
        pointer.Draw(100, 50, clRed, c.style);
        EXPECT_EQ(only(QStringLiteral("Polygon")).points, c.points);
    }
    canvas.clear();
    pointer.Draw(100, 50, clRed, psNothing);
    EXPECT_TRUE(canvas.calls().empty());
    int left = 0;
    int right = 3;
    pointer.CalcHorizMargins(left, right);
    EXPECT_EQ(std::pair(left, right), std::pair(5, 5));
}

TEST_F(PointerTest, DefaultColoursFollowThePointAndHatchesTurnBlack)
{
    pointer.Draw(100, 50, clRed, psRectangle);
    EXPECT_EQ(only(QStringLiteral("Rectangle")).brushColor, clRed);
    canvas.clear();
    pointer.Brush()->SetColor(clDefault);
    pointer.Brush()->SetStyle(bsCross);
    pointer.Pen()->SetColor(clDefault);
    pointer.Draw(100, 50, clBlue, psRectangle);
    EXPECT_EQ(only(QStringLiteral("Rectangle")).brushColor, clBlack);
    EXPECT_EQ(only(QStringLiteral("Rectangle")).penColor, clBlue);
}

TEST_F(PointerTest, SizesBelowOneRaiseButChangeSizeAcceptsThem)
{
    try {
        pointer.SetHorizSize(0);
        FAIL();
    } catch (const ChartException &e) {
        EXPECT_STREQ(e.what(), "Pointer size must be greater than zero");
    }
    EXPECT_THROW(pointer.SetVertSize(-3), ChartException);
    EXPECT_EQ(pointer.HorizSize(), 4);
    pointer.ChangeHorizSize(0);
    pointer.ChangeVertSize(-2);
    EXPECT_EQ(pointer.HorizSize(), 0);
    for (const TSeriesPointerStyle style : {psRectangle, psCircle, psTriangle, psStar, psDiamond, psSmallDot})
        pointer.Draw(10, 10, clRed, style);
    EXPECT_FALSE(canvas.calls().empty());
}

TEST_F(PointerTest, SizesOfNoneAndBelowDrawTheOrderedBoxAndNoCircle)
{
    // A pointer that a series sizes itself: a bar from x + h to x - h, a bubble of radius 0.
    pointer.DrawPointer(canvas, false, 100, 50, -10, 4, clRed, psRectangle);
    EXPECT_EQ(only(QStringLiteral("Rectangle")).args, std::vector<int>({90, 46, 111, 55}));
    canvas.clear();
    pointer.DrawPointer(canvas, false, 100, 50, 0, 0, clRed, psCircle);
    pointer.DrawPointer(canvas, false, 100, 50, 5, -1, clRed, psCircle);
    EXPECT_TRUE(canvas.calls().empty());
    canvas.InitWindow(nullptr, &host.options, clWhite, true, {0, 0, 400, 250});
    canvas.CalcProjection(100, {0, 0, 400, 250});
    canvas.setLogSolids(true);
    canvas.clear();
    pointer.DrawPointer(canvas, true, 100, 50, -10, -4, clRed, psRectangle);
    EXPECT_EQ(only(QStringLiteral("Cube")).args, std::vector<int>({90, 110, 46, 54, 0, 0, 1}));
}

TEST_F(PointerTest, SolidsIn3DFromStartToEndDepth)
{
    canvas.InitWindow(nullptr, &host.options, clWhite, true, {0, 0, 400, 250});
    canvas.CalcProjection(100, {0, 0, 400, 250});
    canvas.setLogSolids(true);
    series.startZ = 10;
    series.endZ = 30;
    canvas.clear();
    pointer.Draw(100, 50, clRed, psRectangle);
    EXPECT_EQ(only(QStringLiteral("Cube")).args, std::vector<int>({96, 104, 46, 54, 10, 30, 1}));
    canvas.clear();
    pointer.Draw(100, 50, clRed, psTriangle);
    EXPECT_EQ(only(QStringLiteral("Pyramid")).args.size(), 8u);
    canvas.clear();
    pointer.SetDraw3D(false);
    pointer.Draw(100, 50, clRed, psRectangle);
    EXPECT_EQ(canvas.count(QStringLiteral("Cube")), 0);
}

TEST_F(PointerTest, GradientAndTransparencyStayInsideTheShape)
{
    pointer.Gradient()->SetVisible(true);
    pointer.SetTransparency(40);
    pointer.Draw(100, 50, clLime, psCircle);
    const QStringList ops = canvas.opNames();
    EXPECT_EQ(ops, QStringList({"BeginBlending", "Ellipse", "ClipEllipse", "GradientFill", "UnClipRectangle",
                                "EndBlending"}));
    EXPECT_EQ(pointer.Gradient()->EndColor(), clLime);
    canvas.clear();
    pointer.Draw(100, 50, clRed, psCross);
    EXPECT_EQ(canvas.count(QStringLiteral("ClipRectangle")) + canvas.count(QStringLiteral("ClipPolygon")), 0);
}

TEST(TMarksCallout, LengthAndDistanceMoveTheMarkUp)
{
    TMarksCallout callout;
    callout.SetDistance(2);
    TSeriesMarkPosition position;
    position.LeftTop = {20, 40};
    position.ArrowTo = {30, 60};
    position.ArrowFrom = {30, 80};
    callout.ApplyLength(position);
    EXPECT_EQ(position.LeftTop, TPoint({20, 30}));
    EXPECT_EQ(position.ArrowTo, TPoint({30, 50}));
    EXPECT_EQ(position.ArrowFrom, TPoint({30, 78}));
    EXPECT_FALSE(callout.Visible());
    EXPECT_EQ(callout.Arrow()->Color(), clWhite);
}

TEST(TCallout, ArrowThenMarkerOrHead)
{
    StubAxisHost host;
    TCallout callout(nullptr, &host);
    callout.Draw(clRed, {10, 10}, 0, {60, 10});
    EXPECT_EQ(host.canvas.opNames(), QStringList({"Line", "Rectangle"}));
    EXPECT_EQ(host.canvas.calls(QStringLiteral("Line"))[0].penColor, clWhite);
    EXPECT_EQ(host.canvas.calls(QStringLiteral("Rectangle"))[0].brushColor, clBlack);
    host.canvas.clear();
    callout.SetArrowHead(ahSolid);
    callout.Draw(clRed, {10, 10}, 0, {60, 10});
    EXPECT_EQ(host.canvas.count(QStringLiteral("Polygon")), 1); // the filled arrow, no marker
    EXPECT_EQ(host.canvas.count(QStringLiteral("Rectangle")), 0);
}
