// Writes the seed corpus of the PDF picture target: JPEGs of our image writer (grey and RGB),
// hand-made Adobe and frame headers, and font tables, each behind its selector byte.
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

void writeSeed(const QString &dir, const QString &name, char selector, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    QFile file(dir + QLatin1Char('/') + name);
    const QByteArray seed = QByteArray(1, selector) + bytes;
    if (!file.open(QIODevice::WriteOnly) || file.write(seed) != seed.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QByteArray jpeg(QImage::Format format)
{
    QImage image(24, 16, format);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "JPEG").write(image);
    return buffer.data();
}

QByteArray frame(int marker, int precision, int components)
{
    QByteArray b = QByteArray::fromHex("FFD8FFEE000E41646F626500640000000002FF");
    b += char(marker);
    b += QByteArray::fromHex("0011");
    b += char(precision);
    b += QByteArray::fromHex("00100018");
    b += char(components);
    b += QByteArray(9, '\x11');
    b += QByteArray::fromHex("FFD9");
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s corpus-dir\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/pdf_picture");
    writeSeed(dir, QStringLiteral("grey.jpg"), 0, jpeg(QImage::Format_Grayscale8));
    writeSeed(dir, QStringLiteral("rgb.jpg"), 0, jpeg(QImage::Format_RGB32));
    writeSeed(dir, QStringLiteral("adobe-cmyk"), 0, frame(0xC2, 8, 4));
    writeSeed(dir, QStringLiteral("arithmetic"), 0, frame(0xC9, 8, 3));
    writeSeed(dir, QStringLiteral("twelve-bit"), 0, frame(0xC1, 12, 3));
    QByteArray head(54, '\0');
    head[18] = 0x08; // 2048 units per em
    writeSeed(dir, QStringLiteral("head"), 1, head);
    writeSeed(dir, QStringLiteral("hhea"), 2, QByteArray::fromHex("000100000768FE30"));
    QByteArray os2(96, '\0');
    os2[1] = 4;
    writeSeed(dir, QStringLiteral("os2"), 3, os2);
    writeSeed(dir, QStringLiteral("post"), 4, QByteArray::fromHex("00030000FFF40000"));
    return 0;
}
