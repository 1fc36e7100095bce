// Walks the frames of a GIF picture with their delays, disposal methods and loop count, and paints
// each into a bitmap of the logical screen. It never waits itself: each step says how long to wait
// before the next, so a timer of the GUI thread can drive it and no painting happens outside a paint pass.
#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <vector>

class TGIFImage;

class GIFAnimator
{
public:
    // Milliseconds of a steady clock; tests and the fuzz target step their own.
    using Clock = std::function<std::int64_t()>;

    // Step's answer when no further step comes: the walk ended, or the speed 0 waits for ever.
    static constexpr int kStop = -1;
    // A delay unit of the file counts as 12 ms.
    static constexpr int kDelayUnitMs = 12;
    static constexpr int kDefaultDelay = 10;
    static constexpr int kMinimumDelay = 3;
    static constexpr int kMaximumDelay = 1000;
    // Larger logical screens are not animated; they show their first frame.
    static constexpr std::int64_t kMaxScreenPixels = std::int64_t(1) << 24;
    // Converted frames kept, in bytes over all frames; beyond it a frame is converted when painted.
    static constexpr std::int64_t kFrameCacheBytes = std::int64_t(64) << 20;

    // Takes the image's DrawOptions and AnimationSpeed now; the image must outlive the animator.
    explicit GIFAnimator(TGIFImage &image, Clock clock = {});

    // Paints the next frame and returns the wait in ms before the next step, or kStop.
    int Step();
    // Starts a new pass at the next step.
    void Restart() { m_restart = true; }
    bool Ended() const { return m_ended; }

    // The logical screen as painted so far (ARGB32, unpainted pixels transparent); for a screen too
    // large to animate, its first frame alone.
    const QImage &Bitmap() const { return m_bitmap; }
    // True when more than the first frame will be painted.
    bool Animated() const { return m_animated; }
    int ActiveImage() const { return m_activeImage; }
    // Event handlers may move to another frame; the walk goes on from there.
    void SetActiveImage(int value) { m_activeImage = value; }
    // The buffer kept for "restore previous"; only a picture that uses that method needs one.
    bool HasPreviousBuffer() const { return !m_previous.isNull(); }
    TGIFImage &Image() const { return m_image; }

private:
    struct Pending
    {
        int disposal = 1;
        QRect area;
    };

    void BeginPass();
    // After the last frame of an iteration: loops back, starts a new pass or ends; false when it ended.
    bool EndIteration();
    bool FrameAvailable() const;
    int ScanExtensions(int frame);
    void PaintFrame(int frame, int disposal);
    void RestoreBackground(const QRect &area);
    QImage FrameImage(int frame);
    int NextDelay(int frame) const;
    int WaitFor(int delay, std::int64_t now) const;
    void End();

    TGIFImage &m_image;
    Clock m_clock;
    int m_options = 0;
    int m_speed = 100;
    bool m_threaded = false;
    bool m_animated = false;
    bool m_restart = true;
    bool m_ended = false;
    bool m_loopSeen = false;
    bool m_firstIteration = true;
    int m_loopCount = 1;
    int m_loopStart = 0;
    int m_activeImage = -1;
    std::int64_t m_dueAt = 0;
    QRgb m_background = 0;
    QImage m_bitmap;
    QImage m_previous;
    Pending m_pending;
    std::vector<QImage> m_frameCache;
    std::int64_t m_cachedBytes = 0;
};
