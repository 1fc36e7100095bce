// The font and picture choices of the editor forms, through the program's dialog service.
#pragma once

#include <QString>

class QImage;
class QWidget;
class TFont;
class TPicture;

namespace PlotBrushDlg {

// The font dialog on a copy of the font; on OK name, size and styles are copied back. True on OK.
bool EditFont(QWidget *owner, TFont &font);
// The picture file the user chose, or empty.
QString GetPictureFileName(QWidget *owner);
// Reads a picture file into image. A file that cannot be read (missing, damaged, no picture,
// too large to decode) shows one error box naming it, leaves image alone and gives false.
bool LoadPictureFile(const QString &fileName, QImage &image);
// Clears a picture that holds a graphic; else asks for a picture file and loads it.
void LoadClearPicture(QWidget *owner, TPicture &picture);

} // namespace PlotBrushDlg
