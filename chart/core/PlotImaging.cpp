// Per-pixel blending and integer-weight resampling.
#include "PlotImaging.h"

#include "PlotException.h"
#include "PlotRound.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace PlotImaging {

void BlendBitmaps(const QImage &source, QImage &target, TPoint position, double percent)
{
    const int x0 = std::max(position.x, 0);
    const int y0 = std::max(position.y, 0);
    if (target.format() != QImage::Format_RGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    const QImage src = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(src.width(), target.width() - x0);
    const int h = std::min(src.height(), target.height() - y0);
    if (w < 1 || h < 1)
        return;
    const int p = 100 - plotRound(percent);
    // No white tweak here: transparency 0 must leave every new pixel as it is, white ones included.
    for (int y = 0; y < h; ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *t = reinterpret_cast<QRgb *>(target.scanLine(y0 + y)) + x0;
        for (int x = 0; x < w; ++x) {
            const QRgb tv = t[x];
            const QRgb sv = s[x];
            auto mix = [p](int tc, int sc) { return std::clamp(tc + (sc - tc) * p / 100, 0, 255); };
            t[x] = qRgb(mix(qRed(tv), qRed(sv)), mix(qGreen(tv), qGreen(sv)), mix(qBlue(tv), qBlue(sv)));
        }
    }
}

double triangleFilter(double x)
{
    x = std::abs(x);
    return x < 1.0 ? 1.0 - x : 0.0;
}

double lanczosFilter(double x)
{
    if (x == 0.0)
        return 1.0;
    if (std::abs(x) >= 3.0)
        return 0.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px * std::sin(px / 3.0) / (px / 3.0);
}

namespace {

struct Contributor
{
    int pixel;
    int weight;
};

std::vector<std::vector<Contributor>> contributors(int sourceSize, int targetSize, Filter filter, double support)
{
    const float scale = float(targetSize - 1) / float(sourceSize - 1);
    std::vector<std::vector<Contributor>> lists(static_cast<std::size_t>(targetSize));
    const bool shrinking = scale < 1.0f;
    const double width = shrinking ? support / scale : support;
    for (int i = 0; i < targetSize; ++i) {
        const double centre = i / double(scale);
        auto &list = lists[std::size_t(i)];
        list.reserve(std::size_t(2 * width + 1));
        const int first = int(std::floor(centre - width));
        const int last = int(std::ceil(centre + width));
        for (int j = first; j <= last; ++j) {
            const double w = shrinking ? filter((centre - j) * scale) : filter(centre - j);
            if (w == 0.0)
                continue;
            int pixel = j;
            if (j < 0)
                pixel = -j;
            else if (j >= sourceSize)
                pixel = 2 * sourceSize - 1 - j;
            pixel = std::clamp(pixel, 0, sourceSize - 1);
            list.push_back({pixel, plotRound(1024.0 * (shrinking ? scale * w : w))});
        }
    }
    return lists;
}

QRgb weighted(const std::vector<Contributor> &list, const QRgb *line, int stride)
{
    int r = 0;
    int g = 0;
    int b = 0;
    for (const Contributor &c : list) {
        const QRgb v = line[std::ptrdiff_t(c.pixel) * stride];
        r += c.weight * qRed(v);
        g += c.weight * qGreen(v);
        b += c.weight * qBlue(v);
    }
    return qRgb(std::clamp(r >> 10, 0, 255), std::clamp(g >> 10, 0, 255), std::clamp(b >> 10, 0, 255));
}

} // namespace

void SmoothStretch(const QImage &source, QImage &target, Filter filter, double support)
{
    if (source.isNull() || target.isNull())
        return;
    if (source.width() < 2 || source.height() < 2)
        throw PlotException(QStringLiteral("SmoothStretch: Source bitmap too small"));
    if (target.width() < 2 || target.height() < 2)
        throw PlotException(QStringLiteral("SmoothStretch: Destination bitmap too small"));
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    if (target.format() != QImage::Format_RGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    QImage work(target.width(), src.height(), QImage::Format_RGB32);

    const auto horizontal = contributors(src.width(), target.width(), filter, support);
    for (int y = 0; y < src.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(work.scanLine(y));
        for (int x = 0; x < target.width(); ++x)
            out[x] = weighted(horizontal[std::size_t(x)], in, 1);
    }
    const auto vertical = contributors(src.height(), target.height(), filter, support);
    const int workStride = int(work.bytesPerLine() / 4);
    const auto *workBits = reinterpret_cast<const QRgb *>(std::as_const(work).constBits());
    for (int x = 0; x < target.width(); ++x) {
        for (int y = 0; y < target.height(); ++y)
            reinterpret_cast<QRgb *>(target.scanLine(y))[x] = weighted(vertical[std::size_t(y)], workBits + x, workStride);
    }
}

void ResampleBitmap(const QImage &source, QImage &target, bool fast)
{
    if (fast)
        SmoothStretch(source, target, triangleFilter, 1.0);
    else
        SmoothStretch(source, target, lanczosFilter, 3.0);
}

} // namespace PlotImaging
