// Qt's aliased cosmetic line, in the stroker's 26.6 and 16.16 fixed-point steps.
#include "CosmeticLine.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace CosmeticLine {

namespace {

int fixedDiv16(int a, int b)
{
    return int((std::int64_t(a) * 65536) / b);
}

// Walks the longer axis (a) from its smaller end, the other axis (b) following in 16.16 steps;
// coordinates in 26.6. The pixel at the larger end of a is left out.
template<typename Emit>
void walk(int a1, int b1, int a2, int b2, Emit emit)
{
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int inc = fixedDiv16(b2 - b1, a2 - a1);
    const int round = inc > 0 ? 32 : 0;
    int a = (a1 + 32) >> 6;
    const int end = (a2 + 32) >> 6;
    int b = b1 * 1024 + (((a * 64) + round - a1) * inc >> 6);
    for (; a < end; ++a, b += inc)
        emit(a, b >> 16);
}

} // namespace

void appendPixels(const TPoint &from, const TPoint &to, std::vector<QPoint> &pixels)
{
    if (from.x == to.x && from.y == to.y)
        return;
    const int x1 = from.x * 64;
    const int y1 = from.y * 64;
    const int x2 = to.x * 64;
    const int y2 = to.y * 64;
    const std::size_t first = pixels.size();
    const bool yMajor = std::abs(x2 - x1) < std::abs(y2 - y1);
    if (yMajor)
        walk(y1, x1, y2, x2, [&pixels](int y, int x) { pixels.emplace_back(x, y); });
    else
        walk(x1, y1, x2, y2, [&pixels](int x, int y) { pixels.emplace_back(x, y); });
    // The walk starts exactly on the end with the smaller coordinate and stops before the other.
    // Going toward smaller coordinates, that start is the last pixel: trade it for the first.
    const bool backwards = yMajor ? y2 < y1 : x2 < x1;
    if (backwards)
        pixels[first] = QPoint(from.x, from.y);
}

} // namespace CosmeticLine
