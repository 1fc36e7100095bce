// Native chart files against what a file can make the reader allocate: each limit read at itself
// and refused one beyond, in both forms, and a file at all of them read under a memory limit;
// the text form's byte-order mark and keywords in any case; errors that name the file.
#include "ExportTestSupport.h"
#include "ChartStreamText.h"
#include "ChartStreamWriter.h"
#include "NativeChartFile.h"
#include "PlotExceptions.h"
#include "StreamLimits.h"
#include "TChartLegend.h"
#include "TChartShape.h"
#include "TChartTitle.h"
#include "TDrawLine.h"
#include "TDrawLineTool.h"
#include "TFastLineSeries.h"
#include "TLineSeries.h"
#include "TMarksItem.h"
#include "TRotateTool.h"
#include "TSeriesMarks.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

namespace {

class NativeLimits : public ExportTest
{
};

const QString kWrongFormat = QStringLiteral("Wrong *.plot file format");

// A text of so many UTF-8 bytes, in two-byte characters and one ASCII one for an odd count.
QString textOfBytes(int bytes)
{
    return QString(bytes / 2, QChar(0xE4)) + (bytes % 2 ? QStringLiteral("x") : QString());
}

int drawLineCount(TCustomChart &chart)
{
    int lines = 0;
    for (TPlotCustomTool *tool : chart.Tools().Items())
        if (auto *draw = qobject_cast<TDrawLineTool *>(tool))
            lines += draw->Lines().collectionCount();
    return lines;
}

int markFormatCount(TCustomChart &chart)
{
    int formats = 0;
    for (int s = 0; s < chart.SeriesCount(); ++s) {
        const TMarksItems &items = chart.GetSeries(s)->Marks()->Items();
        for (int i = 0; i < items.Count(); ++i)
            formats += items.ItemIfAny(i) ? 1 : 0;
    }
    return formats;
}

struct Limit
{
    const char *name;
    int limit;
    // Puts count of the limited things into the chart; counted() reads them back.
    std::function<void(TChart &, int count)> fill;
    std::function<int(TCustomChart &)> counted;
};

// Items and formats split over two owners: the limits hold for the whole file.
const Limit kLimits[] = {
    {"custom axes", StreamLimits::kMaxCustomAxes,
     [](TChart &chart, int count) {
         for (int i = 0; i < count; ++i)
             chart.AddCustomAxis();
     },
     [](TCustomChart &chart) { return chart.CustomAxisCount(); }},
    {"series", StreamLimits::kMaxSeries,
     [](TChart &chart, int count) {
         for (int i = 0; i < count; ++i)
             chart.AddSeriesOfClass<TFastLineSeries>();
     },
     [](TCustomChart &chart) { return chart.SeriesCount(); }},
    {"tools", StreamLimits::kMaxTools,
     [](TChart &chart, int count) {
         for (int i = 0; i < count; ++i)
             chart.Tools().Add(new TRotateTool(&chart));
     },
     [](TCustomChart &chart) { return chart.Tools().Count(); }},
    {"collection items", StreamLimits::kMaxCollectionItems,
     [](TChart &chart, int count) {
         for (const int lines : {count / 2, count - count / 2}) {
             auto *tool = new TDrawLineTool(&chart);
             chart.Tools().Add(tool);
             for (int i = 0; i < lines; ++i)
                 tool->Lines().Add();
         }
     },
     drawLineCount},
    {"mark formats", StreamLimits::kMaxMarkFormats,
     [](TChart &chart, int count) {
         for (const int formats : {count / 2, count - count / 2}) {
             TSeriesMarks *marks = chart.AddSeriesOfClass<TLineSeries>()->Marks();
             for (int i = 0; i < formats; ++i)
                 marks->Items().Item(2 * i)->SetVisible(false);
         }
     },
     markFormatCount},
    {"one text", StreamLimits::kMaxTextBytes,
     [](TChart &chart, int count) { chart.AddSeriesOfClass<TLineSeries>()->SetTitle(textOfBytes(count)); },
     [](TCustomChart &chart) { return int(chart.GetSeries(0)->Title().toUtf8().size()); }},
    {"a text's lines", StreamLimits::kMaxTextBytes,
     [](TChart &chart, int count) {
         // Two lines: their bytes and one per line.
         chart.Title()->SetText({textOfBytes(count / 2 - 1), textOfBytes(count - count / 2 - 1)});
     },
     [](TCustomChart &chart) {
         int bytes = 0;
         for (const QString &line : chart.Title()->Text())
             bytes += int(line.toUtf8().size()) + 1;
         return bytes;
     }},
};

QString readError(const QByteArray &bytes)
{
    try {
        ReadChartFromBytes(bytes);
    } catch (const PlotException &e) {
        return e.message();
    }
    return {};
}

} // namespace

