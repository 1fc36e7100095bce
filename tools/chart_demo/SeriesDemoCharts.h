// The demo charts of the bar, pie and fast line series.
#pragma once

class TChart;

namespace DemoCharts {

// Vapour pressures of water and ethanol at 20 to 80 °C, as bars side by side.
void fillBars(TChart &chart);
// The partial pressures over an equimolar water and ethanol liquid (Raoult's law), stacked to the
// total pressure as horizontal bars in orthogonal 3D.
void fillStackedBars(TChart &chart);
// Dry air by volume as a 3D pie: oxygen exploded, a shadow, argon and carbon dioxide grouped.
void fillPie(TChart &chart);
// A fast line of 100 000 points of a fixed wave.
void fillFastLine(TChart &chart);

} // namespace DemoCharts
