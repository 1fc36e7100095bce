// Native chart files: header, both forms, what is written, reading back, and damaged files.
#include "ChartClassRegistry.h"
#include "ChartStreamText.h"
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"
#include "NativeChartFile.h"
#include "PlotExceptions.h"
#include "TChartSeries.h"
#include "TLineSeries.h"
#include "TMarksItem.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"
#include "TSeriesMarks.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <random>

namespace {

class NativeFile : public ExportTest
{
protected:
    void SetUp() override { chart = makeLineChart(); }
    std::unique_ptr<TChart> chart;
};

QString text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace

TEST_F(NativeFile, HeaderAndTextFormStart)
{
    const QByteArray binary = SaveChartToBytes(*chart, false, false);
    EXPECT_EQ(binary.left(8), QByteArray::fromHex("6030570154504630"));
    const QByteArray text = SaveChartToBytes(*chart, false, true);
    EXPECT_TRUE(text.startsWith("object TChart\r\n"));
    EXPECT_EQ(text, SaveChartToBytes(*chart, false, true)); // deterministic

    QBuffer source;
    source.setData(binary);
    source.open(QIODevice::ReadOnly);
    QBuffer converted;
    converted.open(QIODevice::WriteOnly);
    ConvertChartStreamToText(source, converted);
    EXPECT_EQ(converted.data(), text);

    QBuffer wrong;
    wrong.setData("xobject TChart\r\nend\r\n");
    wrong.open(QIODevice::ReadOnly);
    QBuffer nothing;
    nothing.open(QIODevice::WriteOnly);
    try {
        ConvertChartStreamToText(wrong, nothing);
        ADD_FAILURE() << "no exception";
    } catch (const ChartException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Wrong *.plot file format"));
    }
    EXPECT_TRUE(nothing.data().isEmpty());
    EXPECT_EQ(wrong.pos(), 0);
}

TEST_F(NativeFile, ValidityChecksRestoreThePositionAndTextCopiesFromIt)
{
    const struct { QByteArray bytes; bool valid, binary; } cases[] = {
        {QByteArray(), false, false}, {QByteArray("\x60", 1), false, false}, {QByteArray("o"), true, false},
        {QByteArray("Object"), true, false}, {QByteArray::fromHex("60305701"), true, true}, {QByteArray("x"), false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        QBuffer buffer;
        buffer.setData(c.bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(IsValidChartStream(buffer), c.valid);
        EXPECT_EQ(IsBinaryChartStream(buffer), c.binary);
        EXPECT_EQ(buffer.pos(), 0);
    }
    const QByteArray text = SaveChartToBytes(*chart, false, true);
    QBuffer source;
    source.setData("abc" + text);
    source.open(QIODevice::ReadOnly);
    source.seek(3);
    QBuffer copy;
    copy.open(QIODevice::WriteOnly);
    ConvertChartStreamToText(source, copy);
    EXPECT_EQ(copy.data(), text); // size less position bytes
}

TEST_F(NativeFile, FileGetsThePlotExtensionOnlyWithoutOne)
{
    const QTemporaryDir dir;
    SaveChartToFile(*chart, dir.filePath(QStringLiteral("c")), false, false);
    SaveChartToFile(*chart, dir.filePath(QStringLiteral("c.dat")), false, true);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("c.dat"), QStringLiteral("c.plot")}));
    EXPECT_TRUE(readFile(dir.filePath(QStringLiteral("c.dat"))).startsWith("object"));
    EXPECT_EQ(AddDefaultChartExtension(QStringLiteral("a.b/c")), QStringLiteral("a.b/c.plot"));
}

