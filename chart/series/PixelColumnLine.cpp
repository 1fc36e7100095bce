// Drawing a curve by pixel column: the column bounds by galloping search on the X pixels, the
// extremes read from the Y values, only the kept points converted.
#include "PixelColumnLine.h"

#include "TChartAxis.h"
#include "ValueExtremeBlocks.h"

#include <algorithm>
#include <cmath>
#include <limits>

PixelColumnLine::PixelColumnLine(const TChartAxis &horiz, const TChartAxis &vert, std::span<const double> x,
                                 std::span<const double> y, std::span<const TColor> gapColors, const TRect &reach)
    : m_horiz(horiz)
    , m_vert(vert)
    , m_x(x)
    , m_y(y)
    , m_gapColors(gapColors)
    , m_reach(reach)
{
}

bool PixelColumnLine::insideReach(int x, int y) const
{
    return x >= m_reach.left && x <= m_reach.right && y >= m_reach.top && y <= m_reach.bottom;
}

bool PixelColumnLine::isGap(int index) const
{
    const auto i = std::size_t(index);
    return !(std::fabs(m_y[i]) <= std::numeric_limits<double>::max())
           || (i < m_gapColors.size() && m_gapColors[i] == clNone);
}

int PixelColumnLine::columnEnd(int start, int limit, int column, int hint) const
{
    // The pixels of ascending X values never go back: gallop, then halve, on the axis' own pixels.
    // Evenly spaced points fill the columns alike, so the search starts at the hinted end.
    const auto inColumn = [&](int i) { return m_horiz.ValueToPixel(m_x[std::size_t(i)]) == column; };
    int good = start;
    int bad = -1;
    if (hint > 1) {
        const int guess = int(std::min<long long>(static_cast<long long>(start) + hint - 1, limit));
        if (inColumn(guess)) {
            good = guess;
        } else {
            bad = guess;
            for (long long step = 1;; step *= 2) {
                const long long probe = static_cast<long long>(guess) - step;
                if (probe <= start)
                    break;
                if (inColumn(int(probe))) {
                    good = int(probe);
                    break;
                }
                bad = int(probe);
            }
        }
    }
    for (long long step = 1; bad < 0; step *= 2) {
        const long long probe = good + step;
        if (probe >= limit) {
            if (inColumn(limit))
                return limit;
            bad = limit;
            break;
        }
        if (!inColumn(int(probe))) {
            bad = int(probe);
            break;
        }
        good = int(probe);
    }
    while (bad - good > 1) {
        const int middle = good + (bad - good) / 2;
        if (inColumn(middle))
            good = middle;
        else
            bad = middle;
    }
    return good;
}

