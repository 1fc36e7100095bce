// Shape series: its two points, what it draws where, its text and its hit test by style.
#include "SeriesDrawTestSupport.h"

#include "TChartShape.h"

namespace {

class ShapeSeriesTest : public SeriesDrawTestBase
{
protected:
    static constexpr TColor kPen = 0x123456;

    // A shape in pixels over (left, top)-(right, bottom).
    TChartShape *addInPixels(TChartShapeStyle style, const TRect &r)
    {
        auto *shape = add<TChartShape>();
        shape->SetXYStyle(xysPixels);
        shape->SetStyle(style);
        shape->Pen()->SetColor(kPen);
        shape->SetX0(r.left);
        shape->SetY0(r.top);
        shape->SetX1(r.right);
        shape->SetY1(r.bottom);
        return shape;
    }
};

} // namespace

TEST_F(ShapeSeriesTest, ANewShapeHasTwoPointsAndTheAccessorsSurviveAClear)
{
    auto *shape = add<TChartShape>();
    ASSERT_EQ(shape->Count(), 2);
    EXPECT_EQ((std::vector<double>{shape->X0(), shape->Y0(), shape->X1(), shape->Y1()}),
              (std::vector<double>{0, 0, 100, 100}));
    EXPECT_EQ(shape->Style(), chasCircle);
    EXPECT_EQ(shape->Brush()->Color(), clWhite);

    shape->Clear();
    EXPECT_EQ(shape->Y0(), 0.0);
    shape->SetX1(40);
    ASSERT_EQ(shape->Count(), 2);
    EXPECT_EQ((std::vector<double>{shape->X0(), shape->Y0(), shape->X1(), shape->Y1()}),
              (std::vector<double>{0, 0, 40, 100}));
}

TEST_F(ShapeSeriesTest, AShapeOfOtherThanTwoPointsDrawsNothingAndIsNeverHit)
{
    TChartShape *shape = addInPixels(chasRectangle, {100, 50, 200, 150});
    draw();
    EXPECT_EQ(callsInPen(QStringLiteral("Rectangle"), kPen).size(), 1u);
    EXPECT_EQ(shape->Clicked(150, 100), 0);
    shape->AddXY(150, 100);
    draw();
    EXPECT_TRUE(callsInPen(QStringLiteral("Rectangle"), kPen).empty());
    EXPECT_EQ(shape->Clicked(150, 100), -1);
}

TEST_F(ShapeSeriesTest, AShapeInPixelsIgnoresTheAxesAndLiesFlatOnA3DChart)
{
    addInPixels(chasRectangle, {100, 50, 200, 150});
    const std::vector<int> expected{100, 50, 201, 151};
    for (const bool view3D : {false, true}) {
        SCOPED_TRACE(view3D);
        chart.BottomAxis()->SetMinMax(0, 10);
        draw(view3D);
        const std::vector<RecordedCall> drawn = callsInPen(QStringLiteral("Rectangle"), kPen);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].args, expected);
        chart.BottomAxis()->SetMinMax(5, 50); // scrolled and zoomed
        draw(view3D);
        ASSERT_EQ(callsInPen(QStringLiteral("Rectangle"), kPen).size(), 1u);
        EXPECT_EQ(callsInPen(QStringLiteral("Rectangle"), kPen)[0].args, expected);
    }
}

TEST_F(ShapeSeriesTest, AShapeOutsideTheChartRectangleRecordsNoCall)
{
    TChartShape *shape = addInPixels(chasStar, {-60, -60, -10, -10});
    shape->SetText({QStringLiteral("far")});
    const auto shapeCalls = [&] {
        int n = 0;
        for (const RecordedCall &call : canvas->calls())
            n += (call.penColor == kPen || call.text == QStringLiteral("far")) ? 1 : 0;
        return n;
    };
    draw();
    EXPECT_EQ(shapeCalls(), 0);
    shape->SetX0(100); // now reaches into the chart
    shape->SetY0(100);
    draw();
    EXPECT_GT(shapeCalls(), 0);
}

