// Charts the chart component's benchmarks work on.
#pragma once

#include "GuiCanvas.h"
#include "TChart.h"

#include <QImage>

#include <vector>

class TFastLineSeries;
class TLineSeries;

// A 1920 x 1080 chart with fixed axes, laid out once by a pass into an image.
class BenchChart
{
public:
    static constexpr int kWidth = 1920;
    static constexpr int kHeight = 1080;

    BenchChart();
    // One series of the points (x_i = i), in the scene's colour k: a line or a fast line.
    TLineSeries &addSeries(const std::vector<double> &y, int k);
    TFastLineSeries &addFastLine(const std::vector<double> &y, int k);
    // Fixes the axes to x 0..lastX and y -1100..1500, as the scene does.
    void fixAxes(double lastX);
    // A whole pass into the image: lays out axes, legend and series.
    void drawPass();

    TChart chart;
    QImage image;
    GuiCanvas canvas;
};
