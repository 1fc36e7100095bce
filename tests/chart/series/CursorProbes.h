// A cursor tool's lines as the screen shows them, for comparing pictures drawn elsewhere (export
// readers, the print preview) with the screen.
#pragma once

#include <QImage>
#include <QPoint>

#include <vector>

class TChart;
class TCursorTool;

// A red cursor of both lines, 5 pixels wide (readers that smooth lines still draw its middle solid), on the chart.
TCursorTool *addRedCursor(TChart &chart);
// Points in the middle of the cursor's lines, as drawn in the screen picture, where they cross
// nothing but the panel's own colour (panelRgb) within a few pixels: there the screen shows the
// pen colour, and the probes are where it does. At most count of each line.
std::vector<QPoint> cursorProbes(const QImage &screen, const TCursorTool &cursor, QRgb panelRgb, int count = 3);
// Checks a picture at the probes against the screen picture, within 8 per channel.
void expectLikeScreenAt(const QImage &picture, const QImage &screen, const std::vector<QPoint> &probes);
// The same at two probes or more of a cursor, on pictures of the screen's size.
void expectCursorLikeScreen(const QImage &picture, const QImage &screen, const std::vector<QPoint> &probes);
