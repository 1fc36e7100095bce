// The draw line tool: drawing, selecting and dragging lines with the mouse, the rubber band over
// the screen buffer, and lines that cannot be drawn.
#include "ToolTestSupport.h"

#include "TDrawLineTool.h"

#include "PlotColor.h"

#include <cmath>
#include <limits>

namespace {

class DrawLineToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        addDiagonal()->SetSeriesColor(clBlue);
        tool = new TDrawLineTool(&chart);
        tool->SetParentChart(&chart);
        chart.OnBeforeDrawChart = [this](TCustomAxisPanel *) { ++contentsDraws; };
        show();
    }

    QPoint at(double x, double y) const
    {
        return {chart.BottomAxis()->ValueToPixel(x), chart.LeftAxis()->ValueToPixel(y)};
    }

    TDrawLine *addLine(double x0, double y0, double x1, double y1)
    {
        TDrawLine *line = tool->Lines().Add();
        line->SetX0(x0);
        line->SetY0(y0);
        line->SetX1(x1);
        line->SetY1(y1);
        chart.repaint();
        return line;
    }

    struct Values { double x0, y0, x1, y1; };
    static Values valuesOf(const TDrawLine &line) { return {line.X0(), line.Y0(), line.X1(), line.Y1()}; }
    void expectValues(const TDrawLine &line, const Values &v)
    {
        EXPECT_DOUBLE_EQ(line.X0(), v.x0);
        EXPECT_DOUBLE_EQ(line.Y0(), v.y0);
        EXPECT_DOUBLE_EQ(line.X1(), v.x1);
        EXPECT_DOUBLE_EQ(line.Y1(), v.y1);
    }

    TDrawLineTool *tool = nullptr;
    int contentsDraws = 0;
};

TEST_F(DrawLineToolTest, ADragOnEmptySpaceDrawsASelectedLineInAxisValues)
{
    int newLines = 0;
    tool->OnNewLine = [&](TDrawLineTool *) { ++newLines; };
    QTest::mouseClick(&chart, Qt::LeftButton, {}, at(20, 70));
    EXPECT_EQ(tool->Lines().Count(), 0);
    tool->Pen()->SetColor(clRed);
    const QPoint a = at(20, 70), b = at(60, 70);
    drag(a, {at(40, 70), b});
    ASSERT_EQ(tool->Lines().Count(), 1);
    EXPECT_EQ(newLines, 1);
    const TDrawLine &line = *tool->Lines().Item(0);
    expectValues(line, {chart.BottomAxis()->PixelToValue(a.x()), chart.LeftAxis()->PixelToValue(a.y()),
                        chart.BottomAxis()->PixelToValue(b.x()), chart.LeftAxis()->PixelToValue(b.y())});
    EXPECT_EQ(tool->Selected(), &line);
    // The line follows the axis: scrolled by 10, it ends where 50 was.
    const QPoint wasAt45 = at(45, 70), wasAt55 = at(55, 70);
    chart.BottomAxis()->Scroll(10, false);
    chart.repaint();
    const QImage image = buffer();
    EXPECT_EQ(QColor(image.pixel(wasAt45)), QColor(Qt::red));
    EXPECT_NE(QColor(image.pixel(wasAt55)), QColor(Qt::red));
}

TEST_F(DrawLineToolTest, DraggingAHandleMovesOneEndAndTheBodyMovesBoth)
{
    TDrawLine *line = addLine(20, 20, 60, 40);
    tool->SetSelected(line);
    chart.repaint();
    const QPoint shift = at(30, 30) - at(20, 20);
    drag(at(20, 20) + QPoint(2, -2), {at(30, 30) + QPoint(2, -2)});
    const Values afterStart = valuesOf(*line);
    EXPECT_NEAR(afterStart.x0, 30, 1.0);
    EXPECT_NEAR(afterStart.y0, 30, 1.0);
    EXPECT_DOUBLE_EQ(afterStart.x1, 60);
    EXPECT_DOUBLE_EQ(afterStart.y1, 40);

    const QPoint onBody((at(afterStart.x0, afterStart.y0) + at(60, 40)) / 2);
    drag(onBody, {onBody + shift});
    const TPoint start = tool->ScreenStart(*line), end = tool->ScreenEnd(*line);
    EXPECT_EQ(QPoint(start.x, start.y), at(afterStart.x0, afterStart.y0) + shift);
    EXPECT_EQ(QPoint(end.x, end.y), at(60, 40) + shift);
}

TEST_F(DrawLineToolTest, WithoutSelectionAClickOnALineStartsANewOne)
{
    addLine(20, 20, 60, 20);
    tool->SetEnableSelect(false);
    drag(at(40, 20), {at(40, 50)});
    EXPECT_EQ(tool->Lines().Count(), 2);
    EXPECT_EQ(tool->Selected(), tool->Lines().Item(1));
}

TEST_F(DrawLineToolTest, ALineWithItsOwnPenKeepsItWhenTheToolsPenChanges)
{
    TDrawLine *own = addLine(20, 20, 60, 20);
    TDrawLine *shared = addLine(20, 60, 60, 60);
    own->Pen()->SetColor(clRed);
    tool->Pen()->SetColor(clGreen);
    tool->SetSelected(nullptr);
    chart.repaint();
    const QImage image = buffer();
    EXPECT_EQ(QColor(image.pixel(at(40, 20))), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(at(40, 60))), QColor(PlotColor::ColorToRGB(clGreen) | 0xFF000000u));
    EXPECT_FALSE(shared->IsPenStored());
    EXPECT_TRUE(own->IsPenStored());
}

TEST_F(DrawLineToolTest, ARefusedSelectionDragsNoLineAndWritesNoneOnRelease)
{
    TDrawLine *selected = addLine(20, 20, 60, 20);
    TDrawLine *other = addLine(20, 60, 60, 60);
    tool->SetSelected(selected);
    tool->OnSelecting = [](TDrawLineTool *, TDrawLine *, bool &allow) { allow = false; };
    const Values before[] = {valuesOf(*selected), valuesOf(*other)};
    drag(at(40, 60), {at(45, 80), at(50, 90)});
    expectValues(*selected, before[0]);
    expectValues(*other, before[1]);
    EXPECT_EQ(tool->Selected(), selected);
    EXPECT_EQ(tool->Lines().Count(), 2);
}

TEST_F(DrawLineToolTest, TheRubberBandLeavesTheBufferAsItWasWithoutRedrawingTheChart)
{
    const QImage clean = buffer();
    const int draws = contentsDraws;
    const QPoint a = at(20, 80);
    QTest::mousePress(&chart, Qt::LeftButton, {}, a);
    QTest::mouseMove(&chart, at(50, 40));
    EXPECT_NE(buffer(), clean);
    QTest::mouseMove(&chart, at(70, 30));
    QTest::mouseMove(&chart, a);
    EXPECT_EQ(buffer(), clean);
    EXPECT_EQ(contentsDraws, draws);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, a);
    EXPECT_EQ(tool->Lines().Count(), 0);
}

TEST_F(DrawLineToolTest, ALineWithoutFinitePointsIsNeitherDrawnNorHit)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TDrawLine *line = addLine(20, nan, 60, 40);
    tool->SetSelected(line);
    addLine(0, 0, std::numeric_limits<double>::infinity(), 40);
    chart.repaint();
    EXPECT_EQ(tool->AnyLineAt(at(40, 30).x(), at(40, 30).y()), nullptr);
    drag(at(40, 30), {at(40, 35)});
    EXPECT_EQ(tool->Lines().Count(), 3);
    EXPECT_TRUE(std::isnan(line->Y0()));
}

} // namespace
