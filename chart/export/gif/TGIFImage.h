// A GIF picture as an object tree that mirrors the file: header with the global colour map, frames with
// their extensions, and the trailer. Reads and writes files, converts from and to QImage, and uses the
// clipboard.
#pragma once

#include "TGIFHeader.h"
#include "TGIFSubImage.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class GIFAnimator;
class QByteArray;
class QClipboard;
class QIODevice;
class QImage;
class QMimeData;

// Painting options; bit numbers as the painter reads them. A GUI timer steps the animation and
// frames reach the screen only in paint passes (see GIFAnimator.h): the options made for a
// painter thread say what is left of them.
enum TGIFDrawOption : int {
    // No thread is started: the bit keeps the threaded walk's rules for loop counts and delays.
    doThreaded = 1 << 0,
    doTransparent = 1 << 1,
    doAnimate = 1 << 2,
    doLoop = 1 << 3,
    doLoopForever = 1 << 4,
    // Always in effect, set or not: the painter holds its panel by a QPointer and stops once the
    // panel is gone, so it never paints on a canvas that no longer exists.
    doCheckCanvas = 1 << 5,
    // No effect: a frame is painted into the image's own bitmap and the panel draws that in its
    // next paint pass; Qt lets nothing paint on a widget outside one.
    doPaintDirect = 1 << 6,
    doClearFirst = 1 << 7,
    doTile = 1 << 8,
    doDither = 1 << 9,
    doDitherOnPaletteDisplay = 1 << 10
};

class TGIFImage
{
public:
    using WarningEvent = std::function<void(TGIFImage &sender, TGIFSeverity severity, const QString &message)>;
    // The painter's events: a pass starts, a frame is about to be painted, it was painted, the frames
    // loop back, the walk ends.
    using PainterEvent = std::function<void(GIFAnimator &painter)>;
    using ProgressEvent = std::function<void(TGIFImage &sender, TProgressStage stage, int percent, const QString &message)>;

    // The clipboard and drag type of GIF file bytes.
    static constexpr char kMimeType[] = "image/gif";
    // "No colour": the background comes from the header's background index.
    static constexpr std::uint32_t kNoColor = 0x1FFFFFFF;

    TGIFImage();
    ~TGIFImage();
    TGIFImage(const TGIFImage &) = delete;
    TGIFImage &operator=(const TGIFImage &) = delete;

    void LoadFromStream(QIODevice &stream);
    void SaveToStream(QIODevice &stream);
    void LoadFromFile(const QString &fileName);
    void SaveToFile(const QString &fileName);
    void LoadFromData(const std::uint8_t *data, std::int64_t size);
    QByteArray SaveToData();

    void Clear();
    void Assign(const TGIFImage &source);
    // One frame made from the picture with ColorReduction, ReductionBits and DitherMode; a null
    // picture clears the image.
    void Assign(const QImage &source);
    TGIFSubImage &Add(const TGIFSubImage &source);
    TGIFSubImage &Add(const QImage &source);
    // Frame index; a frame whose pixels are needed (Format_Indexed8, see TGIFSubImage::ToImage).
    QImage ToImage(int frame = 0) const;

    // File bytes under "image/gif" and the first frame as an image; nothing for an empty picture.
    std::unique_ptr<QMimeData> SaveToMimeData();
    // Accepts "image/gif" bytes, or an image, which is assigned.
    void LoadFromMimeData(const QMimeData &data);
    void SaveToClipboardFormat(QClipboard &clipboard);
    void LoadFromClipboardFormat(const QClipboard &clipboard);

    TGIFHeader &Header() { return m_header; }
    const TGIFHeader &Header() const { return m_header; }
    int Count() const { return int(m_frames.size()); }
    TGIFSubImage &Images(int index) { return *m_frames[std::size_t(index)]; }
    const TGIFSubImage &Images(int index) const { return *m_frames[std::size_t(index)]; }
    void DeleteImage(int index);
    bool Empty() const { return m_frames.empty(); }

