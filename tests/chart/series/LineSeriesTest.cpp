// Line, point and area series without pictures: samples, stacking and its limits, hit tests,
// gallery styles, editor names and copying.
#include "ChartClassRegistry.h"
#include "ChartTestSupport.h"

#include "StubChart.h"
#include "TAreaSeries.h"
#include "TChartAxis.h"
#include "THorizAreaSeries.h"
#include "THorizLineSeries.h"
#include "TLineSeries.h"
#include "TPointSeries.h"

#include "PlotProcs.h"
#include "TCanvas3D.h"

#include <algorithm>

namespace {

class LineSeriesTest : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.SetView3D(false);
        chart.useRecordingCanvas();
    }
    template <class Series>
    Series *add()
    {
        auto *series = new Series(&chart);
        chart.AddSeries(series);
        return series;
    }

    TestChart chart;
};

QStringList subGallery(const TChartSeries &series)
{
    QStringList entries;
    series.CreateSubGallery([&](const QString &text) { entries << text; });
    return entries;
}

} // namespace

TEST_F(LineSeriesTest, SampleValuesComeInTheTypesCountsWithinTheirRange)
{
    const SeededSamples seeded;
    struct Case
    {
        TChartSeries *series;
        int count;
    };
    const Case cases[] = {{add<TLineSeries>(), 25}, {add<THorizAreaSeries>(), 10}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.series->metaObject()->className());
        c.series->FillSampleValues(0);
        ASSERT_EQ(c.series->Count(), c.count);
        // A random walk from within 0..1000 by at most an eighth of that per step, kept positive.
        const TChartValueList *values = c.series->MandatoryValueList();
        EXPECT_GE(values->MinValue(), 0.0);
        EXPECT_LE(values->MaxValue(), 1000.0 + c.count * 125.0);
        const std::span<const double> steps = c.series->NotMandatoryValueList()->Values();
        EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
    }
}

TEST_F(LineSeriesTest, StackingReachesEverySeriesOfTheClassAndNoOther)
{
    TLineSeries *lines[] = {add<TLineSeries>(), add<TLineSeries>(), add<THorizLineSeries>()};
    auto *area = add<TAreaSeries>();
    lines[1]->SetStacked(cssStack);
    for (const TLineSeries *line : lines)
        EXPECT_EQ(line->Stacked(), cssStack);
    EXPECT_EQ(area->Stacked(), cssNone);
    EXPECT_EQ(area->MultiArea(), maNone);
    area->SetMultiArea(maStacked100);
    EXPECT_EQ(area->Stacked(), cssStack100);
    EXPECT_EQ(lines[0]->Stacked(), cssStack);
}

TEST_F(LineSeriesTest, StackingMovesOnlyTheValueAxis)
{
    // Two series of each orientation: values 1, 2, 3 and 10, 20, 30 over the categories 5, 6, 7.
    struct Case
    {
        const char *name;
        bool horizontal;
    };
    for (const Case c : {Case{"vertical", false}, Case{"horizontal", true}}) {
        SCOPED_TRACE(c.name);
        TestChart own;
        std::vector<TLineSeries *> pair;
        for (int s = 0; s < 2; ++s) {
            TLineSeries *series = c.horizontal ? new THorizLineSeries(&own) : new TLineSeries(&own);
            own.AddSeries(series);
            for (int i = 0; i < 3; ++i) {
                const double value = (s == 0 ? 1.0 : 10.0) * (i + 1);
                c.horizontal ? series->AddXY(value, 5 + i) : series->AddXY(5 + i, value);
            }
            pair.push_back(series);
        }
        pair[0]->SetStacked(cssStack);
        const TChartSeries &top = *pair[1];
        const double valueMax = c.horizontal ? top.MaxXValue() : top.MaxYValue();
        const double valueMin = c.horizontal ? top.MinXValue() : top.MinYValue();
        const double categoryMin = c.horizontal ? top.MinYValue() : top.MinXValue();
        const double categoryMax = c.horizontal ? top.MaxYValue() : top.MaxXValue();
        EXPECT_EQ(valueMax, 33.0);
        EXPECT_EQ(valueMin, 11.0);
        EXPECT_EQ(categoryMin, 5.0);
        EXPECT_EQ(categoryMax, 7.0);
        pair[0]->SetStacked(cssStack100);
        EXPECT_EQ(c.horizontal ? top.MaxXValue() : top.MaxYValue(), 100.0);
        EXPECT_EQ(c.horizontal ? top.MaxYValue() : top.MaxXValue(), 7.0);
    }
}

