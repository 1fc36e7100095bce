// The format base, the registry and its picture lookup, and the export guard.
#include "ExportGuard.h"
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"
#include "ImageReaderGraphic.h"
#include "PlotException.h"
#include "PlotImaging.h"
#include "PlotPictures.h"
#include "TChartSeries.h"
#include "TPlotCanvas3D.h"
#include "TPlotExportFormat.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

// A format writing "W x H" of its size; filters counts its filters ("|" pairs).
class FakeFormat : public TPlotExportFormat
{
public:
    FakeFormat(QString extension, int filters, GraphicFactory graphic = nullptr)
        : m_extension(std::move(extension))
        , m_filters(filters)
        , m_graphic(graphic)
    {
    }
    QString Description() const override { return QStringLiteral("as &") + m_extension; }
    QString FileExtension() const override { return m_extension; }
    QString FileFilter() const override
    {
        QStringList parts;
        for (int i = 0; i < m_filters; ++i)
            parts << m_extension + QString::number(i) << QStringLiteral("*.") + m_extension;
        return parts.join(u'|');
    }
    void SetFilterIndex(int &counter) override
    {
        TPlotExportFormat::SetFilterIndex(counter);
        counter += m_filters - 1;
    }
    GraphicFactory GraphicClass() const override { return m_graphic; }
    void SaveToStream(QIODevice &stream) override
    {
        stream.write(QStringLiteral("%1 x %2").arg(Width()).arg(Height()).toLatin1());
    }

protected:
    void DoCopyToClipboard() override { ++copies; }

public:
    int copies = 0;

private:
    QString m_extension;
    int m_filters;
    GraphicFactory m_graphic;
};

PlotExportFormatClass fake(const QString &extension, int filters = 1, TPlotExportFormat::GraphicFactory graphic = nullptr)
{
    return {QStringLiteral("T") + extension.toUpper() + QStringLiteral("Format"),
            [=] { return std::unique_ptr<TPlotExportFormat>(std::make_unique<FakeFormat>(extension, filters, graphic)); }};
}

QByteArray bmpBytes(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

class ExportFormat : public ExportTest
{
};

} // namespace

