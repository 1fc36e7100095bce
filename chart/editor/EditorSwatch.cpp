// Editor list pictures drawn through the chart canvas.
#include "EditorSwatch.h"

#include "GuiCanvas.h"
#include "TPlotCanvas3D.h"

QImage drawEditorSwatch(QSize size, QColor background, const std::function<void(TCanvas3D &canvas)> &draw)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(background);
    GuiCanvas gui(&image);
    {
        TPlotCanvas3D canvas;
        canvas.SetBuffered(false);
        const TRect bounds{0, 0, size.width(), size.height()};
        canvas.InitWindow(&gui, nullptr, clWhite, false, bounds);
        draw(canvas);
        canvas.FlushBuffer(&gui, nullptr, bounds);
    }
    gui.endPaint();
    return image;
}
