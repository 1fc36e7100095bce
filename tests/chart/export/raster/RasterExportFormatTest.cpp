// The PCX, PNG, GIF and JPEG export formats on the fixed chart, read back by independent tools.
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"
#include "GIFTypes.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotGerman.h"
#include "PlotTranslate.h"
#include "RadioGroup.h"
#include "RasterTestSupport.h"
#include "ReduceColors.h"
#include "TGIFExportFormat.h"
#include "TGIFGraphic.h"
#include "TJPEGExportFormat.h"
#include "TJPEGGraphic.h"
#include "TPCXExportFormat.h"
#include "TPNGExportFormat.h"
#include "TCustomPlotGradient.h"

#include <QClipboard>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QSpinBox>
#include <QTemporaryDir>

using RasterTest::differingPixels;
using RasterTest::readNetpbm;

namespace {

class RasterExport : public ExportTest
{
protected:
    void SetUp() override
    {
        chart = makeLineChart();
        bitmap = chart->CreateBitmap(chart->GetBackColor(), {0, 0, 400, 300});
    }
    template <class Format>
    std::unique_ptr<Format> format()
    {
        auto f = std::make_unique<Format>();
        f->SetPanel(chart.get());
        return f;
    }
    static bool registered(const QString &name)
    {
        const auto &formats = PlotExportFormats();
        return std::any_of(formats.begin(), formats.end(), [&](const PlotExportFormatClass &c) { return c.name == name; });
    }

    std::unique_ptr<TChart> chart;
    QImage bitmap;
};

QImage decode(const QString &tool, const QStringList &arguments, const QByteArray &bytes)
{
    const ToolResult result = runTool(tool, arguments, bytes);
    EXPECT_EQ(result.exitCode, 0) << tool.toStdString() << ": " << result.err.toStdString();
    return readNetpbm(result.out);
}

} // namespace

TEST_F(RasterExport, RegisteredInListOrderWithTheirTexts)
{
    QStringList names;
    for (const PlotExportFormatClass &c : PlotExportFormats())
        names << c.name;
    const QStringList raster{QStringLiteral("TPCXExportFormat"), QStringLiteral("TPNGExportFormat"),
                             QStringLiteral("TGIFExportFormat"), QStringLiteral("TJPEGExportFormat")};
    EXPECT_GE(names.indexOf(raster.last()), 0);
    for (int i = 1; i < raster.size(); ++i)
        EXPECT_LT(names.indexOf(raster[i - 1]), names.indexOf(raster[i]));
    struct Case
    {
        std::unique_ptr<TPlotExportFormat> format;
        const char *description;
        const char *filter;
        const char *extension;
    };
    Case cases[] = {
        {format<TPCXExportFormat>(), "as PC&X", "PCX files (*.pcx)|*.pcx", "pcx"},
        {format<TPNGExportFormat>(), "as &PNG", "PNG files (*.png)|*.png", "png"},
        {format<TGIFExportFormat>(), "as &GIF", "GIF files (*.gif)|*.gif", "gif"},
        {format<TJPEGExportFormat>(), "as &JPEG", "JPEG files (*.jpg)|*.jpg", "jpg"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.extension);
        EXPECT_EQ(c.format->Description(), QLatin1String(c.description));
        EXPECT_EQ(c.format->FileFilter(), QLatin1String(c.filter));
        EXPECT_EQ(c.format->FileExtension(), QLatin1String(c.extension));
    }
    // The picture lookup hands out the GIF and JPEG classes.
    EXPECT_NE(dynamic_cast<TGIFGraphic *>(GraphicClassFromExtension(QStringLiteral(".gif")).get()), nullptr);
    EXPECT_NE(dynamic_cast<TJPEGGraphic *>(GraphicClassFromExtension(QStringLiteral(".JPG")).get()), nullptr);
}

