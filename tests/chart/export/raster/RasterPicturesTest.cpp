// GIF and JPEG pictures in charts: loading, sharing, hostile files, and GIF animation on panels.
#include "TGIFGraphic.h"
#include "TGIFPainter.h"
#include "TJPEGGraphic.h"

#include "GifAnimationSupport.h"
#include "JpegWriter.h"
#include "PlotImaging.h"
#include "RasterTestSupport.h"
#include "TBackImage.h"
#include "TCustomPlotPanelExtended.h"
#include "TGIFImage.h"
#include "TPicture.h"
#include "TPlotCanvas3D.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <random>

using GifTest::animation;
using GifTest::FrameSpec;
using GifTest::kAnimationColours;

namespace {

// A 30 x 30 screen: frame 1 fills it red, frame 2 the square (10, 10)-(20, 20) green, frame 3 the
// square at the origin blue; the red frame's pixel (0, 0) is transparent.
QByteArray threeFrameAnimation(int delay = 3)
{
    return animation(QSize(30, 30), {{QRect(0, 0, 30, 30), 1, 1, delay, 0},
                                     {QRect(10, 10, 10, 10), 2, 1, delay},
                                     {QRect(0, 0, 10, 10), 3, 1, delay}},
                     0);
}

std::shared_ptr<TGIFGraphic> loadedGif(const QByteArray &gif)
{
    auto graphic = std::make_shared<TGIFGraphic>();
    EXPECT_TRUE(graphic->LoadFromData(gif));
    return graphic;
}

QByteArray jpegBytes(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteJpeg(buffer, image, TJPEGOptions());
    return buffer.data();
}

// A shown panel whose back image is the picture, tiled or stretched.
struct AnimatedPanel
{
    AnimatedPanel(const std::shared_ptr<TGIFGraphic> &graphic, TPlotBackImageMode mode, bool show = true)
    {
        panel = std::make_unique<TCustomPlotPanelExtended>();
        panel->SetColor(clYellow);
        panel->SetBevelOuter(bvNone);
        panel->resize(90, 90);
        panel->BackImage()->SetMode(mode);
        panel->BackImage()->SetGraphic(graphic);
        if (show)
            panel->show();
    }
    QImage paint() { return panel->grab().toImage(); }
    bool inPass() const { return dynamic_cast<TPlotCanvas3D &>(*panel->Canvas()).inPass(); }

    std::unique_ptr<TCustomPlotPanelExtended> panel;
};

} // namespace

TEST(RasterPictures, GifAndJpegGraphicsLoadAndAPictureSharesThem)
{
    const auto gif = loadedGif(threeFrameAnimation());
    const QImage first = gif->Image();
    ASSERT_EQ(first.size(), QSize(30, 30));
    EXPECT_EQ(first.pixel(15, 15), kAnimationColours[1]);
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);

    TPicture picture;
    picture.SetGraphic(gif);
    EXPECT_EQ(picture.Graphic(), first);
    TPicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.SharedGraphic(), gif);
    copy.SetGraphic(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_EQ(copy.SharedGraphic(), nullptr);
    EXPECT_EQ(copy.Graphic().size(), QSize(2, 2));

    const QByteArray gifBytes = threeFrameAnimation();
    TGIFGraphic truncated;
    EXPECT_FALSE(truncated.LoadFromData(gifBytes.left(20)));
    EXPECT_TRUE(truncated.Image().isNull());

    const QByteArray jpeg = jpegBytes(RasterTest::chartLikePicture(64, 48));
    TJPEGGraphic graphic;
    ASSERT_TRUE(graphic.LoadFromData(jpeg));
    EXPECT_EQ(PlotImaging::encodedBytes(graphic.Image()), jpeg);
    QBuffer buffer;
    buffer.setData(jpeg);
    EXPECT_EQ(graphic.Image(), QImageReader(&buffer, "jpeg").read());

    // Frame headers that announce 60000 x 60000 and 9000 x 9000 pixels (above 2^26).
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (const int side : {60000, 9000}) {
        SCOPED_TRACE(side);
        QByteArray huge = jpeg;
        huge[sof + 5] = huge[sof + 7] = char(side >> 8);
        huge[sof + 6] = huge[sof + 8] = char(side & 0xFF);
        EXPECT_FALSE(graphic.LoadFromData(huge));
        EXPECT_TRUE(graphic.Image().isNull());
    }
}

TEST(RasterPictures, DamagedJpegFilesLoadOrFailCleanly)
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    const QByteArray jpeg = jpegBytes(RasterTest::chartLikePicture(40, 30));
    int loaded = 0;
    for (qsizetype length = 0; length < jpeg.size(); ++length) {
        TJPEGGraphic graphic;
        if (graphic.LoadFromData(jpeg.left(length))) {
            EXPECT_EQ(graphic.Image().size(), QSize(40, 30));
            ++loaded;
        }
    }
    EXPECT_LT(loaded, jpeg.size());
    std::mt19937 rng(3);
    for (int round = 0; round < 1000; ++round) {
        QByteArray flipped = jpeg;
        flipped[qsizetype(rng() % flipped.size())] = char(rng());
        TJPEGGraphic graphic;
        if (graphic.LoadFromData(flipped))
            EXPECT_FALSE(graphic.Image().isNull());
    }
}

