// Native chart files: header, both forms, what is written, reading back, and damaged files.
#include "ChartClassRegistry.h"
#include "ChartStreamText.h"
#include "ColorPalettes.h"
#include "ComponentStream.h"
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"
#include "NativeChartFile.h"
#include "PlotExceptions.h"
#include "TAnnotationTool.h"
#include "TChartBrush.h"
#include "TChartImageTool.h"
#include "TChartSeries.h"
#include "TChartWall.h"
#include "TColorLineTool.h"
#include "TDrawLineTool.h"
#include "TEMFExportFormat.h"
#include "TGIFGraphic.h"
#include "TGIFImage.h"
#include "TLineSeries.h"
#include "TMarksItem.h"
#include "TNearestTool.h"
#include "TPicture.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"
#include "TRotateTool.h"
#include "TSeriesMarks.h"

#include <QBuffer>
#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
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

TEST_F(NativeFile, ALongCurveReadsBackPointForPointInBothForms)
{
    TChart big;
    auto *series = big.AddSeriesOfClass<TLineSeries>();
    for (int i = 0; i < 50000; ++i)
        series->AddXY(i * 0.5, std::sin(i * 0.001) * 100);
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm ? "text" : "binary");
        const auto back = ReadChartFromBytes(SaveChartToBytes(big, true, textForm));
        ASSERT_EQ(back->SeriesCount(), 1);
        const TChartSeries &read = *back->GetSeries(0);
        ASSERT_EQ(read.Count(), 50000);
        for (const int i : {0, 1, 32767, 32768, 49999}) {
            EXPECT_EQ(read.XValues()->Value(i), series->XValues()->Value(i)) << i;
            EXPECT_EQ(read.YValues()->Value(i), series->YValues()->Value(i)) << i;
        }
    }
}

TEST_F(NativeFile, TextBlocksTakeEitherCaseAndBlanksBetweenDigits)
{
    const QByteArray binary = QByteArray::fromHex("0a0b");
    const struct { const char *name; QByteArray block; bool readable; } cases[] = {
        {"upper case, one line", "0A0B", true},
        {"lower case over two lines", "0a\r\n      0b", true},
        {"a blank inside a byte", "0 A0B", true},
        {"odd count", "0A0", false},
        {"not a digit", "0A0G", false},
        {"no closing brace", "0A0B", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray close = QByteArray(c.name) == "no closing brace" ? "" : "}";
        const QByteArray text = "object TChart\r\n  Stuff = {\r\n    " + c.block + close + "\r\nend\r\n";
        if (c.readable) {
            const QByteArray stream = chartTextToStream(text);
            EXPECT_TRUE(stream.contains(char(ComponentStream::vaBinary) + QByteArray("\x02\0\0\0", 4) + binary));
        } else {
            EXPECT_THROW(chartTextToStream(text), ChartException);
        }
    }
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

TEST_F(NativeFile, AStoredPaletteIsAppliedOnReadingAndTheSeriesKeepTheirColours)
{
    const std::span<const TColor> pastels = TColorPalettes::colors(3);
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm);
        auto chart = makeLineChart();
        TColorPalettes::ApplyPalette(*chart, 3);
        chart->GetSeries(1)->SetSeriesColor(clTeal); // the user's own colour after the palette
        const auto back = ReadChartFromBytes(SaveChartToBytes(*chart, true, textForm));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->ColorPaletteIndex(), 3);
        EXPECT_TRUE(std::ranges::equal(back->ColorPalette, pastels));
        EXPECT_EQ(back->GetSeries(0)->Color(), pastels[0]);
        EXPECT_EQ(back->GetSeries(1)->Color(), clTeal);
        // A series added now takes the palette's first colour no series has, not the library's.
        EXPECT_EQ(back->AddSeriesOfClass<TLineSeries>()->Color(), pastels[1]);
    }
}

