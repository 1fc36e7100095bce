// The charts of the demo program: vapour pressures of water and ethanol, in 2D and in 3D.
#pragma once

#include <utility>
#include <vector>

class TChart;

namespace DemoCharts {

// (t in °C, p in bar) from the Antoine equation log10(p / mmHg) = A - B / (C + t).
struct Antoine
{
    double a;
    double b;
    double c;
};
// Water, 1 to 100 °C, and ethanol, -57 to 80 °C: the constants the Antoine tables give.
inline constexpr Antoine kWater{8.07131, 1730.63, 233.426};
inline constexpr Antoine kEthanol{8.20417, 1642.89, 230.300};

double pressureBar(const Antoine &antoine, double celsius);
// count points evenly from first to last °C.
std::vector<std::pair<double, double>> curve(const Antoine &antoine, double firstC, double lastC, int count);

// Fills an empty chart: titles, water as a line with pointers on a logarithmic pressure axis and
// ethanol as an area, and a cursor tool that follows the mouse. In 3D the two series are ribbons
// in front of all four walls.
void fill(TChart &chart, bool view3D);

} // namespace DemoCharts