TEST_F(RasterExport, PcxAndPngFilesEqualTheChartBitmap)
{
    const QByteArray pcx = format<TPCXExportFormat>()->SaveToBytes();
    EXPECT_EQ(pcx.left(4), QByteArray::fromHex("0a050108"));
    EXPECT_EQ(differingPixels(decode(QStringLiteral("pcxtoppm"), {}, pcx), bitmap), 0);

    auto png = format<TPNGExportFormat>();
    const QByteArray bytes = png->SaveToBytes();
    const ToolResult check = runTool(QStringLiteral("pngcheck"), {QStringLiteral("-v"), QStringLiteral("/dev/stdin")}, bytes);
    EXPECT_TRUE(check.out.contains("400 x 300 image, 24-bit RGB, non-interlaced")) << check.out.toStdString();
    EXPECT_EQ(differingPixels(decode(QStringLiteral("pngtopam"), {}, bytes), bitmap), 0);
    auto *upDown = png->Options()->findChild<QSpinBox *>(QStringLiteral("UpDown1"));
    ASSERT_NE(upDown, nullptr);
    EXPECT_EQ(upDown->value(), 9);
    upDown->setValue(0);
    EXPECT_GE(png->SaveToBytes().size(), 300 * (3 * 400 + 1));
}

TEST_F(RasterExport, AFailedSaveLeavesNoFile)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pcx"));
    {
        const FileSizeLimit full;
        EXPECT_THROW(format<TPCXExportFormat>()->SaveToFile(path), PlotException);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    RasterTest::RefusingBuffer refusing(100);
    EXPECT_THROW(format<TPCXExportFormat>()->SaveToStream(refusing), PlotException);
    RasterTest::RefusingBuffer refusingJpeg(100);
    EXPECT_THROW(format<TJPEGExportFormat>()->SaveToStream(refusingJpeg), PlotException);
}

TEST_F(RasterExport, PngIsOfferedOnlyWhereItsLibraryLoads)
{
    ASSERT_TRUE(registered(QStringLiteral("TPNGExportFormat")));
    const ScopedExportFormats keepOrder(PlotExportFormats());
    const QString missing = QStringLiteral("libpng-missing.so.16");
    EXPECT_FALSE(TPNGExportFormat::Register(missing));
    EXPECT_FALSE(registered(QStringLiteral("TPNGExportFormat")));
    try {
        format<TPNGExportFormat>()->SaveToBytes();
        ADD_FAILURE() << "exported without the library";
    } catch (const PlotException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Library libpng-missing.so.16 cannot be loaded."));
    }
    EXPECT_TRUE(TPNGExportFormat::Register(QStringLiteral("libpng16.so.16")));
    EXPECT_TRUE(registered(QStringLiteral("TPNGExportFormat")));
}

TEST_F(RasterExport, DefaultGifIsTheQuantizedChart)
{
    const QByteArray gif = format<TGIFExportFormat>()->SaveToBytes();
    ASSERT_GT(gif.size(), 800);
    EXPECT_EQ(quint8(gif[10]), 0x77);
    const qsizetype descriptor = gif.indexOf(char(0x2C), 13);
    ASSERT_GT(descriptor, 0);
    EXPECT_EQ(quint8(gif[descriptor + 9]), 0x87);
    EXPECT_EQ(quint8(gif[descriptor + 10 + 768]), 8);
    EXPECT_EQ(runTool(QStringLiteral("gifsicle"), {QStringLiteral("--info")}, gif).exitCode, 0);

    const QImage expected = ReduceColors(bitmap, rmQuantizeWindows, dmNearest, 8, {});
    const ToolResult rgb = runTool(QStringLiteral("convert"), {QStringLiteral("gif:-"), QStringLiteral("rgb:-")}, gif);
    ASSERT_EQ(rgb.out.size(), 400 * 300 * 3) << rgb.err.toStdString();
    QImage decoded(reinterpret_cast<const uchar *>(rgb.out.constData()), 400, 300, 1200, QImage::Format_RGB888);
    EXPECT_EQ(differingPixels(decoded, expected), 0);
}

