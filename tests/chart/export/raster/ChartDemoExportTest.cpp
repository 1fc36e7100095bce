// The chart demo writes every raster format through the registry, and plays an animated back image.
#include "GifAnimationSupport.h"
#include "GifTestSupport.h"
#include "RasterTestSupport.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using GifTest::runTool;

TEST(ChartDemo, SavesEveryRasterFormatForTheIndependentReaders)
{
    const QTemporaryDir dir;
    struct Case
    {
        const char *extension;
        const char *reader;
    };
    for (const Case c : {Case{"png", "pngtopam"}, Case{"jpg", "djpeg"}, Case{"gif", "giftopnm"}, Case{"pcx", "pcxtoppm"}}) {
        SCOPED_TRACE(c.extension);
        const QString file = dir.filePath(QStringLiteral("chart.") + QLatin1String(c.extension));
        const GifTest::ToolResult demo = runTool(QStringLiteral(TENSIMO_CHART_DEMO), {QStringLiteral("--save"), file, QStringLiteral("--width"), QStringLiteral("800"), QStringLiteral("--height"), QStringLiteral("500")});
        ASSERT_EQ(demo.exitCode, 0) << demo.err.toStdString();
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const GifTest::ToolResult read = runTool(QString::fromLatin1(c.reader), {}, written.readAll());
        EXPECT_EQ(RasterTest::readNetpbm(read.out).size(), QSize(800, 500)) << read.err.toStdString();
    }
}

TEST(ChartDemo, AnAnimatedBackImageShowsAnotherFrameHalfASecondLater)
{
    const QTemporaryDir dir;
    const QString gif = dir.filePath(QStringLiteral("back.gif"));
    QFile file(gif);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Two screen-filling frames: red for 120 ms, then blue for 1.2 s.
    file.write(GifTest::animation(QSize(40, 30), {{QRect(0, 0, 40, 30), 1, 1, 10}, {QRect(0, 0, 40, 30), 3, 1, 100}}, 0));
    file.close();
    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    const GifTest::ToolResult demo = runTool(QStringLiteral(TENSIMO_CHART_DEMO),
                                             {QStringLiteral("--back-image"), gif, QStringLiteral("--screenshot"), shot});
    ASSERT_EQ(demo.exitCode, 0) << demo.err.toStdString();
    const QImage first(shot);
    const QImage later(dir.filePath(QStringLiteral("shot-later.png")));
    ASSERT_FALSE(first.isNull());
    ASSERT_EQ(later.size(), first.size());
    // The corner shows the back image only.
    EXPECT_NE(first.pixel(4, 4), later.pixel(4, 4));
}
