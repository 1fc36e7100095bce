// JPEG pictures in charts, decoded by Qt's reader; the file's bytes stay with the picture so that a
// PDF can embed them as they are.
#pragma once

#include "PlotPictures.h"

class TJPEGGraphic : public TGraphic
{
public:
    // Larger pictures are refused from their header, before any pixel memory is taken.
    static constexpr qint64 kMaxPixels = qint64(1) << 26;

    bool LoadFromData(const QByteArray &data) override;
    QImage Image() const override { return m_image; }
    // The file as it was read; empty while no picture is loaded.
    const QByteArray &EncodedBytes() const { return m_bytes; }

private:
    QImage m_image;
    QByteArray m_bytes;
};
