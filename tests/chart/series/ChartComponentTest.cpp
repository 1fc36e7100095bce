// The chart component: defaults, walls only with axes, zoom undo and free colours.
#include "ChartTestSupport.h"

#include "StubChart.h"
#include "TChartAxis.h"

#include "PlotColor.h"
#include "PlotException.h"
#include "TestPropertyFiler.h"

#include <QMetaProperty>
#include <QSignalSpy>

using TChartTest = ChartTest;

namespace {

// A series that uses no axes (as a pie does).
class NoAxisTestSeries : public PolylineTestSeries
{
public:
    using PolylineTestSeries::PolylineTestSeries;
    bool UseAxis() const override { return false; }
};

// Every readable property of every axis, as text: what a zoom undo may change.
QStringList axisProperties(const TChart &chart)
{
    QStringList out;
    for (const TChartAxis *axis : chart.Axes().Items()) {
        const QMetaObject *meta = axis->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            out << QString::fromLatin1(p.name()) + QLatin1Char('=') + p.read(axis).toString();
        }
    }
    return out;
}

} // namespace

TEST_F(TChartTest, DefaultsAndTheButtonFaceColourDrawnFromTheFixedTable)
{
    TestChart chart;
    struct Case { const char *property; QVariant value; };
    const Case cases[] = {
        {"Chart3DPercent", 15},
        {"MarginLeft", 3},
        {"MarginRight", 3},
        {"MarginTop", 4},
        {"MarginBottom", 4},
        {"MarginUnits", QVariant::fromValue(muPercent)},
        {"BevelOuter", QVariant::fromValue(bvRaised)},
        {"BevelInner", QVariant::fromValue(bvNone)},
        {"BevelWidth", 1},
        {"AllowPanning", QVariant::fromValue(pmBoth)},
        {"ScrollMouseButton", QVariant::fromValue(mbRight)},
        {"View3D", true},
        {"MaxPointsPerPage", 0},
        {"Page", 1},
        {"Color", QVariant::fromValue(clBtnFace)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.property);
        const QVariant actual = chart.property(c.property);
        ASSERT_TRUE(actual.isValid());
        EXPECT_EQ(actual, c.value);
    }
    const QImage image = chart.render();
    EXPECT_EQ(image.pixel(4, 4) & 0xFFFFFF, 0xF0F0F0u);
}

TEST_F(TChartTest, WallsBelongOnlyToChartsWithSeriesThatUseAxes)
{
    TestChart chart;
    chart.View3DOptions()->SetOrthogonal(true);
    chart.BackWall()->SetSize(4);
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    auto *pie = new NoAxisTestSeries(&chart);
    pie->AddXY(1, 2);
    chart.AddSeries(pie);
    const auto wallsAndRightEdge = [&] {
        chart.drawPass();
        const TRect before{20, 30, 380, 220};
        chart.ChartRect = before;
        chart.CalcChartDimensions();
        chart.CalcWallsRect();
        const int shrink = before.right - chart.ChartRect.right - std::abs(chart.Width3D);
        canvas.clear();
        chart.DrawWalls();
        return std::make_pair(int(canvas.calls().size()), shrink);
    };
    const auto [callsAlone, shrinkAlone] = wallsAndRightEdge();
    EXPECT_EQ(callsAlone, 0);
    EXPECT_EQ(shrinkAlone, 0);
    auto *line = new PolylineTestSeries(&chart);
    line->AddXY(1, 2);
    chart.AddSeries(line);
    const auto [callsWithLine, shrinkWithLine] = wallsAndRightEdge();
    EXPECT_GT(callsWithLine, 0);
    EXPECT_EQ(shrinkWithLine, 4);
}

