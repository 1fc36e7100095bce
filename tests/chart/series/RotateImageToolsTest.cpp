// The rotate tool on a 3D chart and the image tool behind the series.
#include "ToolTestSupport.h"

#include "TChartImageTool.h"
#include "TPicture.h"
#include "TRotateTool.h"
#include "TView3DOptions.h"

#include <QApplication>

#include <algorithm>

namespace {

class RotateToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        addDiagonal();
        // 90 degrees per 450 pixels across: 100 pixels turn by 20.
        chart.resize(450, 250);
        chart.SetView3D(true);
        view().SetOrthogonal(false);
        view().SetElevation(300);
        view().SetRotation(350);
        tool = new TRotateTool(&chart);
        tool->SetParentChart(&chart);
        chart.OnBeforeDrawChart = [this](TCustomAxisPanel *) { ++contentsDraws; };
        show();
    }

    TView3DOptions &view() { return *chart.View3DOptions(); }

    TRotateTool *tool = nullptr;
    int contentsDraws = 0;
};

TEST_F(RotateToolTest, HorizontalDragsTurnTheChartRoundThroughZero)
{
    drag({100, 120}, {{150, 120}, {200, 120}});
    EXPECT_DOUBLE_EQ(view().RotationFloat(), 10);
    drag({200, 120}, {{100, 120}});
    EXPECT_DOUBLE_EQ(view().RotationFloat(), 350);
    EXPECT_DOUBLE_EQ(view().ElevationFloat(), 300);
}

TEST_F(RotateToolTest, TheElevationStaysBetween270And360)
{
    struct Case { int fromY; int toY; double elevation; };
    // Up is a positive delta.
    const Case cases[] = {{245, 5, 360}, {5, 245, 270}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fromY);
        view().SetElevation(300);
        drag({200, c.fromY}, {{200, (c.fromY + c.toY) / 2}, {200, c.toY}});
        EXPECT_DOUBLE_EQ(view().ElevationFloat(), c.elevation);
    }
    tool->SetStyle(rsRotation);
    view().SetElevation(300);
    drag({200, 200}, {{200, 100}});
    EXPECT_DOUBLE_EQ(view().ElevationFloat(), 300);
}

TEST_F(RotateToolTest, WithAVisiblePenOnlyTheReleaseRepaintsAndAnyEndOfTheDragRestoresRepainting)
{
    tool->Pen()->SetVisible(true);
    int rotations = 0;
    tool->OnRotate = [&](TRotateTool *) { ++rotations; };
    QApplication::processEvents();
    const int draws = contentsDraws;
    QTest::mousePress(&chart, Qt::LeftButton, {}, {100, 120});
    QTest::mouseMove(&chart, {150, 120});
    QTest::mouseMove(&chart, {200, 100});
    QApplication::processEvents();
    EXPECT_EQ(contentsDraws, draws);
    EXPECT_FALSE(chart.AutoRepaint);
    EXPECT_EQ(rotations, 2);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {200, 100});
    chart.repaint();
    EXPECT_EQ(contentsDraws, draws + 1);
    EXPECT_TRUE(chart.AutoRepaint);

    QTest::mousePress(&chart, Qt::LeftButton, {}, {100, 120});
    QTest::mouseMove(&chart, {150, 120});
    ASSERT_FALSE(chart.AutoRepaint);
    tool->SetActive(false);
    EXPECT_TRUE(chart.AutoRepaint);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {150, 120});
}

TEST_F(RotateToolTest, AChartWithoutHeightTakesADragUnchanged)
{
    chart.resize(450, 0);
    tool->ChartMouseEvent(TChartMouseEventKind::cmeDown, mbLeft, {}, 10, 0);
    tool->ChartMouseEvent(TChartMouseEventKind::cmeMove, mbLeft, {}, 60, 0);
    tool->ChartMouseEvent(TChartMouseEventKind::cmeUp, mbLeft, {}, 60, 0);
    EXPECT_DOUBLE_EQ(view().RotationFloat(), 350);
    EXPECT_DOUBLE_EQ(view().ElevationFloat(), 300);
}

class ImageToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        series = chart.AddSeriesOfClass<TLineSeries>();
        series->AddXY(20, 30);
        series->AddXY(70, 60);
        tool = new TChartImageTool(&chart);
        tool->SetParentChart(&chart);
        canvas = &chart.useRecordingCanvas();
    }

    void setPicture()
    {
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.setPixel(1, 1, qRgb(0, 0, 255));
        TPicture picture;
        picture.SetGraphic(image);
        tool->SetPicture(&picture);
    }

    int indexOf(const QString &op, int from = 0) const
    {
        const auto &calls = canvas->calls();
        for (std::size_t i = std::size_t(from); i < calls.size(); ++i)
            if (calls[i].op == op)
                return int(i);
        return -1;
    }

    TLineSeries *series = nullptr;
    TChartImageTool *tool = nullptr;
    RecordingCanvas *canvas = nullptr;
};

TEST_F(ImageToolTest, AnEmptyPictureDrawsNothing)
{
    tool->SetSeries(series);
    chart.drawPass();
    EXPECT_EQ(canvas->count(QStringLiteral("StretchDraw")), 0);
}

TEST_F(ImageToolTest, ThePictureIsStretchedOverTheSeriesExtentInsideTheClip)
{
    setPicture();
    tool->SetSeries(series);
    chart.drawPass();
    const int draw = indexOf(QStringLiteral("StretchDraw"));
    ASSERT_GE(draw, 0);
    const TChartAxis &h = *chart.BottomAxis();
    const TChartAxis &v = *chart.LeftAxis();
    const std::vector<int> expected{h.ValueToPixel(20), v.ValueToPixel(60), h.ValueToPixel(70), v.ValueToPixel(30)};
    EXPECT_EQ(canvas->calls()[std::size_t(draw)].args, expected);
    const auto &calls = canvas->calls();
    const auto clip = std::find_if(calls.begin(), calls.begin() + draw, [](const RecordedCall &c) {
        return c.op.startsWith(QStringLiteral("Clip"));
    });
    EXPECT_NE(clip, calls.begin() + draw);
    EXPECT_GT(indexOf(QStringLiteral("UnClipRectangle"), draw), draw);
}

TEST_F(ImageToolTest, InATurned3DChartThePictureIsFourFacesAtTheBack)
{
    setPicture();
    chart.SetView3D(true);
    chart.View3DOptions()->SetOrthogonal(false);
    chart.View3DOptions()->SetRotation(340);
    chart.drawPass();
    EXPECT_EQ(canvas->count(QStringLiteral("StretchDraw")), 0);
    int faces = 0;
    for (const RecordedCall &call : canvas->calls(QStringLiteral("Polygon")))
        faces += call.brushColor == clRed || call.brushColor == TColor(0xFF0000);
    EXPECT_EQ(faces, 4);
}

} // namespace
