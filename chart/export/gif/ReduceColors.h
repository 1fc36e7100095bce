// Colour reduction: true-colour pictures to palette pictures of at most 256 colours.
#pragma once

#include "GIFTypes.h"

class QImage;

// Method 0 returns a copy in Format_RGB888. Methods 1-9 return Format_Indexed8 with the chosen palette:
// 1 system 20, 2 halftone 256, 3 four greys, 4 monochrome, 5 256 greys, 6 web cube, 7 octree of
// 2^reductionBits colours, 8 octree of 236 colours between the 20 system colours, 9 customPalette.
// Dither modes 0-6 (nearest, Floyd-Steinberg, Stucki, Sierra, Jarvis-Judice-Ninke, Stevenson-Arce,
// Burkes). Unknown numbers and an empty custom palette raise std::invalid_argument; an empty picture
// raises "Invalid image dimensions".
QImage ReduceColors(const QImage &bitmap, int colorReduction, int ditherMode, int reductionBits,
                    const TGIFPalette &customPalette);

// Octree palette of the picture; with windows, 256 entries: 10 system colours, the quantized colours, and
// the last 10 system colours.
TGIFPalette CreateOptimizedPaletteFromBitmap(const QImage &bitmap, int colors, int colorBits, bool windows);

// The picture with an exact palette of its colours in order of first appearance; more than 256 colours
// raise "Image has more than 256 colors; choose a colour reduction".
QImage MapToExactPalette(const QImage &bitmap);
