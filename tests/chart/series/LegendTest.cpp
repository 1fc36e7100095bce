// The chart legend: resolved style, layout arithmetic on each side in fake text metrics, the room
// it takes, the hit test, two text columns, check boxes and the order with the titles.
#include "ChartTestSupport.h"

#include "ChartTestSetup.h"
#include "TBarSeries.h"
#include "TLegendSymbol.h"
#include "TLineSeries.h"

#include "PlotConst.h"
#include "PlotExceptions.h"
#include "PlotProcs.h"

#include <algorithm>

using LegendTest = ChartTest;

namespace {

const TRect kBounds{0, 0, 400, 250};
const TRect kPlot{20, 30, 380, 220};

// Adds line series titled by the list, each with points values.
void addSeries(TChart &chart, const QStringList &titles, int points = 3)
{
    for (const QString &title : titles) {
        auto *series = chart.AddSeriesOfClass<TLineSeries>();
        series->SetTitle(title);
        for (int i = 0; i < points; ++i)
            series->Add(i + 1);
    }
}

QStringList numbered(const QString &base, int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles << base + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return titles;
}

// The titles and legend step on the standard rectangles; returns the chart rectangle after it.
TRect layOut(TestChart &chart)
{
    chart.ChartBounds = kBounds;
    chart.ChartRect = kPlot;
    chart.CalcChartDimensions();
    chart.DrawTitlesAndLegend(true);
    return chart.ChartRect;
}

// The x of the TextOut call that drew text, or -1.
int textX(const RecordingCanvas &canvas, const QString &text)
{
    for (const RecordedCall &call : canvas.calls(QStringLiteral("TextOut")))
        if (call.text == text)
            return call.args[0];
    return -1;
}

int textOrder(const RecordingCanvas &canvas, const QString &text)
{
    const std::vector<RecordedCall> calls = canvas.calls(QStringLiteral("TextOut"));
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].text == text)
            return int(i);
    return -1;
}

} // namespace

TEST_F(LegendTest, ResolvedStyleAndItemCount)
{
    struct Case { int series; int points; bool checkBoxes; TLegendStyle style; int items; const char *what; };
    const Case cases[] = {
        {1, 5, false, lsValues, 5, "one series lists its values"},
        {2, 5, false, lsSeries, 2, "two series list the series"},
        {1, 5, true, lsSeries, 1, "check boxes list the series"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TestChart chart;
        chart.useRecordingCanvas();
        addSeries(chart, numbered(QStringLiteral("S"), c.series), c.points);
        chart.Legend()->SetCheckBoxes(c.checkBoxes);
        layOut(chart);
        EXPECT_EQ(chart.Legend()->ResolvedStyle(), c.style);
        EXPECT_EQ(chart.Legend()->TotalItems(), c.items);
        EXPECT_EQ(chart.Legend()->LastIndex(), c.items - 1);
    }
}

TEST_F(LegendTest, ANegativeFirstValueIsRefused)
{
    TestChart chart;
    try {
        chart.Legend()->SetFirstValue(-1);
        FAIL() << "no exception";
    } catch (const LegendException &e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("First Legend Value must be > 0"));
        EXPECT_EQ(QString::fromUtf8(e.what()), PlotConst::message(PlotConst::msgLegendFirstValue));
    }
    chart.Legend()->SetFirstValue(3);
    chart.Legend()->SetFirstValue(0);
    EXPECT_EQ(chart.Legend()->FirstValue(), 0);
}

TEST_F(LegendTest, TopLegendColumnsAndRows)
{
    // Titles of 8 characters (56 pixels) and a 14-pixel symbol: 56 + 14 + 8 = 78 per item.
    struct Case { int maxRows; int columns; int rows; int last; };
    const Case cases[] = {{10, 5, 3, 11}, {2, 5, 2, 9}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.maxRows);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, numbered(QStringLiteral("Curve_"), 12));
        TChartLegend &legend = *chart.Legend();
        legend.SetAlignment(laTop);
        legend.Pen()->SetVisible(false);
        legend.Symbol()->SetWidthUnits(lcsPixels);
        legend.Symbol()->SetWidth(14);
        legend.SetMaxNumRows(c.maxRows);
        layOut(chart);
        EXPECT_EQ(legend.Columns(), c.columns);
        EXPECT_EQ(legend.Rows(), c.rows);
        EXPECT_EQ(legend.LastIndex(), c.last);
        // Only the shown items are drawn: the eleventh is there only with three rows.
        EXPECT_EQ(textX(canvas, QStringLiteral("Curve_11")) >= 0, c.rows == 3);
        EXPECT_GE(textX(canvas, QStringLiteral("Curve_10")), 0);
    }
}

