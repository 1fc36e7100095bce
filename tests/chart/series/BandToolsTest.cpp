// The colour line, colour band and grid band tools on a shown chart.
#include "ToolTestSupport.h"

#include "TColorLineTool.h"

#include "PlotColor.h"

#include <cmath>
#include <limits>

namespace {

class ColorLineToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        addDiagonal()->SetSeriesColor(clBlue);
        line = new TColorLineTool(&chart);
        line->SetAxis(chart.BottomAxis());
        line->Pen()->SetColor(clRed);
        chart.OnBeforeDrawChart = [this](TCustomAxisPanel *) { ++contentsDraws; };
        show();
    }

    // The column of the buffer where the pen shows, scanning a row in the middle of the plot.
    int redColumn()
    {
        const QImage image = buffer();
        const int y = (chart.ChartRect.top + chart.ChartRect.bottom) / 2 + 7;
        int found = -1;
        for (int x = chart.ChartRect.left; x <= chart.ChartRect.right; ++x)
            if (QColor(image.pixel(x, y)) == QColor(Qt::red))
                found = found == -1 ? x : -2;
        return found;
    }

    QPoint onLine(int x) const { return {x, (chart.ChartRect.top + chart.ChartRect.bottom) / 2}; }

    TColorLineTool *line = nullptr;
    int contentsDraws = 0;
};

TEST_F(ColorLineToolTest, ACentredLineStaysInTheMiddleOfTheScrolledAxis)
{
    line->SetStyle(clCenter);
    chart.repaint();
    EXPECT_EQ(redColumn(), chart.BottomAxis()->ValueToPixel(50));
    chart.BottomAxis()->Scroll(10, false);
    chart.repaint();
    EXPECT_EQ(redColumn(), chart.BottomAxis()->ValueToPixel(60));
}

TEST_F(ColorLineToolTest, ADragBeyondTheAxisEndStopsThereAndMakesTheLineCustom)
{
    line->SetStyle(clCenter);
    chart.repaint();
    int ends = 0;
    line->OnEndDragLine = [&](TColorLineTool *) { ++ends; };
    const int x = chart.BottomAxis()->ValueToPixel(50);
    drag(onLine(x), {onLine(x + 30), onLine(chart.width() - 2)});
    EXPECT_EQ(line->Style(), clCustom);
    EXPECT_DOUBLE_EQ(line->Value(), chart.BottomAxis()->PixelToValue(chart.BottomAxis()->EndPixel()));
    EXPECT_EQ(ends, 1);
    line->SetNoLimitDrag(true);
    const int at = chart.BottomAxis()->ValueToPixel(line->Value());
    drag(onLine(at), {onLine(chart.width() - 2)});
    EXPECT_GT(line->Value(), chart.BottomAxis()->Maximum());
}

TEST_F(ColorLineToolTest, OverTheLineTheCursorSplitsAcrossTheAxis)
{
    line->SetValue(40);
    chart.repaint();
    const int x = chart.BottomAxis()->ValueToPixel(40);
    QTest::mouseMove(&chart, onLine(x + 2));
    EXPECT_EQ(chart.cursor().shape(), Qt::SizeHorCursor);
    EXPECT_TRUE(chart.CancelMouse);
    QTest::mouseMove(&chart, onLine(x + 3));
    EXPECT_NE(chart.cursor().shape(), Qt::SizeHorCursor);
}

TEST_F(ColorLineToolTest, DragStepsWithoutRepaintEraseExactlyWhatThePassDrew)
{
    line->SetValue(40);
    chart.repaint();
    const int x = chart.BottomAxis()->ValueToPixel(40);
    QTest::mousePress(&chart, Qt::LeftButton, {}, onLine(x));
    chart.repaint(); // the repaint the drag start asks for
    const int draws = contentsDraws;
    const QImage atStart = buffer();
    QTest::mouseMove(&chart, onLine(x + 40));
    EXPECT_NE(buffer(), atStart);
    QTest::mouseMove(&chart, onLine(x));
    EXPECT_EQ(contentsDraws, draws);
    EXPECT_EQ(buffer(), atStart);
    // A fresh pass in the same state draws the same pixels: no trace is left anywhere.
    chart.repaint();
    EXPECT_EQ(buffer(), atStart);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, onLine(x));
    chart.repaint();
    EXPECT_EQ(redColumn(), x);
}

TEST_F(ColorLineToolTest, AValueThatIsNoNumberIsNeitherDrawnNorHit)
{
    line->SetValue(std::numeric_limits<double>::infinity());
    chart.repaint();
    EXPECT_EQ(redColumn(), -1);
    line->SetValue(std::nan(""));
    chart.repaint();
    EXPECT_EQ(redColumn(), -1);
    EXPECT_FALSE(line->Clicked(chart.BottomAxis()->EndPixel(), onLine(0).y()));
}

} // namespace
