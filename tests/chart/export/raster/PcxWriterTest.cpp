// PCX pictures read back by netpbm and ImageMagick, and the bytes of the run-length encoding.
#include "PcxWriter.h"

#include "GifTestSupport.h"
#include "PlotException.h"
#include "RasterTestSupport.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <random>

using GifTest::runTool;
using RasterTest::differingPixels;
using RasterTest::readNetpbm;

namespace {

QByteArray writePcx(const QImage &image, int type)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteBitmapAsPCX(buffer, image, type);
    return buffer.data();
}

int word(const QByteArray &bytes, int offset)
{
    return quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8;
}

QImage decodeWithPcxtoppm(const QByteArray &pcx)
{
    const GifTest::ToolResult result = runTool(QStringLiteral("pcxtoppm"), {}, pcx);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return readNetpbm(result.out);
}

// Channels of 0, 85, 170 and 255 pass the format's 6-bit palette unchanged.
QList<QRgb> exactPalette(int count)
{
    QList<QRgb> table;
    for (int i = 0; i < count; ++i)
        table << qRgb((i % 4) * 85, (i / 4 % 4) * 85, (i / 16 % 4) * 85);
    return table;
}

QImage randomIndexedPicture(int width, int height, int colours, std::mt19937 &rng)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(exactPalette(colours));
    std::uniform_int_distribution<int> index(0, colours - 1);
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < width; ++x)
            row[x] = uchar(x % 5 == 0 ? index(rng) : (x / 9 + y) % colours);
    }
    return image;
}

} // namespace

TEST(PcxWriter, TrueColourChartReadsBackPixelForPixel)
{
    const QImage chart = RasterTest::chartLikePicture(400, 300);
    const QByteArray pcx = writePcx(chart, pcxTrueColor);
    ASSERT_GT(pcx.size(), 128 + 769);
    EXPECT_EQ(pcx.left(4), QByteArray::fromHex("0a050108"));
    EXPECT_EQ(word(pcx, 8), 399);
    EXPECT_EQ(word(pcx, 10), 299);
    EXPECT_EQ(pcx[65], 3);
    EXPECT_EQ(word(pcx, 66), 400);
    EXPECT_EQ(word(pcx, 68), 1);
    EXPECT_EQ(pcx.mid(70, 58), QByteArray(58, '\0'));
    EXPECT_EQ(quint8(pcx[pcx.size() - 769]), 0x0C);

    EXPECT_EQ(differingPixels(decodeWithPcxtoppm(pcx), chart), 0);
    const GifTest::ToolResult magick = runTool(QStringLiteral("convert"), {QStringLiteral("pcx:-"), QStringLiteral("ppm:-")}, pcx);
    ASSERT_EQ(magick.exitCode, 0) << magick.err.toStdString();
    EXPECT_EQ(differingPixels(readNetpbm(magick.out), chart), 0);
}

TEST(PcxWriter, EncodesRunsAndLiteralsAsTheFormatDefines)
{
    QImage white(100, 1, QImage::Format_RGB888);
    white.fill(Qt::white);
    auto indexedRow = [](std::initializer_list<uchar> values) {
        QImage image(int(values.size()), 1, QImage::Format_Indexed8);
        image.setColorTable(exactPalette(256));
        std::copy(values.begin(), values.end(), image.scanLine(0));
        return image;
    };
    struct Case
    {
        const char *name;
        QImage image;
        int type;
        QByteArray lines;
    };
    const Case cases[] = {
        {"white row of 100", white, pcxTrueColor, QByteArray::fromHex("ffffe5ff").repeated(3)},
        {"single 0xC5", indexedRow({0xC5}), pcx256Colors, QByteArray::fromHex("c1c5")},
        {"alternating 10 20", indexedRow({0x10, 0x20, 0x10, 0x20, 0x10}), pcx256Colors, QByteArray::fromHex("1020102010")},
        {"run then literal", indexedRow({7, 7, 7, 0xC0}), pcx256Colors, QByteArray::fromHex("c307c1c0")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray pcx = writePcx(c.image, c.type);
        EXPECT_EQ(pcx.mid(128, pcx.size() - 128 - 769), c.lines);
    }
    const QByteArray tiny = writePcx(indexedRow({3}), pcx256Colors);
    EXPECT_EQ(word(tiny, 8), 0);
    EXPECT_EQ(word(tiny, 10), 0);
}

TEST(PcxWriter, PaletteTypesReadBackAtEveryWidth)
{
    std::mt19937 rng(7);
    struct Type
    {
        int type;
        int colours;
    };
    for (const Type t : {Type{pcxMonochrome, 2}, Type{pcx16Colors, 16}, Type{pcx256Colors, 256}}) {
        for (int width : {1, 7, 8, 9, 333}) {
            SCOPED_TRACE(testing::Message() << "type " << t.type << ", width " << width);
            const QImage source = randomIndexedPicture(width, 5, t.colours, rng);
            const QByteArray pcx = writePcx(source, t.type);
            EXPECT_EQ(quint8(pcx[pcx.size() - 769]), 0x0C);
            EXPECT_EQ(differingPixels(decodeWithPcxtoppm(pcx), source), 0);
            if (t.type == pcxMonochrome) {
                const QImage mono = source.convertToFormat(QImage::Format_Mono, exactPalette(2));
                EXPECT_EQ(writePcx(mono, t.type), pcx);
            }
        }
    }
}

TEST(PcxWriter, RefusesWhatItCannotWriteWhole)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_THROW(WriteBitmapAsPCX(buffer, RasterTest::chartLikePicture(20, 20), pcx16Colors), PlotException);
    EXPECT_EQ(buffer.size(), 0);
    EXPECT_THROW(WriteBitmapAsPCX(buffer, QImage(), pcxTrueColor), PlotException);

    RasterTest::RefusingBuffer refusing(100);
    EXPECT_THROW(WriteBitmapAsPCX(refusing, RasterTest::chartLikePicture(400, 300), pcxTrueColor), PlotException);
}