TEST_F(ShapeSeriesTest, ALineKeepsTheDirectionOfItsPoints)
{
    auto *shape = add<TChartShape>(); // (0, 0) to (100, 100) in axis values
    shape->SetStyle(chasLine);
    shape->Pen()->SetColor(kPen);
    draw();
    const std::vector<RecordedCall> lines = callsInPen(QStringLiteral("Line"), kPen);
    ASSERT_EQ(lines.size(), 1u);
    const TRect &r = chart.ChartRect;
    const TPoint from = pixelOf(*shape, 0);
    const TPoint to = pixelOf(*shape, 1);
    EXPECT_EQ(lines[0].args, std::vector<int>({from.x, from.y, to.x, to.y}));
    EXPECT_GT(from.y, to.y); // from the bottom left to the top right
    EXPECT_LT(from.x, to.x);
    EXPECT_TRUE(from.x >= r.left && to.x <= r.right);
}

TEST_F(ShapeSeriesTest, TextLinesStandInsideTheShapeAndNeverInTheColourOfTheFill)
{
    TChartShape *shape = addInPixels(chasRectangle, {100, 50, 300, 150});
    shape->SetText({QStringLiteral("a"), QStringLiteral("bb"), QStringLiteral("ccc")});
    shape->SetAlignment(taRightJustify);
    shape->Pen()->SetWidth(1);
    draw();
    const std::vector<RecordedCall> texts = canvas->calls(QStringLiteral("TextOut"));
    ASSERT_GE(texts.size(), 3u);
    const int h = 12; // the fake metrics: 7 pixels a character, 12 high
    const int first = 100 - 18; // cy - round(3 h / 2)
    for (int i = 0; i < 3; ++i) {
        const RecordedCall &t = texts[texts.size() - 3 + std::size_t(i)];
        SCOPED_TRACE(t.text.toStdString());
        EXPECT_EQ(t.args[0], 300 - 1 - 7 * (i + 1) - 4);
        EXPECT_EQ(t.args[1], first + i * h);
    }

    struct Case
    {
        TColor brush;
        TColor font;
        TColor drawn;
    };
    const Case cases[] = {{clBlack, clBlack, clWhite},
                          {clBlack, clWindowText, clWhite}, // the system colour is black too
                          {clRed, clRed, clBlack},
                          {clRed, clBlue, clBlue}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.brush << " " << c.font);
        shape->SetSeriesColor(c.brush);
        shape->Font()->SetColor(c.font);
        draw();
        EXPECT_EQ(canvas->calls(QStringLiteral("TextOut")).back().fontColor, c.drawn);
    }
}

TEST_F(ShapeSeriesTest, TheHitTestFollowsTheStyleAsDrawn)
{
    struct Case
    {
        TChartShapeStyle style;
        TRect points; // X0, Y0, X1, Y1 in pixels
        TPoint click;
        int expected;
    };
    const TRect down{100, 50, 200, 150};
    const TRect up{200, 150, 100, 50}; // the same rectangle from its other corner
    const Case cases[] = {
        {chasCircle, down, {150, 100}, 0},
        {chasCircle, down, {105, 55}, -1},
        {chasTriangle, down, {150, 60}, 0},
        {chasTriangle, up, {150, 60}, 0},
        {chasTriangle, down, {110, 60}, -1},
        {chasTriangle, down, {110, 140}, 0},
        {chasInvertTriangle, down, {110, 140}, -1},
        {chasRectangle, down, {100, 50}, 0},
        {chasRectangle, up, {200, 150}, 0},
        {chasRectangle, down, {201, 150}, -1},
        {chasCube, down, {105, 55}, 0},
    };
    auto *shape = add<TChartShape>();
    shape->SetXYStyle(xysPixels);
    draw();
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.style << " at " << c.click.x << "," << c.click.y);
        shape->SetStyle(c.style);
        shape->SetX0(c.points.left);
        shape->SetY0(c.points.top);
        shape->SetX1(c.points.right);
        shape->SetY1(c.points.bottom);
        EXPECT_EQ(shape->Clicked(c.click.x, c.click.y), c.expected);
    }
}
