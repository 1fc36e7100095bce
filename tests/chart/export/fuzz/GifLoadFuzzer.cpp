// libFuzzer target: a whole GIF file through the model, and every frame turned into an image.
#include "GIFException.h"
#include "TGIFImage.h"

#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TGIFImage image;
    try {
        image.LoadFromData(data, std::int64_t(size));
        for (int i = 0; i < image.Count(); ++i)
            if (image.Images(i).PixelCount() <= 1 << 20)
                image.ToImage(i);
    } catch (const GIFException &) {
    }
    return 0;
}