TEST_F(LegendTest, AnItemWiderThanTheChartShowsNothingAndHitsNothing)
{
    for (const TLegendAlignment alignment : {laTop, laBottom}) {
        SCOPED_TRACE(alignment);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, {QString(70, QLatin1Char('x')), QStringLiteral("b")});
        chart.Legend()->SetAlignment(alignment);
        const TRect plot = layOut(chart);
        EXPECT_EQ(chart.Legend()->Columns(), 0);
        EXPECT_FALSE(chart.Legend()->Shown());
        EXPECT_EQ(plot, kPlot) << "no room taken";
        EXPECT_EQ(canvas.count(QStringLiteral("TextOut")), 0);
        for (int y : {0, 20, 40, 200, 240})
            EXPECT_EQ(chart.Legend()->Clicked(200, y), -1);
    }
}

TEST_F(LegendTest, ItemHeightFollowsTheFontCheckBoxesAndSpacing)
{
    struct Case { bool checkBoxes; int spacing; int height; };
    const Case cases[] = {{true, 0, 17}, {true, 3, 20}, {false, 0, 13}, {false, 3, 16}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.checkBoxes << " " << c.spacing);
        TestChart chart;
        chart.useRecordingCanvas({7, 13});
        chart.Legend()->SetCheckBoxes(c.checkBoxes);
        chart.Legend()->SetVertSpacing(c.spacing);
        EXPECT_EQ(chart.Legend()->CalcItemHeight(), c.height);
    }
}

TEST_F(LegendTest, SymbolWidth)
{
    struct Case { TLegendSymbolSize units; bool squared; bool visible; int width; const char *what; };
    const Case cases[] = {
        {lcsPercent, false, true, 40, "percent of the total"},
        {lcsPixels, false, true, 20, "pixels"},
        {lcsPixels, true, true, 12, "squared: item height - 5"},
        {lcsPercent, false, false, 0, "hidden"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TestChart chart;
        chart.useRecordingCanvas();
        TLegendSymbol &symbol = *chart.Legend()->Symbol();
        chart.Legend()->CalcItemHeight(); // 12 + 5 with check boxes off: 12
        chart.Legend()->SetCheckBoxes(true);
        chart.Legend()->CalcItemHeight(); // 17
        symbol.SetWidthUnits(c.units);
        symbol.SetSquared(c.squared);
        symbol.SetVisible(c.visible);
        EXPECT_EQ(symbol.CalcWidth(200), c.width);
    }
}

TEST_F(LegendTest, ClicksFindTheDrawnItem)
{
    struct Case { TLegendAlignment alignment; bool inverted; int firstRow; int lastRow; };
    const Case cases[] = {{laRight, false, 0, 3}, {laRight, true, 3, 0}, {laLeft, true, 3, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.alignment << " " << c.inverted);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        TChartLegend &legend = *chart.Legend();
        legend.SetAlignment(c.alignment);
        legend.SetInverted(c.inverted);
        layOut(chart);
        const int x = legend.LegendRect().left + 5;
        const int top = legend.FirstItemTop();
        EXPECT_EQ(legend.Clicked(x, top + 1), c.firstRow);
        EXPECT_EQ(legend.Clicked(x, top + 3 * legend.ItemHeight() + 1), c.lastRow);
        EXPECT_EQ(legend.Clicked(legend.LegendRect().left - 1, top + 1), -1);
        // The item drawn in the first row is the one the click found.
        const QString firstDrawn = c.inverted ? QStringLiteral("d") : QStringLiteral("a");
        const std::vector<RecordedCall> texts = canvas.calls(QStringLiteral("TextOut"));
        const auto drawn = std::find_if(texts.begin(), texts.end(),
                                        [&](const RecordedCall &call) { return call.text == firstDrawn; });
        ASSERT_NE(drawn, texts.end());
        EXPECT_EQ(drawn->args[1], top);
    }
}

TEST_F(LegendTest, TopLegendClicksFollowColumnsAndInversion)
{
    TestChart chart;
    chart.useRecordingCanvas();
    addSeries(chart, numbered(QStringLiteral("Curve_"), 7));
    TChartLegend &legend = *chart.Legend();
    legend.SetAlignment(laTop);
    legend.Symbol()->SetWidthUnits(lcsPixels);
    legend.Symbol()->SetWidth(14);
    for (const bool inverted : {false, true}) {
        SCOPED_TRACE(inverted);
        legend.SetInverted(inverted);
        layOut(chart);
        ASSERT_EQ(legend.Columns(), 5);
        const int column = (legend.LegendRect().right - legend.LegendRect().left) / 5;
        const int secondRow = legend.FirstItemTop() + legend.ItemHeight() + 1;
        const int x1 = legend.LegendRect().left + column + 2;
        EXPECT_EQ(legend.Clicked(x1, legend.FirstItemTop() + 1), inverted ? 5 : 1);
        EXPECT_EQ(legend.Clicked(x1, secondRow), inverted ? 0 : 6);
        EXPECT_EQ(legend.Clicked(legend.LegendRect().left + 3 * column + 2, secondRow), -1) << "beyond the items";
    }
}

TEST_F(LegendTest, TwoTextColumnsAreAlignedByTheTextStyle)
{
    struct Case { TLegendTextStyle style; bool firstRight; bool secondRight; };
    const Case cases[] = {{ltsRightValue, false, true}, {ltsLeftValue, true, false}, {ltsPlain, false, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.style);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, {QStringLiteral("s")}, 2);
        chart.Legend()->SetTextStyle(c.style);
        chart.OnGetLegendText = [](TCustomChart &, TLegendStyle, int index, QString &text) {
            text = index == 0 ? QStringLiteral("abc\x06") + QStringLiteral("1") : QStringLiteral("abcde\x06") + QStringLiteral("123");
        };
        layOut(chart);
        // First column 35 pixels wide, second 21.
        EXPECT_EQ(chart.Legend()->ColumnWidth(0), 35);
        EXPECT_EQ(chart.Legend()->ColumnWidth(1), 21);
        const int short0 = textX(canvas, QStringLiteral("abc"));
        const int long0 = textX(canvas, QStringLiteral("abcde"));
        const int short1 = textX(canvas, QStringLiteral("1"));
        const int long1 = textX(canvas, QStringLiteral("123"));
        EXPECT_EQ(c.firstRight ? short0 + 21 : short0, c.firstRight ? long0 + 35 : long0);
        EXPECT_EQ(c.secondRight ? short1 + 7 : short1, c.secondRight ? long1 + 21 : long1);
        EXPECT_GT(std::min(short1, long1), std::max(short0 + 21, long0 + 35) - 1) << "the columns do not overlap";
    }
}