TEST_F(NativeFile, TheChartsCursorIsKeptByNumberOnlyWhenSet)
{
    TChart plain;
    EXPECT_FALSE(text(SaveChartToBytes(plain, true, true)).contains(QStringLiteral("Cursor")));
    plain.SetCursor(-21);
    const QString written = text(SaveChartToBytes(plain, true, true));
    EXPECT_TRUE(written.contains(QStringLiteral("  Cursor = -21\r\n"))) << written.toStdString();
    for (const bool textForm : {false, true}) {
        const auto back = ReadChartFromBytes(SaveChartToBytes(plain, true, textForm));
        EXPECT_EQ(back->Cursor(), -21);
        EXPECT_EQ(back->cursor().shape(), Qt::PointingHandCursor);
    }
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

TEST_F(NativeFile, DrawLinesAndToolButtonsPensAndBrushesComeBackFromTheFile)
{
    auto *draw = new TDrawLineTool(chart.get());
    draw->SetParentChart(chart.get());
    draw->SetSeries(chart->GetSeries(0));
    draw->SetButton(mbRight);
    draw->Pen()->SetColor(clBlue);
    TDrawLine *first = draw->Lines().Add();
    first->SetX0(0.5);
    first->SetY0(1.25);
    first->SetX1(2);
    first->SetY1(3.5);
    TDrawLine *second = draw->Lines().Add();
    second->SetX0(0);
    second->SetY0(4);
    second->SetX1(1.5);
    second->SetY1(1);
    second->SetStyle(dlHorizParallel);
    second->Pen()->SetColor(clRed);
    second->Pen()->SetWidth(3);
    auto *rotate = new TRotateTool(chart.get());
    rotate->SetParentChart(chart.get());
    rotate->SetButton(mbMiddle);
    rotate->Pen()->SetColor(clGreen);
    rotate->Pen()->SetVisible(true); // hidden at first: shown, it must be written
    auto *nearest = new TNearestTool(chart.get());
    nearest->SetParentChart(chart.get());
    nearest->Brush()->SetColor(clYellow);
    auto *annotation = new TAnnotationTool(chart.get());
    annotation->SetParentChart(chart.get());
    annotation->SetText(QStringLiteral("boils"));
    annotation->Callout()->SetVisible(true);
    annotation->Callout()->Arrow()->SetVisible(true);
    annotation->Callout()->SetXPosition(200);
    annotation->Callout()->SetYPosition(150);
    const QImage picture = chart->CreateBitmap(clWhite, chart->GetRectangle());

    const QTemporaryDir dir;
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm ? "text" : "binary");
        const QString path = dir.filePath(textForm ? QStringLiteral("lines.txt") : QStringLiteral("lines.plot"));
        SaveChartToFile(*chart, path, true, textForm);
        const auto back = ReadChartFromFile(path);
        ASSERT_EQ(back->Tools().Count(), 4);
        auto *backDraw = qobject_cast<TDrawLineTool *>(back->Tools().Items().at(0));
        auto *backRotate = qobject_cast<TRotateTool *>(back->Tools().Items().at(1));
        auto *backNearest = qobject_cast<TNearestTool *>(back->Tools().Items().at(2));
        ASSERT_TRUE(backDraw && backRotate && backNearest);
        EXPECT_EQ(backDraw->Button(), mbRight);
        EXPECT_EQ(backDraw->Pen()->Color(), clBlue);
        ASSERT_EQ(backDraw->Lines().Count(), 2);
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i);
            const TDrawLine *was = draw->Lines().Item(i);
            const TDrawLine *is = backDraw->Lines().Item(i);
            EXPECT_EQ(QList<double>({is->X0(), is->Y0(), is->X1(), is->Y1()}),
                      QList<double>({was->X0(), was->Y0(), was->X1(), was->Y1()}));
            EXPECT_EQ(is->Style(), was->Style());
            EXPECT_EQ(is->IsPenStored(), was->IsPenStored());
        }
        ASSERT_TRUE(backDraw->Lines().Item(1)->penIfAny());
        EXPECT_EQ(backDraw->Lines().Item(1)->penIfAny()->Color(), clRed);
        EXPECT_EQ(backDraw->Lines().Item(1)->penIfAny()->Width(), 3);
        EXPECT_EQ(backRotate->Button(), mbMiddle);
        EXPECT_EQ(backRotate->Pen()->Color(), clGreen);
        EXPECT_TRUE(backRotate->Pen()->Visible());
        EXPECT_TRUE(qobject_cast<TAnnotationTool *>(back->Tools().Items().at(3))->Callout()->Arrow()->Visible());
        EXPECT_EQ(backNearest->Brush()->Color(), clYellow);
        back->resize(chart->size());
        EXPECT_EQ(back->CreateBitmap(clWhite, back->GetRectangle()), picture);
        EXPECT_EQ(SaveChartToBytes(*back, true, textForm), SaveChartToBytes(*chart, true, textForm));
    }
    // A tool without lines writes no collection.
    draw->Lines().Clear();
    EXPECT_FALSE(text(SaveChartToBytes(*chart, false, true)).contains(QStringLiteral("Lines")));
}

