// Blending and resampling on small images.
#include "PlotImaging.h"

#include <stdexcept>

#include <gtest/gtest.h>

using namespace PlotImaging;

namespace {

QImage filled(int w, int h, QRgb c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

} // namespace

TEST(BlendBitmaps, MixesByTransparencyAndClipsToTheTarget)
{
    const QImage background = filled(4, 4, qRgb(200, 100, 50));
    QImage target = filled(6, 6, qRgb(0, 0, 0));
    BlendBitmaps(background, target, {4, 4}, 75);
    EXPECT_EQ(target.pixel(4, 4), qRgb(50, 25, 12));
    EXPECT_EQ(target.pixel(5, 5), qRgb(50, 25, 12));
    EXPECT_EQ(target.pixel(3, 3), qRgb(0, 0, 0));
    QImage untouched = filled(2, 2, qRgb(1, 2, 3));
    BlendBitmaps(background, untouched, {5, 0}, 0);
    EXPECT_EQ(untouched.pixel(1, 1), qRgb(1, 2, 3));
}

TEST(SmoothStretch, RejectsTooSmallImagesBeforeWriting)
{
    QImage target = filled(5, 5, qRgb(9, 9, 9));
    try {
        SmoothStretch(filled(1, 100, 0), target, triangleFilter, 1.0);
        FAIL() << "no exception";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "SmoothStretch: Source bitmap too small");
    }
    QImage tiny = filled(1, 5, qRgb(9, 9, 9));
    try {
        SmoothStretch(filled(2, 2, 0), tiny, triangleFilter, 1.0);
        FAIL() << "no exception";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "SmoothStretch: Destination bitmap too small");
    }
    EXPECT_EQ(tiny.pixel(0, 0), qRgb(9, 9, 9));
}

TEST(SmoothStretch, FastResampleInterpolatesLinearly)
{
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(255, 255, 255));
    source.setPixel(0, 1, qRgb(0, 0, 0));
    source.setPixel(1, 1, qRgb(255, 255, 255));
    QImage target = filled(3, 2, 0);
    ResampleBitmap(source, target, true);
    for (int y = 0; y < 2; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(qGreen(target.pixel(0, y)), 0);
        EXPECT_EQ(qGreen(target.pixel(1, y)), 127);
        EXPECT_EQ(qGreen(target.pixel(2, y)), 255);
    }
    QImage big = filled(100, 100, 0);
    ResampleBitmap(source, big, false);
    // Integer Lanczos weights do not sum to exactly 1024: the edges land within a few levels.
    EXPECT_NEAR(qRed(big.pixel(0, 50)), 0, 3);
    EXPECT_NEAR(qRed(big.pixel(99, 50)), 255, 3);
    EXPECT_LT(qRed(big.pixel(30, 50)), qRed(big.pixel(70, 50)));
    QImage shrunk = filled(2, 2, 0);
    ResampleBitmap(filled(10, 10, qRgb(40, 80, 120)), shrunk, true);
    EXPECT_NEAR(qBlue(shrunk.pixel(1, 1)), 120, 1);
}

TEST(EncodedBytes, TravelWithCopiesButNotWithChangedPixels)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    EXPECT_TRUE(PlotImaging::encodedBytes(image).isEmpty());
    const QByteArray bytes("\xff\xd8\x00binary\xff\xd9", 11);
    PlotImaging::keepEncodedBytes(image, bytes, "jpeg");

    const QImage copy = image; // NOLINT: the copy is the point
    QByteArray format;
    EXPECT_EQ(PlotImaging::encodedBytes(copy, &format), bytes);
    EXPECT_EQ(format, QByteArray("jpeg"));

    QImage edited = image;
    edited.setPixel(1, 1, qRgb(0, 0, 255));
    EXPECT_TRUE(PlotImaging::encodedBytes(edited, &format).isEmpty());
    EXPECT_TRUE(format.isEmpty());
    EXPECT_EQ(PlotImaging::encodedBytes(image), bytes);
}