TEST_F(NativeFile, DataOnlyWhenAskedAndTheChartIsAsBeforeOnEveryPath)
{
    chart->setObjectName(QStringLiteral("Chart1"));
    TChartSeries *a = chart->GetSeries(0);
    a->NeverSaveData = true;
    const auto unchanged = [&] {
        EXPECT_EQ(chart->objectName(), QStringLiteral("Chart1"));
        EXPECT_TRUE(a->NeverSaveData);
        EXPECT_FALSE(a->ForceSaveData);
        EXPECT_FALSE(chart->GetSeries(1)->ForceSaveData);
        EXPECT_FALSE(chart->GetSeries(1)->NeverSaveData);
    };
    EXPECT_FALSE(text(SaveChartToBytes(*chart, false, true)).contains(QStringLiteral("Data =")));
    unchanged();
    EXPECT_EQ(text(SaveChartToBytes(*chart, true, true)).count(QStringLiteral("Data = {")), 2);
    unchanged();
    EXPECT_FALSE(text(SaveChartToBytes(*chart, true, true)).contains(QStringLiteral("Chart1")));

    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.plot"));
    SaveChartToFile(*chart, path, false, false);
    const QByteArray old = readFile(path);
    {
        const FileSizeLimit fullDisk;
        EXPECT_THROW(SaveChartToFile(*chart, path, true, true), PlotException);
    }
    unchanged();
    EXPECT_EQ(readFile(path), old);
}

TEST_F(NativeFile, ChartWithoutSeriesWritesOnlyWhatDiffers)
{
    TChart empty;
    const QString plain = text(SaveChartToBytes(empty, true, true));
    EXPECT_EQ(plain, QStringLiteral("object TChart\r\nend\r\n"));
    empty.SetColorPaletteIndex(3);
    empty.SetPrintMargins({10, 15, 15, 15});
    const QString changed = text(SaveChartToBytes(empty, true, true));
    EXPECT_TRUE(changed.contains(QStringLiteral("  ColorPaletteIndex = 3\r\n"))) << changed.toStdString();
    EXPECT_TRUE(changed.contains(QStringLiteral("  PrintMargins = (10 15 15 15)\r\n"))) << changed.toStdString();
    const auto back = ReadChartFromBytes(SaveChartToBytes(empty, true, false));
    EXPECT_EQ(back->PrintMargins(), (std::array<int, 4>{10, 15, 15, 15}));
}