TEST_F(ExportFormat, WithoutPanelCopyAndSaveRaiseTheLibraryMessage)
{
    FakeFormat format(QStringLiteral("x"), 1);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.x"));
    for (const auto &action : {std::function<void()>([&] { format.CopyToClipboard(); }),
                               std::function<void()>([&] { format.SaveToFile(path); })}) {
        try {
            action();
            ADD_FAILURE() << "no exception";
        } catch (const PlotException &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Panel property is not set in Export format"));
        }
    }
    EXPECT_EQ(format.copies, 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ExportFormat, ZeroSizeMeansThePanelsAndSetSizesStay)
{
    const auto chart = makeLineChart();
    FakeFormat format(QStringLiteral("x"), 1);
    format.SetPanel(chart.get());
    EXPECT_EQ(format.SaveToBytes(), QByteArray("400 x 300"));
    format.SetWidth(0);
    format.SetHeight(120);
    EXPECT_EQ(format.SaveToBytes(), QByteArray("400 x 120"));
    format.CopyToClipboard();
    EXPECT_EQ(format.copies, 1);
}

TEST_F(ExportFormat, FailedSaveKeepsTheOldFileAndNamesIt)
{
    const auto chart = makeLineChart();
    FakeFormat format(QStringLiteral("x"), 1);
    format.SetPanel(chart.get());
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.x"));
    format.SetWidth(1);
    format.SetHeight(1);
    format.SaveToFile(path);
    ASSERT_EQ(readFile(path), QByteArray("1 x 1"));
    format.SetWidth(123456); // ten bytes: beyond the limit
    {
        const FileSizeLimit fullDisk;
        try {
            format.SaveToFile(path);
            ADD_FAILURE() << "no exception";
        } catch (const PlotException &e) {
            EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(path))) << e.what();
        }
    }
    EXPECT_EQ(readFile(path), QByteArray("1 x 1"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.x")});
}

TEST_F(ExportFormat, FilterIndexesFollowTheRegisteredFormatsAndTheirFilterCounts)
{
    const ScopedExportFormats formats({fake(QStringLiteral("a")), fake(QStringLiteral("b"), 2), fake(QStringLiteral("c"))});
    RegisterPlotExportFormat(fake(QStringLiteral("a"))); // once only
    const auto chart = makeLineChart();
    const ExportFormatList list = createExportFormats(chart.get());
    ASSERT_EQ(list.formats.size(), 3u);
    EXPECT_EQ(list.formats[0]->GetFilterIndex(), 1);
    EXPECT_EQ(list.formats[1]->GetFilterIndex(), 2);
    EXPECT_EQ(list.formats[2]->GetFilterIndex(), 4);
    EXPECT_EQ(list.filter, QStringLiteral("a0|*.a|b0|*.b|b1|*.b|c0|*.c"));
    EXPECT_EQ(list.formats[2]->Panel(), chart.get());
    EXPECT_EQ(formatForExtension(list, QStringLiteral("B")), list.formats[1].get());
    EXPECT_EQ(formatForExtension(list, QStringLiteral("z")), nullptr);

    UnRegisterPlotExportFormat(QStringLiteral("TBFormat"));
    const ExportFormatList without = createExportFormats(chart.get());
    ASSERT_EQ(without.formats.size(), 2u);
    EXPECT_EQ(without.formats[1]->GetFilterIndex(), 2);
}

TEST_F(ExportFormat, TheLibrarysBitmapAndMetafileAloneTakeFilterIndexesOneToThree)
{
    std::vector<PlotExportFormatClass> both;
    for (const PlotExportFormatClass &format : PlotExportFormats())
        if (format.name == QLatin1String("TBMPExportFormat") || format.name == QLatin1String("TEMFExportFormat"))
            both.push_back(format);
    ASSERT_EQ(both.size(), 2u);
    const ScopedExportFormats formats(both);
    const auto chart = makeLineChart();
    const ExportFormatList list = createExportFormats(chart.get());
    ASSERT_EQ(list.formats.size(), 2u);
    EXPECT_EQ(list.formats[0]->GetFilterIndex(), 1);
    EXPECT_EQ(list.formats[1]->GetFilterIndex(), 2);
    EXPECT_EQ(list.filter.count(QLatin1Char('|')), 5); // three filters: BMP, EMF, WMF
    EXPECT_EQ(formatForExtension(list, QStringLiteral("wmf")), list.formats[1].get());
}

TEST_F(ExportFormat, PictureLookupGivesTheFirstMatchingFormatsGraphic)
{
    const ScopedExportFormats formats(
        {fake(QStringLiteral("emf")), fake(QStringLiteral("bmp"), 1, createBitmapGraphic), fake(QStringLiteral("bmp"))});
    EXPECT_EQ(GraphicClassFromExtension(QStringLiteral(".xyz")), nullptr);
    EXPECT_EQ(GraphicClassFromExtension(QStringLiteral(".emf")), nullptr);
    EXPECT_EQ(GraphicClassFromExtension(QStringLiteral("bmp")), nullptr);

    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    const QByteArray bytes = bmpBytes(image);
    // The markup reaches the lookup through the library's hook.
    const std::unique_ptr<TGraphic> graphic = PlotPictures::PlotGraphicClassForExtension()(QStringLiteral(".BMP"));
    ASSERT_NE(graphic, nullptr);
    ASSERT_TRUE(graphic->LoadFromData(bytes));
    EXPECT_EQ(graphic->Image().size(), QSize(5, 4));
    EXPECT_EQ(graphic->Image().pixel(2, 2), qRgb(10, 200, 30));
    QByteArray format;
    EXPECT_EQ(PlotImaging::encodedBytes(graphic->Image(), &format), bytes);
    EXPECT_EQ(format, QByteArray("bmp"));
}

TEST_F(ExportFormat, HostileBitmapsAreRefusedWithoutCrash)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QByteArray good = bmpBytes(image);
    QByteArray huge = good;
    const qint32 side = 60000;
    for (int offset : {18, 22}) // biWidth, biHeight
        std::memcpy(huge.data() + offset, &side, 4);
    const struct { const char *name; QByteArray bytes; } cases[] = {
        {"empty", QByteArray()},
        {"header only", good.left(30)},
        {"truncated pixels", good.left(good.size() / 2)},
        {"text named .bmp", QByteArray("width,height\r\n1,2\r\n")},
        {"60000 x 60000 declared", huge},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<TGraphic> graphic = createBitmapGraphic();
        EXPECT_FALSE(graphic->LoadFromData(c.bytes));
        EXPECT_TRUE(graphic->Image().isNull());
    }
}

namespace {

// Draws like the screen canvas until the first line of the chart, then fails.
class ThrowingCanvas : public TPlotCanvas3D
{
public:
    void LineTo(int x, int y) override
    {
        Q_UNUSED(x);
        Q_UNUSED(y);
        throw PlotException(QStringLiteral("device lost"));
    }
};

} // namespace

TEST_F(ExportFormat, GuardRestoresTheChartAfterAFailingExport)
{
    const auto chart = makeLineChart();
    chart->setObjectName(QStringLiteral("Chart1"));
    TChartSeries *a = chart->GetSeries(0);
    a->ForceSaveData = true;
    TCanvas3D *screen = chart->Canvas();
    const bool buffered = chart->BufferedDisplay();
    bool thrown = false;
    try {
        ExportGuard guard(*chart);
        guard.showBusyCursor();
        guard.blankName();
        guard.setSaveFlags(false);
        EXPECT_TRUE(chart->objectName().isEmpty());
        EXPECT_TRUE(a->NeverSaveData);
        EXPECT_FALSE(a->ForceSaveData);
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
        ThrowingCanvas &canvas = guard.installCanvas(std::make_unique<ThrowingCanvas>());
        EXPECT_EQ(chart->Canvas(), &canvas);
        EXPECT_FALSE(chart->AutoRepaint);
        chart->Draw(nullptr, chart->GetRectangle());
    } catch (const PlotException &e) {
        thrown = e.message() == QStringLiteral("device lost");
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(chart->Canvas(), screen);
    EXPECT_TRUE(chart->AutoRepaint);
    EXPECT_EQ(chart->BufferedDisplay(), buffered);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(chart->objectName(), QStringLiteral("Chart1"));
    EXPECT_TRUE(a->ForceSaveData);
    EXPECT_FALSE(a->NeverSaveData);
    EXPECT_FALSE(chart->GetSeries(1)->NeverSaveData);
    // The screen canvas still draws the chart.
    const QImage after = chart->CreateBitmap(clWhite, chart->GetRectangle());
    EXPECT_FALSE(after.isNull());
}
