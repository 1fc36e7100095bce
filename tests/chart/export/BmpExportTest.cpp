// The bitmap format: header fields, every colour depth read back by netpbm and ImageMagick.
#include "ExportTestSupport.h"
#include "GIFPalettes.h"
#include "PlotImaging.h"
#include "PlotPictures.h"
#include "TBMPExportFormat.h"
#include "TBMPOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

quint32 u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// bmptopnm's output as an image; null when it is no binary PPM or PBM. Netpbm 11 takes the masks of
// a 16-bit bit-field file only from the larger headers, so that one is read by ImageMagick.
QImage decodeBmp(const QByteArray &bmp)
{
    const bool bitFields = u32(bmp, 30) == 3;
    const ToolResult result = bitFields ? runTool(QStringLiteral("convert"), {QStringLiteral("bmp:-"), QStringLiteral("ppm:-")}, bmp)
                                        : runTool(QStringLiteral("bmptopnm"), {}, bmp);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    QImage image;
    image.loadFromData(result.out, "PNM");
    return image.convertToFormat(QImage::Format_RGB32);
}

QSet<QRgb> paletteColors(const TGIFPalette &palette)
{
    QSet<QRgb> colors;
    for (const TGIFColor &c : palette)
        colors.insert(qRgb(c.Red, c.Green, c.Blue));
    return colors;
}

int maxChannelError(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

class BmpExport : public ExportTest
{
protected:
    void SetUp() override
    {
        chart = makeLineChart();
        format.SetPanel(chart.get());
    }
    std::unique_ptr<TChart> chart;
    TBMPExportFormat format;
};

} // namespace

TEST_F(BmpExport, TwentyFourBitFileHasTheHeaderAndTheChartsPixels)
{
    format.SetWidth(101);
    format.SetHeight(50);
    const QByteArray bmp = format.SaveToBytes();
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(bmp, 2), 54u + 50u * 304u);
    EXPECT_EQ(bmp.size(), 15254);
    EXPECT_EQ(u32(bmp, 10), 54u);
    EXPECT_EQ(u32(bmp, 14), 40u);
    EXPECT_EQ(qint32(u32(bmp, 22)), 50);
    EXPECT_EQ(u16(bmp, 28), 24);

    const ToolResult identify = runTool(QStringLiteral("identify"), {QStringLiteral("bmp:-")}, bmp);
    EXPECT_TRUE(identify.out.contains(" 101x50 ")) << identify.out.toStdString() << identify.err.toStdString();
    const QImage expected = chart->CreateBitmap(chart->paintColor(), TRect{0, 0, 101, 50});
    const QImage decoded = decodeBmp(bmp);
    ASSERT_EQ(decoded.size(), QSize(101, 50));
    EXPECT_EQ(maxChannelError(decoded, expected), 0);
}

TEST_F(BmpExport, EveryDepthReadsBackInItsColours)
{
    const QImage expected = chart->CreateBitmap(chart->paintColor(), chart->GetRectangle());
    auto *options = static_cast<TBMPOptions *>(format.Options(true));
    ASSERT_NE(options, nullptr);
    const QSet<QRgb> blackWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    const struct { int index; int bits; int offset; QSet<QRgb> palette; int tolerance; } cases[] = {
        {0, 24, 54, {}, 0},
        {1, 1, 62, blackWhite, 255},
        {2, 4, 118, {}, 255},
        {3, 8, 54 + 1024, paletteColors(HalftonePalette()), 255},
        {4, 16, 54, {}, 7},
        {5, 16, 66, {}, 7},
        {6, 24, 54, {}, 0},
        {7, 32, 54, {}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "colours index " << c.index);
        options->CBColors->setCurrentIndex(c.index);
        const QByteArray bmp = format.SaveToBytes();
        EXPECT_EQ(u16(bmp, 28), c.bits);
        EXPECT_EQ(u32(bmp, 10), quint32(c.offset));
        const QImage decoded = decodeBmp(bmp);
        ASSERT_EQ(decoded.size(), expected.size());
        EXPECT_LE(maxChannelError(decoded, expected), c.tolerance);
        // The white back and the black texts come through at every depth.
        EXPECT_EQ(decoded.pixel(5, 5), expected.pixel(5, 5));
        for (int y = 0; y < decoded.height() && !c.palette.isEmpty(); y += 7) {
            for (int x = 0; x < decoded.width(); x += 7)
                ASSERT_TRUE(c.palette.contains(decoded.pixel(x, y))) << x << "," << y;
        }
    }
}

TEST_F(BmpExport, MonochromeIgnoresTheDepthChoice)
{
    auto *options = static_cast<TBMPOptions *>(format.Options(true));
    options->CBColors->setCurrentIndex(7);
    options->CBMono->click();
    EXPECT_FALSE(options->CBColors->isEnabled());
    const QByteArray bmp = format.SaveToBytes();
    EXPECT_EQ(u16(bmp, 28), 1);
    EXPECT_EQ(u32(bmp, 46), 2u); // palette entries
    EXPECT_EQ(u32(bmp, 10), 62u);
    const QImage decoded = decodeBmp(bmp);
    EXPECT_EQ(decoded.size(), QSize(400, 300));
    options->CBMono->click();
    EXPECT_TRUE(options->CBColors->isEnabled());
}

TEST_F(BmpExport, SavedFileReadsThroughThePictureLookup)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.bmp"));
    format.SaveToFile(path);
    const QByteArray bytes = readFile(path);
    const std::unique_ptr<TGraphic> graphic = GraphicClassFromExtension(QStringLiteral(".BMP"));
    ASSERT_NE(graphic, nullptr);
    ASSERT_TRUE(graphic->LoadFromData(bytes));
    EXPECT_EQ(graphic->Image().size(), QSize(400, 300));
    EXPECT_EQ(PlotImaging::encodedBytes(graphic->Image()), bytes);
}