TEST_F(LineSeriesTest, ClicksFindPointsSegmentsAndStairCorners)
{
    auto *series = add<TLineSeries>();
    for (int i = 0; i < 8; ++i)
        series->AddXY(i, i % 2 == 0 ? 20 : 80);
    chart.drawPass();
    const auto pixel = [&](int i) { return TPoint{series->CalcXPos(i), series->CalcYPos(i)}; };
    const TPoint p3 = pixel(3);
    const TPoint p4 = pixel(4);
    const TPoint middle{(p3.x + p4.x) / 2, (p3.y + p4.y) / 2};
    ASSERT_TRUE(PlotProcs::PointInLinePoints(middle, p3, p4)); // the middle lies on the drawn line
    EXPECT_EQ(series->Clicked(p4.x, p4.y), 4);
    EXPECT_EQ(series->Clicked(middle.x, middle.y), 3);
    EXPECT_EQ(series->Clicked(middle.x, middle.y - 20), -1);
    series->SetClickableLine(false);
    EXPECT_EQ(series->Clicked(middle.x, middle.y), -1);
    EXPECT_EQ(series->Clicked(p4.x, p4.y), 4);
    series->SetClickableLine(true);
    series->SetStairs(true);
    chart.drawPass();
    EXPECT_EQ(series->Clicked(p4.x, p3.y), 3); // the corner of the step from 3 to 4
    series->SetInvertedStairs(true);
    EXPECT_EQ(series->Clicked(p3.x, p4.y), 3);
}