TEST_F(LegendTest, TheLegendTakesItsRoomWithTheDefaultMargins)
{
    struct Case { TLegendAlignment alignment; bool resize; int margin; };
    const Case cases[] = {{laRight, true, 0}, {laRight, true, 5}, {laRight, false, 0}, {laLeft, true, 0},
                          {laTop, true, 0}, {laBottom, true, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.alignment << " " << c.resize << " " << c.margin);
        TestChart chart;
        chart.useRecordingCanvas();
        addSeries(chart, {QStringLiteral("a"), QStringLiteral("b")});
        TChartLegend &legend = *chart.Legend();
        legend.SetAlignment(c.alignment);
        legend.SetResizeChart(c.resize);
        legend.SetHorizMargin(c.margin);
        const TRect plot = layOut(chart);
        const TRect &box = legend.LegendRect();
        ASSERT_TRUE(legend.Shown());
        // 3 % of 400 is 12; 4 % of 250 is 10.
        const int horiz = c.margin ? c.margin : 12;
        TRect expected = kPlot;
        if (c.resize) {
            switch (c.alignment) {
            case laRight: expected.right = box.left - horiz; break;
            case laLeft: expected.left = box.right + horiz; break;
            case laTop: expected.top = box.bottom + chart.Shadow()->Size() + 10; break;
            case laBottom: expected.bottom = box.top - 10; break;
            }
        }
        EXPECT_EQ(plot, expected);
    }
}