TEST_F(RasterExport, GifWithoutReductionIsExactOrRefused)
{
    auto gif = format<TGIFExportFormat>();
    auto *reduction = gif->Options()->findChild<QComboBox *>(QStringLiteral("CBReduction"));
    ASSERT_NE(reduction, nullptr);
    reduction->setCurrentIndex(rmNone);
    const QByteArray exact = gif->SaveToBytes();
    const ToolResult rgb = runTool(QStringLiteral("convert"), {QStringLiteral("gif:-"), QStringLiteral("rgb:-")}, exact);
    ASSERT_EQ(rgb.out.size(), 400 * 300 * 3);
    EXPECT_EQ(differingPixels(QImage(reinterpret_cast<const uchar *>(rgb.out.constData()), 400, 300, 1200,
                                     QImage::Format_RGB888),
                              bitmap),
              0);

    chart->Gradient()->SetVisible(true);
    chart->Gradient()->SetStartColor(clWhite);
    chart->Gradient()->SetEndColor(clNavy);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gradient.gif"));
    try {
        gif->SaveToFile(path);
        ADD_FAILURE() << "more than 256 colours without a reduction";
    } catch (const PlotException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Image has more than 256 colors; choose a colour reduction"));
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(RasterExport, JpegFollowsItsFormAndNeedsAPanel)
{
    auto jpeg = format<TJPEGExportFormat>();
    QWidget *form = jpeg->Options();
    auto *quality = form->findChild<QSpinBox *>(QStringLiteral("UpDown1"));
    ASSERT_NE(quality, nullptr);
    EXPECT_EQ(quality->value(), 95);
    quality->setValue(0);
    EXPECT_EQ(quality->value(), 1);
    quality->setValue(95);
    ASSERT_NE(form->findChild<RadioGroup *>(QStringLiteral("RGPerf")), nullptr);
    const QByteArray colour = jpeg->SaveToBytes();
    EXPECT_EQ(runTool(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%Q"), QStringLiteral("jpeg:-")}, colour)
                  .out.trimmed(),
              "95");
    EXPECT_LT(RasterTest::meanAbsoluteError(decode(QStringLiteral("djpeg"), {QStringLiteral("-pnm")}, colour), bitmap), 2.0);
    form->findChild<QCheckBox *>(QStringLiteral("CBGray"))->setChecked(true);
    const ToolResult grey = runTool(QStringLiteral("djpeg"), {QStringLiteral("-verbose")}, jpeg->SaveToBytes());
    EXPECT_TRUE(grey.err.contains("components=1")) << grey.err.toStdString();

    TJPEGExportFormat orphan;
    try {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        orphan.SaveToStream(buffer);
        ADD_FAILURE() << "exported without a panel";
    } catch (const PlotException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Panel property is not set in Export format"));
    }
}

TEST_F(RasterExport, CopiesCarryTheirFileBytes)
{
    format<TGIFExportFormat>()->CopyToClipboard();
    const QByteArray gif = QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/gif"));
    EXPECT_EQ(runTool(QStringLiteral("gifsicle"), {QStringLiteral("--info")}, gif).exitCode, 0);

    format<TJPEGExportFormat>()->CopyToClipboard();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(decode(QStringLiteral("djpeg"), {QStringLiteral("-pnm")}, data->data(QStringLiteral("image/jpeg"))).size(), QSize(400, 300));
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(400, 300));

    format<TPCXExportFormat>()->CopyToClipboard();
    EXPECT_EQ(differingPixels(QGuiApplication::clipboard()->image(), bitmap), 0);
}

TEST_F(RasterExport, GermanShowsOnTheFormatsAndTheirForms)
{
    PlotGerman::SelectGermanLanguage();
    auto pcx = format<TPCXExportFormat>();
    auto png = format<TPNGExportFormat>();
    auto gif = format<TGIFExportFormat>();
    auto jpeg = format<TJPEGExportFormat>();
    EXPECT_EQ(pcx->Description(), QStringLiteral("als PC&X"));
    EXPECT_EQ(png->Description(), QStringLiteral("als &PNG"));
    EXPECT_EQ(gif->Description(), QStringLiteral("als &GIF"));
    EXPECT_EQ(jpeg->Description(), QStringLiteral("als &JPEG"));
    QStringList texts;
    for (TPlotExportFormat *f : {static_cast<TPlotExportFormat *>(png.get()), static_cast<TPlotExportFormat *>(gif.get()),
                                 static_cast<TPlotExportFormat *>(jpeg.get())}) {
        QWidget *form = f->Options();
        form->show();
        for (const QLabel *label : form->findChildren<QLabel *>())
            texts << label->text().remove(u'&');
        for (const QAbstractButton *button : form->findChildren<QAbstractButton *>())
            texts << button->text().remove(u'&');
        form->hide();
    }
    for (const char *german : {"Kompressionsstufe:", "Rasterung:", "Reduktion:", "Graustufen", "% Qualität:"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(german))) << german << " in " << texts.join(u'/').toStdString();
    PlotTranslate::PlotCurrentLanguage = nullptr;
    PlotConst::SetLibraryMessages();
}
