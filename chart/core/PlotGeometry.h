// Small integer geometry routines used by the canvas, the solids and the hit tests.
#pragma once

#include "PlotTypes.h"

#include <QPolygon>
#include <QPolygonF>

namespace PlotGeometry {

bool IsClockwise(const TPoint &p0, const TPoint &p1, const TPoint &p2);
inline bool IsClockwiseTriangle(const std::array<TPoint, 3> &t) { return IsClockwise(t[0], t[1], t[2]); }
TPoint MakePoint(int x, int y);
TRect MakeRect(int left, int top, int right, int bottom);
bool PointInRectXY(const TRect &r, int x, int y);
bool PointInRect(const TRect &r, const TPoint &p);
TRect OrientRect(const TRect &r);
void RectSize(const TRect &r, int &width, int &height);
void RectCenter(const TRect &r, int &x, int &y);
void SwapPoints(TPoint &a, TPoint &b);
void SwapInteger(int &a, int &b);
// The point distance pixels back from p1 toward p0.
TPoint PointAtDistance(const TPoint &p0, const TPoint &p1, int distance);
double Hypotenuse(double x, double y);
// Bounding rectangle; right and bottom one larger than the greatest coordinates.
TRect PolygonBounds(const TPoint *points, int count);
// Convex hull by a scan around the topmost point; the result runs as a polygon.
TPointArray ConvexHull(TPointArray points);
// The points as Qt polygons, for the device layer and clip regions.
QPolygon ToPolygon(const TPoint *points, int count);
QPolygonF ToPolygonF(const TPoint *points, int count);

} // namespace PlotGeometry
