// Animated test pictures made with the codec's own model and encoder.
#include "GifAnimationSupport.h"

#include "TGIFApplicationExtension.h"
#include "TGIFGraphicControlExtension.h"
#include "TGIFImage.h"

#include <algorithm>
#include <memory>

namespace GifTest {

QByteArray animation(QSize screen, const std::vector<FrameSpec> &frames, int loops)
{
    TGIFImage image;
    TGIFPalette palette;
    for (unsigned colour : kAnimationColours)
        palette.push_back({std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour)});
    image.Header().ColorMap().ImportPalette(palette);
    image.SetWidth(screen.width());
    image.SetHeight(screen.height());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const FrameSpec &spec = frames[i];
        TGIFSubImage &frame = image.Add(TGIFSubImage(&image));
        frame.SetBounds(spec.bounds.x(), spec.bounds.y(), spec.bounds.width(), spec.bounds.height());
        std::fill_n(frame.Data(), frame.PixelCount(), std::uint8_t(spec.colour));
        if (i == 0 && loops >= 0) {
            auto loop = std::make_unique<TGIFAppExtNSLoop>(&frame);
            loop->Loops = loops;
            frame.AddExtension(std::move(loop));
        }
        if (spec.control) {
            auto control = std::make_unique<TGIFGraphicControlExtension>(&frame);
            control->SetDisposal(spec.disposal);
            control->SetDelay(spec.delay);
            if (spec.transparentIndex >= 0) {
                frame.Data()[0] = std::uint8_t(spec.transparentIndex);
                control->SetRawTransparentColorIndex(spec.transparentIndex);
                control->SetTransparent(true);
            }
            frame.AddExtension(std::move(control));
        }
    }
    return image.SaveToData();
}

} // namespace GifTest
