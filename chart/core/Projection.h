// Projection of model points (x, y, depth) onto the screen: orthogonal or rotated, with perspective.
#pragma once

#include "PlotRound.h"
#include "PlotTypes.h"

class Projection
{
public:
    // Orthogonal factors from the oblique angle in degrees.
    void setOrthoAngle(int angleDegrees);
    // Angles in degrees as the view options hold them; all 0 without options.
    void calcTrigValues(double elevation, double rotation, int tilt);
    void calcPerspective(int perspectivePercent, const TRect &rect);

    // Inline: faces of 3D lines project four corners per point.
    void calc3DPos(int &x, int &y, int z) const
    {
        // Orthogonal comes first and ignores the 3D flag, so it stays in force inside Begin2D.
        if (orthogonal) {
            x = addSaturated(plotRound((z * xFactor + (double(x) - xCenter)) * zoomFactor), originX);
            y = addSaturated(plotRound(((double(y) - yCenter) - z * yFactor) * zoomFactor), originY);
        } else if (is3D) {
            rotate(x, y, z, x, y);
        }
    }
    void calc3DPosDouble(double x, double y, double z, int &outX, int &outY) const;
    void inverseCalc3DPos(int &x, int &y, int z) const;
    // Where a model step (dx, dy, dz) moves a point on the screen, without perspective: in a
    // rotated view axes shorten and slant while texts keep their size.
    void screenStep(double dx, double dy, double dz, double &outX, double &outY) const;

    bool orthogonal = false;
    bool is3D = false;
    double xFactor = 1.0;
    double yFactor = 1.0;
    double zoomFactor = 1.0;
    bool perspective = false;
    double perspectiveFactor = 0.0;
    bool tilt = false;
    double sinElevation = 0.0;
    double sinRotation = 0.0;
    double sinTilt = 0.0;
    double cosElevation = 1.0;
    double cosRotation = 1.0;
    double cosTilt = 1.0;
    int xCenter = 0;
    int yCenter = 0;
    int zCenter = 0;
    int originX = 0;
    int originY = 0;

private:
    void rotate(double x, double y, double z, int &outX, int &outY) const;
};