void PixelColumnLine::drawExtremes(int start, int last, const std::function<void(int, int)> &point,
                                   const std::function<void()> &lift) const
{
    // With a one pixel pen the segments of a column's first, lowest, highest and last point set
    // the pixels of all the column's segments (each line sets its first pixel and leaves out its
    // last; the next column's line sets the last point's), and the points left out lie on the
    // column's vertical line. The values are read once, and a gap ends the column's run where it
    // stands.
    const bool logarithmic = m_vert.Logarithmic();
    const auto y = [&](int k) { return m_y[std::size_t(k)]; };
    int i = start;
    int hint = 0;
    // The pixel of the next column's first point, when a column looked at it already.
    int carriedIndex = -1;
    int carriedPixel = 0;
    while (i <= last) {
        if (isGap(i)) {
            lift();
            ++i;
            continue;
        }
        const int pixel = i == carriedIndex ? carriedPixel : m_horiz.ValueToPixel(m_x[std::size_t(i)]);
        const int columnLast = i < last ? columnEnd(i, last, pixel, hint) : i;
        hint = columnLast - i + 1;
        // The extremes by value: the axis keeps the order of the values, except that a logarithmic
        // axis puts 0 and below at its edge, which is kept as a point of its own.
        int low = -1;
        int high = -1;
        int edge = -1;
        int k = i;
        if (!logarithmic) {
            low = high = i;
            double lowest = y(i);
            double highest = lowest;
            const TColor *colors = m_gapColors.data();
            const int coloured = int(m_gapColors.size());
            const ValueExtremeBlocks *blocks = coloured == 0 ? m_blocks : nullptr;
            constexpr int kBlock = ValueExtremeBlocks::kSize;
            for (k = i + 1; k <= columnLast; ++k) {
                // A whole block without a gap gives its first extremes, as the scan would.
                while (blocks && k % kBlock == 0 && k + kBlock - 1 <= columnLast && blocks->covers(k / kBlock)
                       && !blocks->hasGap(k / kBlock)) {
                    const int blockLow = blocks->lowest(k / kBlock);
                    const int blockHigh = blocks->highest(k / kBlock);
                    if (y(blockLow) < lowest) {
                        lowest = y(blockLow);
                        low = blockLow;
                    }
                    if (y(blockHigh) > highest) {
                        highest = y(blockHigh);
                        high = blockHigh;
                    }
                    k += kBlock;
                }
                if (k > columnLast)
                    break;
                const double v = y(k);
                if (!(std::fabs(v) <= std::numeric_limits<double>::max()) || (k < coloured && colors[k] == clNone))
                    break;
                if (v < lowest) {
                    lowest = v;
                    low = k;
                }
                if (v > highest) {
                    highest = v;
                    high = k;
                }
            }
        } else {
            for (; k <= columnLast && !isGap(k); ++k) {
                const double v = y(k);
                if (logarithmic && !(v > 0.0)) {
                    if (edge < 0)
                        edge = k;
                    continue;
                }
                if (low < 0 || v < y(low))
                    low = k;
                if (high < 0 || v > y(high))
                    high = k;
            }
        }
        const int end = k - 1;
        // In index order: the first and last stand at the ends, the three between are sorted (an
        // index of -1, none, goes first among them and is skipped).
        int kept[5] = {i, low, high, edge, end};
        const auto order = [&kept](int a, int b) {
            if (kept[a] > kept[b])
                std::swap(kept[a], kept[b]);
        };
        order(1, 2);
        order(2, 3);
        order(1, 2);
        int keptPixels[5] = {};
        int top = std::numeric_limits<int>::max();
        int bottom = std::numeric_limits<int>::min();
        for (int n = 0; n < 5; ++n) {
            if (kept[n] < 0)
                continue;
            keptPixels[n] = n > 0 && kept[n] == kept[n - 1] ? keptPixels[n - 1] : m_vert.ValueToPixel(y(kept[n]));
            top = std::min(top, keptPixels[n]);
            bottom = std::max(bottom, keptPixels[n]);
        }
        const auto nextColumnPixel = [&] {
            carriedIndex = end + 1;
            carriedPixel = m_horiz.ValueToPixel(m_x[std::size_t(end + 1)]);
            return carriedPixel;
        };
        // A column wholly beside, above or below where lines can set pixels (a curve beyond the
        // axis range) shows none of its vertical lines: only the lines into and out of it count.
        const bool outside = pixel < m_reach.left || pixel > m_reach.right || bottom < m_reach.top || top > m_reach.bottom;
        // The last column before a gap (or the end) is drawn whole: no line leaves its last point,
        // so whether that pixel is set depends on the points between the extremes. A gap right
        // after the column used to be missed. So is a column whose lines, or the line leaving it,
        // reach beyond where lines keep the device's pixel rule.
        const bool whole = !outside
                           && (end == last || k <= columnLast || isGap(end + 1) || !insideReach(pixel, top)
                               || !insideReach(pixel, bottom)
                               || !insideReach(nextColumnPixel(), m_vert.ValueToPixel(y(end + 1))));
        if (whole) {
            for (int j = i; j <= end; ++j)
                point(pixel, m_vert.ValueToPixel(y(j)));
        } else if (outside) {
            point(pixel, m_vert.ValueToPixel(y(i)));
            if (end != i)
                point(pixel, keptPixels[4]); // the last kept point is the column's last
        } else {
            int previous = -1;
            for (int n = 0; n < 5; ++n) {
                if (kept[n] < 0 || kept[n] == previous)
                    continue;
                point(pixel, keptPixels[n]);
                previous = kept[n];
            }
        }
        i = end + 1;
    }
}
