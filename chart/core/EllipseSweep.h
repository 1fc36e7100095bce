// The elliptic sector a bounding box and two radial points define, as the screen draws it.
#pragma once

#include <QRect>
#include <QRectF>

// The curve is the ellipse drawn for the box, and each end lies where the ray from its centre
// through the radial point meets it. Angles stay in double precision (Qt's 1/16 degree would move
// the ends). Angles are parametric: the point at angle t is centre + (a cos t, -b sin t).
struct EllipseSweep
{
    QRectF box;
    double startDegrees = 0.0;
    double spanDegrees = 0.0; // counter-clockwise, in (0, 360]; equal radials give 360

    QPointF pointAt(double degrees) const;
};

// The box a GDI shape outlines: corners in either order, right and bottom exclusive, so the
// stroked rectangle (box + pen width) covers columns left..right-1 and rows top..bottom-1.
QRect gdiBox(int left, int top, int right, int bottom);
double parametricDegrees(const QRectF &box, int x, int y);
EllipseSweep ellipseSweep(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
