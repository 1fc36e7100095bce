// The colour line, colour band and grid band tools on a shown chart.
#include "ToolTestSupport.h"

#include "TColorBandTool.h"
#include "TColorLineTool.h"
#include "TGridBandTool.h"

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

class ColorBandToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        addDiagonal()->SetSeriesColor(clBlue);
        band = new TColorBandTool(&chart);
        band->SetAxis(chart.LeftAxis());
        band->SetColor(kBandColor);
        band->OnClick = [this](TColorBandTool *, TMouseButton, TShiftState, int, int) { ++clicks; };
    }

    static constexpr TColor kBandColor = 0x123456;
    TColorBandTool *band = nullptr;
    int clicks = 0;
};

TEST_F(ColorBandToolTest, FillsTheRangeBetweenItsValuesAcrossTheChart)
{
    band->SetStartValue(20);
    band->SetEndValue(40);
    show();
    const QImage image = buffer();
    const QColor fill(0x56, 0x34, 0x12); // the colour 0x00BBGGRR on the screen
    const int x = (chart.ChartRect.left + chart.ChartRect.right) / 2 + 13;
    EXPECT_EQ(QColor(image.pixel(x, chart.LeftAxis()->ValueToPixel(30))), fill);
    EXPECT_NE(QColor(image.pixel(x, chart.LeftAxis()->ValueToPixel(50))), fill);
    const QRect r(QPoint(x, chart.LeftAxis()->ValueToPixel(30)), QSize(1, 1));
    QTest::mouseClick(&chart, Qt::LeftButton, {}, r.topLeft());
    EXPECT_EQ(clicks, 1);
    // The edge lines are the band's own, in no tool list.
    EXPECT_EQ(chart.Tools().Count(), 1);
}

TEST_F(ColorBandToolTest, ABandAboveTheAxisIsEmptyDrawsNothingAndIsNeverClicked)
{
    band->SetStartValue(150);
    band->SetEndValue(std::numeric_limits<double>::infinity());
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    chart.drawPass();
    const TRect r = band->BoundsRect();
    EXPECT_EQ(r.right - r.left, 0);
    const auto fills = canvas.brushColors(QStringLiteral("Rectangle"));
    EXPECT_EQ(std::count(fills.begin(), fills.end(), kBandColor), 0);
    band->SetEndValue(160);
    chart.drawPass();
    EXPECT_EQ(band->BoundsRect().right - band->BoundsRect().left, 0);
    EXPECT_FALSE(band->Clicked(200, 125));
}

TEST_F(ColorBandToolTest, DraggingAnActiveEndLineMovesTheBandsEnd)
{
    band->SetStartValue(20);
    band->SetEndValue(40);
    band->SetResizeEnd(true);
    show();
    const int x = (chart.ChartRect.left + chart.ChartRect.right) / 2;
    const int y = chart.LeftAxis()->ValueToPixel(40);
    drag({x, y}, {{x, y - 10}, {x, chart.LeftAxis()->ValueToPixel(60)}});
    EXPECT_NEAR(band->EndValue(), 60, 0.5);
    EXPECT_DOUBLE_EQ(band->StartValue(), 20);
    // The inactive start line takes no drag.
    const int y0 = chart.LeftAxis()->ValueToPixel(20);
    drag({x, y0}, {{x, y0 - 20}});
    EXPECT_DOUBLE_EQ(band->StartValue(), 20);
}

class GridBandToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        addDiagonal();
        // Ticks at 60 and 0 only.
        chart.LeftAxis()->SetIncrement(60);
        canvas = &chart.useRecordingCanvas();
    }

    TGridBandTool *addBand(TColor color)
    {
        auto *tool = new TGridBandTool(&chart);
        tool->SetAxis(chart.LeftAxis());
        tool->Band1()->SetStyle(bsSolid);
        tool->Band1()->SetColor(color);
        tool->Band2()->SetStyle(bsClear);
        return tool;
    }

    std::vector<RecordedCall> bandsOf(TColor color)
    {
        canvas->clear();
        chart.drawPass();
        std::vector<RecordedCall> found;
        for (const RecordedCall &call : canvas->calls(QStringLiteral("Rectangle")))
            if (call.brushColor == color)
                found.push_back(call);
        return found;
    }

    RecordingCanvas *canvas = nullptr;
};

TEST_F(GridBandToolTest, TwoTicksGiveOneBandFromTheMaximumEndToTheFirstTick)
{
    addBand(0x123456);
    const std::vector<RecordedCall> bands = bandsOf(0x123456);
    ASSERT_EQ(bands.size(), 1u);
    const TChartAxis &left = *chart.LeftAxis();
    ASSERT_EQ(left.TickPositions().size(), 2u);
    // On a flat chart the rectangle reaches one pixel further right, to the plot's edge.
    const std::vector<int> expected{chart.ChartRect.left + 1, left.StartPixel() + 1, chart.ChartRect.right + 1,
                                    left.ValueToPixel(60) + 1};
    EXPECT_EQ(bands[0].args, expected);
}

TEST_F(GridBandToolTest, ClearBrushesDrawNothing)
{
    TGridBandTool *tool = addBand(0x123456);
    tool->Band1()->SetStyle(bsClear);
    canvas->clear();
    chart.drawPass();
    EXPECT_EQ(canvas->count(QStringLiteral("BeginBlending")), 0);
    EXPECT_TRUE(bandsOf(0x123456).empty());
}

TEST_F(GridBandToolTest, TheHookGoesWithItsToolAndLeavesAnotherToolsHookInPlace)
{
    TGridBandTool *first = addBand(0x111111);
    chart.LeftAxis()->SetIncrement(20);
    EXPECT_FALSE(bandsOf(0x111111).empty());
    // The second takes the axis' hook over; destroying the first then leaves it.
    TGridBandTool *second = addBand(0x222222);
    delete first;
    EXPECT_TRUE(bandsOf(0x111111).empty());
    const std::size_t seconds = bandsOf(0x222222).size();
    EXPECT_GE(seconds, 2u);
    delete second;
    EXPECT_TRUE(bandsOf(0x222222).empty());
    // A tool moved to another axis leaves nothing on the first.
    TGridBandTool *moved = addBand(0x333333);
    moved->SetAxis(chart.BottomAxis());
    chart.LeftAxis()->SetIncrement(20);
    const std::vector<RecordedCall> bands = bandsOf(0x333333);
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands[0].args[1], chart.ChartRect.top + 1); // vertical bands of the bottom axis
}

} // namespace