    int Width() const { return int(std::min<std::int64_t>(m_header.Width(), 0x7FFFFFFF)); }
    int Height() const { return int(std::min<std::int64_t>(m_header.Height(), 0x7FFFFFFF)); }
    // A frame reaching past the new size raises "Image width (height) too small for contained frames".
    void SetWidth(int value);
    void SetHeight(int value);
    // The highest version any part needs; unknown without frames.
    TGIFVersion Version() const;
    // The largest BitsPerPixel of all colour maps.
    int BitsPerPixel() const;
    // The palette a painter would use: the web palette when dithering, else the global or first frame's map.
    TGIFPalette Palette() const;
    void OptimizeColorMaps();

    int ColorReduction() const { return m_colorReduction; }
    void SetColorReduction(int value) { m_colorReduction = value; }
    int ReductionBits() const { return m_reductionBits; }
    void SetReductionBits(int value) { m_reductionBits = value; }
    int DitherMode() const { return m_ditherMode; }
    void SetDitherMode(int value) { m_ditherMode = value; }
    int Compression() const { return m_compression; }
    void SetCompression(int value) { m_compression = value; }
    int DrawOptions() const { return m_drawOptions; }
    void SetDrawOptions(int value) { m_drawOptions = value; }
    int AnimationSpeed() const { return m_animationSpeed; }
    void SetAnimationSpeed(int value) { m_animationSpeed = value; }
    // Stored, copied and kept for callers only: the animation runs on the GUI thread's timer, so
    // there is no thread whose priority it could set.
    int ThreadPriority() const { return m_threadPriority; }
    void SetThreadPriority(int value) { m_threadPriority = value; }
    std::uint32_t DrawBackgroundColor() const { return m_drawBackgroundColor; }
    void SetDrawBackgroundColor(std::uint32_t value) { m_drawBackgroundColor = value; }
    void SetOnWarning(WarningEvent event) { m_onWarning = std::move(event); }
    void SetOnProgress(ProgressEvent event) { m_onProgress = std::move(event); }
    const PainterEvent &OnPaintStart() const { return m_onPaintStart; }
    void SetOnPaintStart(PainterEvent event) { m_onPaintStart = std::move(event); }
    const PainterEvent &OnFramePaint() const { return m_onFramePaint; }
    void SetOnFramePaint(PainterEvent event) { m_onFramePaint = std::move(event); }
    const PainterEvent &OnFramePainted() const { return m_onFramePainted; }
    void SetOnFramePainted(PainterEvent event) { m_onFramePainted = std::move(event); }
    const PainterEvent &OnLoopRestart() const { return m_onLoopRestart; }
    void SetOnLoopRestart(PainterEvent event) { m_onLoopRestart = std::move(event); }
    const PainterEvent &OnPaintEnd() const { return m_onPaintEnd; }
    void SetOnPaintEnd(PainterEvent event) { m_onPaintEnd = std::move(event); }

    void Warning(TGIFSeverity severity, const char *message);
    void Progress(TProgressStage stage, int percent, const char *message);

    // Frame bookkeeping: the pixel limits over all frames, and the logical screen that covers them.
    void ReservePixels(std::int64_t newCount, std::int64_t oldCount);
    void ReleasePixels(std::int64_t count);
    void CoverFrame(std::int64_t right, std::int64_t bottom);

private:
    void LoadFrames(GIFInput &stream);

    TGIFHeader m_header;
    std::vector<std::unique_ptr<TGIFSubImage>> m_frames;
    std::int64_t m_totalPixels = 0;
    int m_colorReduction = rmNetscape;
    int m_reductionBits = 8;
    int m_ditherMode = dmNearest;
    int m_compression = gcLZW;
    int m_drawOptions = doThreaded | doTransparent | doAnimate | doLoop | doDither | doDitherOnPaletteDisplay;
    int m_animationSpeed = 100;
    int m_threadPriority = 3; // normal
    std::uint32_t m_drawBackgroundColor = kNoColor;
    WarningEvent m_onWarning;
    ProgressEvent m_onProgress;
    PainterEvent m_onPaintStart;
    PainterEvent m_onFramePaint;
    PainterEvent m_onFramePainted;
    PainterEvent m_onLoopRestart;
    PainterEvent m_onPaintEnd;
};
