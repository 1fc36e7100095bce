// The drawing step every vector or PDF format shares: one pass of the panel through its canvas.
#pragma once

#include "PlotTypes.h"

#include <QByteArray>

#include <memory>

class TCustomPlotPanel;
class VectorCanvas;

// Installs the canvas through an export guard (the screen canvas, repaint and buffering come back
// on every way out), draws the panel into the rectangle and returns the canvas's document.
QByteArray drawThroughCanvas(TCustomPlotPanel &panel, std::unique_ptr<VectorCanvas> canvas, const TRect &rect);
