// GIF pictures drawn and animated on chart panels.
#include "TGIFGraphic.h"

#include "GIFException.h"
#include "PlotPanelHost.h"
#include "TCanvas3D.h"
#include "TGIFImage.h"
#include "TGIFPainter.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Multiply, then divide with ties to even; the caller guarantees a divisor above 0.
int scaled(std::int64_t value, int numerator, int denominator)
{
    return int(std::nearbyint(double(value) * numerator / denominator));
}

} // namespace

TGIFGraphic::TGIFGraphic()
    : m_image(std::make_shared<TGIFImage>())
{
}

TGIFGraphic::~TGIFGraphic()
{
    PaintStop();
}

bool TGIFGraphic::LoadFromData(const QByteArray &data)
{
    Clear();
    try {
        m_image->LoadFromData(reinterpret_cast<const std::uint8_t *>(data.constData()), data.size());
        m_still = std::make_unique<GIFAnimator>(*m_image, m_clock);
        m_firstWait = m_still->Step();
    } catch (const GIFException &) {
        Clear();
        return false;
    }
    return !m_image->Empty();
}

QImage TGIFGraphic::Image() const
{
    for (const auto &painter : m_painters)
        if (painter->Panel())
            return painter->Animator().Bitmap();
    return m_still ? m_still->Bitmap() : QImage();
}

void TGIFGraphic::Draw(TCanvas3D &canvas, const TRect &rect, PlotPanelHost *host)
{
    if (!m_still || m_image->Width() <= 0 || m_image->Height() <= 0 || rect.width() <= 0 || rect.height() <= 0)
        return;
    DropStoppedPainters();
    const GIFAnimator *shown = m_still.get();
    auto *panel = dynamic_cast<QWidget *>(host);
    if (panel && panel->isVisible() && m_still->Animated() && m_firstWait != GIFAnimator::kStop) {
        TGIFPainter *painter = PainterFor(panel);
        if (!painter) {
            m_painters.push_back(std::make_unique<TGIFPainter>(*m_still, m_firstWait, panel, host));
            painter = m_painters.back().get();
        }
        shown = &painter->Animator();
    }
    const QImage &bitmap = shown->Bitmap();
    if (bitmap.isNull())
        return;
    if (bitmap.width() == m_image->Width() && bitmap.height() == m_image->Height()) {
        canvas.StretchDraw(rect, &bitmap);
        return;
    }
    // The first frame alone: placed where it lies on the logical screen.
    const TGIFSubImage &frame = m_image->Images(0);
    const int w = m_image->Width();
    const int h = m_image->Height();
    const TRect target{rect.left + scaled(frame.Left(), rect.width(), w), rect.top + scaled(frame.Top(), rect.height(), h),
                       rect.left + scaled(std::int64_t(frame.Left()) + frame.Width(), rect.width(), w),
                       rect.top + scaled(std::int64_t(frame.Top()) + frame.Height(), rect.height(), h)};
    if (target.width() > 0 && target.height() > 0)
        canvas.StretchDraw(target, &bitmap);
}

void TGIFGraphic::Clear()
{
    PaintStop();
    m_still.reset();
    m_firstWait = GIFAnimator::kStop;
    m_image->Clear();
}

void TGIFGraphic::PaintStop()
{
    m_painters.clear();
}

TGIFPainter *TGIFGraphic::PainterFor(const QWidget *panel) const
{
    for (const auto &painter : m_painters)
        if (painter->Panel() == panel)
            return painter.get();
    return nullptr;
}

int TGIFGraphic::PainterCount() const
{
    return int(std::count_if(m_painters.begin(), m_painters.end(), [](const auto &p) { return p->Running(); }));
}

void TGIFGraphic::DropStoppedPainters()
{
    std::erase_if(m_painters, [](const auto &p) { return !p->Panel(); });
}
