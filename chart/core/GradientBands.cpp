// Band geometry and colour steps of the canvas gradient fill, in integer arithmetic.
#include "GradientBands.h"

#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotRound.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace GradientBands {

using namespace PlotColor;

TColor stepColor(TColor first, TColor second, int i, int n, int balance)
{
    const int r0 = redOf(first);
    const int g0 = greenOf(first);
    const int b0 = blueOf(first);
    const int dr = redOf(second) - r0;
    const int dg = greenOf(second) - g0;
    const int db = blueOf(second) - b0;
    if (balance == 50)
        return makeColor(r0 + dr * i / n, g0 + dg * i / n, b0 + db * i / n);
    const double f = std::pow((1.0 + i) / (1.0 + n), balance * 0.015 + 0.5);
    return makeColor(plotRound(dr * f) + r0, plotRound(dg * f) + g0, plotRound(db * f) + b0);
}

namespace {

bool swapsColours(TGradientDirection d)
{
    return d == gdBottomTop || d == gdRightLeft || d == gdFromCenter || d == gdFromTopLeft || d == gdFromBottomLeft;
}

void addBand(std::vector<Band> &out, const TRect &r, TColor c)
{
    if (r.right > r.left && r.bottom > r.top)
        out.push_back({r, c});
}

} // namespace

std::vector<Band> bands(const TRect &rect, TColor first, TColor second, TGradientDirection direction, int balance)
{
    const TRect r = PlotGeometry::OrientRect(rect);
    TColor a = ColorToRGB(first);
    TColor b = ColorToRGB(second);
    if (swapsColours(direction))
        std::swap(a, b);
    const int w = r.width();
    const int h = r.height();
    std::vector<Band> out;
    switch (direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: {
        const bool vertical = direction == gdTopBottom || direction == gdBottomTop;
        const int s = vertical ? h : w;
        const int k = std::min(s, 256);
        const int n = k - 1;
        if (n <= 0)
            break;
        out.reserve(std::size_t(k));
        for (int i = 0; i < k; ++i) {
            const TColor c = stepColor(a, b, i, n, balance);
            const int from = int(std::int64_t(i + 1) * s / k);
            const int to = int(std::int64_t(i) * s / k);
            if (vertical)
                addBand(out, {r.left, r.bottom - from, r.right, r.bottom - to}, c);
            else
                addBand(out, {r.right - from, r.top, r.right - to, r.bottom}, c);
        }
        break;
    }
    case gdFromCenter: {
        const int n = std::max(1, w / 2 + h / 2);
        int vi = 0;
        int hi = 0;
        while (true) {
            const TColor c = stepColor(a, b, vi + hi, n, balance);
            const TRect f{r.left + hi, r.top + vi, r.right - hi, r.bottom - vi};
            const bool done = vi >= h / 2 && hi >= w / 2;
            if (done || f.width() <= 2 || f.height() <= 2) {
                addBand(out, f, c);
                break;
            }
            addBand(out, {f.left, f.top, f.right, f.top + 1}, c);
            addBand(out, {f.left, f.bottom - 1, f.right, f.bottom}, c);
            addBand(out, {f.left, f.top + 1, f.left + 1, f.bottom - 1}, c);
            addBand(out, {f.right - 1, f.top + 1, f.right, f.bottom - 1}, c);
            if (vi < h / 2)
                ++vi;
            if (hi < w / 2)
                ++hi;
        }
        break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
        if (w <= 0 || h <= 0)
            break;
        const int n = std::max(1, w + h);
        const bool fromTop = direction == gdFromTopLeft;
        int x = 0;
        int row = 0;
        while (true) {
            const TColor c = stepColor(a, b, x + row, n, balance);
            if (fromTop) {
                addBand(out, {r.left + x, r.top, r.left + x + 1, r.top + row + 1}, c);
                addBand(out, {r.left, r.top + row, r.left + x + 1, r.top + row + 1}, c);
            } else {
                addBand(out, {r.left + x, r.bottom - row - 1, r.left + x + 1, r.bottom}, c);
                addBand(out, {r.left, r.bottom - row - 1, r.left + x + 1, r.bottom - row}, c);
            }
            if (x >= w - 1 && row >= h - 1)
                break;
            if (x < w - 1)
                ++x;
            if (row < h - 1)
                ++row;
        }
        break;
    }
    default:
        break;
    }
    return out;
}

std::vector<Stroke> diagonalStrokes(const TRect &rect, TColor first, TColor second, TGradientDirection direction,
                                    int balance)
{
    TRect r = PlotGeometry::OrientRect(rect);
    const TColor a = ColorToRGB(first);
    const TColor b = ColorToRGB(second);
    std::vector<Stroke> out;
    if (direction == gdDiagonalDown)
        --r.bottom;
    const int w = r.width();
    const int h = r.height();
    const int lines = w + h;
    if (lines <= 0)
        return out;
    const int n = std::max(1, std::min(255, lines - 1));
    out.reserve(std::size_t(lines));
    for (int k = 0; k < lines; ++k) {
        const TColor c = stepColor(a, b, n * k / lines, n, balance);
        if (direction == gdDiagonalUp) {
            const TPoint p1 = k <= h ? TPoint{r.left, r.bottom - k} : TPoint{r.left + k - h, r.top};
            const TPoint p2 = k <= w ? TPoint{r.left + k, r.bottom} : TPoint{r.right, r.bottom - (k - w)};
            out.push_back({p1, p2, c});
        } else {
            const TPoint p1 = k <= h ? TPoint{r.left, r.top + k} : TPoint{r.left + k - h, r.bottom};
            const TPoint p2 = k <= w ? TPoint{r.left + k, r.top} : TPoint{r.right, r.top + (k - w)};
            out.push_back({p1, p2, c});
        }
    }
    return out;
}

} // namespace GradientBands
