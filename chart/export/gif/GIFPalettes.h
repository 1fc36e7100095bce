// The fixed palettes of colour reduction: system colours, halftone, greys, monochrome and the web cube.
#pragma once

#include "GIFTypes.h"

// The 20 static colours of the classic system palette: ten at the start and ten at the end.
TGIFPalette SystemPalette20();
// 256 colours without duplicates: the system colours at 0-9 and 246-255, between them the web cube
// colours that are not system colours, then greys 8, 16, 24, ... not yet present until the palette is full.
TGIFPalette HalftonePalette();
// Greys 0, 128, 192, 255.
TGIFPalette WindowsGrayPalette();
TGIFPalette MonochromePalette();
// 256 greys i, i, i.
TGIFPalette GrayScalePalette();
// 216 entries; entry 36r + 6g + b is (51r, 51g, 51b).
TGIFPalette WebPalette();
