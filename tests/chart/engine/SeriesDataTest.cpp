// The stored points of a series ("Data") and the other stream properties of series and tools.
#include "StubChart.h"

#include "PlotExceptions.h"
#include "TPlotCustomTool.h"

#include "TestPropertyFiler.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
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
    EXPECT_THROW(filer.load(*tool, {{QStringLiteral("AxisID"), 99}}), PropertyValueError);
    EXPECT_EQ(tool->Axis(), chart.BottomAxis());
    EXPECT_THROW(filer.load(*series, {{QStringLiteral("CustomHorizAxis"), 0}}), PropertyValueError);
    EXPECT_EQ(series->HorizAxis(), aBottomAxis);
}

namespace {

// A series with a third value list, so that extra values are seen to follow their points.
class ThreeListSeries : public TChartSeries
{
public:
    ThreeListSeries() { m_z = addValueList(QStringLiteral("Z")); }
    TChartValueList *Z() const { return m_z; }

private:
    TChartValueList *m_z = nullptr;
};

struct FilePoint
{
    double x;
    double y;
    double z;
    QString label;
    TColor color;
};

void addInFileOrder(ThreeListSeries &series, const std::vector<FilePoint> &points)
{
    for (const FilePoint &p : points) {
        series.Z()->SetTempValue(p.z);
        series.AddXY(p.x, p.y, p.label, p.color);
    }
}

// The same bits, so that NaN equals NaN and -0 differs from 0.
bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void expectSamePoints(const ThreeListSeries &read, const ThreeListSeries &added)
{
    ASSERT_EQ(read.Count(), added.Count());
    for (int i = 0; i < added.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(sameBits(read.GetXValue(i), added.GetXValue(i))) << read.GetXValue(i) << " " << added.GetXValue(i);
        EXPECT_TRUE(sameBits(read.GetYValue(i), added.GetYValue(i)));
        EXPECT_TRUE(sameBits(read.Z()->Value(i), added.Z()->Value(i)));
        EXPECT_EQ(read.Labels().GetLabel(i), added.Labels().GetLabel(i));
        EXPECT_EQ(read.GetValueColor(i), added.GetValueColor(i));
    }
}

std::vector<FilePoint> pointsAt(const std::vector<double> &xs)
{
    std::vector<FilePoint> points;
    for (std::size_t i = 0; i < xs.size(); ++i)
        points.push_back({xs[i], double(i), -double(i), i % 3 == 1 ? QStringLiteral("p%1").arg(i) : QString(),
                          i % 4 == 2 ? TColor(0x10203 * TColor(i % 50)) : clPlotColor});
    return points;
}

} // namespace

// Reading orders the points once; they must stand exactly where adding them one by one puts them.
TEST(SeriesData, ReadPointsStandWhereAddingThemOneByOnePutsThem)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::mt19937 random(42);
    std::vector<double> mixed;
    for (int i = 0; i < 3000; ++i) {
        const int kind = int(random() % 20);
        mixed.push_back(kind == 0 ? nan : kind == 1 ? -inf : kind == 2 ? -0.0 : double(int(random() % 40) - 20));
    }
    std::vector<double> runs; // descending runs, each restarting higher, with equal values between
    for (int run = 0; run < 30; ++run)
        for (int i = 0; i < 50; ++i)
            runs.push_back(double(run * 10 + 40 - i / 2));
    std::vector<double> restarts; // ascending runs that start again, as a logger's files do
    for (int run = 0; run < 7; ++run)
        for (int i = 0; i < 100; ++i)
            restarts.push_back(double(i / 3 + run));
    struct Case
    {
        const char *name;
        std::vector<double> x;
        TChartListOrder order;
        bool horizontal;
    };
    const Case cases[] = {
        {"ascending", {1, 2, 3, 4}, loAscending, false},
        {"descending", {5, 4, 3, 2, 1, 0}, loAscending, false},
        {"ties", {2, 1, 2, 1, 0, 2, 1, 0.0, -0.0, 0.0}, loAscending, false},
        {"NaN inside", {3, 1, nan, 2, 0, nan, nan, 5, -1, 4}, loAscending, false},
        {"NaN first and last", {nan, 2, 1, 1, nan}, loAscending, false},
        {"infinities", {inf, 1, -inf, inf, 0, -inf}, loAscending, false},
        {"descending runs", runs, loAscending, false},
        {"ascending runs starting again", restarts, loAscending, false},
        {"random with ties and NaN", mixed, loAscending, false},
        {"reversed with ties between NaNs", {3, 3, 2, 2, 2, 1, nan, 5, 5, 4, 0.0, -0.0, 0.0, nan}, loAscending, false},
        {"descending order", {1, 3, 2, 3, nan, 0, 5, 5, 4}, loDescending, false},
        {"descending order, reversed with ties", {-0.0, 0.0, 1, 1, 2, nan, 0, 0, 3}, loDescending, false},
        {"descending order, random", mixed, loDescending, false},
        {"no order", {3, 1, nan, 2}, loNone, false},
        {"horizontal", {4, 2, 3, 2, nan, 1}, loAscending, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<FilePoint> points = pointsAt(c.x);
        // The file's records in the order given: written by a series that keeps its points unsorted.
        ThreeListSeries unsorted;
        ThreeListSeries added;
        ThreeListSeries read;
        for (ThreeListSeries *series : {&unsorted, &added, &read}) {
            if (c.horizontal)
                series->SetHorizontal();
        }
        unsorted.XValues()->SetOrder(loNone);
        addInFileOrder(unsorted, points);
        for (ThreeListSeries *series : {&added, &read})
            series->XValues()->SetOrder(c.order);
        addInFileOrder(added, points);
        read.ReadData(unsorted.WriteData());
        expectSamePoints(read, added);
    }
}

TEST(SeriesData, AnAddEventStillDecidesPointByPointWhileReading)
{
    const std::vector<FilePoint> points = pointsAt({5, 1, 4, 2, 3, 0});
    ThreeListSeries unsorted;
    unsorted.XValues()->SetOrder(loNone);
    addInFileOrder(unsorted, points);
    ThreeListSeries added;
    ThreeListSeries read;
    int asked = 0;
    for (ThreeListSeries *series : {&added, &read})
        series->OnBeforeAdd = [&asked](TChartSeries *s) { return ++asked % 2 == 1 || s->Count() > 2; };
    addInFileOrder(added, points);
    asked = 0;
    read.ReadData(unsorted.WriteData());
    EXPECT_EQ(asked, 6);
    EXPECT_EQ(read.Count(), 4);
    expectSamePoints(read, added);
}
