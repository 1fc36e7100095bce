// The first lowest and first highest value of each block of 16 values, and whether the block
// holds a value that cannot be drawn: a pixel column of thousands of points reads its extremes
// from the blocks it covers whole instead of from every value (a zoom or scroll reduces the curve
// afresh on every redraw).
#pragma once

#include "TChartValueList.h"

#include <optional>
#include <vector>

class ValueExtremeBlocks
{
public:
    static constexpr int kSize = 16;

    // Summarises the values; a call while they are the same keeps what it has.
    void update(const TChartValueList &values);

    bool covers(int block) const { return block < int(m_blocks.size()); }
    bool hasGap(int block) const { return m_blocks[std::size_t(block)].gap; }
    int lowest(int block) const { return m_blocks[std::size_t(block)].low; }
    int highest(int block) const { return m_blocks[std::size_t(block)].high; }

private:
    struct Block
    {
        int low = 0; // indices into the values
        int high = 0;
        bool gap = false; // NaN or infinite: the line breaks inside
    };

    std::vector<Block> m_blocks;
    std::optional<TChartValueList::Stamp> m_stamp; // of the values summarised
};
