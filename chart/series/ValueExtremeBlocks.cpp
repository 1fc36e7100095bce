// Block summaries of a curve's values.
#include "ValueExtremeBlocks.h"

#include <cmath>
#include <limits>

void ValueExtremeBlocks::update(const TChartValueList &list)
{
    const TChartValueList::Stamp stamp = list.ValuesStamp();
    if (m_stamp == stamp)
        return;
    m_stamp = stamp;
    const std::span<const double> values = list.Values();
    // Only whole blocks: a column never reads a summary past the last value.
    const std::size_t count = values.size() / kSize;
    m_blocks.assign(count, Block{});
    for (std::size_t b = 0; b < count; ++b) {
        Block &block = m_blocks[b];
        const std::size_t first = b * kSize;
        std::size_t low = first;
        std::size_t high = first;
        bool gap = false;
        for (std::size_t i = first; i < first + kSize; ++i) {
            const double v = values[i];
            gap = gap || !(std::fabs(v) <= std::numeric_limits<double>::max());
            // Strictly below or above: the first of equal extremes stays, as a column scan keeps it.
            if (v < values[low])
                low = i;
            if (v > values[high])
                high = i;
        }
        block = {int(low), int(high), gap};
    }
}