namespace {

// A chart with a series of every registered series class and every registered tool class.
std::unique_ptr<TChart> makeEveryClassChart()
{
    auto chart = makeLineChart();
    TColorPalettes::ApplyPalette(*chart, 3);
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

// Every damaged stream kept in the replay folder gives its message and no chart: a refusal of
// what a reader understands names what is wrong and where.
TEST_F(NativeFile, DamagedStreamsGiveTheirMessageAndNoChart)
{
    const QString wrong = QStringLiteral("Wrong *.plot file format");
    const QMap<QString, QString> messages{
        {QStringLiteral("empty.plot"), QStringLiteral("Empty *.plot file")},
        {QStringLiteral("series-as-root.plot"), QStringLiteral("Invalid Chart in *.plot file")},
        {QStringLiteral("unknown-property.plot"), QStringLiteral("Unknown property NoSuch of TChart")},
        {QStringLiteral("unknown-colour-name.plot"), QStringLiteral("Color of TChart: unknown colour name clPurpel")},
        {QStringLiteral("data-source-naming-nothing.plot"),
         QStringLiteral("DataSource of S (TLineSeries): no component Nobody in the file")},
        {QStringLiteral("axis-id-99.plot"), QStringLiteral("AxisID of Line (TColorLineTool): no axis 99 in the file")},
        {QStringLiteral("series-custom-axis-missing.plot"),
         QStringLiteral("CustomVertAxis of Series1 (TLineSeries): no axis 3 in the file")},
        {QStringLiteral("function-its-own-source.plot"),
         QStringLiteral("DataSource of Series1 (TLineSeries): a link to its own object")},
        {QStringLiteral("picture-too-large.plot"),
         QStringLiteral("BackImage.Data of TChart: picture too large: 10000 x 10000 pixels (at most 33554432)")},
    };
    const QDir dir(QStringLiteral(TENSIMO_TEST_DATA_DIR "/native-regress"));
    const QStringList files = dir.entryList({QStringLiteral("*.plot")}, QDir::Files);
    EXPECT_GE(files.size(), 15);
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString message;
        expectReadSafely(file.readAll(), &message);
        EXPECT_EQ(message, messages.value(name, wrong));
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

TEST_F(NativeFile, AnAxisToolWritesItsAxisByIndexAndReadsItBack)
{
    auto *line = new TColorLineTool;
    line->setObjectName(QStringLiteral("Line"));
    chart->Tools().Add(line);
    line->SetAxis(chart->BottomAxis());
    auto *onCustom = new TColorLineTool;
    onCustom->setObjectName(QStringLiteral("OnCustom"));
    chart->Tools().Add(onCustom);
    onCustom->SetAxis(chart->AddCustomAxis());
    const QString saved = text(SaveChartToBytes(*chart, false, true));
    // The six standard axes come first: left, right, top, bottom, depth, depth top; then custom ones.
    EXPECT_TRUE(saved.contains(QStringLiteral("  object Line: TColorLineTool\r\n    AxisID = 3\r\n"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("  object OnCustom: TColorLineTool\r\n    AxisID = 6\r\n")));
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm);
        const auto back = ReadChartFromBytes(SaveChartToBytes(*chart, false, textForm));
        ASSERT_EQ(back->Tools().Count(), 2);
        auto *lineBack = qobject_cast<TColorLineTool *>(back->Tools().Item(0));
        auto *customBack = qobject_cast<TColorLineTool *>(back->Tools().Item(1));
        ASSERT_TRUE(lineBack && customBack);
        EXPECT_EQ(lineBack->Axis(), back->BottomAxis());
        ASSERT_EQ(back->CustomAxisCount(), 1);
        EXPECT_NE(customBack->Axis(), nullptr);
        EXPECT_EQ(customBack->Axis(), back->Axes().Item(6));
    }
    QString message;
    QString beyond = saved;
    beyond.replace(QStringLiteral("AxisID = 3"), QStringLiteral("AxisID = 99"));
    expectReadSafely(beyond.toLatin1(), &message);
    EXPECT_EQ(message, QStringLiteral("AxisID of Line (TColorLineTool): no axis 99 in the file"));
}

namespace {

QImage smallImage(QRgb colour)
{
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(colour);
    image.setPixel(1, 2, qRgb(10, 200, 30));
    return image;
}

std::shared_ptr<TGraphic> twoFrameGif()
{
    TGIFImage gif;
    gif.Add(smallImage(qRgb(255, 0, 0)));
    gif.Add(smallImage(qRgb(0, 0, 255)));
    auto graphic = std::make_shared<TGIFGraphic>();
    EXPECT_TRUE(graphic->LoadFromData(gif.SaveToData()));
    return graphic;
}

TPicture *imageToolPicture(TCustomChart &chart)
{
    if (chart.Tools().Count() == 0)
        chart.Tools().Add(new TChartImageTool);
    auto *tool = qobject_cast<TChartImageTool *>(chart.Tools().Item(0));
    return tool ? tool->Picture() : nullptr;
}

const struct PicturePlace { const char *name; TPicture *(*picture)(TCustomChart &); } kPicturePlaces[] = {
    {"back image", [](TCustomChart &c) -> TPicture * { return c.BackImage(); }},
    {"back wall's brush", [](TCustomChart &c) { return c.BackWall()->Brush()->Image(); }},
    {"image tool", imageToolPicture},
};

} // namespace

TEST_F(NativeFile, PicturesComeBackWithTheirPixelsAndGraphicClass)
{
    for (const PicturePlace &place : kPicturePlaces) {
        for (const bool gif : {false, true}) {
            const auto original = makeLineChart();
            TPicture *picture = place.picture(*original);
            if (gif)
                picture->SetGraphic(twoFrameGif());
            else
                picture->SetGraphic(smallImage(qRgb(250, 240, 5)));
            for (const bool textForm : {false, true}) {
                SCOPED_TRACE(testing::Message() << place.name << (gif ? ", GIF" : ", image") << (textForm ? ", text" : ", binary"));
                const QByteArray saved = SaveChartToBytes(*original, false, textForm);
                const auto back = ReadChartFromBytes(saved);
                const TPicture *read = place.picture(*back);
                const auto *animated = dynamic_cast<const TGIFGraphic *>(read->SharedGraphic().get());
                EXPECT_EQ(animated ? animated->GIFImage().Count() : 0, gif ? 2 : 0);
                EXPECT_EQ(read->Graphic().convertToFormat(QImage::Format_ARGB32),
                          picture->Graphic().convertToFormat(QImage::Format_ARGB32));
                EXPECT_EQ(SaveChartToBytes(*back, false, textForm), saved);
            }
        }
    }
}

TEST_F(NativeFile, AnEmptyPictureWritesNothing)
{
    const QByteArray plain = SaveChartToBytes(*chart, false, false);
    chart->BackWall()->Brush()->Image()->SetGraphic(smallImage(qRgb(1, 2, 3)));
    chart->BackWall()->Brush()->Image()->SetGraphic(QImage());
    EXPECT_EQ(SaveChartToBytes(*chart, false, false), plain);
    imageToolPicture(*chart);
    EXPECT_FALSE(text(SaveChartToBytes(*chart, false, true)).contains(QStringLiteral("Picture.Data")));
}

TEST_F(NativeFile, APictureNoGraphicCanReadIsRefusedByNameAndGivesNoChart)
{
    imageToolPicture(*chart)->SetGraphic(smallImage(qRgb(9, 9, 9)));
    const QByteArray saved = SaveChartToBytes(*chart, false, false);
    const qsizetype at = saved.indexOf("\x04.PNG");
    ASSERT_GT(at, 4);
    const qint32 length = qFromLittleEndian<qint32>(saved.constData() + at - 4);
    const QByteArray png = saved.mid(at + 5, length - 5);
    TEMFExportFormat metafile;
    metafile.SetPanel(chart.get());
    const QByteArray emf = metafile.SaveToBytes();
    QByteArray vast = emf; // bounds of 100000 x 100000 pixels
    qToLittleEndian<qint32>(100000, vast.data() + 16);
    qToLittleEndian<qint32>(100000, vast.data() + 20);
    metafile.SetEnhanced(false);
    const QByteArray wmf = metafile.SaveToBytes();
    const struct { const char *name; QByteArray payload; const char *reason; } cases[] = {
        {"no format", QByteArray(1, '\0') + png, "unknown picture format \"\""},
        {"unknown format", "\x04.XYZ" + png, "unknown picture format .XYZ"},
        {"PNG bytes named GIF", "\x04.GIF" + png, "no readable GIF picture"},
        {"text named BMP", "\x04.BMPnot a bitmap", "no readable BMP picture"},
        {"cut PNG", "\x04.PNG" + png.left(png.size() / 2), "no readable PNG picture"},
        {"cut EMF", "\x04.EMF" + emf.left(emf.size() / 2), "no readable EMF picture"},
        {"cut WMF", "\x04.WMF" + wmf.left(wmf.size() / 2), "no readable WMF picture"},
        {"EMF of a vast size", "\x04.EMF" + vast, "picture too large: 100000 x 100000 pixels (at most 33554432)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray size(4, '\0');
        qToLittleEndian<qint32>(qint32(c.payload.size()), size.data());
        QString message;
        expectReadSafely(saved.left(at - 4) + size + c.payload + saved.mid(at + length), &message);
        EXPECT_EQ(message, QStringLiteral("Picture.Data of TChartImageTool: ") + QString::fromLatin1(c.reason));
    }
}

// A name code gave that the file cannot hold is replaced for the save: both forms read back, and
// the live series keeps its name.
TEST_F(NativeFile, ANameTheFileCannotHoldIsReplacedForTheSave)
{
    chart->GetSeries(0)->setObjectName(QStringLiteral("Reihe ü 1"));
    for (const bool textForm : {false, true}) {
        SCOPED_TRACE(textForm ? "text" : "binary");
        const auto back = ReadChartFromBytes(SaveChartToBytes(*chart, true, textForm));
        ASSERT_TRUE(back);
        ASSERT_EQ(back->SeriesCount(), chart->SeriesCount());
        EXPECT_FALSE(back->GetSeries(0)->objectName().contains(QLatin1Char(' ')));
        EXPECT_EQ(chart->GetSeries(0)->objectName(), QStringLiteral("Reihe ü 1"));
    }
}
