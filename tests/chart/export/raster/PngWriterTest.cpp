// PNG pictures through the run-time bound libpng, read back by pngcheck and netpbm; the loader's refusals.
#include "PngWriter.h"

#include "GifTestSupport.h"
#include "PlotException.h"
#include "PngLibrary.h"
#include "RasterTestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using GifTest::runTool;
using RasterTest::differingPixels;
using RasterTest::readNetpbm;

namespace {

QByteArray writePng(const QImage &image, int level)
{
    static PngLibrary library;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WritePng(buffer, image, level, library);
    return buffer.data();
}

QImage decodeWithPngtopam(const QByteArray &png)
{
    const GifTest::ToolResult result = runTool(QStringLiteral("pngtopam"), {}, png);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return readNetpbm(result.out);
}

} // namespace

TEST(PngWriter, ChartReadsBackPixelForPixelAtEveryLevel)
{
    const QImage chart = RasterTest::chartLikePicture(400, 300);
    qint64 previousSize = 0;
    for (int level : {0, 6, 9}) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        const QByteArray png = writePng(chart, level);
        const GifTest::ToolResult check = runTool(QStringLiteral("pngcheck"), {QStringLiteral("-v"), QStringLiteral("/dev/stdin")}, png);
        EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
        EXPECT_TRUE(check.out.contains("400 x 300 image, 24-bit RGB, non-interlaced")) << check.out.toStdString();
        EXPECT_EQ(differingPixels(decodeWithPngtopam(png), chart), 0);
        if (level == 0)
            EXPECT_GE(png.size(), 300 * (3 * 400 + 1));
        else
            EXPECT_LT(png.size(), previousSize);
        previousSize = png.size();
    }
    const QImage narrow = RasterTest::chartLikePicture(1, 17);
    EXPECT_EQ(differingPixels(decodeWithPngtopam(writePng(narrow, 9)), narrow), 0);
}

TEST(PngWriter, ShortWriteRaisesInsteadOfAborting)
{
    PngLibrary library;
    RasterTest::RefusingBuffer refusing(100);
    try {
        WritePng(refusing, RasterTest::chartLikePicture(400, 300), 0, library);
        FAIL() << "a short write passed";
    } catch (const PlotException &e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("Write Error"))) << e.what();
    }
    // The library is still usable after the jump out of it.
    EXPECT_FALSE(writePng(RasterTest::chartLikePicture(3, 3), 9).isEmpty());
}

TEST(PngLibrary, RefusesMissingIncompleteAndForeignLibraries)
{
    const QString missing = QStringLiteral("libpng-missing.so.16");
    const QString stubs[] = {QStringLiteral(TENSIMO_PNG_STUB_WITHOUT_WRITE_END), QStringLiteral(TENSIMO_PNG_STUB_1_2_50)};
    for (const QString &name : {missing, stubs[0], stubs[1]}) {
        SCOPED_TRACE(name.toStdString());
        PngLibrary library(name);
        EXPECT_FALSE(library.Load());
        EXPECT_FALSE(library.Loaded());
        EXPECT_EQ(library.write_end, nullptr);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        try {
            WritePng(buffer, RasterTest::chartLikePicture(4, 4), 9, library);
            ADD_FAILURE() << "wrote through a refused library";
        } catch (const PlotException &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Library %1 cannot be loaded.").arg(name));
        }
        EXPECT_EQ(buffer.size(), 0);
    }
    PngLibrary system;
    EXPECT_TRUE(system.Load());
}

TEST(PngLibrary, NoBinaryOfOursNeedsLibpng)
{
    const QDir bin(QCoreApplication::applicationDirPath());
    int checked = 0;
    for (const QString &name : bin.entryList(QDir::Files | QDir::Executable)) {
        SCOPED_TRACE(name.toStdString());
        const GifTest::ToolResult elf = runTool(QStringLiteral("readelf"), {QStringLiteral("-d"), bin.filePath(name)});
        if (elf.exitCode != 0 || !elf.out.contains("NEEDED"))
            continue;
        EXPECT_FALSE(elf.out.contains("libpng")) << elf.out.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 1);
}
