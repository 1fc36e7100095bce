// Small pictures the editor forms show in their lists (pen styles, brush patterns), drawn by the
// chart library's canvas so that they look as the chart will.
#pragma once

#include <QImage>
#include <QSize>

#include <functional>

class TCanvas3D;

// An image of the size, filled with the background, with the drawing made on a 2D canvas over it.
QImage drawEditorSwatch(QSize size, QColor background, const std::function<void(TCanvas3D &canvas)> &draw);