TEST_F(LegendTest, HeightOfASideLegendWithAndWithoutTitle)
{
    for (const bool titled : {false, true}) {
        SCOPED_TRACE(titled);
        TestChart chart;
        chart.useRecordingCanvas();
        addSeries(chart, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        TChartLegend &legend = *chart.Legend();
        legend.SetCheckBoxes(true);
        if (titled)
            legend.Title()->SetText({QStringLiteral("Curves")});
        layOut(chart);
        ASSERT_EQ(legend.ItemHeight(), 17);
        // 17 * 3 + 2 + 2 * round(1.7); a transparent title of one line adds 12 + 2.
        EXPECT_EQ(legend.LegendRect().bottom - legend.LegendRect().top, titled ? 57 + 14 : 57);
    }
}

TEST_F(LegendTest, ASideLegendComesBeforeTheTitlesAndATopOneAfter)
{
    struct Case { TLegendAlignment alignment; bool legendFirst; };
    const Case cases[] = {{laLeft, true}, {laRight, true}, {laTop, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.alignment);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, {QStringLiteral("a"), QStringLiteral("b")});
        chart.Title()->SetText({QStringLiteral("Heading")});
        chart.Legend()->SetAlignment(c.alignment);
        layOut(chart);
        const int legendText = textOrder(canvas, QStringLiteral("a"));
        const int titleText = textOrder(canvas, QStringLiteral("Heading"));
        ASSERT_GE(legendText, 0);
        ASSERT_GE(titleText, 0);
        EXPECT_EQ(legendText < titleText, c.legendFirst);
        if (!c.legendFirst) {
            EXPECT_GT(chart.Legend()->LegendRect().top, chart.Title()->TitleRect().bottom);
        }
    }
}

TEST_F(LegendTest, CheckBoxesToggleOrSelectTheirSeries)
{
    for (const TCheckBoxesStyle style : {cbsCheck, cbsRadio}) {
        SCOPED_TRACE(style);
        TestChart chart;
        addSeries(chart, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        TChartLegend &legend = *chart.Legend();
        EXPECT_FALSE(legend.DoCheckBox(1)) << "no check boxes";
        legend.SetCheckBoxes(true);
        legend.SetCheckBoxesStyle(style);
        ASSERT_TRUE(legend.DoCheckBox(1));
        std::vector<bool> active;
        for (const TChartSeries *series : chart.SeriesList())
            active.push_back(series->Active());
        const std::vector<bool> expected = style == cbsCheck ? std::vector<bool>{true, false, true}
                                                             : std::vector<bool>{false, true, false};
        EXPECT_EQ(active, expected);
        EXPECT_FALSE(legend.DoCheckBox(3));
    }
}

TEST_F(LegendTest, ACheckBoxOnTheScreenIsTheLibrarysCheckBox)
{
    TestChart chart;
    addSeries(chart, {QStringLiteral("a"), QStringLiteral("b")});
    chart.Legend()->SetCheckBoxes(true);
    const QImage image = chart.render();
    const TChartLegend &legend = *chart.Legend();
    ASSERT_TRUE(legend.Shown());
    const int x = legend.LegendRect().left + 4;
    const int y = legend.FirstItemTop() + (legend.ItemHeight() - 13) / 2;

    ScreenPass alone(400, 250, false);
    alone.begin();
    PlotProcs::DrawCheckBox(x, y, alone.canvas, true, false, true);
    const QImage &expected = alone.drawn();
    int differing = 0;
    for (int dy = 0; dy < 13; ++dy)
        for (int dx = 0; dx < 13; ++dx)
            differing += (image.pixel(x + dx, y + dy) | 0xFF000000u) != (expected.pixel(x + dx, y + dy) | 0xFF000000u);
    EXPECT_EQ(differing, 0);
}

TEST_F(LegendTest, AValueLegendOfAMillionPointsBuildsOnlyWhatItCanShow)
{
    struct Case { TLegendAlignment alignment; int most; };
    // A side legend builds its rows; one on top no more than its widest possible grid.
    const Case cases[] = {{laRight, 20}, {laTop, (400 - 8) / 8 * 10}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.alignment);
        TestChart chart;
        chart.useRecordingCanvas();
        auto *series = chart.AddSeriesOfClass<TLineSeries>();
        std::vector<double> x(1000000);
        std::vector<double> y(x.size(), 1.0);
        for (std::size_t i = 0; i < x.size(); ++i)
            x[i] = double(i);
        series->AddXYArray(std::span<const double>(x), std::span<const double>(y));
        chart.Legend()->SetAlignment(c.alignment);
        int built = 0;
        chart.OnGetLegendText = [&built](TCustomChart &, TLegendStyle, int, QString &) { ++built; };
        layOut(chart);
        EXPECT_EQ(chart.Legend()->TotalItems(), 1000000);
        EXPECT_GT(built, 0);
        EXPECT_LE(built, c.most);
        EXPECT_LE(chart.Legend()->LastIndex() - chart.Legend()->FirstIndex() + 1, built);
    }
}

