// The encoded bytes kept with a decoded image, in the image's own texts.
#include "PlotImaging.h"

#include <QHash>

namespace PlotImaging {

namespace {

// Texts travel with every copy of a QImage; the pixel fingerprint tells an edited image apart.
const QString kBytesKey = QStringLiteral("tensimo-encoded-bytes");
const QString kFormatKey = QStringLiteral("tensimo-encoded-format");
const QString kPixelsKey = QStringLiteral("tensimo-encoded-pixels");

QString pixelFingerprint(const QImage &image)
{
    const QByteArrayView pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return QStringLiteral("%1:%2x%3:%4")
        .arg(qHash(pixels, 0))
        .arg(image.width())
        .arg(image.height())
        .arg(int(image.format()));
}

} // namespace

void keepEncodedBytes(QImage &image, const QByteArray &bytes, const QByteArray &format)
{
    if (image.isNull())
        return;
    image.setText(kBytesKey, QString::fromLatin1(bytes.toBase64()));
    image.setText(kFormatKey, QString::fromLatin1(format));
    image.setText(kPixelsKey, pixelFingerprint(image));
}

QByteArray encodedBytes(const QImage &image, QByteArray *format)
{
    if (format)
        format->clear();
    const QString kept = image.text(kBytesKey);
    if (kept.isEmpty() || image.text(kPixelsKey) != pixelFingerprint(image))
        return {};
    if (format)
        *format = image.text(kFormatKey).toLatin1();
    return QByteArray::fromBase64(kept.toLatin1());
}

} // namespace PlotImaging
