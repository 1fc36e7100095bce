// A picture decoded by Qt's image readers, keeping the file's bytes with the image so that a
// writer of the same format can pass them through.
#pragma once

#include "PlotPictures.h"

#include <QByteArray>
#include <QImage>

class ImageReaderGraphic : public TGraphic
{
public:
    // format: Qt's reader name ("bmp", "jpeg"); only that format is accepted.
    explicit ImageReaderGraphic(QByteArray format);

    // False for bytes that are no readable picture of the format, also for a declared size beyond
    // what a picture of the chart library may hold (RefusedSize tells); the image is empty then.
    bool LoadFromData(const QByteArray &data) override;
    QImage Image() const override { return m_image; }

    // A picture whose decoded image would take more bytes is refused from its header, before Qt
    // decodes it: 2^25 pixels at 8 bits per channel, 2^24 for a 16-bit PNG. The same as Qt's own
    // limit per image on Debian's Qt 6.4 (QImageReader::allocationLimit), so that one never refuses
    // a picture this one lets through.
    static constexpr qint64 kMaxDecodedBytes = qint64(128) << 20;

protected:
    // Whether the bytes hold a whole picture; Qt's readers fill a cut-off file's missing rows.
    virtual bool complete(const QByteArray &data) const;

private:
    QByteArray m_format;
    QImage m_image;
};

// A BMP file: refused when its pixel rows are cut off.
class TBitmapGraphic : public ImageReaderGraphic
{
public:
    TBitmapGraphic()
        : ImageReaderGraphic("bmp")
    {
    }

protected:
    bool complete(const QByteArray &data) const override;
};

// The bitmap format's picture class.
std::unique_ptr<TGraphic> createBitmapGraphic();
