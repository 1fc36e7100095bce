// Enumerations of the shape series, published through the meta-object.
#pragma once

#include <QObject>

namespace ShapeEnums {
Q_NAMESPACE

enum TChartShapeStyle {
    chasRectangle,
    chasCircle,
    chasVertLine,
    chasHorizLine,
    chasTriangle,
    chasInvertTriangle,
    chasLine,
    chasDiamond,
    chasCube,
    chasCross,
    chasDiagCross,
    chasStar,
    chasPyramid,
    chasInvertPyramid
};
Q_ENUM_NS(TChartShapeStyle)

// Pixels: both points are pixels; axis: both are axis values; axis origin: the first point is in
// axis values, the second the size in pixels.
enum TChartShapeXYStyle { xysPixels, xysAxis, xysAxisOrigin };
Q_ENUM_NS(TChartShapeXYStyle)

enum TPlotVertAlign { vaTop, vaCenter, vaBottom };
Q_ENUM_NS(TPlotVertAlign)

} // namespace ShapeEnums

using namespace ShapeEnums;
