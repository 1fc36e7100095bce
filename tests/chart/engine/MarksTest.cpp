// Series marks: texts, which points get a mark, the box of a mark, per-point formats and their stream.
#include "StubChart.h"

#include "PlotExceptions.h"

#include "ScopedLocale.h"
#include "TestPropertyFiler.h"

#include <gtest/gtest.h>

namespace {

// A chart whose axes put value (x, y) at pixel (x, y) of a 200 x 100 chart rectangle at the origin.
struct MarksChart
{
    MarksChart()
    {
        canvas = &chart.useRecordingCanvas();
        chart.SetAxisVisible(false); // only the marks write texts
        chart.CustomChartRect = true;
        chart.ChartRect = {0, 0, 200, 100};
        chart.BottomAxis()->SetMinMax(0, 200);
        chart.LeftAxis()->SetMinMax(0, 100);
        series = new TChartSeries(&chart);
        chart.AddSeries(series);
        series->Marks()->SetVisible(true);
    }
    std::vector<RecordedCall> texts() const { return canvas->calls(QStringLiteral("TextOut")); }

    const ScopedLocale english{QLocale(QLocale::English)};
    StubChart chart;
    RecordingCanvas *canvas = nullptr;
    TChartSeries *series = nullptr;
};

} // namespace

TEST(TSeriesMarks, TextsFollowTheStyle)
{
    const ScopedLocale english(QLocale::English);
    TChartSeries series;
    for (int i = 1; i <= 4; ++i)
        series.Add(i, i == 2 ? QStringLiteral("B") : QString());
    struct Case
    {
        TSeriesMarksStyle style;
        bool multiLine;
        int point;
        QString text;
    };
    const Case cases[] = {
        {smsValue, false, 0, QStringLiteral("1")},
        {smsPercent, false, 0, QStringLiteral("10 %")},
        {smsLabel, false, 0, QStringLiteral("1")},
        {smsLabelPercent, false, 1, QStringLiteral("B 20 %")},
        {smsPercentTotal, false, 0, QStringLiteral("10 % of 10")},
        {smsPercentTotal, true, 0, QStringLiteral("10 %\rof 10")},
        {smsXY, false, 2, QStringLiteral("2 3")},
        {smsLabelValue, true, 1, QStringLiteral("B\r2")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(int(c.style)).arg(c.point).toStdString());
        series.Marks()->SetStyle(c.style);
        series.Marks()->SetMultiLine(c.multiLine);
        EXPECT_EQ(series.GetMarkText(c.point), c.text);
    }
    TChartSeries zeros;
    zeros.Add(0);
    zeros.Add(0);
    zeros.Marks()->SetStyle(smsPercent);
    EXPECT_EQ(zeros.GetMarkText(1), QStringLiteral("100 %"));

    series.Marks()->SetStyle(smsValue);
    series.Marks()->Items().Item(3)->SetText({QStringLiteral("own"), QStringLiteral("text")});
    EXPECT_EQ(series.GetMarkText(3), QStringLiteral("own\r\ntext"));
    EXPECT_EQ(series.GetMarkText(2), QStringLiteral("3"));
}

TEST(TSeriesMarks, BoxStandsAboveThePointAndOwnTextsDrawLineByLine)
{
    MarksChart m;
    m.series->AddXY(100, 50, QStringLiteral("12"));
    m.series->AddXY(150, 50, QStringLiteral("unused"));
    m.series->Marks()->Items().Item(1)->SetText({QStringLiteral("two"), QStringLiteral("lines")});
    m.chart.drawPass();
    // "12" is 14 wide and 12 high; the box adds "W" (7) and the frame (1 on each side).
    const auto boxes = m.canvas->calls(QStringLiteral("Rectangle"));
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(),
                            [](const RecordedCall &c) { return c.args == std::vector<int>{89, 37, 112, 51}; }))
        << m.canvas->dump().toStdString();
    const auto texts = m.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, QStringLiteral("12"));
    EXPECT_EQ(texts[0].args[1], 38);
    EXPECT_EQ(texts[1].text + texts[2].text, QStringLiteral("twolines"));
    EXPECT_EQ(texts[2].args[1] - texts[1].args[1], 12);
}

