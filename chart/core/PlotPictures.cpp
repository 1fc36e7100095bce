// The two picture hooks.
#include "PlotPictures.h"

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
