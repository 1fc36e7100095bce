// Native chart files: header, both forms, what is written, reading back, and damaged files.
#include "ChartStreamText.h"
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"
#include "NativeChartFile.h"
#include "PlotExceptions.h"
#include "TChartSeries.h"
#include "TLineSeries.h"

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