// One beyond a limit the save refuses, naming what is too many or too long, so that no file is
// written the reader refuses; such a file, written past the save's check, the reader refuses.
TEST_F(NativeLimits, EachLimitIsReadAtItselfAndRefusedOneBeyondInBothForms)
{
    TChart empty;
    const QByteArray header = SaveChartToBytes(empty, true, false).left(4);
    for (const Limit &limit : kLimits) {
        for (const int count : {limit.limit, limit.limit + 1}) {
            TChart chart;
            limit.fill(chart, count);
            for (const bool textForm : {false, true}) {
                SCOPED_TRACE(testing::Message() << limit.name << ", " << count << (textForm ? ", text" : ", binary"));
                if (count == limit.limit) {
                    const auto read = ReadChartFromBytes(SaveChartToBytes(chart, true, textForm));
                    EXPECT_EQ(limit.counted(*read), limit.limit);
                    continue;
                }
                try {
                    SaveChartToBytes(chart, true, textForm);
                    ADD_FAILURE() << "saved";
                } catch (const ChartException &e) {
                    const QRegularExpression refusal(QStringLiteral("^Value of [\\w.]+ out of range \\(0 to %1\\)$").arg(limit.limit));
                    EXPECT_TRUE(refusal.match(e.message()).hasMatch()) << e.what();
                }
                QByteArray stream;
                ChartStreamWriter(stream, ChartStreamWriter::Limits::Ignore).writeChart(chart);
                EXPECT_EQ(readError(textForm ? chartStreamToText(stream) : header + stream), kWrongFormat);
            }
        }
    }
}

// Bytes that are no UTF-8 come back as U+FFFD, three bytes each in a save: a text is measured as
// it would be saved, so every text a file may hold saves and reads again.
TEST_F(NativeLimits, ATextOfBrokenUtf8IsMeasuredAsItsSaveWouldWriteIt)
{
    for (const int broken : {StreamLimits::kMaxTextBytes / 3, StreamLimits::kMaxTextBytes / 3 + 1}) {
        SCOPED_TRACE(broken);
        TChart chart;
        chart.AddSeriesOfClass<TLineSeries>()->SetTitle(QString(broken, u'x'));
        QByteArray bytes = SaveChartToBytes(chart, true, false);
        const qsizetype at = bytes.indexOf(QByteArray(broken, 'x'));
        ASSERT_GT(at, 0);
        bytes.replace(at, broken, QByteArray(broken, '\xff'));
        if (broken * 3 > StreamLimits::kMaxTextBytes) {
            EXPECT_EQ(readError(bytes), kWrongFormat);
            continue;
        }
        const auto read = ReadChartFromBytes(bytes);
        EXPECT_EQ(read->GetSeries(0)->Title(), QString(broken, QChar(0xFFFD)));
        EXPECT_EQ(ReadChartFromBytes(SaveChartToBytes(*read, true, true))->GetSeries(0)->Title(), read->GetSeries(0)->Title());
    }
}

TEST_F(NativeLimits, ARefusedSaveKeepsTheFileItWouldHaveReplaced)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.plot"));
    TChart chart;
    SaveChartToFile(chart, path, true, true);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    chart.Title()->SetText({textOfBytes(StreamLimits::kMaxTextBytes)});
    EXPECT_THROW(SaveChartToFile(chart, path, true, true), ChartException);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

namespace {

// The file read in a process of its own, in each form, within 256 MB and 20 bytes per byte of
// address space beyond what the process takes before.
void expectReadWithinItsMemory(TChart &chart)
{
    const QTemporaryDir dir;
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm ? "text" : "binary");
        const QString path = dir.filePath(QStringLiteral("limits.plot"));
        SaveChartToFile(chart, path, true, textForm);
        const ToolResult result = runTool(QStringLiteral(TENSIMO_NATIVE_READ_PROBE), {path, QStringLiteral("256"), QStringLiteral("20")});
        EXPECT_EQ(result.exitCode, 0) << "1 refused, 2 out of memory: " << result.err.toStdString();
    }
}

} // namespace

// The most objects a file may hold, of the largest classes, and texts at their limit: a small
// file, so it must fit in the fixed part of the allowance.
TEST_F(NativeLimits, AFileAtEveryCountLimitReadsWithinTheMemoryItMayTake)
{
    TChart chart;
    for (const Limit &limit : kLimits) {
        if (QByteArray(limit.name) != "series" && QByteArray(limit.name) != "tools")
            limit.fill(chart, limit.limit);
    }
    while (chart.SeriesCount() < StreamLimits::kMaxSeries)
        chart.AddSeriesOfClass<TChartShape>()->SetText({QStringLiteral("shape %1").arg(chart.SeriesCount())});
    while (chart.Tools().Count() < StreamLimits::kMaxTools)
        chart.Tools().Add(new TRotateTool(&chart));
    expectReadWithinItsMemory(chart);
}

