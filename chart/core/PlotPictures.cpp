// The two picture hooks.
#include "PlotPictures.h"

#include "TCanvas3D.h"

void TGraphic::Draw(TCanvas3D &canvas, const TRect &rect, PlotPanelHost *)
{
    const QImage image = Image();
    if (!image.isNull())
        canvas.StretchDraw(rect, &image);
}

namespace PlotPictures {

GraphicClassLookup &PlotGraphicClassForExtension()
{
    static GraphicClassLookup lookup;
    return lookup;
}

ImageLoader &PlotImageLoader()
{
    static ImageLoader loader;
    return loader;
}

} // namespace PlotPictures
