// Pixel-level image services: blending two images and the filtered two-pass resampler.
#pragma once

#include "PlotTypes.h"

#include <QImage>

namespace PlotImaging {

// Mixes source (the background) over target at position; percent 100 keeps the target as it is.
void BlendBitmaps(const QImage &source, QImage &target, TPoint position, double percent);

using Filter = double (*)(double);
double triangleFilter(double x);
double lanczosFilter(double x);

// Resamples source into target's size; throws PlotException for images under 2 x 2.
void SmoothStretch(const QImage &source, QImage &target, Filter filter, double support);
void ResampleBitmap(const QImage &source, QImage &target, bool fast);

// Keeps the file bytes an image was decoded from (and their format, such as "jpeg") with the
// image, so that a writer can pass them through instead of encoding the pixels again. Copies of
// the image carry them; an image whose pixels changed since does not.
void keepEncodedBytes(QImage &image, const QByteArray &bytes, const QByteArray &format);
// The kept bytes, empty when none are kept or the pixels changed; format (when given) receives
// their format.
QByteArray encodedBytes(const QImage &image, QByteArray *format = nullptr);

} // namespace PlotImaging
