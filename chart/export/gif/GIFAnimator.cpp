// The frame walk of an animated GIF picture, one frame per step.
#include "GIFAnimator.h"

#include "GIFText.h"
#include "ReduceColors.h"
#include "TGIFApplicationExtension.h"
#include "TGIFGraphicControlExtension.h"
#include "TGIFImage.h"

#include <QPainter>

#include <algorithm>
#include <chrono>

namespace {

std::int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void fire(const TGIFImage::PainterEvent &event, GIFAnimator &animator)
{
    if (event)
        event(animator);
}

// TColor is 0x00BBGGRR.
QRgb fromTColor(std::uint32_t color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

} // namespace

GIFAnimator::GIFAnimator(TGIFImage &image, Clock clock)
    : m_image(image)
    , m_clock(clock ? std::move(clock) : Clock(steadyMilliseconds))
    , m_options(image.DrawOptions())
    , m_speed(image.AnimationSpeed())
    , m_threaded(image.DrawOptions() & doThreaded)
{
    if (m_image.Empty()) {
        m_ended = true;
        return;
    }
    const std::int64_t screenPixels = std::int64_t(m_image.Width()) * m_image.Height();
    if (screenPixels <= 0 || screenPixels > kMaxScreenPixels) {
        if (screenPixels > kMaxScreenPixels)
            m_image.Warning(gsWarning, GIFText::ImageTooLarge);
        // Only a first frame that fits the limit itself is shown.
        const TGIFSubImage &first = m_image.Images(0);
        if (!first.Empty() && first.PixelCount() <= kMaxScreenPixels)
            m_bitmap = FrameImage(0);
        m_ended = true;
        return;
    }
    m_animated = m_image.Count() > 1 && (m_options & doAnimate);
    if (m_options & doTransparent) {
        m_background = qRgba(0, 0, 0, 0);
    } else if (m_image.DrawBackgroundColor() != TGIFImage::kNoColor) {
        m_background = fromTColor(m_image.DrawBackgroundColor());
    } else {
        const TGIFColorMap &map = m_image.Header().ColorMap();
        const int index = m_image.Header().BackgroundColorIndex();
        const TGIFColor color = index < map.Count() ? map.Colors(index) : TGIFColor{255, 255, 255};
        m_background = qRgb(color.Red, color.Green, color.Blue);
    }
    m_bitmap = QImage(m_image.Width(), m_image.Height(), QImage::Format_ARGB32);
    if (m_bitmap.isNull()) {
        m_image.Warning(gsWarning, GIFText::ImageTooLarge);
        m_ended = true;
        return;
    }
    m_bitmap.fill(m_background);
    m_frameCache.resize(std::size_t(m_image.Count()));
}

int GIFAnimator::Step()
{
    if (m_ended)
        return kStop;
    const std::int64_t now = m_clock();
    if (m_restart)
        BeginPass();
    if (!FrameAvailable() && (!EndIteration() || !FrameAvailable())) {
        End();
        return kStop;
    }
    const int frame = m_activeImage;
    fire(m_image.OnFramePaint(), *this);
    const int disposal = ScanExtensions(frame);
    PaintFrame(frame, disposal);
    const int delay = NextDelay(frame);
    fire(m_image.OnFramePainted(), *this);
    if (m_activeImage == frame)
        ++m_activeImage;
    if (!m_animated) {
        End();
        return kStop;
    }
    const int wait = WaitFor(delay, now);
    m_dueAt = wait == kStop ? 0 : now + wait;
    return wait;
}

void GIFAnimator::BeginPass()
{
    m_activeImage = 0;
    fire(m_image.OnPaintStart(), *this);
    m_restart = false;
    m_loopCount = 1;
    m_loopStart = 0;
    m_loopSeen = false;
    m_firstIteration = true;
}

bool GIFAnimator::EndIteration()
{
    if (!m_animated)
        return false;
    if (m_loopCount > 0)
        --m_loopCount;
    if (m_loopCount != 0 || (m_options & doLoopForever)) {
        m_activeImage = m_loopStart;
        m_firstIteration = false;
        fire(m_image.OnLoopRestart(), *this);
        return true;
    }
    if (m_options & doLoop) {
        BeginPass();
        return true;
    }
    return false;
}

bool GIFAnimator::FrameAvailable() const
{
    return m_activeImage >= 0 && m_activeImage < m_image.Count() && !m_image.Images(m_activeImage).Empty();
}

int GIFAnimator::ScanExtensions(int frame)
{
    const TGIFSubImage &image = m_image.Images(frame);
    int disposal = 1;
    for (int i = 0; i < image.ExtensionCount(); ++i) {
        const TGIFExtension &extension = image.Extensions(i);
        if (const auto *loop = dynamic_cast<const TGIFAppExtNSLoop *>(&extension); loop && !m_loopSeen) {
            m_loopSeen = true;
            // 0 loops for ever; only the threaded walk counted that as -1, the unthreaded one ends the pass.
            m_loopCount = loop->Loops == 0 && m_threaded ? -1 : loop->Loops;
            if ((m_options & doLoopForever) && m_threaded)
                m_loopCount = -1;
            m_loopStart = frame;
        } else if (const auto *control = dynamic_cast<const TGIFGraphicControlExtension *>(&extension)) {
            disposal = control->Disposal();
        }
    }
    // Unspecified and the reserved values 4-7 leave the frame in place.
    return disposal == 2 || disposal == 3 ? disposal : 1;
}

void GIFAnimator::PaintFrame(int frame, int disposal)
{
    const TGIFSubImage &sub = m_image.Images(frame);
    const QRect screen = m_bitmap.rect();
    const bool tile = m_options & doTile;
    const QRect area = tile ? screen : QRect(sub.Left(), sub.Top(), sub.Width(), sub.Height()) & screen;

    if (m_pending.disposal == 2)
        RestoreBackground(m_pending.area);
    else if (m_pending.disposal == 3 && !m_previous.isNull()) {
        QPainter painter(&m_bitmap);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(m_pending.area.topLeft(), m_previous, m_pending.area);
    }
    if ((m_options & doClearFirst) && frame == 0)
        RestoreBackground(screen);
    if (disposal == 3) {
        if (m_previous.isNull())
            m_previous = QImage(m_bitmap.size(), QImage::Format_ARGB32);
        QPainter painter(&m_previous);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(area.topLeft(), m_bitmap, area);
    }

    QImage pixels = FrameImage(frame);
    QPainter painter(&m_bitmap);
    if (!(m_options & doTransparent)) {
        pixels = pixels.convertToFormat(QImage::Format_RGB32);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    }
    if (tile) {
        for (int y = 0; y < screen.height(); y += pixels.height())
            for (int x = 0; x < screen.width(); x += pixels.width())
                painter.drawImage(x, y, pixels);
    } else {
        painter.drawImage(sub.Left(), sub.Top(), pixels);
    }
    m_pending = {disposal, area};
}

void GIFAnimator::RestoreBackground(const QRect &area)
{
    QPainter painter(&m_bitmap);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, QColor::fromRgba(m_background));
}