// A million points in descending X: reading orders them, within the part that grows per byte.
TEST_F(NativeLimits, AMillionDescendingPointsReadWithinTheMemoryTheyMayTake)
{
    TChart chart;
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    series->XValues()->SetOrder(loNone);
    std::vector<double> x(1000000);
    std::vector<double> y(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = -double(i);
        y[i] = double(i % 1000);
    }
    series->AddXYArray(x, y);
    series->XValues()->SetOrder(loAscending);
    expectReadWithinItsMemory(chart);
}

TEST_F(NativeLimits, TheTextFormMayStartWithAByteOrderMarkAndSpellKeywordsInAnyCase)
{
    auto chart = makeLineChart();
    auto *draw = new TDrawLineTool(chart.get());
    chart->Tools().Add(draw);
    draw->Lines().Add()->SetX1(std::numeric_limits<double>::infinity());
    chart->GetSeries(0)->Marks()->SetVisible(true);
    const QByteArray text = SaveChartToBytes(*chart, true, true);
    ASSERT_TRUE(text.contains("= True") && text.contains("= False") && text.contains("+inf") && text.contains("item"));
    QString shouted = QString::fromLatin1(text);
    for (const char *word : {"object", "end", "item"})
        shouted.replace(QRegularExpression(QStringLiteral("^( *)%1\\b").arg(QLatin1String(word)),
                                           QRegularExpression::MultilineOption),
                        QStringLiteral("\\1") + QString::fromLatin1(word).toUpper());
    shouted.replace(QStringLiteral("= True"), QStringLiteral("= TRUE"));
    shouted.replace(QStringLiteral("= False"), QStringLiteral("= false"));
    shouted.replace(QStringLiteral("+inf"), QStringLiteral("+INF"));
    const QByteArray upper = shouted.toLatin1();
    ASSERT_TRUE(upper.contains("OBJECT TChart") && upper.contains("\r\nEND\r\n") && upper.contains("ITEM\r\n"));
    const QByteArray bom("\xEF\xBB\xBF");
    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"byte-order mark", bom + text},
        {"keywords in upper case", upper},
        {"both", bom + upper},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SaveChartToBytes(*ReadChartFromBytes(c.bytes), true, true), text);
        QBuffer source;
        source.setData(c.bytes);
        source.open(QIODevice::ReadOnly);
        EXPECT_TRUE(IsValidChartStream(source));
        QBuffer destination;
        destination.open(QIODevice::WriteOnly);
        ConvertChartStreamToText(source, destination);
        EXPECT_EQ(destination.data(), c.bytes.mid(c.bytes.startsWith(bom) ? 3 : 0));
    }
    // A mark alone, or before a binary file, is no chart file.
    EXPECT_EQ(readError(bom), kWrongFormat);
    EXPECT_EQ(readError(bom + SaveChartToBytes(*chart, true, false)), kWrongFormat);
    // A colour may stand by its name, in any case, as in a file edited by hand.
    const auto named = ReadChartFromBytes("object TChart\r\n  Color = clred\r\n  Legend.Color = CLBTNFACE\r\nend\r\n");
    EXPECT_EQ(named->Color(), clRed);
    EXPECT_EQ(named->Legend()->Color(), clBtnFace);
}

// Errors raised by the properties themselves (a setter, named before its message; a value of the
// wrong kind) name the file too.
TEST_F(NativeLimits, EveryReadErrorNamesTheFile)
{
    struct Case
    {
        const char *line;
        const char *message;
    };
    const Case cases[] = {
        {"Legend.FirstValue = -1", "Legend.FirstValue: First Legend Value must be"},
        {"BottomAxis.Increment = -1.0", "BottomAxis.Increment: Axis increment"},
        {"ColorPaletteIndex = 'three'", "Invalid value of property ColorPaletteIndex"},
        {"BackColor = 'clNoSuchColour'", "BackColor of TChart: unknown colour name clNoSuchColour"},
        {"Title.Text = (", "Wrong *.plot file format"},
    };
    const QTemporaryDir dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        const QString path = dir.filePath(QStringLiteral("broken.plot"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("object TChart\r\n  ") + c.line + "\r\nend\r\n");
        file.close();
        try {
            ReadChartFromFile(path);
            ADD_FAILURE() << "read";
        } catch (const ChartException &e) {
            EXPECT_TRUE(e.message().startsWith(QString::fromLatin1(c.message), Qt::CaseInsensitive)) << e.what();
            EXPECT_TRUE(e.message().endsWith(u'\r' + QDir::toNativeSeparators(path))) << e.what();
        }
    }
}