TEST_F(LineSeriesTest, ClicksFindTheSameInOrderedPointsAsInAWalkOverAll)
{
    struct Case { const char *what; bool horizontal; bool area; bool stairs; bool inverted; };
    const Case cases[] = {
        {"line", false, false, false, false},
        {"area", false, true, false, false},
        {"stairs", false, false, true, false},
        {"inverted axis", false, false, false, true},
        {"horizontal line", true, false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        chart.RemoveAllSeries();
        TCustomSeries *series = c.horizontal ? static_cast<TCustomSeries *>(add<THorizLineSeries>())
                                : c.area     ? static_cast<TCustomSeries *>(add<TAreaSeries>())
                                             : add<TLineSeries>();
        series->SetStairs(c.stairs);
        // Positions in order with repeats and gaps, values jumping about, one null.
        unsigned seed = 7;
        double position = 0;
        for (int i = 0; i < 300; ++i) {
            seed = seed * 1103515245u + 12345u;
            position += (seed >> 16) % 3 == 0 ? 0.0 : double((seed >> 8) % 5);
            const double value = double((seed >> 4) % 1000);
            const double x = c.horizontal ? value : position, y = c.horizontal ? position : value;
            if (i == 150)
                series->AddNullXY(x, y);
            else
                series->AddXY(x, y);
        }
        (c.horizontal ? chart.LeftAxis() : chart.BottomAxis())->SetInverted(c.inverted);
        chart.drawPass();
        TChartValueList &positions = *series->NotMandatoryValueList();
        ASSERT_EQ(positions.Order(), loAscending);
        int differing = 0;
        int hits = 0;
        const TRect r = chart.ChartRect;
        for (int y = r.top; y < r.bottom; y += 2)
            for (int x = r.left; x < r.right; x += 2) {
                const int found = series->Clicked(x, y);
                positions.SetOrder(loNone); // the walk over every point
                differing += series->Clicked(x, y) != found;
                positions.SetOrder(loAscending);
                hits += found != -1;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(hits, 100);
        (c.horizontal ? chart.LeftAxis() : chart.BottomAxis())->SetInverted(false);
    }
}

TEST_F(LineSeriesTest, ClicksInRotated3DFindTheProjectedPoint)
{
    auto *series = add<TLineSeries>();
    for (int i = 0; i < 8; ++i)
        series->AddXY(i, 10.0 * i * (i % 3));
    chart.SetView3D(true);
    chart.View3DOptions()->SetOrthogonal(false);
    chart.View3DOptions()->SetElevation(345);
    chart.View3DOptions()->SetRotation(345);
    chart.drawPass();
    for (int i : {2, 4, 6}) {
        SCOPED_TRACE(i);
        const TPoint projected = chart.Canvas()->Calc3DPoint(series->CalcXPos(i), series->CalcYPos(i), series->StartZ());
        EXPECT_EQ(series->Clicked(projected.x, projected.y), i);
    }
}

TEST_F(LineSeriesTest, GalleryStylesSetWhatTheirEntriesName)
{
    auto *line = add<TLineSeries>();
    auto *point = add<TPointSeries>();
    auto *area = add<TAreaSeries>();
    struct Case
    {
        TChartSeries *series;
        int index;
        const char *text;
        std::function<bool()> applied;
    };
    const Case cases[] = {
        {line, 3, "Height", [&] { return line->LineHeight() == 5; }},
        {line, 4, "Hollow", [&] { return line->LineBrush() == bsClear; }},
        {line, 8, "Outline", [&] { return line->OutLine()->Visible(); }},
        {point, 9, "Circle",
         [&] {
             return point->Pointer()->Style() == psCircle && point->Pointer()->HorizSize() == 8
                    && point->Pointer()->VertSize() == 8;
         }},
        {point, 12, "Diamond", [&] { return point->Pointer()->Style() == psDiamond; }},
        {area, 6, "Stack", [&] { return area->MultiArea() == maStacked; }},
        {area, 7, "Stack 100%", [&] { return area->MultiArea() == maStacked100; }},
        {area, 9, "Gradient", [&] { return area->Gradient()->Visible(); }},
    };
    EXPECT_EQ(subGallery(*line).size(), 9);
    EXPECT_EQ(subGallery(*point).size(), 13);
    EXPECT_EQ(subGallery(*area).size(), 10);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(subGallery(*c.series).value(c.index), QString::fromUtf8(c.text));
        EXPECT_FALSE(c.applied());
        c.series->SetSubGallery(c.index);
        EXPECT_TRUE(c.applied());
    }
}

TEST_F(LineSeriesTest, EachTypeNamesItsEditorAndCopiesItsOwnDefaults)
{
    const ChartClassRegistry &registry = ChartClassRegistry::instance();
    const std::pair<TChartSeries *, const char *> editors[] = {
        {add<TLineSeries>(), "TCustomSeriesEditor"},    {add<THorizLineSeries>(), "TCustomSeriesEditor"},
        {add<TPointSeries>(), "TSeriesPointerEditor"}, {add<TAreaSeries>(), "TAreaSeriesEditor"},
        {add<THorizAreaSeries>(), "TAreaSeriesEditor"},
    };
    for (const auto &[series, editor] : editors) {
        SCOPED_TRACE(series->metaObject()->className());
        EXPECT_EQ(series->GetEditorClassName(), QString::fromLatin1(editor));
        EXPECT_EQ(registry.editorClassName(*series), QString::fromLatin1(editor));
    }

    // A point series copied into a line series: the line keeps a line and loses the pointer.
    auto *point = add<TPointSeries>();
    point->SetStairs(true);
    point->SetTransparency(40);
    auto *line = add<TLineSeries>();
    line->Assign(*point);
    EXPECT_TRUE(line->Stairs());
    EXPECT_TRUE(line->DrawLine());
    EXPECT_FALSE(line->Pointer()->Visible());
    EXPECT_EQ(line->Transparency(), 40);
    // An area copied into a point series: the point defaults come back.
    auto *area = add<TAreaSeries>();
    area->SetUseYOrigin(true);
    auto *copy = add<TPointSeries>();
    copy->Assign(*area);
    EXPECT_FALSE(copy->DrawArea());
    EXPECT_TRUE(copy->Pointer()->Visible());
    EXPECT_FALSE(copy->ClickableLine());
}
