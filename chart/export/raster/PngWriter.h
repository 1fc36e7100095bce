// PNG pictures through the run-time bound libpng: 8-bit RGB, not interlaced.
#pragma once

class PngLibrary;
class QIODevice;
class QImage;

// Writes the picture with a zlib level of 0-9. A library that does not load raises "Library <file>
// cannot be loaded."; any libpng error (a short write among them) raises PlotException with its text.
void WritePng(QIODevice &stream, const QImage &bitmap, int compressionLevel, PngLibrary &library);