TEST_F(NativeFile, ReferencesAreWrittenByName)
{
    TChartSeries *a = chart->GetSeries(0);
    a->setObjectName(QStringLiteral("SeriesA"));
    auto *fed = chart->AddSeriesOfClass<TLineSeries>();
    fed->setObjectName(QStringLiteral("Fed"));
    fed->SetDataSource(a);
    auto *onCustom = chart->AddSeriesOfClass<TLineSeries>();
    onCustom->SetCustomVertAxis(chart->AddCustomAxis());
    a->Marks()->Items().Item(1)->setProperty("Text", QStringLiteral("peak"));
    const QString saved = text(SaveChartToBytes(*chart, true, true));
    EXPECT_TRUE(saved.contains(QStringLiteral("    DataSource = SeriesA\r\n"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("    CustomVertAxis = 0\r\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("  CustomAxes = <\r\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("Marks.Items = {")));
    EXPECT_EQ(saved.count(QStringLiteral("TLineSeries\r\n")), 4); // A's properties are not copied into Fed

    const auto back = ReadChartFromBytes(saved.toLatin1());
    ASSERT_EQ(back->SeriesCount(), 4);
    EXPECT_EQ(back->GetSeries(2)->DataSource(), back->GetSeries(0));
    EXPECT_EQ(back->CustomAxisCount(), 1);
    EXPECT_EQ(text(SaveChartToBytes(*back, true, true)), saved);
}

namespace {

// A chart with a series of every registered series class and every registered tool class.
std::unique_ptr<TChart> makeEveryClassChart()
{
    auto chart = makeLineChart();
    chart->SetColorPaletteIndex(3);
    TChartSeries *a = chart->GetSeries(0);
    a->setObjectName(QStringLiteral("SeriesA"));
    a->Marks()->Items().Item(0)->setProperty("Text", QStringLiteral("first"));
    const ChartClassDescriptor *seriesBase = ChartClassRegistry::instance().find(TChartSeries::staticMetaObject);
    const ChartClassDescriptor *toolBase = ChartClassRegistry::instance().find(TPlotCustomTool::staticMetaObject);
    const ChartClassDescriptor *functionBase = ChartClassRegistry::instance().find(TPlotFunction::staticMetaObject);
    int number = 0;
    for (const ChartClassDescriptor *descriptor : ChartClassRegistry::instance().descriptors()) {
        if (!descriptor->factory || descriptor->metaObject->inherits(&QWidget::staticMetaObject))
            continue;
        const QString name = QStringLiteral("Made%1").arg(++number);
        if (descriptor->inherits(*seriesBase)) {
            auto *series = qobject_cast<TChartSeries *>(descriptor->factory().release());
            series->setParent(chart.get());
            series->setObjectName(name);
            chart->AddSeries(series);
            series->FillSampleValues(6);
        } else if (descriptor->inherits(*toolBase)) {
            auto *tool = qobject_cast<TPlotCustomTool *>(descriptor->factory().release());
            tool->setObjectName(name);
            chart->Tools().Add(tool);
            if (auto *seriesTool = qobject_cast<TPlotCustomToolSeries *>(tool))
                seriesTool->SetSeries(a);
        }
    }
    auto *withFunction = chart->AddSeriesOfClass<TLineSeries>();
    withFunction->setObjectName(QStringLiteral("Average"));
    for (const ChartClassDescriptor *descriptor : ChartClassRegistry::instance().descriptors()) {
        if (descriptor->factory && descriptor != functionBase && descriptor->inherits(*functionBase)) {
            withFunction->SetFunction(qobject_cast<TPlotFunction *>(descriptor->factory().release()));
            break;
        }
    }
    withFunction->SetDataSource(a);
    auto *onCustom = chart->AddSeriesOfClass<TLineSeries>();
    onCustom->setObjectName(QStringLiteral("OnCustom"));
    onCustom->SetCustomVertAxis(chart->AddCustomAxis());
    onCustom->FillSampleValues(4);
    return chart;
}

} // namespace

TEST_F(NativeFile, EveryRegisteredClassRoundTripsToTheSameBytesAndPixels)
{
    const auto original = makeEveryClassChart();
    const QImage picture = original->CreateBitmap(clWhite, original->GetRectangle());
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm ? "text" : "binary");
        const QByteArray saved = SaveChartToBytes(*original, true, textForm);
        const auto back = ReadChartFromBytes(saved);
        back->resize(original->size());
        EXPECT_EQ(back->SeriesCount(), original->SeriesCount());
        EXPECT_EQ(back->Tools().Count(), original->Tools().Count());
        const QByteArray again = SaveChartToBytes(*back, true, textForm);
        EXPECT_EQ(again, saved) << text(chartStreamToText(again.mid(textForm ? 0 : 4))).toStdString();
        EXPECT_EQ(back->CreateBitmap(clWhite, back->GetRectangle()), picture);
    }
    const auto empty = ReadChartFromBytes(SaveChartToBytes(*original, false, false));
    for (int i = 0; i < empty->SeriesCount(); ++i) {
        const TChartSeries *series = empty->GetSeries(i);
        // As many points as a fresh series of the class has (a shape keeps its two corners).
        const auto fresh = ChartClassRegistry::instance().create(QString::fromLatin1(series->metaObject()->className()));
        if (!series->FunctionType() && !series->DataSource()) {
            EXPECT_EQ(series->Count(), qobject_cast<TChartSeries *>(fresh.get())->Count()) << series->metaObject()->className();
        }
    }
}

namespace {

QByteArray shortString(const QByteArray &s)
{
    return char(s.size()) + s;
}

// "TPF0", a root object of the class with the properties' bytes and the children's.
QByteArray stream(const QByteArray &className, const QByteArray &properties, const QByteArray &children = {})
{
    return QByteArray::fromHex("60305701") + "TPF0" + shortString(className) + shortString({}) + properties + '\0'
           + children + '\0';
}

QByteArray utf8Property(const QByteArray &name, const QByteArray &value)
{
    QByteArray bytes = shortString(name) + char(20);
    const qint32 n = qint32(value.size());
    bytes.append(reinterpret_cast<const char *>(&n), 4);
    return bytes + value;
}

// Reads bytes under a parent: a PlotException and no child left, or a chart whose own save reads again.
void expectReadSafely(const QByteArray &bytes, QString *message = nullptr)
{
    QWidget parent;
    try {
        const auto chart = ReadChartFromBytes(bytes, &parent);
        const QByteArray again = SaveChartToBytes(*chart, true, false);
        EXPECT_NO_THROW(ReadChartFromBytes(again));
    } catch (const PlotException &e) {
        if (message)
            *message = e.message();
        EXPECT_TRUE(parent.children().isEmpty());
    }
}

} // namespace

