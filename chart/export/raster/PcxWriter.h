// PCX version 5 pictures, run-length encoded, in the four layouts of the export.
#pragma once

class QIODevice;
class QImage;

// PCX layouts: 1 monochrome, 2 sixteen colours in four bit planes, 3 256 colours, 4 true colour in
// three planes.
enum TPCXType : int { pcxMonochrome = 1, pcx16Colors = 2, pcx256Colors = 3, pcxTrueColor = 4 };

// Writes the picture from the start of the device. Types 1-3 take Format_Indexed8 or Format_Mono
// pictures; type 4 any picture (indexed ones through their palette). Another format for types 1-3, an
// empty picture or a failed write raises PlotException.
void WriteBitmapAsPCX(QIODevice &stream, const QImage &bitmap, int pcxType);
