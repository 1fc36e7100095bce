// The axes' labels and titles on a whole chart, read back from the recording canvas with fake
// metrics: the room they take, the labels a logarithmic axis leaves out, and what lies behind them.
#include "ChartTestSupport.h"

#include "ScopedLocale.h"
#include "TLineSeries.h"

#include <QRect>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using AxisLabelLayoutTest = ChartTest;

namespace {

// A 2D chart of the size without a legend, drawing on a recording canvas.
RecordingCanvas &recordPlainChart(TestChart &chart, QSize size)
{
    chart.resize(size);
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    chart.SetView3D(false);
    chart.Legend()->SetVisible(false);
    return canvas;
}

// A line series through the points, on the chart's left and bottom axes.
void addCurve(TChart &chart, const std::vector<std::pair<double, double>> &points)
{
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    for (const auto &[x, y] : points)
        series->AddXY(x, y);
}

std::vector<RecordedCall> textsAligned(const RecordingCanvas &canvas, int align)
{
    std::vector<RecordedCall> result;
    for (const RecordedCall &call : canvas.calls(QStringLiteral("TextOut")))
        if ((call.args[2] & TA_CENTER) == align && call.textAngleTenths == 0)
            result.push_back(call);
    return result;
}

} // namespace

// The room of a vertical axis' labels once held only its two end labels, "0" and "1", and its
// title lay under the wider "0.95" between them.
TEST_F(AxisLabelLayoutTest, TheVerticalAxisTitleClearsEveryLabel)
{
    for (const QSize size : {QSize(300, 200), QSize(1600, 1000)}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        TestChart chart;
        RecordingCanvas &canvas = recordPlainChart(chart, size);
        addCurve(chart, {{0, 0.03}, {100, 1.01}});
        TChartAxis &left = *chart.LeftAxis();
        left.SetMinMax(0.03, 1.01);
        left.SetIncrement(0.05);
        left.Title()->SetCaption(QStringLiteral("Dampfdruck in bar"));
        chart.drawPass();

        const auto titles = canvas.calls(QStringLiteral("TextOut"));
        const auto title = std::find_if(titles.begin(), titles.end(), [](const RecordedCall &c) {
            return c.text == QStringLiteral("Dampfdruck in bar");
        });
        ASSERT_NE(title, titles.end());
        const QRect titleRect = canvas.textBox(*title);
        const std::vector<RecordedCall> labels = textsAligned(canvas, TA_RIGHT);
        ASSERT_GT(labels.size(), 2u);
        int widest = 0;
        for (const RecordedCall &label : labels) {
            SCOPED_TRACE(label.text.toStdString());
            widest = std::max(widest, int(label.text.size()));
            EXPECT_FALSE(canvas.textBox(label).intersects(titleRect));
        }
        EXPECT_GT(widest, 1) << "an inner label is wider than the ends";
    }
}

// The log loop had no overlap rule: in a small chart the labels of many decades ran into each
// other ("0.00000001 0.0000001"), on the vertical axis and on a horizontal one.
TEST_F(AxisLabelLayoutTest, NeighbouringLogarithmicLabelsNeverOverlap)
{
    for (const bool horizontal : {false, true}) {
        for (const bool tickOnLabelsOnly : {true, false}) {
            SCOPED_TRACE(testing::Message() << "horizontal " << horizontal << ", ticks on labels only "
                                            << tickOnLabelsOnly);
            TestChart chart;
            RecordingCanvas &canvas = recordPlainChart(chart, QSize(300, 200));
            std::vector<std::pair<double, double>> points;
            for (int decade = -12; decade <= 2; ++decade) {
                const double value = std::pow(10.0, decade);
                points.emplace_back(horizontal ? value : decade, horizontal ? decade : value);
            }
            addCurve(chart, points);
            TChartAxis &axis = horizontal ? *chart.BottomAxis() : *chart.LeftAxis();
            axis.SetLogarithmic(true);
            axis.SetTickOnLabelsOnly(tickOnLabelsOnly);
            chart.drawPass();

            const std::vector<RecordedCall> labels = textsAligned(canvas, horizontal ? TA_CENTER : TA_RIGHT);
            ASSERT_GE(labels.size(), 2u);
            EXPECT_LT(labels.size(), 15u) << "some of the fifteen decades are left out";
            for (std::size_t i = 0; i < labels.size(); ++i)
                for (std::size_t j = i + 1; j < labels.size(); ++j)
                    EXPECT_FALSE(canvas.textBox(labels[i]).intersects(canvas.textBox(labels[j])))
                        << labels[i].text.toStdString() << " and " << labels[j].text.toStdString();
            // A label left out keeps its tick only when every loop value gets one.
            if (tickOnLabelsOnly)
                EXPECT_EQ(axis.TickPositions().size(), labels.size());
            else
                EXPECT_GT(axis.TickPositions().size(), labels.size());
        }
    }
}

