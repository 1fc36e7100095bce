// The data of the chart benchmark scene, shared by every program that draws it: series k has
// x_i = i and y_i = 1000 sin(0.001 (k + 1) i) + 100 k, on fixed axes, in five fixed colours.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace BenchScene {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kMinY = -1100.0;
constexpr double kMaxY = 1500.0;
constexpr int kSeriesCount = 5;
// #1f77b4 #ff7f0e #2ca02c #d62728 #9467bd, as Qt's 0xRRGGBB and as the chart's 0x00BBGGRR.
constexpr std::uint32_t kRgb[kSeriesCount] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd};
constexpr std::uint32_t kChartColors[kSeriesCount] = {0xB4771F, 0x0E7FFF, 0x2CA02C, 0x2827D6, 0xBD6794};

inline double value(int k, int i)
{
    return 1000.0 * std::sin(i * 0.001 * (k + 1)) + k * 100.0;
}

// The first n values of series k.
inline std::vector<double> values(int k, int n)
{
    std::vector<double> y(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        y[std::size_t(i)] = value(k, i);
    return y;
}

} // namespace BenchScene
