// Shared set-up of the chart core tests: bundled font, white 96-dpi images, the standard pass.
#pragma once

#include "GuiCanvas.h"
#include "TPlotCanvas3D.h"
#include "TView3DOptions.h"

#include <QImage>

#include <functional>
#include <memory>

QImage whiteImage(int width, int height);
// Puts the bundled DejaVu Sans in for Arial and Courier New, so text metrics are the same everywhere.
void registerTestFont();

// A screen canvas over a white image, unbuffered, after InitWindow and CalcProjection(100, rect).
struct ScreenPass
{
    explicit ScreenPass(int width = 400, int height = 300, bool view3D = true);
    void begin(int depth = 100);
    // The image with every line drawn so far: the device layer collects lines and draws them
    // before anything reads the device, and a test reading the image is such a reader.
    const QImage &drawn();
    QImage image;
    GuiCanvas gui;
    TView3DOptions options;
    TPlotCanvas3D canvas;
    TRect bounds;
    bool view3D;
};

// Draws the scene on a white image of the format twice, with the device layer's direct pixel
// writes off and on, and checks that the pictures are the same and not blank. Returns how many
// runs or rectangles (as count reads them) went straight into the image with the writes on; none
// may with them off.
int expectSamePixelsWrittenDirectly(int width, int height, QImage::Format format,
                                    const std::function<void(TPlotCanvas3D &)> &draw,
                                    const std::function<int(const PlotDC &)> &count);
