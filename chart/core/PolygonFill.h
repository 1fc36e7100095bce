// The pixels of Qt's aliased odd-even fill of a small polygon with integer corners.
#pragma once

#include <QPoint>

#include <algorithm>
#include <array>
#include <cstdint>

namespace PolygonFill {

// The most corners a polygon may have to be filled here.
constexpr int kMaxCorners = 8;

namespace detail {

struct Edge
{
    int top; // first row
    int bottom; // last row
    int x; // 16.16 crossing of the first row's centre, plus half a pixel
    int delta; // per row
};

inline Edge edgeOf(QPoint a, QPoint b)
{
    if (a.y() > b.y())
        std::swap(a, b);
    // 26.6 corners, as Qt's outline holds them; integer corners make the first row's centre lie
    // half a pixel below the upper end.
    const int ax = a.x() * 64;
    const int ay = a.y() * 64;
    const int bx = b.x() * 64;
    const int by = b.y() * 64;
    Edge edge{(ay + 32) >> 6, (by - 32) >> 6, 65536 / 2 + ax * 1024, 0};
    if (bx != ax) {
        const double slope = (bx - ax) / double(by - ay);
        edge.delta = int(slope * 65536.0);
        edge.x += int((std::int64_t(edge.delta) * (edge.top * 65536 + 65536 / 2 - ay * 1024)) >> 16);
    }
    return edge;
}

// A handful of values: insertion sort.
inline void sortFew(int *values, int n)
{
    for (int i = 1; i < n; ++i) {
        const int value = values[i];
        int k = i;
        for (; k > 0 && values[k - 1] > value; --k)
            values[k] = values[k - 1];
        values[k] = value;
    }
}

// 32-bit steps that wrap as the scan converter's do.
inline int stepped(int x, int steps, int delta)
{
    return int(std::uint32_t(x) + std::uint32_t(steps) * std::uint32_t(delta));
}

} // namespace detail

// Hands emit(y, left, right) the spans Qt's scan converter fills for the polygon (closed back to
// its first corner), the pixels left..right - 1 of row y, as long as it lies wholly inside the
// clip: each edge's crossing of a row's centre in 16.16 fixed point, half a pixel to the right,
// its integer part the first pixel of the span. Returns false, emitting nothing, for more than
// kMaxCorners corners. A template, so that the spans go straight into the picture (the faces of
// a 3D line are filled one per point).
template <typename Emit>
bool forEachSpan(const QPoint *points, int count, Emit &&emit)
{
    using namespace detail;
    if (count > kMaxCorners)
        return false;
    std::array<Edge, kMaxCorners> edges{};
    // Rows where an edge starts or has ended: between two of them the same edges cross each row.
    std::array<int, 2 * kMaxCorners> events{};
    int edgeCount = 0;
    int eventCount = 0;
    for (int i = 0; i < count; ++i) {
        const QPoint &a = points[i];
        const QPoint &b = points[(i + 1) % count];
        if (a.y() == b.y())
            continue; // crosses no row's centre
        const Edge edge = edgeOf(a, b);
        if (edge.top > edge.bottom)
            continue;
        edges[std::size_t(edgeCount++)] = edge;
        events[std::size_t(eventCount++)] = edge.top;
        events[std::size_t(eventCount++)] = edge.bottom + 1;
    }
    sortFew(events.data(), eventCount);
    std::array<int, kMaxCorners> crossings{};
    std::array<int, kMaxCorners> deltas{};
    for (int e = 0; e + 1 < eventCount; ++e) {
        const int from = events[std::size_t(e)];
        const int to = events[std::size_t(e + 1)];
        if (from == to)
            continue;
        int n = 0;
        for (int i = 0; i < edgeCount; ++i) {
            const Edge &edge = edges[std::size_t(i)];
            if (from >= edge.top && from <= edge.bottom) {
                // The scan converter steps the crossing row by row in 32 bits.
                crossings[std::size_t(n)] = stepped(edge.x, from - edge.top, edge.delta);
                deltas[std::size_t(n++)] = edge.delta;
            }
        }
        if (n == 2) {
            // Most bands: two edges, kept in registers.
            int a = crossings[0];
            int b = crossings[1];
            const int da = deltas[0];
            const int db = deltas[1];
            for (int y = from; y < to; ++y) {
                const int left = std::min(a, b) >> 16;
                const int right = std::max(a, b) >> 16;
                if (right > left)
                    emit(y, left, right);
                a = stepped(a, 1, da);
                b = stepped(b, 1, db);
            }
            continue;
        }
        for (int y = from; y < to; ++y) {
            std::array<int, kMaxCorners> sorted = crossings;
            sortFew(sorted.data(), n);
            // Odd-even: every other gap between crossings is inside.
            for (int i = 0; i + 1 < n; i += 2) {
                const int left = sorted[std::size_t(i)] >> 16;
                const int right = sorted[std::size_t(i + 1)] >> 16;
                if (right > left)
                    emit(y, left, right);
            }
            for (int i = 0; i < n; ++i)
                crossings[std::size_t(i)] = stepped(crossings[std::size_t(i)], 1, deltas[std::size_t(i)]);
        }
    }
    return true;
}

} // namespace PolygonFill
