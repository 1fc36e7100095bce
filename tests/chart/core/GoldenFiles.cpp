// Golden file comparison for text logs and images.
#include "GoldenFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

QString goldenPath(const QString &name)
{
    return QStringLiteral(TENSIMO_TEST_DATA_DIR "/chart/") + name;
}

bool updating()
{
    return qEnvironmentVariableIsSet("UPDATE_GOLDEN");
}

bool pixelsAgree(QRgb a, QRgb b, int channelTolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= channelTolerance && std::abs(qGreen(a) - qGreen(b)) <= channelTolerance
           && std::abs(qBlue(a) - qBlue(b)) <= channelTolerance;
}

// Mid-grey where the pixels agree, red where they differ.
QImage differenceImage(const QImage &a, const QImage &b, int channelTolerance)
{
    const int w = std::max(a.width(), b.width());
    const int h = std::max(a.height(), b.height());
    QImage diff(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool same = a.valid(x, y) && b.valid(x, y) && pixelsAgree(a.pixel(x, y), b.pixel(x, y), channelTolerance);
            diff.setPixel(x, y, same ? qRgb(128, 128, 128) : qRgb(255, 0, 0));
        }
    return diff;
}

} // namespace

void expectMatchesGolden(const QString &actual, const QString &name)
{
    const QString path = goldenPath(name);
    if (updating()) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        out.write(actual.toUtf8());
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(QString::fromUtf8(in.readAll()).toStdString(), actual.toStdString()) << name.toStdString();
}

int countDifferingPixels(const QImage &a, const QImage &b, int channelTolerance)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            count += pixelsAgree(p[col], q[col], channelTolerance) ? 0 : 1;
    }
    return count;
}

bool imagesMatch(const QImage &actual, const QImage &expected, const ImageTolerance &tolerance)
{
    const int differing = countDifferingPixels(actual, expected, tolerance.channel);
    return differing >= 0 && differing <= tolerance.fraction * double(actual.width()) * actual.height();
}

void expectMatchesGoldenImage(const QImage &actual, const QString &name, const ImageTolerance &tolerance)
{
    const QString path = goldenPath(name);
    const QImage image = actual.convertToFormat(QImage::Format_RGB32);
    if (updating()) {
        ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();
        return;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << path.toStdString();
    if (imagesMatch(image, expected, tolerance))
        return;
    const QString dir = QStringLiteral(TENSIMO_TEST_OUTPUT_DIR);
    QDir().mkpath(dir);
    const QString base = dir + QLatin1Char('/') + QFileInfo(name).completeBaseName();
    image.save(base + QStringLiteral(".actual.png"), "PNG");
    differenceImage(image, expected, tolerance.channel).save(base + QStringLiteral(".diff.png"), "PNG");
    const int differing = countDifferingPixels(image, expected, tolerance.channel);
    ADD_FAILURE() << name.toStdString() << " differs from its golden image ("
                  << (differing < 0 ? std::string("other size") : std::to_string(differing) + " pixels")
                  << "); see " << base.toStdString() << ".actual.png and " << base.toStdString() << ".diff.png";
}