TEST_F(LegendTest, EveryCheckBoxColumnOfATopLegendStaysInsideTheBox)
{
    for (const int series : {5, 6}) {
        SCOPED_TRACE(series);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, numbered(QStringLiteral("c"), series));
        TChartLegend &legend = *chart.Legend();
        legend.SetAlignment(laTop);
        legend.SetCheckBoxes(true);
        layOut(chart);
        ASSERT_EQ(legend.Columns(), series);
        const int lastText = textX(canvas, numbered(QStringLiteral("c"), series).last());
        EXPECT_LE(lastText + 3 * 7, legend.LegendRect().right);
    }
}

// The text starts 6 + symbol + 4 into its item: a step of symbol + text + 6 ran the widest text 4
// pixels into the next item ("Methanol— Aceton").
TEST_F(LegendTest, TopLegendItemsStepPastTheirWidestTextAndTheBoxHoldsThem)
{
    // The widest text "Methanol" is 56 pixels, the symbol 14.
    // With check boxes the next item's box (13), its gap (2) and 6 pixels from the text before it
    // stand before the symbol's indent.
    struct Case { bool checkBoxes; int step; int width; int gap; };
    const Case cases[] = {{false, 14 + 56 + 10, 3 * (14 + 56 + 10) + 10, 6}, {true, 14 + 56 + 31, 306, 6 + 15 + 6}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.checkBoxes);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, {QStringLiteral("Methanol"), QStringLiteral("Aceton"), QStringLiteral("Wasser")});
        TChartLegend &legend = *chart.Legend();
        legend.SetAlignment(laTop);
        legend.Pen()->SetVisible(false);
        legend.Symbol()->SetWidthUnits(lcsPixels);
        legend.Symbol()->SetWidth(14);
        legend.SetCheckBoxes(c.checkBoxes);
        layOut(chart);
        ASSERT_EQ(legend.Columns(), 3);
        const int methanol = textX(canvas, QStringLiteral("Methanol"));
        const int aceton = textX(canvas, QStringLiteral("Aceton"));
        const int wasser = textX(canvas, QStringLiteral("Wasser"));
        EXPECT_EQ(aceton - methanol, c.step);
        EXPECT_EQ(wasser - aceton, c.step);
        // "Methanol" ends the symbol's indent of 6 pixels before the next item's symbol.
        EXPECT_EQ((aceton - 4 - 14) - (methanol + 56), c.gap);
        EXPECT_EQ(legend.LegendRect().right - legend.LegendRect().left, c.width);
        EXPECT_LE(wasser + 56, legend.LegendRect().right);
    }
}

// In the last-values style a right-aligned value ends its column: the next item's check box keeps
// the gap an item keeps from the one before it.
TEST_F(LegendTest, ACheckBoxKeepsItsGapFromTheLastValueBeforeIt)
{
    for (const TLegendTextStyle textStyle : {ltsLeftValue, ltsRightValue}) {
        SCOPED_TRACE(textStyle);
        TestChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addSeries(chart, {QStringLiteral("Wasser"), QStringLiteral("Ethanol"), QStringLiteral("Aceton")});
        TChartLegend &legend = *chart.Legend();
        legend.SetAlignment(laTop);
        legend.SetLegendStyle(lsLastValues);
        legend.SetTextStyle(textStyle);
        legend.SetCheckBoxes(true);
        layOut(chart);
        ASSERT_EQ(legend.Columns(), 3);
        // The check boxes' white fields, 9 pixels inside the 13-pixel frames, left to right; the
        // texts end where they are measured.
        std::vector<int> boxes;
        for (const RecordedCall &call : canvas.calls(QStringLiteral("FillRect")))
            if (call.args[2] - call.args[0] == 13 - 4)
                boxes.push_back(call.args[0] - 2);
        std::sort(boxes.begin(), boxes.end());
        boxes.erase(std::unique(boxes.begin(), boxes.end()), boxes.end());
        ASSERT_EQ(boxes.size(), 3u);
        int textEnd = 0;
        for (const RecordedCall &call : canvas.calls(QStringLiteral("TextOut")))
            if (call.args[0] < boxes[1])
                textEnd = std::max(textEnd, call.args[0] + canvas.TextWidth(call.text));
        EXPECT_GE(boxes[1] - textEnd, 6);
    }
}