TEST_F(NativeFile, DamagedStreamsGiveTheirMessageAndNoChart)
{
    const QString wrong = QStringLiteral("Wrong *.plot file format");
    QByteArray nested = QByteArray::fromHex("60305701") + "TPF0";
    for (int i = 0; i < 10000; ++i)
        nested += shortString(i == 0 ? "TChart" : "TLineSeries") + shortString({}) + '\0';
    nested += QByteArray(10000, '\0');
    QByteArray nestedText;
    for (int i = 0; i < 10000; ++i)
        nestedText += "object TChart\r\n";
    QByteArray longString = stream("TChart", shortString("X") + char(20) + QByteArray::fromHex("ffffff7f"));
    longString.insert(longString.size() - 2, QByteArray(10, 'a'));
    QByteArray cutData = SaveChartToBytes(*chart, true, false);
    const qsizetype data = cutData.indexOf("\x04" "Data");
    ASSERT_GT(data, 0);
    cutData[data + 6] = char(quint8(cutData[data + 6]) - 3); // the block claims 3 bytes fewer
    const struct { const char *name; QByteArray bytes; QString message; } cases[] = {
        {"empty", QByteArray(), QStringLiteral("Empty *.plot file")},
        {"one byte", QByteArray("\x60", 1), wrong},
        {"string longer than the file", longString, wrong},
        {"10000 nested objects", nested, wrong},
        {"10000 nested text objects", nestedText, wrong},
        {"series as root", stream("TLineSeries", {}), QStringLiteral("Invalid Chart in *.plot file")},
        {"unknown class", stream("TChart", {}, shortString("TNoSuchSeries") + shortString({}) + '\0' + '\0'), wrong},
        {"unknown property", stream("TChart", shortString("NoSuch") + char(8)), wrong},
        {"unknown enum key", stream("TChart", shortString("BevelOuter") + char(7) + shortString("bvSideways")), wrong},
        {"cut data block", cutData, wrong},
        {"open text string", "object TChart\r\n  Title.Text.Text = 'open\r\nend\r\n", wrong},
        {"odd hex digits", "object TChart\r\n  object TLineSeries\r\n    Data = {\r\n      ABC\r\n      }\r\n  end\r\nend\r\n", wrong},
        {"data source naming nothing",
         stream("TChart", {}, shortString("TLineSeries") + shortString("S") + shortString("DataSource") + char(7)
                                  + shortString("Nobody") + '\0' + '\0'),
         wrong},
        {"a text property of the wrong kind", stream("TChart", utf8Property("View3D", "yes")), wrong},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString message;
        expectReadSafely(c.bytes, &message);
        EXPECT_EQ(message, c.message);
    }
}

TEST_F(NativeFile, EveryTruncationAndRandomFlipsAreReadSafely)
{
    const auto full = makeEveryClassChart();
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm ? "text" : "binary");
        const QByteArray saved = SaveChartToBytes(*full, true, textForm);
        for (qsizetype n = 0; n < saved.size(); ++n)
            expectReadSafely(saved.left(n));
        std::mt19937 random(20240501);
        for (int i = 0; i < 5000; ++i) {
            QByteArray flipped = saved;
            flipped[std::uniform_int_distribution<qsizetype>(0, saved.size() - 1)(random)] =
                char(std::uniform_int_distribution<int>(0, 255)(random));
            expectReadSafely(flipped);
        }
    }
}

TEST_F(NativeFile, FileMessagesNameTheFile)
{
    const QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.plot"));
    QFile(empty).open(QIODevice::WriteOnly);
    const QString missing = dir.filePath(QStringLiteral("missing.plot"));
    for (const QString &path : {empty, missing}) {
        try {
            ReadChartFromFile(path);
            ADD_FAILURE() << "no exception";
        } catch (const ChartException &e) {
            EXPECT_TRUE(e.message().endsWith(u'\r' + QDir::toNativeSeparators(path))) << e.what();
            if (path == empty) {
                EXPECT_TRUE(e.message().startsWith(QStringLiteral("Empty *.plot file")));
            }
        }
    }
    const QString good = dir.filePath(QStringLiteral("good.plot"));
    SaveChartToFile(*chart, good, true, true);
    QWidget parent;
    const auto read = ReadChartFromFile(good, &parent);
    EXPECT_EQ(read->parent(), &parent);
    EXPECT_EQ(read->GetSeries(1)->Count(), 3);
}
