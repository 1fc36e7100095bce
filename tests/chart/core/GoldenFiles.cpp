// Golden file comparison for text logs and images.
#include "GoldenFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Mid-grey where the pixels agree, red where they differ.
QImage differenceImage(const QImage &a, const QImage &b)
{
    const int w = std::max(a.width(), b.width());
    const int h = std::max(a.height(), b.height());
    QImage diff(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool same = a.valid(x, y) && b.valid(x, y) && a.pixel(x, y) == b.pixel(x, y);
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

void expectMatchesGoldenImage(const QImage &actual, const QString &name)
{
    const QString path = goldenPath(name);
    const QImage image = actual.convertToFormat(QImage::Format_RGB32);
    if (updating()) {
        ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();
        return;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << path.toStdString();
    bool same = expected.size() == image.size();
    for (int y = 0; same && y < image.height(); ++y)
        same = std::equal(image.constScanLine(y), image.constScanLine(y) + 4 * image.width(),
                          expected.constScanLine(y));
    if (same)
        return;
    const QString dir = QStringLiteral(TENSIMO_TEST_OUTPUT_DIR);
    QDir().mkpath(dir);
    const QString base = dir + QLatin1Char('/') + QFileInfo(name).completeBaseName();
    image.save(base + QStringLiteral(".actual.png"), "PNG");
    differenceImage(image, expected).save(base + QStringLiteral(".diff.png"), "PNG");
    ADD_FAILURE() << name.toStdString() << " differs from its golden image; see " << base.toStdString()
                  << ".actual.png and .diff.png";
}
