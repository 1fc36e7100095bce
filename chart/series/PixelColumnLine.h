// A curve of finite, ascending X values drawn with a one-pixel solid pen, pixel column by pixel
// column: each column reduced to the points whose segments set its pixels. The fast line and the
// line series draw through it.
#pragma once

#include "PlotTypes.h"

#include <functional>
#include <span>

class TChartAxis;
class ValueExtremeBlocks;

class PixelColumnLine
{
public:
    // gapColors: the points' colours, where clNone marks a null that breaks the line; empty when
    // nulls are drawn through. reach: the pixels, edges included, where the device draws a line
    // by its own rule (a line sets its first pixel and leaves out its last); a column with a line
    // beyond it is drawn whole.
    PixelColumnLine(const TChartAxis &horiz, const TChartAxis &vert, std::span<const double> x,
                    std::span<const double> y, std::span<const TColor> gapColors, const TRect &reach);

    // Points start..last, each pixel column by its first, lowest, highest and last point in index
    // order: point() gets the kept points' pixels, lift() each break of the line (a value that
    // cannot be drawn or a null kept as a gap).
    void drawExtremes(int start, int last, const std::function<void(int x, int y)> &point,
                      const std::function<void()> &lift) const;
    // Summaries of the Y values (the whole span) that wide columns read instead of every value;
    // only without point colours.
    void setBlocks(const ValueExtremeBlocks *blocks) { m_blocks = blocks; }
    // The last index of start..limit in the pixel column of start. hint: how many points the
    // column is likely to hold (the last one's count), where the search starts; 0 for none.
    int columnEnd(int start, int limit, int column, int hint = 0) const;

private:
    bool isGap(int index) const;
    bool insideReach(int x, int y) const;

    const TChartAxis &m_horiz;
    const TChartAxis &m_vert;
    std::span<const double> m_x;
    std::span<const double> m_y;
    std::span<const TColor> m_gapColors;
    TRect m_reach;
    const ValueExtremeBlocks *m_blocks = nullptr;
};
