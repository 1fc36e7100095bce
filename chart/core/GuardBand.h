// Keeps coordinates within reach of QPainter: its raster engine works in 26.6 fixed point, and the
// chart engine sends points far beyond any picture (a deeply zoomed series reaches ±67 108 863).
#pragma once

#include "PlotTypes.h"

#include <QList>
#include <QPolygon>
#include <QPolygonF>
#include <QRectF>

namespace GuardBand {

// Half the side of the square |x|, |y| <= kReach that every coordinate is cut to.
inline constexpr int kReach = 1 << 20;

bool inside(const TPoint &p);
bool allInside(const TPoint *points, int count);
bool boxInside(int left, int top, int right, int bottom);
int clamp(int value);

// Cuts the segment to the square; false when nothing of it lies inside.
bool clipSegment(double &x0, double &y0, double &x1, double &y1);
// The part of a closed polygon inside the square; edges along the square's sides close it.
QPolygon clipPolygon(const QPolygonF &polygon);
// The same inside a box (itself cut to the square).
QPolygon clipPolygon(const QPolygonF &polygon, const QRectF &box);
// The pieces of an open polyline inside the square, each to be drawn as one polyline.
QList<QPolygon> clipPolyline(const QPolygonF &polyline);

// Points on the ellipse of the box from a parametric start angle over a span (degrees,
// counter-clockwise on screen), no farther than a quarter pixel from the curve.
QPolygonF ellipsePoints(const QRectF &box, double startDegrees, double spanDegrees);

} // namespace GuardBand