// The walls leave the canvas opaque in the chart's silver: on paper every axis label and title
// had a grey box behind it.
TEST_F(AxisLabelLayoutTest, EveryAxisTextIsDrawnTransparent)
{
    TestChart chart;
    RecordingCanvas &canvas = recordPlainChart(chart, QSize(400, 250));
    addCurve(chart, {{0, 1}, {100, 220}});
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("Dampfdruck in bar"));
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("Temperatur"));
    chart.drawPass();
    const auto texts = canvas.calls(QStringLiteral("TextOut"));
    ASSERT_GT(texts.size(), 4u);
    for (const RecordedCall &text : texts)
        EXPECT_EQ(text.backMode, cbmTransparent) << text.text.toStdString();
}

// The library's "#,##0.###" wrote every decade below 1e-3 as "0", and so the lowest decades of a
// chart of values near 1e300 whose axis starts at a power far below them.
TEST_F(AxisLabelLayoutTest, NoLogarithmicDecadeIsLabelledZero)
{
    const ScopedLocale german(QLocale(QLocale::German));
    const QLocale locale;
    const struct
    {
        int lowDecade, highDecade;
    } ranges[] = {{-9, 2}, {290, 300}};
    for (const auto &range : ranges) {
        for (const bool horizontal : {false, true}) {
            SCOPED_TRACE(testing::Message() << "1e" << range.lowDecade << " .. 1e" << range.highDecade
                                            << ", horizontal " << horizontal);
            TestChart chart;
            RecordingCanvas &canvas = recordPlainChart(chart, QSize(1600, 1000));
            std::vector<std::pair<double, double>> points;
            for (int decade = range.lowDecade; decade <= range.highDecade; ++decade) {
                const double value = std::pow(10.0, decade);
                points.emplace_back(horizontal ? value : decade, horizontal ? decade : value);
            }
            addCurve(chart, points);
            (horizontal ? chart.BottomAxis() : chart.LeftAxis())->SetLogarithmic(true);
            chart.drawPass();

            const std::vector<RecordedCall> labels = textsAligned(canvas, horizontal ? TA_CENTER : TA_RIGHT);
            ASSERT_GE(labels.size(), 6u);
            std::set<QString> texts;
            for (const RecordedCall &label : labels) {
                SCOPED_TRACE(label.text.toStdString());
                texts.insert(label.text);
                bool number = false;
                const double value = locale.toDouble(label.text, &number);
                ASSERT_TRUE(number);
                // The text reads back as the power of ten it labels.
                const double decade = std::log10(value);
                EXPECT_NEAR(decade, std::nearbyint(decade), 1e-12);
                EXPECT_GE(decade, range.lowDecade - 1e-12);
                EXPECT_LE(decade, range.highDecade + 1e-12);
            }
            EXPECT_EQ(texts.size(), labels.size()) << "every label is a decade of its own";
        }
    }
}

