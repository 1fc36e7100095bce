// Keeping the reduced points of a curve between redraws.
#include "PixelColumnCache.h"

#include "PixelColumnLine.h"
#include "TChartAxis.h"
#include "TChartValueList.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kLift = std::numeric_limits<int>::min();
bool cacheEnabled = true;
std::uint64_t replayCount = 0;

} // namespace

void PixelColumnCache::setEnabled(bool enabled)
{
    cacheEnabled = enabled;
}

std::uint64_t PixelColumnCache::replays()
{
    return replayCount;
}

PixelColumnCache::Key PixelColumnCache::keyOf(const TChartAxis &horiz, const TChartAxis &vert, const TChartValueList &x,
                                              const TChartValueList &y, const TRect &reach, int start, int last)
{
    Key key;
    key.horiz = horiz.Scale();
    key.vert = vert.Scale();
    key.horizLogarithmic = horiz.Logarithmic();
    key.vertLogarithmic = vert.Logarithmic();
    key.xList = &x;
    key.yList = &y;
    key.x = x.ValuesStamp();
    key.y = y.ValuesStamp();
    key.start = start;
    key.last = last;
    key.reach = reach;
    return key;
}

void PixelColumnCache::replay(const std::function<void(int, int)> &point, const std::function<void()> &lift) const
{
    for (std::size_t n = 0; n + 1 < m_steps.size(); n += 2) {
        if (m_steps[n] == kLift)
            lift();
        else
            point(m_steps[n], m_steps[n + 1]);
    }
}

void PixelColumnCache::drawExtremes(const TChartAxis &horiz, const TChartAxis &vert, const TChartValueList &x,
                                    const TChartValueList &y, std::span<const TColor> gapColors, const TRect &reach,
                                    int start, int last, const std::function<void(int, int)> &point,
                                    const std::function<void()> &lift)
{
    PixelColumnLine line(horiz, vert, x.Values(), y.Values(), gapColors, reach);
    // Point colours change without a revision of their own: a curve with any is read afresh.
    if (!cacheEnabled || !gapColors.empty()) {
        m_valid = false;
        m_steps = {};
        line.drawExtremes(start, last, point, lift);
        return;
    }
    const Key key = keyOf(horiz, vert, x, y, reach, start, last);
    if (!m_valid || !(key == m_key)) {
        m_valid = false;
        // Summaries pay off where a column holds several blocks of points on average; they are
        // built once per change of the values and serve every zoom and scroll after it.
        const long long columns = std::max(1LL, static_cast<long long>(reach.right) - reach.left + 1);
        if (!vert.Logarithmic() && (last - start + 1) / columns >= 2 * ValueExtremeBlocks::kSize) {
            m_yBlocks.update(y);
            line.setBlocks(&m_yBlocks);
        }
        m_steps.clear();
        line.drawExtremes(
            start, last,
            [this](int px, int py) {
                m_steps.push_back(px);
                m_steps.push_back(py);
            },
            [this] {
                m_steps.push_back(kLift);
                m_steps.push_back(0);
            });
        m_key = key;
        m_valid = true;
    } else {
        ++replayCount;
    }
    replay(point, lift);
}
