// JPEG pictures through libjpeg, read back by djpeg and ImageMagick.
#include "JpegWriter.h"

#include "GifTestSupport.h"
#include "PlotException.h"
#include "RasterTestSupport.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

using GifTest::runTool;
using RasterTest::meanAbsoluteError;
using RasterTest::readNetpbm;

namespace {

QByteArray writeJpeg(const QImage &image, const TJPEGOptions &options)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteJpeg(buffer, image, options);
    return buffer.data();
}

TJPEGOptions withQuality(int quality, bool grey = false)
{
    TJPEGOptions options;
    options.Quality = std::uint8_t(quality);
    options.Grayscale = grey;
    return options;
}

} // namespace

TEST(JpegWriter, BaselineAtTheChosenQualityAndColourSpace)
{
    const QImage chart = RasterTest::chartLikePicture(400, 300);
    struct Case
    {
        int quality;
        bool grey;
        const char *components;
        const char *firstLuminanceValue;
    };
    const Case cases[] = {{95, false, "components=3", "2"}, {95, true, "components=1", "2"}, {1, false, "components=3", "255"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "quality " << c.quality << (c.grey ? " grey" : " colour"));
        const QByteArray jpeg = writeJpeg(chart, withQuality(c.quality, c.grey));
        const GifTest::ToolResult info = runTool(QStringLiteral("djpeg"), {QStringLiteral("-verbose"), QStringLiteral("-verbose"),
                                                                           QStringLiteral("-pnm")}, jpeg);
        ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
        const QString log = QString::fromLatin1(info.err);
        EXPECT_TRUE(log.contains(QLatin1String("Start Of Frame 0xc0"))) << info.err.toStdString();
        EXPECT_FALSE(log.contains(QLatin1String("Start Of Frame 0xc2")));
        EXPECT_TRUE(log.contains(QLatin1String(c.components))) << info.err.toStdString();
        // The first row of the luminance table follows its header line.
        const qsizetype table = log.indexOf(QLatin1String("Define Quantization Table 0"));
        ASSERT_GE(table, 0);
        const QStringList row = log.mid(table).section(QLatin1Char('\n'), 1, 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_FALSE(row.isEmpty());
        EXPECT_EQ(row.first(), QLatin1String(c.firstLuminanceValue));

        const GifTest::ToolResult quality = runTool(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%Q"),
                                                                                 QStringLiteral("jpeg:-")}, jpeg);
        EXPECT_EQ(quality.out.trimmed(), QByteArray::number(c.quality));

        const QImage decoded = readNetpbm(info.out);
        ASSERT_EQ(decoded.size(), chart.size());
        if (c.quality == 95) {
            // libjpeg's own encoder at the same quality, from the same pixels, sets the bar.
            QByteArray ppm = QByteArrayLiteral("P6\n400 300\n255\n");
            const QImage rgb = chart.convertToFormat(QImage::Format_RGB888);
            for (int y = 0; y < rgb.height(); ++y)
                ppm.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), 3 * rgb.width());
            QStringList cjpegArguments{QStringLiteral("-quality"), QStringLiteral("95")};
            if (c.grey)
                cjpegArguments << QStringLiteral("-grayscale");
            const GifTest::ToolResult theirs = runTool(QStringLiteral("cjpeg"), cjpegArguments, ppm);
            const QImage reference = readNetpbm(runTool(QStringLiteral("djpeg"), {QStringLiteral("-pnm")}, theirs.out).out);
            ASSERT_EQ(reference.size(), chart.size());
            if (c.grey) {
                EXPECT_LT(meanAbsoluteError(decoded, reference), 0.5);
            } else {
                EXPECT_LT(meanAbsoluteError(decoded, chart), 1.1 * meanAbsoluteError(reference, chart) + 0.05);
                EXPECT_LT(meanAbsoluteError(decoded, chart), 2.0);
            }
        }
    }
}

TEST(JpegWriter, ShortWriteRaisesAndWritesNothingOfAFailedPicture)
{
    RasterTest::RefusingBuffer refusing(100);
    EXPECT_THROW(WriteJpeg(refusing, RasterTest::chartLikePicture(400, 300), TJPEGOptions()), PlotException);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_THROW(WriteJpeg(buffer, QImage(), TJPEGOptions()), PlotException);
    // A picture beyond libjpeg's 65500-pixel limit fails inside libjpeg, which must not exit the program.
    QImage wide(70000, 1, QImage::Format_RGB888);
    wide.fill(Qt::white);
    try {
        WriteJpeg(buffer, wide, TJPEGOptions());
        ADD_FAILURE() << "libjpeg accepted a picture wider than its limit";
    } catch (const PlotException &e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("Maximum supported image dimension"))) << e.what();
    }
    EXPECT_EQ(buffer.size(), 0);
}
