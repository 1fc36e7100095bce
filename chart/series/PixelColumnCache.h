// The points a curve drawn by pixel column was reduced to, kept for the next redraw: a repaint of
// an unchanged curve (an expose, a cursor, a tooltip) replays them instead of reading every value.
#pragma once

#include "AxisScale.h"
#include "PlotTypes.h"
#include "TChartValueList.h"
#include "ValueExtremeBlocks.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class TChartAxis;

class PixelColumnCache
{
public:
    // Draws points start..last of the curve as PixelColumnLine::drawExtremes does, replaying the
    // kept points when nothing the reduction depends on has changed since the last call.
    void drawExtremes(const TChartAxis &horiz, const TChartAxis &vert, const TChartValueList &x,
                      const TChartValueList &y, std::span<const TColor> gapColors, const TRect &reach, int start,
                      int last, const std::function<void(int x, int y)> &point, const std::function<void()> &lift);

    // Tests compare the kept drawing with a fresh one.
    static void setEnabled(bool enabled);
    // How many drawings were replayed: tests see that the cache is used at all.
    static std::uint64_t replays();

private:
    // Everything the reduced points depend on: the axes' mapping, the values and their revisions,
    // the nulls, the index range and where lines follow the device's pixel rule.
    struct Key
    {
        AxisScale horiz;
        AxisScale vert;
        bool horizLogarithmic = false;
        bool vertLogarithmic = false;
        const TChartValueList *xList = nullptr;
        const TChartValueList *yList = nullptr;
        TChartValueList::Stamp x;
        TChartValueList::Stamp y;
        int start = 0;
        int last = -1;
        TRect reach;

        friend bool operator==(const Key &, const Key &) = default;
    };

    static Key keyOf(const TChartAxis &horiz, const TChartAxis &vert, const TChartValueList &x,
                     const TChartValueList &y, const TRect &reach, int start, int last);
    void replay(const std::function<void(int, int)> &point, const std::function<void()> &lift) const;

    // x, y pairs; a lift of the pen is kLift in place of x.
    std::vector<int> m_steps;
    ValueExtremeBlocks m_yBlocks; // for columns of many points
    Key m_key;
    bool m_valid = false;
};
