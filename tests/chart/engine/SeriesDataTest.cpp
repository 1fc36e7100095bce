// The stored points of a series ("Data") and the other stream properties of series and tools.
#include "StubChart.h"

#include "PlotExceptions.h"
#include "TPlotCustomTool.h"

#include "TestPropertyFiler.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

QByteArray header(quint8 flags, qint32 count)
{
    QByteArray bytes(1, char(flags));
    const qint32 le = qToLittleEndian(count);
    bytes.append(reinterpret_cast<const char *>(&le), 4);
    return bytes;
}

QByteArray doubleBytes(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, 8);
    bits = qToLittleEndian(bits);
    return QByteArray(reinterpret_cast<const char *>(&bits), 8);
}

// Reads the block into a fresh series; the text of the load error, or empty.
QString readError(TChartSeries &series, const QByteArray &data)
{
    try {
        series.ReadData(data);
    } catch (const ChartException &e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(SeriesData, LayoutOfTheStoredPoints)
{
    TChartSeries plain;
    plain.AddXY(0, 5.5);
    plain.AddXY(1, 6.5);
    EXPECT_EQ(plain.WriteData(), header(0, 2) + doubleBytes(5.5) + doubleBytes(6.5));

    TChartSeries ownX;
    ownX.AddXY(0, 1);
    ownX.AddXY(2, 3);
    const QByteArray x = ownX.WriteData();
    EXPECT_EQ(x.size(), 37);
    EXPECT_EQ(x.left(5), header(1, 2));

    TChartSeries labelled;
    labelled.Add(1);
    labelled.Add(2, QStringLiteral("b"));
    EXPECT_EQ(labelled.WriteData(),
              header(4, 2) + doubleBytes(1) + QByteArray(1, '\0') + doubleBytes(2) + QByteArray("\x01" "b", 2));

    TChartSeries old; // an 8-bit label of an old file, no valid UTF-8
    old.ReadData(header(4, 1) + doubleBytes(7) + QByteArray("\x01\xE4", 2));
    EXPECT_EQ(old.Labels().GetLabel(0), QString(QChar(0xE4)));
}

TEST(SeriesData, PointsComeBackAsTheyWere)
{
    struct Case
    {
        const char *name;
        bool horizontal;
        std::vector<double> x;
        std::vector<double> y;
        QStringList labels;
        std::vector<TColor> colors;
    };
    const Case cases[] = {
        {"labels in UTF-8", false, {0, 1}, {2, 3}, {QString(), QStringLiteral("Wasserdampf ä")}, {}},
        {"colours and own X", false, {-1, 4.25, 9}, {1, 0, 7}, {}, {clRed, clPlotColor, clBlue}},
        {"horizontal", true, {5, 6, 7}, {0, 1, 2}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TChartSeries source;
        TChartSeries copy;
        if (c.horizontal) {
            source.SetHorizontal();
            copy.SetHorizontal();
        }
        for (std::size_t i = 0; i < c.x.size(); ++i)
            source.AddXY(c.x[i], c.y[i], c.labels.value(qsizetype(i)), c.colors.empty() ? clPlotColor : c.colors[i]);
        copy.ReadData(source.WriteData());
        EXPECT_TRUE(copy.ManualData());
        ASSERT_EQ(copy.Count(), source.Count());
        for (int i = 0; i < source.Count(); ++i) {
            EXPECT_EQ(copy.GetXValue(i), source.GetXValue(i));
            EXPECT_EQ(copy.GetYValue(i), source.GetYValue(i));
            EXPECT_EQ(copy.Labels().GetLabel(i), source.Labels().GetLabel(i));
            EXPECT_EQ(copy.GetValueColor(i), source.GetValueColor(i));
        }
    }
}

TEST(SeriesData, ColumnsThatStartLateAreKept)
{
    TChartSeries source;
    for (int i = 0; i < 16000; ++i)
        source.AddXY(i == 15000 ? 15000.5 : i, i % 7, i == 150 ? QStringLiteral("late") : QString(),
                     i == 12000 ? clRed : clPlotColor);
    const QByteArray data = source.WriteData();
    EXPECT_EQ(quint8(data[0]), 7);
    TChartSeries copy;
    copy.ReadData(data);
    EXPECT_EQ(copy.Labels().GetLabel(150), QStringLiteral("late"));
    EXPECT_EQ(copy.GetValueColor(12000), clRed);
    EXPECT_EQ(copy.GetXValue(15000), 15000.5);
}

TEST(SeriesData, LongLabelsAreCutAtACharacterAndLaterRecordsStayIntact)
{
    TChartSeries source;
    source.AddXY(0, 1, QString(150, QChar(0xE4)));
    source.AddXY(1, 2, QStringLiteral("after"));
    const QByteArray data = source.WriteData();
    EXPECT_EQ(quint8(data[5 + 8]), 254);
    TChartSeries copy;
    copy.ReadData(data);
    EXPECT_EQ(copy.Labels().GetLabel(0), QString(127, QChar(0xE4)));
    EXPECT_EQ(copy.Labels().GetLabel(1), QStringLiteral("after"));
    EXPECT_EQ(copy.GetYValue(1), 2.0);
}

TEST(SeriesData, DamagedBlocksRaiseTheLoadErrorAndLeaveTheSeriesEmpty)
{
    const QString wrong = QStringLiteral("Wrong *.plot file format");
    const QByteArray cases[] = {
        header(0, -1),
        header(0, 1000000000) + QByteArray(25, '\0'),
        header(4, 1) + doubleBytes(1) + QByteArray("\x09" "abc", 4),
        header(0x40, 0),
        QByteArray("\x00\x01", 2),
    };
    for (const QByteArray &data : cases) {
        SCOPED_TRACE(data.toHex().toStdString());
        TChartSeries series;
        series.AddXY(1, 1);
        EXPECT_EQ(readError(series, data), wrong);
        EXPECT_EQ(series.Count(), 0);
    }
}

TEST(SeriesData, RandomAndMutatedBlocksNeverCrash)
{
    std::mt19937 random(11);
    std::vector<QByteArray> valid;
    for (int flags = 0; flags < 4; ++flags) {
        TChartSeries series;
        for (int i = 0; i < 4; ++i)
            series.AddXY(i * (flags & 1 ? 2 : 1), i, flags & 2 ? QStringLiteral("p%1").arg(i) : QString());
        series.Marks()->Positions().SetPosition(1, TSeriesMarkPosition{});
        valid.push_back(series.WriteData());
    }
    TChartSeries target;
    int accepted = 0;
    for (int round = 0; round < 100000; ++round) {
        QByteArray data;
        if (round % 2 == 0) {
            data.resize(qsizetype(random() % 64));
            for (char &c : data)
                c = char(random());
        } else {
            data = valid[std::size_t(random() % valid.size())];
            for (int edits = 1 + int(random() % 4); edits > 0; --edits) {
                const qsizetype at = qsizetype(random() % quint32(data.size() + 1));
                switch (random() % 3) {
                case 0: data.insert(at, char(random())); break;
                case 1: data.remove(at, 1); break;
                default:
                    if (at < data.size())
                        data[at] = char(random());
                }
            }
        }
        if (readError(target, data).isEmpty())
            ++accepted;
        else
            ASSERT_EQ(target.Count(), 0);
    }
    EXPECT_GT(accepted, 0); // the mutations leave some blocks well formed
}

TEST(SeriesStreamProperties, EachIsWrittenOnlyWhenItsRuleHolds)
{
    StubChart chart;
    TChartAxis *custom = chart.AddCustomAxis();
    auto *series = new TChartSeries(&chart);
    auto *a = new TChartSeries(&chart);
    auto *b = new TChartSeries(&chart);
    a->SetName(QStringLiteral("A"));
    b->SetName(QStringLiteral("B"));
    for (TChartSeries *s : {series, a, b})
        chart.AddSeries(s);
    MapPropertyFiler filer;
    EXPECT_TRUE(filer.save(*series).isEmpty());
    EXPECT_EQ(filer.defined(), (QStringList{QStringLiteral("Identifier"), QStringLiteral("Style"),
                                            QStringLiteral("DataSources"), QStringLiteral("CustomHorizAxis"),
                                            QStringLiteral("CustomVertAxis"), QStringLiteral("Data")}));

    series->SetIdentifier(QStringLiteral("id"));
    series->SetStyle(1 | 32);
    series->SetCustomVertAxis(custom);
    series->DataSources().Add(a);
    series->DataSources().Add(b);
    const QVariantMap stored = filer.save(*series);
    EXPECT_EQ(stored.value(QStringLiteral("Identifier")), QStringLiteral("id"));
    EXPECT_EQ(stored.value(QStringLiteral("Style")), 33);
    EXPECT_EQ(stored.value(QStringLiteral("CustomVertAxis")), 0);
    EXPECT_EQ(stored.value(QStringLiteral("DataSources")), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_FALSE(stored.contains(QStringLiteral("Data")));

    TChartSeries manual;
    manual.AddXY(1, 2);
    manual.SetManualData(true);
    EXPECT_TRUE(filer.save(manual).contains(QStringLiteral("Data")));
    manual.NeverSaveData = true;
    EXPECT_FALSE(filer.save(manual).contains(QStringLiteral("Data")));
    manual.ForceSaveData = true;
    EXPECT_TRUE(filer.save(manual).contains(QStringLiteral("Data")));
}

TEST(SeriesStreamProperties, StoredIndexesMustNameAnAxis)
{
    StubChart chart;
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    auto *tool = new TPlotCustomToolAxis(&chart);
    chart.Tools().Add(tool);
    MapPropertyFiler filer;
    filer.load(*tool, {{QStringLiteral("AxisID"), 3}});
    EXPECT_EQ(tool->Axis(), chart.BottomAxis());
    EXPECT_EQ(filer.save(*tool).value(QStringLiteral("AxisID")), 3);
    EXPECT_THROW(filer.load(*tool, {{QStringLiteral("AxisID"), 99}}), ChartException);
    EXPECT_EQ(tool->Axis(), chart.BottomAxis());
    EXPECT_THROW(filer.load(*series, {{QStringLiteral("CustomHorizAxis"), 0}}), ChartException);
    EXPECT_EQ(series->HorizAxis(), aBottomAxis);
}
