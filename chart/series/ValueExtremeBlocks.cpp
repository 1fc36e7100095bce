// Block summaries of a curve's values.
#include "ValueExtremeBlocks.h"

#include <cmath>
#include <limits>

void ValueExtremeBlocks::update(std::span<const double> values, std::uint64_t revision)
{
    if (!m_blocks.empty() && m_data == values.data() && m_count == values.size() && m_revision == revision)
        return;
    m_data = values.data();
    m_count = values.size();
    m_revision = revision;
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
