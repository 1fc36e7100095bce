// JPEG pictures in charts, decoded by Qt's reader; the file's bytes stay with the image
// (PlotImaging::encodedBytes) so that a PDF can embed them as they are.
#pragma once

#include "ImageReaderGraphic.h"

class TJPEGGraphic : public ImageReaderGraphic
{
public:
    TJPEGGraphic()
        : ImageReaderGraphic("jpeg")
    {
    }

protected:
    bool complete(const QByteArray &data) const override;
};

// The JPEG format's picture class.
std::unique_ptr<TGraphic> createJPEGGraphic();
