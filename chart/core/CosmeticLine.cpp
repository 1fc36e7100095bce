// Qt's aliased cosmetic line, in the stroker's 26.6 and 16.16 fixed-point steps.
#include "CosmeticLine.h"

#include <climits>
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

// What the stroker remembers from one edge to the next.
struct Joint
{
    enum Direction { None = 0, Down = 1, Up = 2, Right = 4, Left = 8, VerticalMask = 3, HorizontalMask = 12 };
    QPoint lastPixel{INT_MIN, INT_MIN};
    int lastDir = None;
    bool lastAxisAligned = false;
};

// One edge as the stroker draws it, or (pixels null) only the joint it leaves, in 26.6 corners.
// a is the longer axis, b the other; vertical edges walk y, horizontal ones x.
void strokeEdge(Joint &joint, int x1, int y1, int x2, int y2, std::vector<QPoint> *pixels)
{
    const bool vertical = std::abs(x2 - x1) < std::abs(y2 - y1);
    int a1 = vertical ? y1 : x1;
    int b1 = vertical ? x1 : y1;
    int a2 = vertical ? y2 : x2;
    int b2 = vertical ? x2 : y2;
    if (a1 == a2)
        return;
    const auto point = [vertical](int a, int b) { return vertical ? QPoint(b, a) : QPoint(a, b); };
    const auto majorOf = [vertical](const QPoint &p) { return vertical ? p.y() : p.x(); };
    const auto minorOf = [vertical](const QPoint &p) { return vertical ? p.x() : p.y(); };
    const bool swapped = a1 > a2;
    if (swapped) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int dir = vertical ? (swapped ? Joint::Up : Joint::Down) : (swapped ? Joint::Left : Joint::Right);
    const int inc = fixedDiv16(b2 - b1, a2 - a1);
    int b = b1 * 1024;
    if (pixels) {
        // An edge turning back on the last one gets half a pixel more at the joint.
        const int mask = vertical ? Joint::VerticalMask : Joint::HorizontalMask;
        if ((joint.lastDir ^ mask) == dir) {
            if (swapped) {
                a2 += 32;
            } else {
                a1 -= 32;
                b -= inc >> 1;
            }
        }
    }
    int a = (a1 + 32) >> 6;
    int end = (a2 + 32) >> 6;
    const int round = inc > 0 ? 32 : 0;
    if (a == end)
        return;
    b += (((a * 64) + round - a1) * inc) >> 6;
    QPoint first = point(a, b >> 16);
    QPoint last = point(end - 1, (b + (end - a - 1) * inc) >> 16);
    if (swapped)
        std::swap(first, last);
    const bool axisAligned = std::abs(inc) < (1 << 14);
    if (!pixels) {
        joint.lastPixel = last;
        joint.lastDir = dir;
        joint.lastAxisAligned = axisAligned;
        return;
    }
    const QPoint &lp = joint.lastPixel;
    if (lp.x() > INT_MIN) {
        if (first == lp) {
            // That pixel is set already.
            if (swapped) {
                --end;
            } else {
                ++a;
                b += inc;
            }
        } else if (joint.lastDir != dir
                   && ((axisAligned && joint.lastAxisAligned && lp.x() != first.x() && lp.y() != first.y())
                       || std::abs(lp.x() - first.x()) > 1 || std::abs(lp.y() - first.y()) > 1)) {
            // A gap at the joint: one pixel more.
            if (swapped) {
                ++end;
            } else {
                --a;
                b -= inc;
            }
        } else if (joint.lastDir == dir && std::abs(minorOf(lp) - minorOf(first)) <= 1
                   && std::abs(majorOf(lp) - majorOf(first)) > 1) {
            b += inc >> 1;
            last = swapped ? point(majorOf(last), b >> 16) : point(majorOf(last), (b + (end - a - 1) * inc) >> 16);
        }
    }
    joint.lastDir = dir;
    joint.lastAxisAligned = axisAligned;
    // At least one pixel, as the stroker's loop: a one-pixel edge after its joint sets the next.
    do {
        pixels->push_back(point(a, b >> 16));
        b += inc;
    } while (++a < end);
    joint.lastPixel = last;
}

} // namespace

void appendClosedOutline(const QPoint *corners, int count, std::vector<QPoint> &pixels)
{
    if (count < 2)
        return;
    Joint joint;
    const auto edge = [&](int from, int to, std::vector<QPoint> *out) {
        strokeEdge(joint, corners[from].x() * 64, corners[from].y() * 64, corners[to].x() * 64, corners[to].y() * 64,
                   out);
    };
    // The closing edge's last pixel is known before the first edge is drawn.
    edge(count - 1, 0, nullptr);
    for (int i = 0; i + 1 < count; ++i)
        edge(i, i + 1, &pixels);
    edge(count - 1, 0, &pixels);
}

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
