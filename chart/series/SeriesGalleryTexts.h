// Numbers of the library texts that name the sub-styles of the series types and their samples.
#pragma once

#include "PlotConst.h"

#include <QString>

namespace SeriesGalleryTexts {

enum Text : int {
    msgGalleryStack = 32,
    msgGalleryNoBorder = 175,
    msgGalleryDotted = 176,
    msgGalleryColors = 177,
    msgGalleryMarks = 179,
    msgGalleryStairs = 180,
    msgGalleryPoints = 181,
    msgGalleryHeight = 182,
    msgGalleryHollow = 183,
    msgGalleryPoint2D = 184,
    msgGalleryTriangle = 185,
    msgGalleryStar = 186,
    msgGalleryCircle = 187,
    msgGalleryDownTri = 188,
    msgGalleryCross = 189,
    msgGalleryDiamond = 190,
    msgGalleryNoLines = 191,
    msgGalleryStack100 = 192,
    msgGalleryPyramid = 193,
    msgGalleryEllipse = 194,
    msgGalleryInvPyramid = 195,
    msgGallerySides = 196,
    msgGallerySideAll = 197,
    msgGalleryPatterns = 198,
    msgGalleryExploded = 199,
    msgGalleryShadow = 200,
    msgGallerySemiPie = 201,
    msgGalleryGradient = 226,
    msgGallerySelfStack = 239,
    msgGalleryDarkBorder = 240,
    msgGalleryOutline = 253,
    // The shape series' styles, and the texts of the Gantt and shape samples.
    msgShapeRectangle = 202,
    msgShapeVertLine = 203,
    msgShapeHorizLine = 204,
    msgShapeEllipse = 194,
    msgShapeLine = 205,
    msgShapeCube = 206,
    msgShapeDiagCross = 207,
    msgShapePyramid = 193,
    msgShapeInvPyramid = 195,
    msgGanttDesign = 60, // the first of the ten task names, "Design" .. "Banking"
    msgShapeSampleAbc = 124,
    msgShapeSample123 = 125,
};

// The entries' texts are read when the gallery is built, so a translation renames them.
inline QString text(Text number)
{
    return PlotConst::message(number);
}

} // namespace SeriesGalleryTexts
