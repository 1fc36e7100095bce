// libFuzzer target: a GIF file loaded and its frames walked for one pass, painted with and without
// transparency, tiled, cleared first and dithered.
#include "GIFException.h"
#include "GifPaintWalk.h"
#include "TGIFImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TGIFImage image;
    try {
        image.LoadFromData(data, std::int64_t(size));
        GifPaintWalk::walkOnePass(image, doTransparent | doAnimate | doLoop);
        // Dithering is slow under the sanitizers: only small screens, so that one input stays within the time-out.
        if (std::int64_t(image.Width()) * image.Height() <= 1 << 20)
            GifPaintWalk::walkOnePass(image, doThreaded | doAnimate | doLoop | doTile | doClearFirst | doDither);
    } catch (const GIFException &) {
    }
    return 0;
}