TEST(TSeriesMarks, OnlyEveryNthDrawnPointHasAMarkToClick)
{
    MarksChart m;
    for (int i = 0; i < 10; ++i)
        m.series->AddXY(10 + i * 18, 50);
    m.series->Marks()->SetStyle(smsValue);
    m.series->Marks()->SetDrawEvery(3);
    m.chart.drawPass();
    QStringList drawn;
    for (const RecordedCall &c : m.texts())
        drawn << c.text;
    EXPECT_EQ(drawn, (QStringList{QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("50")}));
    QList<int> clicked;
    for (int i = 0; i < 10; ++i)
        clicked << m.series->Marks()->Clicked(10 + i * 18, 45);
    EXPECT_EQ(clicked, (QList<int>{0, -1, -1, 3, -1, -1, 6, -1, -1, 9}));

    m.canvas->clear();
    m.series->Marks()->SetDrawEvery(1);
    m.series->SetValueColor(1, clNone);
    m.series->OnGetMarkText = [](TChartSeries *, int index, QString &text) {
        if (index == 2)
            text.clear();
    };
    m.chart.drawPass();
    EXPECT_EQ(m.texts().size(), 8u);
}

TEST(TSeriesMarks, RangeDeleteTakesTheFormatsOfTheDeletedPoints)
{
    TChartSeries series;
    for (int i = 0; i < 5; ++i)
        series.Add(i);
    series.Marks()->Items().Item(1)->SetColor(clRed);
    series.Marks()->Items().Item(3)->SetColor(clBlue);
    series.DeleteRange(1, 2);
    EXPECT_EQ(series.Marks()->Items().ItemIfAny(0), nullptr);
    ASSERT_NE(series.Marks()->Items().ItemIfAny(1), nullptr);
    EXPECT_EQ(series.Marks()->Items().ItemIfAny(1)->Color(), clBlue);
    EXPECT_EQ(series.Marks()->Items().ItemIfAny(2), nullptr);
}

TEST(TSeriesMarks, SavingItemsCreatesNoneAndReadingMakesOnlyTheStoredOnes)
{
    TChartSeries series;
    TMarksItem *item = series.Marks()->Items().Item(2);
    item->SetColor(clRed);
    item->SetShapeStyle(fosRoundRectangle);
    item->Font()->SetStyle(fsBold | fsItalic);
    item->Gradient()->SetVisible(true);
    item->SetText({QStringLiteral("a"), QStringLiteral("ä")});
    MapPropertyFiler filer;
    const QByteArray stored = filer.save(*series.Marks()).value(QStringLiteral("Items")).toByteArray();
    EXPECT_EQ(stored.mid(4, 4), QByteArray("\x01\x00\x01\x00", 4)); // two empty blocks first
    EXPECT_EQ(series.Marks()->Items().ItemIfAny(0), nullptr);
    EXPECT_EQ(series.Marks()->Items().ItemIfAny(1), nullptr);

    TChartSeries copy;
    filer.load(*copy.Marks(), {{QStringLiteral("Items"), stored}});
    EXPECT_EQ(copy.Marks()->Items().ItemIfAny(0), nullptr);
    EXPECT_EQ(copy.Marks()->Items().ItemIfAny(1), nullptr);
    const TMarksItem *read = copy.Marks()->Items().ItemIfAny(2);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Color(), clRed);
    EXPECT_EQ(read->ShapeStyle(), fosRoundRectangle);
    EXPECT_EQ(read->Font()->Style(), fsBold | fsItalic);
    EXPECT_TRUE(read->gradientIfAny() && read->gradientIfAny()->Visible());
    EXPECT_EQ(read->Text(), (QStringList{QStringLiteral("a"), QStringLiteral("ä")}));

    TChartSeries empty;
    EXPECT_FALSE(filer.save(*empty.Marks()).contains(QStringLiteral("Items")));
    EXPECT_THROW(filer.load(*copy.Marks(), {{QStringLiteral("Items"), stored.left(stored.size() - 3)}}), ChartException);
    EXPECT_TRUE(copy.Marks()->Items().IsEmpty());
}
