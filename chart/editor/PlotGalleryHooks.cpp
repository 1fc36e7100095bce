// The gallery hooks of the series list.
#include "PlotGalleryHooks.h"

namespace PlotGalleryHooks {

CreateNewSeriesHook &CreateNewSeriesGallery()
{
    static CreateNewSeriesHook hook;
    return hook;
}

ChangeSeriesTypeHook &ChangeSeriesTypeGallery()
{
    static ChangeSeriesTypeHook hook;
    return hook;
}

} // namespace PlotGalleryHooks