// Pictures up to the decoded size limit load (Qt's own limit never refuses one first); one row
// more is refused from the header, before Qt decodes it, and the refusal gives its size.
TEST(RasterPictures, PicturesUpToTheDecodedSizeLimitLoadAndOneRowMoreIsRefusedFromTheHeader)
{
    const auto encoded = [](const QImage &image, const char *format) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setCompression(1);
        EXPECT_TRUE(writer.write(image));
        return buffer.data();
    };
    QImage colour(8192, 4096, QImage::Format_RGB32); // 128 MiB at 32 bits
    colour.fill(qRgb(30, 140, 200));
    const QByteArray bmp = encoded(colour, "bmp");
    QByteArray tallerBmp = bmp;
    qToLittleEndian<qint32>(4097, tallerBmp.data() + 22);
    QImage deep(4096, 4097, QImage::Format_RGBA64); // one row beyond 128 MiB at 64 bits
    deep.fill(qRgb(30, 140, 200));
    const struct { const char *name; const char *format; QByteArray bytes; QSize refused; qint64 limit; } cases[] = {
        {"BMP at the limit", "bmp", bmp, {}, 0},
        {"BMP a row beyond", "bmp", tallerBmp, {8192, 4097}, qint64(1) << 25},
        {"PNG at the limit", "png", encoded(colour, "png"), {}, 0},
        {"16-bit PNG a row beyond", "png", encoded(deep, "png"), {4096, 4097}, qint64(1) << 24},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ImageReaderGraphic graphic(c.format);
        EXPECT_EQ(graphic.LoadFromData(c.bytes), !c.refused.isValid());
        EXPECT_EQ(graphic.RefusedSize(), c.refused);
        EXPECT_EQ(graphic.PixelLimit(), c.limit);
        EXPECT_EQ(graphic.Image().size(), c.refused.isValid() ? QSize(0, 0) : colour.size());
    }
}

TEST(RasterPictures, OnePainterPerPanelWhateverTheTiles)
{
    const auto gif = loadedGif(threeFrameAnimation());
    AnimatedPanel tiled(gif, pbmTile);
    const QImage shown = tiled.paint(); // nine tiles of 30 x 30
    EXPECT_EQ(gif->PainterCount(), 1);
    // The transparent pixel of the first frame shows the panel beneath, in every tile.
    EXPECT_EQ(shown.pixel(30, 30), qRgb(255, 255, 0));
    EXPECT_EQ(shown.pixel(45, 45), kAnimationColours[1]);
    tiled.paint();
    EXPECT_EQ(gif->PainterCount(), 1);

    TGIFPainter *painter = gif->PainterFor(tiled.panel.get());
    ASSERT_NE(painter, nullptr);
    EXPECT_EQ(painter->Interval(), 36);
    painter->Step();
    EXPECT_EQ(tiled.panel->BackImage()->Graphic().pixel(15, 15), kAnimationColours[2]);
    EXPECT_EQ(tiled.paint().pixel(75, 75), kAnimationColours[2]);

    // Off screen, or for a hidden panel, the picture shows its frame and starts nothing.
    AnimatedPanel hidden(gif, pbmStretch, false);
    hidden.panel->CreateBitmap(clWhite, {0, 0, 90, 90});
    EXPECT_EQ(gif->PainterCount(), 1);
    EXPECT_EQ(gif->PainterFor(hidden.panel.get()), nullptr);

    gif->PaintStop();
    EXPECT_EQ(gif->PainterCount(), 0);
}

TEST(RasterPictures, PaintersStepBetweenPassesAndStopWithTheirPanel)
{
    const auto gif = loadedGif(threeFrameAnimation());
    AnimatedPanel left(gif, pbmStretch);
    AnimatedPanel right(gif, pbmTile);
    int steps = 0;
    int stepsInPass = 0;
    gif->GIFImage().SetOnFramePaint([&](GIFAnimator &) {
        ++steps;
        stepsInPass += left.inPass() || right.inPass();
    });
    left.paint();
    right.paint();
    EXPECT_EQ(gif->PainterCount(), 2);
    for (int i = 0; i < 40 && steps < 6; ++i)
        QTest::qWait(20);
    EXPECT_GE(steps, 6);
    EXPECT_EQ(stepsInPass, 0);

    gif->GIFImage().SetOnFramePaint({});
    TGIFPainter *painter = gif->PainterFor(right.panel.get());
    ASSERT_NE(painter, nullptr);
    right.panel.reset();
    EXPECT_FALSE(painter->Running());
    QTest::qWait(60);
    EXPECT_EQ(gif->PainterCount(), 1);

    gif->Clear();
    EXPECT_EQ(gif->PainterCount(), 0);
    EXPECT_TRUE(gif->Image().isNull());
    left.paint();
}
