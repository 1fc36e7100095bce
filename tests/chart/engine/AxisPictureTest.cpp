// Four axes drawn with the screen canvas and real fonts: what a person sees of the engine.
#include "ChartTestSetup.h"
#include "EngineTestSupport.h"
#include "TChartAxis.h"

#include "GuiCanvas.h"
#include "PlotLibrary.h"
#include "TPlotCanvas3D.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

bool isWhiteColumn(const QImage &image, int x, int top, int bottom)
{
    for (int y = top; y < bottom; ++y)
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            return false;
    return true;
}

int darkPixels(const QImage &image, const TRect &r)
{
    int count = 0;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, image.height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, image.width()); ++x)
            count += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    return count;
}

} // namespace

TEST(AxisPicture, FourAxesLabelTheirValuesWithoutOverlap)
{
    PlotInstallFontSubstitutions(); // Liberation Sans for Arial, whatever ran before
    QImage image = whiteImage(640, 480);
    GuiCanvas gui(&image);
    TPlotCanvas3D canvas;
    canvas.SetBuffered(false);
    StubAxisHost host;
    host.screen = &canvas;
    canvas.InitWindow(&gui, &host.options, clWhite, false, {0, 0, 640, 480});
    canvas.CalcProjection(0, {0, 0, 640, 480});

    // Bottom: linear 0..10 with minor ticks and grid. Left: logarithmic 0.01..100. Top: one month of
    // dates. Right: inverted, labels at 90 degrees.
    TChartAxis bottom(&host);
    bottom.SetHorizontal(true);
    bottom.SetLabelStyle(talValue);
    bottom.SetMinMax(0, 10);
    bottom.MinorTicks()->SetVisible(true);
    bottom.MinorGrid()->SetVisible(true);
    bottom.MinorGrid()->SetColor(0xE0E0E0);
    TChartAxis left(&host);
    left.SetLabelStyle(talValue);
    left.SetLogarithmic(true);
    left.SetMinMax(0.01, 100);
    TChartAxis top(&host);
    top.SetHorizontal(true);
    top.SetOtherSide(true);
    StubSeries month;
    month.x.SetDateTime(true);
    for (int day = 0; day <= 31; ++day)
        month.add(45352 + day, day); // 1 Mar to 1 Apr 2024
    month.bindTo(&top);
    host.series = {&month};
    TChartAxis right(&host);
    right.SetOtherSide(true);
    right.SetLabelStyle(talValue);
    right.SetInverted(true);
    right.SetLabelsAngle(90);
    right.SetMinMax(0, 1000);
    TChartAxis *axes[] = {&bottom, &left, &top, &right};
    bottom.Title()->SetCaption(QStringLiteral("linear"));
    left.Title()->SetCaption(QStringLiteral("logarithmic"));
    left.Title()->InitAngle(90);
    top.Title()->SetCaption(QStringLiteral("March 2024"));
    right.Title()->SetCaption(QStringLiteral("inverted"));
    right.Title()->InitAngle(270);

    // The panel's layout: each axis takes its room from the rectangle, then all take their extent.
    TRect rect{10, 10, 630, 470};
    host.chartRect = rect;
    for (TChartAxis *axis : axes) {
        axis->RecalcMinMax();
        axis->CalcPixelExtent();
    }
    for (TChartAxis *axis : axes)
        axis->CalcSpace(rect, true);
    host.chartRect = rect;
    for (TChartAxis *axis : axes) {
        axis->CalcPixelExtent();
        axis->DrawTitleAndLabels(true);
    }
    canvas.FlushBuffer(&gui, nullptr, {0, 0, 640, 480});
    QDir().mkpath(QStringLiteral(TENSIMO_TEST_OUTPUT_DIR));
    image.save(QStringLiteral(TENSIMO_TEST_OUTPUT_DIR "/engine-axes.png"));

    // The decades of the log axis and every whole number of the bottom axis are labelled.
    EXPECT_EQ(left.TickPositions().size(), 5u);
    const std::vector<int> ticks = bottom.TickPositions();
    ASSERT_GE(ticks.size(), 6u);
    const TRect labelBand{rect.left, bottom.PosLabels(), rect.right, bottom.PosLabels() + canvas.FontHeight()};
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        SCOPED_TRACE(ticks[i]);
        // The tick and its label stand at the same place.
        EXPECT_GT(darkPixels(image, {ticks[i] - 1, bottom.PosAxis(), ticks[i] + 2, bottom.PosAxis() + 4}), 0);
        EXPECT_GT(darkPixels(image, {ticks[i] - 4, labelBand.top, ticks[i] + 5, labelBand.bottom}), 0);
        // Between two labels a blank column: they do not touch.
        if (i + 1 < ticks.size()) {
            bool gap = false;
            for (int x = std::min(ticks[i], ticks[i + 1]) + 1; x < std::max(ticks[i], ticks[i + 1]) && !gap; ++x)
                gap = isWhiteColumn(image, x, labelBand.top, labelBand.bottom);
            EXPECT_TRUE(gap);
        }
    }
    // The dates, the rotated labels and the titles are drawn in their bands outside the chart.
    EXPECT_GT(darkPixels(image, {rect.left, 0, rect.right, rect.top - 6}), 0);
    EXPECT_GT(darkPixels(image, {rect.right + 6, rect.top, 640, rect.bottom}), 0);
    for (const TChartAxis *axis : axes) {
        const int h = canvas.FontHeight();
        const TRect band = axis->Horizontal()
                               ? TRect{rect.left, std::min(axis->PosTitle(), axis->PosTitle() + (axis->OtherSide() ? -h : h)),
                                       rect.right, std::max(axis->PosTitle(), axis->PosTitle() + (axis->OtherSide() ? -h : h))}
                               : TRect{std::min(axis->PosTitle(), axis->PosTitle() + (axis->OtherSide() ? h : -h)), rect.top,
                                       std::max(axis->PosTitle(), axis->PosTitle() + (axis->OtherSide() ? h : -h)), rect.bottom};
        EXPECT_GT(darkPixels(image, band), 20) << axis->Title()->Caption().toStdString();
    }
}