QImage GIFAnimator::FrameImage(int frame)
{
    if (std::size_t(frame) < m_frameCache.size() && !m_frameCache[std::size_t(frame)].isNull())
        return m_frameCache[std::size_t(frame)];
    const QImage indexed = m_image.Images(frame).ToImage();
    QImage pixels = indexed.convertToFormat(QImage::Format_ARGB32);
    // Every display we paint on has 24 or 32 bits, so the palette-display bit rules dithering out.
    if ((m_options & doDither) && !(m_options & doDitherOnPaletteDisplay)) {
        QImage dithered = ReduceColors(indexed.convertToFormat(QImage::Format_RGB888), rmNetscape, dmFloydSteinberg, 8, {})
                              .convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < pixels.height(); ++y) {
            const QRgb *source = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
            QRgb *target = reinterpret_cast<QRgb *>(dithered.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x)
                if (qAlpha(source[x]) == 0)
                    target[x] = 0;
        }
        pixels = dithered;
    }
    const std::int64_t bytes = pixels.sizeInBytes();
    if (std::size_t(frame) < m_frameCache.size() && m_cachedBytes + bytes <= kFrameCacheBytes) {
        m_frameCache[std::size_t(frame)] = pixels;
        m_cachedBytes += bytes;
    }
    return pixels;
}

int GIFAnimator::NextDelay(int frame) const
{
    const TGIFGraphicControlExtension *control = m_image.Images(frame).GraphicControlExtension();
    if (!control || control->Delay() == 0)
        return kDefaultDelay;
    const int delay = std::max(control->Delay(), kMinimumDelay);
    return m_threaded ? delay : std::min(delay, kMaximumDelay);
}

int GIFAnimator::WaitFor(int delay, std::int64_t now) const
{
    if (m_speed <= 0)
        return m_threaded ? kStop : kMaximumDelay * kDelayUnitMs;
    // Half of the time this step came late is taken off the next wait.
    const std::int64_t late = m_dueAt > 0 ? std::max<std::int64_t>(0, now - m_dueAt) : 0;
    const std::int64_t wait = (std::int64_t(delay) * kDelayUnitMs - late / 2) * 100 / m_speed;
    return int(std::clamp<std::int64_t>(wait, 0, 0x7FFFFFFF));
}

void GIFAnimator::End()
{
    m_ended = true;
    m_activeImage = -1;
    fire(m_image.OnPaintEnd(), *this);
}