TEST_F(TChartTest, UndoZoomBringsBackTheSavedRangesOnceAndFiresEveryTime)
{
    TestChart chart;
    chart.RightAxis()->SetMinMax(2.0, 8.0); // a fixed range before the zoom
    chart.SaveAxesState();
    chart.LeftAxis()->SetMinMax(10.0, 20.0);
    chart.BottomAxis()->SetMinMax(-1.0, 1.0);
    chart.RightAxis()->SetMinMax(30.0, 40.0);
    QSignalSpy undone(&chart, &TChart::OnUndoZoom);
    chart.UndoZoom();
    for (const TChartAxis *axis : {chart.LeftAxis(), chart.BottomAxis()}) {
        EXPECT_TRUE(axis->Automatic());
        EXPECT_TRUE(axis->AutomaticMinimum());
        EXPECT_TRUE(axis->AutomaticMaximum());
        EXPECT_EQ(axis->Minimum(), 0.0);
        EXPECT_EQ(axis->Maximum(), 0.0);
    }
    EXPECT_FALSE(chart.RightAxis()->Automatic());
    EXPECT_EQ(chart.RightAxis()->Minimum(), 2.0);
    EXPECT_EQ(chart.RightAxis()->Maximum(), 8.0);
    EXPECT_TRUE(chart.AxesRestored());
    const QStringList after = axisProperties(chart);
    chart.UndoZoom();
    EXPECT_EQ(axisProperties(chart), after);
    EXPECT_EQ(undone.count(), 2);
}

// The saved states are keyed by the axis: one added during the zoom keeps its own range, one removed
// during it is skipped (under the sanitizers neither reads past the saved states).
TEST_F(TChartTest, AxesAddedOrRemovedDuringAZoomAreLeftAsTheyAre)
{
    TestChart chart;
    chart.AddCustomAxis();
    chart.SaveAxesState();
    chart.LeftAxis()->SetMinMax(10.0, 20.0);
    chart.RemoveCustomAxis(0);
    TChartAxis *added = chart.AddCustomAxis();
    added->SetMinMax(5.0, 6.0);
    chart.UndoZoom();
    EXPECT_TRUE(chart.LeftAxis()->Automatic());
    EXPECT_EQ(chart.LeftAxis()->Maximum(), 0.0);
    EXPECT_FALSE(added->Automatic());
    EXPECT_EQ(added->Minimum(), 5.0);
    EXPECT_EQ(added->Maximum(), 6.0);
}

TEST_F(TChartTest, AColourIsFreeUnlessAnotherSeriesOrTheBackgroundShowsIt)
{
    TestChart chart;
    auto *only = new PolylineTestSeries(&chart);
    chart.AddSeries(only);
    PolylineTestSeries other(&chart);
    const TColor own = only->Color();
    chart.BackWall()->SetColor(0x123456);
    struct Case { TColor color; bool checkBackground; const TChartSeries *asking; bool free; const char *what; };
    const Case cases[] = {
        {own, false, only, true, "its own colour, asked for itself"},
        {own, false, &other, false, "its colour, asked for another series"},
        {clBtnFace, true, only, false, "the chart colour"},
        {0x123456, true, only, false, "the back wall colour"},
        {0x123456, false, only, true, "the back wall colour, background not checked"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(chart.IsFreeSeriesColor(c.color, c.checkBackground, c.asking), c.free);
    }
}

TEST_F(TChartTest, StreamsThePaletteIndexFromOneAndReadsTheLegacyBackColour)
{
    TestChart chart;
    MapPropertyFiler filer;
    EXPECT_FALSE(filer.save(chart).contains(QStringLiteral("ColorPaletteIndex")));
    chart.SetColorPaletteIndex(2);
    EXPECT_EQ(filer.save(chart).value(QStringLiteral("ColorPaletteIndex")), QVariant(2));
    filer.load(chart, {{QStringLiteral("BackColor"), QStringLiteral("clRed")}});
    EXPECT_EQ(chart.BackWall()->Color(), clRed);
    EXPECT_THROW(filer.load(chart, {{QStringLiteral("BackColor"), QStringLiteral("no colour")}}), PlotException);
    EXPECT_EQ(chart.BackWall()->Color(), clRed);
}

// Room for the labels of a logarithmic axis: its ends rounded by a linear step once measured "0"
// and "1", and the axis title was drawn over the wider labels "0.01" and "0.1".
TEST_F(TChartTest, ALogarithmicAxisLeavesRoomForItsWidestLabel)
{
    TestChart chart;
    chart.SetView3D(false);
    auto *series = new PolylineTestSeries(&chart);
    chart.AddSeries(series);
    series->AddXY(0, 0.0065);
    series->AddXY(1, 1.013);
    chart.LeftAxis()->SetLogarithmic(true);
    chart.render();
    chart.Canvas()->AssignFont(chart.LeftAxis()->LabelsFont());
    EXPECT_GE(chart.LeftAxis()->MaxLabelsWidth(), chart.Canvas()->TextWidth(QStringLiteral("0.01")));
}
