// The chart benchmark scene on a chart, as every chart benchmark sets it up.
#pragma once

#include <span>

class TChart;
class TFastLineSeries;
class TLineSeries;

// The scene's size and look: white without a bevel, a bold title, axis titles "x" and "y" and a
// light solid grid.
void setUpSceneChart(TChart &chart);
// The scene's fixed axes: x from 0 to lastX, y over the scene's range.
void fixSceneAxes(TChart &chart, double lastX);
// Series k of the scene in its colour, titled "Series k+1", with the points given.
TLineSeries &addSceneSeries(TChart &chart, int k, std::span<const double> x, std::span<const double> y);
// The same series as a fast line.
TFastLineSeries &addSceneFastLine(TChart &chart, int k, std::span<const double> x, std::span<const double> y);
