// JPEG pictures in charts, decoded by Qt's reader; the file's bytes stay with the image
// (PlotImaging::encodedBytes) so that a PDF can embed them as they are.
#pragma once

#include "ImageReaderGraphic.h"

class TJPEGGraphic : public ImageReaderGraphic
{
public:
    // Larger pictures are refused from their header, before any pixel memory is taken.
    static constexpr qint64 kMaxJpegPixels = qint64(1) << 26;

    TJPEGGraphic()
        : ImageReaderGraphic("jpeg")
    {
    }

protected:
    bool complete(const QByteArray &data) const override;
};

// The JPEG format's picture class.
std::unique_ptr<TGraphic> createJPEGGraphic();
