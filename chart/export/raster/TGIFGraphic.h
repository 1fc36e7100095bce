// GIF pictures in charts: drawn as their current frame, and played on each visible panel they are
// drawn for.
#pragma once

#include "GIFAnimator.h"
#include "PlotPictures.h"

#include <memory>
#include <vector>

class TGIFImage;
class TGIFPainter;

class TGIFGraphic : public TGraphic
{
public:
    TGIFGraphic();
    ~TGIFGraphic() override;

    // False, with the picture empty, when the bytes are no GIF file the codec can read.
    bool LoadFromData(const QByteArray &data) override;
    // The current frame over the logical screen; for a screen too large to animate, the first frame.
    QImage Image() const override;
    void Draw(TCanvas3D &canvas, const TRect &rect, PlotPanelHost *host) override;

    // Stops every painter and empties the picture.
    void Clear();
    void PaintStop();
    // The picture's options and events; DrawOptions and AnimationSpeed take effect at the next load.
    TGIFImage &GIFImage() const { return *m_image; }
    // The clock of the frame walk from the next load on.
    void SetClock(GIFAnimator::Clock clock) { m_clock = std::move(clock); }
    // The painter that plays on the panel, if any.
    TGIFPainter *PainterFor(const QWidget *panel) const;
    int PainterCount() const;

private:
    void DropStoppedPainters();

    std::shared_ptr<TGIFImage> m_image;
    GIFAnimator::Clock m_clock;
    // The first frame, painted at load; painters start from a copy of it.
    std::unique_ptr<GIFAnimator> m_still;
    int m_firstWait = GIFAnimator::kStop;
    std::vector<std::unique_ptr<TGIFPainter>> m_painters;
};