TEST_F(LegendTest, TheSymbolsGradientAndBorderChangeTheSymbol)
{
    enum Setting { Plain, Gradient, OwnBorder, OwnBorderOfALine };
    const auto prepare = [](TestChart &chart, Setting setting) {
        chart.SetView3D(false); // a line's symbol is a line in 2D
        TChartSeries *series = nullptr;
        for (const QString &title : {QStringLiteral("a"), QStringLiteral("b")}) {
            if (setting == OwnBorderOfALine)
                series = chart.AddSeriesOfClass<TLineSeries>();
            else
                series = chart.AddSeriesOfClass<TBarSeries>();
            series->SetTitle(title);
            series->SetSeriesColor(clBlue);
            series->Add(2);
        }
        TLegendSymbol &symbol = *chart.Legend()->Symbol();
        symbol.SetWidthUnits(lcsPixels);
        symbol.SetWidth(30);
        if (setting == Gradient) {
            symbol.Gradient()->SetVisible(true);
            symbol.Gradient()->SetStartColor(clYellow);
        } else if (setting == OwnBorder || setting == OwnBorderOfALine) {
            symbol.SetDefaultPen(false);
            symbol.Pen()->SetColor(clRed);
            symbol.Pen()->SetWidth(3);
        }
    };
    for (const Setting setting : {Plain, Gradient, OwnBorder, OwnBorderOfALine}) {
        SCOPED_TRACE(int(setting));
        TestChart recorded;
        RecordingCanvas &canvas = recorded.useRecordingCanvas();
        prepare(recorded, setting);
        recorded.drawPass();
        const TRect box = recorded.Legend()->Items().Item(0).SymbolRect;
        const auto inBox = [&](const RecordedCall &call) {
            return call.args.size() >= 4 && call.args[0] >= box.left && call.args[2] <= box.right
                   && call.args[1] >= box.top - 1 && call.args[3] <= box.bottom + 1;
        };
        std::vector<RecordedCall> frames;
        for (const RecordedCall &call : canvas.calls(QStringLiteral("Rectangle")))
            if (inBox(call))
                frames.push_back(call);
        int gradients = 0;
        for (const RecordedCall &call : canvas.calls(QStringLiteral("GradientFill")))
            gradients += inBox(call);
        std::vector<RecordedCall> lines;
        for (const RecordedCall &call : canvas.calls(QStringLiteral("Line")))
            if (inBox(call))
                lines.push_back(call);

        TestChart drawn;
        prepare(drawn, setting);
        const QImage image = drawn.render();
        const TRect shown = drawn.Legend()->Items().Item(0).SymbolRect;
        const QColor middle = image.pixelColor((shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2);
        const QColor edge = image.pixelColor((shown.left + shown.right) / 2, shown.top);
        switch (setting) {
        case Plain:
            ASSERT_EQ(frames.size(), 1u);
            EXPECT_EQ(gradients, 0);
            EXPECT_EQ(frames[0].brushColor, clBlue);
            EXPECT_EQ(frames[0].penColor, clBlack);
            EXPECT_EQ(middle, QColor(Qt::blue));
            EXPECT_EQ(edge, QColor(Qt::black));
            break;
        case Gradient:
            // The gradient ends in the series' colour and the symbol pen frames it.
            EXPECT_EQ(gradients, 1);
            ASSERT_EQ(frames.size(), 1u);
            EXPECT_EQ(frames[0].brushStyle, bsClear);
            EXPECT_NE(middle, QColor(Qt::blue));
            EXPECT_GT(middle.red(), 60) << middle.name().toStdString(); // between yellow and blue
            break;
        case OwnBorder:
            ASSERT_GE(frames.size(), 1u);
            EXPECT_EQ(frames[0].brushColor, clBlue);
            EXPECT_EQ(frames[0].penColor, clRed);
            EXPECT_EQ(frames[0].penWidth, 3);
            EXPECT_EQ(middle, QColor(Qt::blue));
            EXPECT_EQ(edge, QColor(Qt::red));
            break;
        case OwnBorderOfALine:
            // A line's symbol is drawn with the symbol pen.
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].penColor, clRed);
            EXPECT_EQ(lines[0].penWidth, 3);
            EXPECT_EQ(middle, QColor(Qt::red));
            break;
        }
    }
}