// Steps down across zero leave a remainder of rounding (1 - 5 x 0.2 is 1.1E-16): the label there
// reads "0", while the small values of a narrow range keep their digits.
TEST_F(AxisLabelLayoutTest, ALinearAxisLabelsZeroOnceAndSmallValuesByTheirDigits)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct
    {
        double minimum, maximum, increment;
        std::size_t count;
    } cases[] = {{-1.0, 1.0, 0.2, 11}, {0.0, 2e-5, 2e-6, 11}, {-4e-4, 4e-4, 2e-4, 5}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << " .. " << c.maximum);
        TestChart chart;
        RecordingCanvas &canvas = recordPlainChart(chart, QSize(600, 800));
        addCurve(chart, {{0, c.minimum}, {1, c.maximum}});
        TChartAxis &left = *chart.LeftAxis();
        left.SetMinMax(c.minimum, c.maximum);
        left.SetIncrement(c.increment);
        chart.drawPass();

        const std::vector<RecordedCall> labels = textsAligned(canvas, TA_RIGHT);
        ASSERT_EQ(labels.size(), c.count);
        std::set<QString> texts;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            // Drawn from the top down: each label the increment below the one before.
            const double expected = c.maximum - double(i) * c.increment;
            const double value = QLocale().toDouble(labels[i].text);
            EXPECT_NEAR(value, expected, 1e-9 * c.increment) << labels[i].text.toStdString();
            if (std::fabs(expected) < 1e-3 * c.increment)
                EXPECT_EQ(labels[i].text, QStringLiteral("0"));
            texts.insert(labels[i].text);
        }
        EXPECT_EQ(texts.size(), labels.size());
    }
}

// With an increment the log axis steps by it in the value loop, evenly in value and so ever closer
// in pixels towards the top of each decade ("8000" ran into "10000"), whatever "Min. Abstand %".
TEST_F(AxisLabelLayoutTest, LogarithmicLabelsKeepTheirSeparationForEveryIncrement)
{
    for (const int separation : {10, 50}) {
        for (const double increment : {1.0, 2.0, 10.0, 20.0, 100.0}) {
            for (const bool horizontal : {false, true}) {
                SCOPED_TRACE(testing::Message() << "increment " << increment << ", separation " << separation
                                                << ", horizontal " << horizontal);
                TestChart chart;
                RecordingCanvas &canvas = recordPlainChart(chart, QSize(800, 400));
                addCurve(chart, horizontal ? std::vector<std::pair<double, double>>{{1, 0}, {1e4, 1}}
                                           : std::vector<std::pair<double, double>>{{0, 1}, {1, 1e4}});
                TChartAxis &axis = horizontal ? *chart.BottomAxis() : *chart.LeftAxis();
                axis.SetLogarithmic(true);
                axis.SetIncrement(increment);
                axis.SetLabelsSeparation(separation);
                chart.drawPass();

                std::vector<QRect> rects;
                for (const RecordedCall &label : textsAligned(canvas, horizontal ? TA_CENTER : TA_RIGHT))
                    rects.push_back(canvas.textBox(label));
                ASSERT_GE(rects.size(), 2u);
                // Between two labels along the axis at least the separation's percent of the
                // smaller one (a pixel less for the rule's integer halves).
                const auto along = [&](const QRect &r) {
                    return horizontal ? std::pair(r.left(), r.right() + 1) : std::pair(r.top(), r.bottom() + 1);
                };
                for (std::size_t i = 0; i < rects.size(); ++i)
                    for (std::size_t j = i + 1; j < rects.size(); ++j) {
                        const auto [fromI, toI] = along(rects[i]);
                        const auto [fromJ, toJ] = along(rects[j]);
                        const int gap = std::max(fromI, fromJ) - std::min(toI, toJ);
                        const int smaller = std::min(toI - fromI, toJ - fromJ);
                        EXPECT_GE(gap, int(smaller * 0.01 * separation) - 1)
                            << "labels " << i << " and " << j;
                    }
            }
        }
    }
}
