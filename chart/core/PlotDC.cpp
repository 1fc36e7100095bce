// The one place that paints through QPainter, with the platform's pixel conventions.
#include "PlotDC.h"

#include "CosmeticLine.h"
#include "EllipseSweep.h"
#include "GuardBand.h"
#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotRound.h"
#include "PolygonFill.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {

// Metrics come from a 96-dpi image, so export canvases measure text without any painter.
const QImage &referenceDevice()
{
    static const QImage image = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(3780);
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return image;
}

// Pens whose lines are drawn the same in a run: one pixel wide and solid. Dashes would restart
// their pattern per line, small dots are drawn dot by dot (see styledPen).
bool runPen(const PenValues &pen)
{
    return pen.handle.kind != PenHandle::SmallDots && pen.width <= 1
           && (pen.style == psSolid || pen.style == psInsideFrame);
}

// Pens with a pattern, small dots included: their lines are drawn as one polyline, so the pattern
// runs on along a curve of short lines instead of starting again with each of them.
bool styledPen(const PenValues &pen)
{
    return pen.handle.kind == PenHandle::SmallDots || pen.style == psDash || pen.style == psDot
           || pen.style == psDashDot || pen.style == psDashDotDot;
}

bool inside(const QRect &rect, const TPoint &p)
{
    return p.x >= rect.left() && p.x <= rect.right() && p.y >= rect.top() && p.y <= rect.bottom();
}

// The stroker's fixed-point steps overflow beyond 2^15 pixels; such devices draw line by line.
constexpr int kRunCoordinateLimit = 32767;
// From this length a horizontal or vertical line of a run is one span for Qt, not its pixels.
constexpr int kSpanLength = 8;

// The pixels of a horizontal or vertical line with its first pixel and without its last, as a
// rectangle one pixel thick: filled, it sets what Qt's line sets, without the stroker's walk.
std::optional<QRect> spanRect(const TPoint &from, const TPoint &to)
{
    if (from.y == to.y && std::abs(to.x - from.x) >= kSpanLength)
        return to.x > from.x ? QRect(QPoint(from.x, from.y), QPoint(to.x - 1, to.y))
                             : QRect(QPoint(to.x + 1, to.y), QPoint(from.x, from.y));
    if (from.x == to.x && std::abs(to.y - from.y) >= kSpanLength)
        return to.y > from.y ? QRect(QPoint(from.x, from.y), QPoint(to.x, to.y - 1))
                             : QRect(QPoint(to.x, to.y + 1), QPoint(from.x, from.y));
    return std::nullopt;
}

} // namespace

PlotDC::PlotDC(TPen *pen, TBrush *brush, TFont *font)
    : m_pen(pen)
    , m_brush(brush)
    , m_font(font)
{
    m_pen->setChangeCount(&m_penGeneration);
    m_brush->setChangeCount(&m_brushGeneration);
}

PlotDC::~PlotDC()
{
    end();
    m_pen->setChangeCount(nullptr);
    m_brush->setChangeCount(nullptr);
}

bool PlotDC::begin(QPaintDevice *device)
{
    end();
    if (!device)
        return false;
    m_ownPainter = std::make_unique<QPainter>();
    if (!m_ownPainter->begin(device)) {
        m_ownPainter.reset();
        return false;
    }
    m_device = device;
    m_painter = m_ownPainter.get();
    m_rasterOps = m_painter->paintEngine()->type() == QPaintEngine::Raster;
    forgetDeviceState();
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    applyAllAgain();
    return true;
}

void PlotDC::attach(QPainter *painter)
{
    end();
    m_painter = painter;
    m_device = painter ? painter->device() : nullptr;
    // Pictures, metafiles, PDF and printers take the pen's colour and drop its raster operation.
    m_rasterOps = painter && painter->paintEngine() && painter->paintEngine()->type() == QPaintEngine::Raster;
    forgetDeviceState();
    if (m_painter)
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    applyAllAgain();
}

void PlotDC::applyAllAgain()
{
    m_painterPen.reset();
    m_appliedPen = 0;
    m_appliedBrush = 0;
    m_appliedBack = 0;
}

void PlotDC::end()
{
    flush();
    if (m_ownPainter && m_ownPainter->isActive())
        m_ownPainter->end();
    m_ownPainter.reset();
    m_painter = nullptr;
    m_device = nullptr;
    m_rasterOps = false;
    forgetDeviceState();
    m_savedClip.reset();
    m_savedHadClip = false;
}

QPainter *PlotDC::painter()
{
    flush();
    forgetDeviceState(); // whoever has the painter may clip or transform it
    return m_painter;
}

QImage *PlotDC::image()
{
    flush();
    return imageDevice();
}

const PlotDC::DeviceState &PlotDC::deviceState() const
{
    // Asking the painter for its clip region and transform costs more than a small primitive: the
    // answers are kept until the clip changes or someone else gets the painter.
    if (m_deviceState.known)
        return m_deviceState;
    DeviceState state;
    state.known = true;
    const QImage *img = imageDevice();
    state.raster = m_painter && img && m_painter->paintEngine()->type() == QPaintEngine::Raster
                   && m_painter->combinedTransform().type() == QTransform::TxNone;
    if (state.raster) {
        state.reach = img->rect() & QRect(0, 0, kRunCoordinateLimit, kRunCoordinateLimit);
        state.rectangularClip = true;
        // The stroker cuts lines to the clip's bounding box, which moves their pixels.
        if (m_painter->hasClipping()) {
            state.reach &= m_painter->clipBoundingRect().toAlignedRect();
            const QRegion clip = m_painter->clipRegion();
            state.rectangularClip = clip.rectCount() == 1;
            if (!state.rectangularClip) {
                state.clipRects.assign(clip.begin(), clip.end());
                for (const QRect &rect : state.clipRects)
                    if (qint64(rect.width()) * rect.height()
                        > qint64(state.largestClipRect.width()) * state.largestClipRect.height())
                        state.largestClipRect = rect;
            }
        }
    }
    m_deviceState = state;
    return m_deviceState;
}

bool PlotDC::paintsRasterImage() const
{
    return deviceState().raster;
}

QRect PlotDC::runReach() const
{
    return deviceState().raster ? deviceState().reach : QRect();
}

QImage *PlotDC::imageDevice() const
{
    if (!m_device || m_device->devType() != QInternal::Image)
        return nullptr;
    return static_cast<QImage *>(m_device);
}

void PlotDC::setBackMode(int value)
{
    if (value == m_backMode)
        return;
    m_backMode = value;
    invalidateBack();
}

void PlotDC::setBackColor(TColor value)
{
    if (value == m_backColor)
        return;
    m_backColor = value;
    invalidateBack();
}

void PlotDC::setCharExtra(int value)
{
    if (value == m_charExtra)
        return;
    m_charExtra = value;
    invalidateFont();
}

void PlotDC::setTemporaryFont(const std::optional<QFont> &font)
{
    if (!font && !m_temporaryFont)
        return;
    m_temporaryFont = font;
    invalidateFont();
}

const QFont &PlotDC::currentFont() const
{
    if (m_fontBuiltFor != m_fontGeneration) {
        m_builtFont = m_temporaryFont ? *m_temporaryFont : m_font->toQFont();
        if (m_charExtra != 0)
            m_builtFont.setLetterSpacing(QFont::AbsoluteSpacing, m_charExtra);
        m_fontBuiltFor = m_fontGeneration;
        ++m_fontBuilds;
    }
    return m_builtFont;
}

const QFontMetrics &PlotDC::metrics() const
{
    const QFont &font = currentFont();
    if (m_metricsBuiltFor != m_fontGeneration || !m_metrics) {
        m_metrics.emplace(font, &const_cast<QImage &>(referenceDevice()));
        m_metricsBuiltFor = m_fontGeneration;
        ++m_metricsBuilds;
    }
    return *m_metrics;
}

void PlotDC::sync()
{
    if (!m_painter)
        return;
    // The font is not the painter's business here: text output sets it where it draws.
    if (m_appliedPen != m_penGeneration) {
        applyPenValues(m_pen->values());
        m_appliedPen = m_penGeneration;
    }
    if (m_appliedBrush != m_brushGeneration) {
        m_painter->setBrush(m_brush->toQBrush());
        m_painter->setBrushOrigin(0, 0);
        m_appliedBrush = m_brushGeneration;
    }
    if (m_appliedBack != m_backGeneration) {
        m_painter->setBackgroundMode(m_backMode == cbmOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
        m_painter->setBackground(PlotColor::toQColor(m_backColor));
        m_appliedBack = m_backGeneration;
    }
}

void PlotDC::setCopyModeOnly(bool value)
{
    if (value == m_copyModeOnly)
        return;
    flush();
    m_copyModeOnly = value;
    m_painterPen.reset(); // its mix mode changes
    invalidatePen();
}

void PlotDC::setXorGround(TColor value)
{
    if (value == m_xorGround)
        return;
    flush();
    m_xorGround = value;
    m_painterPen.reset();
    invalidatePen();
}

PenValues PlotDC::devicePen(const PenValues &pen) const
{
    return m_copyModeOnly || !m_rasterOps ? pen.inCopyMode(m_xorGround) : pen;
}

void PlotDC::applyPenValues(const PenValues &pen)
{
    // A run's pen and a pointer's take turns; the painter keeps the one it was given last.
    if (m_painterPen && *m_painterPen == pen)
        return;
    const PenValues drawn = devicePen(pen);
    m_painter->setPen(drawn.toQPen());
    m_painter->setCompositionMode(drawn.compositionMode());
    m_painterPen = pen;
}

void PlotDC::setLineRuns(bool value)
{
    flush();
    m_lineRuns = value;
}

void PlotDC::setDirectPixels(bool value)
{
    flush();
    m_directPixels = value;
}

void PlotDC::setAntialiasedLines(bool value)
{
    flush();
    m_antialiasedLines = value;
}

bool PlotDC::runCanStart(const TPoint &from, const TPoint &to)
{
    // A polyline on any device: the guard band cuts it when it is drawn.
    m_runStyled = styledPen(m_pen->values());
    if (m_runStyled)
        return true;
    if (!runPen(m_pen->values()))
        return false;
    // Printers, metafiles and transformed painters get real lines, not pixels.
    if (!paintsRasterImage())
        return false;
    const QRect reach = runReach();
    if (!inside(reach, from) || !inside(reach, to))
        return false;
    m_runReach = reach;
    return true;
}

bool PlotDC::addToRun(const TPoint &from, const TPoint &to)
{
    // The pen is compared by value when the line comes: a pen set to another colour and back
    // (a pointer drawn between two lines) leaves the run going.
    const bool extends = m_runActive && from == m_runEnd && m_pen->values() == m_runPen
                         && (m_runStyled || inside(m_runReach, to));
    if (!extends) {
        flush();
        if (!runCanStart(from, to))
            return false;
        m_runActive = true;
        m_runPen = m_pen->values();
        m_runInGuardBand = GuardBand::inside(from);
        if (runIsPolyline())
            m_runPoints.append(QPoint(from.x, from.y));
    }
    if (runIsPolyline()) {
        m_runPoints.append(QPoint(to.x, to.y));
        m_runInGuardBand = m_runInGuardBand && GuardBand::inside(to);
    }
    else if (const std::optional<QRect> span = spanRect(from, to))
        m_runSpans.push_back(*span);
    else
        CosmeticLine::appendPixels(from, to, m_runPixels);
    m_runEnd = to;
    if (m_lineRuns)
        ++m_linesInRuns;
    else
        flush();
    return true;
}

void PlotDC::flush()
{
    if (!m_runActive)
        return;
    m_runActive = false;
    if (m_painter) {
        // Pixels written straight need no pen on the painter: it is set before the next primitive.
        if (!runIsPolyline() && writeRunPixels()) {
            clearRun();
            return;
        }
        if (m_pen->values() == m_runPen) {
            sync();
        } else {
            applyPenValues(m_runPen);
            m_appliedPen = 0; // the current pen goes on the painter before the next primitive
        }
        if (m_runPen.handle.kind == PenHandle::SmallDots) {
            smallDotsPolyline(m_runPoints);
        } else if (runIsPolyline()) {
            // Joints of an anti-aliased polyline are blended once, not once per line.
            if (m_antialiasedLines)
                m_painter->setRenderHint(QPainter::Antialiasing, true);
            if (m_runInGuardBand)
                m_painter->drawPolyline(m_runPoints);
            else
                drawPolyline(QPolygonF(m_runPoints));
            if (m_antialiasedLines)
                m_painter->setRenderHint(QPainter::Antialiasing, false);
        } else {
            // The exact pixels of the run's lines, each with its first pixel and without its last.
            // Qt's polyline would join lines with pixels of its own (drop-out control at turns).
            // One pen sets them all, so the order does not change the picture, in any mix mode.
            m_painter->drawPoints(m_runPixels.data(), int(m_runPixels.size()));
            const QBrush penBrush = m_painter->pen().brush();
            for (const QRect &span : m_runSpans)
                m_painter->fillRect(span, penBrush);
        }
    }
    clearRun();
}

void PlotDC::clearRun()
{
    m_runPixels.clear();
    m_runSpans.clear();
    m_runPoints.clear();
}

std::optional<QRgb> PlotDC::directPenColour(const PenValues &pen) const
{
    // What toQPen makes a solid cosmetic line of, in a mode that replaces the pixels.
    if (pen.handle.kind == PenHandle::SmallDots || pen.width > 1 || (pen.style != psSolid && pen.style != psInsideFrame))
        return std::nullopt;
    const PenValues drawn = devicePen(pen);
    const QPainter::CompositionMode mode = drawn.compositionMode();
    if (mode != QPainter::CompositionMode_SourceOver && mode != QPainter::CompositionMode_Source)
        return std::nullopt;
    return PlotColor::toQRgb(drawn.color);
}

bool PlotDC::reachHolds(const QRect &box) const
{
    const DeviceState &state = deviceState();
    if (!state.reach.contains(box))
        return false;
    if (state.rectangularClip)
        return true;
    if (state.largestClipRect.contains(box))
        return true;
    // The clip's rectangles come in bands from top to bottom: only the band of the box's top
    // row can hold it.
    auto rect = std::lower_bound(state.clipRects.begin(), state.clipRects.end(), box.top(),
                                 [](const QRect &r, int top) { return r.bottom() < top; });
    for (; rect != state.clipRects.end() && rect->top() <= box.top(); ++rect)
        if (rect->contains(box))
            return true;
    return false;
}

QImage *PlotDC::directImage(bool anyClip) const
{
    // An opaque solid colour replacing the pixels of a plain 32-bit image, without opacity, under
    // at most a rectangular clip sets exactly that colour there: the pixels may be written as
    // they are, without Qt's per-span blending. The pen's mode is the caller's business.
    QImage *img = imageDevice();
    if (!m_directPixels || !img || img->devicePixelRatio() != 1.0
        || (img->format() != QImage::Format_RGB32 && img->format() != QImage::Format_ARGB32_Premultiplied))
        return nullptr;
    // Qt copies an image taken while it is painted; should it ever be shared all the same, bits()
    // would copy it and the painter would go on drawing into the old pixels.
    if (!img->isDetached())
        return nullptr;
    if (m_painter->opacity() != 1.0 || m_painter->testRenderHint(QPainter::Antialiasing))
        return nullptr;
    const DeviceState &state = deviceState();
    return state.raster && (state.rectangularClip || anyClip) ? img : nullptr;
}

bool PlotDC::writeRunPixels()
{
    // Qt maps every point through the transform and blends it as a span of its own, and fills a
    // vertical line row by row: most of a long curve's time, and of a grid's. The run stays inside
    // the clip.
    const std::optional<QRgb> colour = directPenColour(m_runPen);
    QImage *img = !colour || (m_runPixels.empty() && m_runSpans.empty()) ? nullptr : directImage();
    if (!img)
        return false;
    uchar *const bits = img->bits();
    const qsizetype stride = img->bytesPerLine();
    for (const QPoint &p : m_runPixels)
        reinterpret_cast<QRgb *>(bits + p.y() * stride)[p.x()] = *colour;
    for (const QRect &span : m_runSpans)
        for (int y = span.top(); y <= span.bottom(); ++y) {
            QRgb *const line = reinterpret_cast<QRgb *>(bits + y * stride);
            std::fill(line + span.left(), line + span.right() + 1, *colour);
        }
    ++m_runsWritten;
    return true;
}

bool PlotDC::writeRectanglePixels(const QRect &box)
{
    // Qt's outline of the box with a thin pen covers its columns left..right + 1 and rows
    // top..bottom + 1, over the brush's fill: a border in the pen's colour around the brush's.
    // Written here in one pass, what Qt needs a fill and a stroke for (many small pointers). The
    // colours come from the device context's own pen and brush: the painter gets them only when
    // it draws.
    if (box.width() < 1 || box.height() < 1)
        return false;
    const std::optional<QRgb> penColour = directPenColour(m_pen->values());
    const BrushValues &brush = m_brush->values();
    if (!penColour || !brush.bitmap.isNull() || (brush.style != bsSolid && brush.style != bsClear))
        return false;
    const bool filled = brush.style == bsSolid;
    QImage *img = directImage();
    if (!img)
        return false;
    const QRect outline(box.topLeft(), QSize(box.width() + 1, box.height() + 1));
    const QRect reach = deviceState().reach;
    // Qt's stroke of an outline cut by the clip or the image's edge moves pixels at the cut.
    if (!reach.contains(outline))
        return false;
    const QRgb brushColour = filled ? PlotColor::toQRgb(brush.color) : 0;
    uchar *const bits = img->bits();
    const qsizetype stride = img->bytesPerLine();
    for (int y = outline.top(); y <= outline.bottom(); ++y) {
        QRgb *const line = reinterpret_cast<QRgb *>(bits + y * stride);
        if (y == outline.top() || y == outline.bottom()) {
            std::fill(line + outline.left(), line + outline.right() + 1, *penColour);
            continue;
        }
        if (filled)
            std::fill(line + outline.left() + 1, line + outline.right(), brushColour);
        line[outline.left()] = *penColour;
        line[outline.right()] = *penColour;
    }
    ++m_rectanglesWritten;
    return true;
}

void PlotDC::smallDotsPolyline(const QPolygon &points)
{
    // The dots run on from line to line, as along one line.
    int phase = 0;
    for (qsizetype i = 1; i < points.size(); ++i)
        phase = smallDotsLine({points[i - 1].x(), points[i - 1].y()}, {points[i].x(), points[i].y()}, phase);
}

int PlotDC::smallDotsLine(const TPoint &lineFrom, const TPoint &lineTo, int phase)
{
    const int spacing = m_pen->handle().spacing;
    const int period = spacing >= 1 ? spacing + 1 : 2;
    // Each step of the walk advances the longer axis by one pixel; the next line goes on from there.
    const std::int64_t steps = std::max(std::abs(std::int64_t(lineTo.x) - lineFrom.x),
                                        std::abs(std::int64_t(lineTo.y) - lineFrom.y));
    const int nextPhase = int((phase + steps) % period);
    // The walk below visits every pixel: a line to a point far off the picture (a zoomed series)
    // would take billions of steps. Far ends are cut back, keeping the phase of the dots.
    TPoint from = lineFrom;
    TPoint to = lineTo;
    std::int64_t skipped = 0;
    if (!GuardBand::inside(from) || !GuardBand::inside(to)) {
        double x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
        if (!GuardBand::clipSegment(x0, y0, x1, y1))
            return nextPhase;
        from = {plotRound(x0), plotRound(y0)};
        to = {plotRound(x1), plotRound(y1)};
        skipped = std::max(std::abs(std::int64_t(from.x) - lineFrom.x),
                           std::abs(std::int64_t(from.y) - lineFrom.y));
    }
    // Bresenham from the first point, last point excluded; the phase starts at the first point.
    int x = from.x;
    int y = from.y;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    std::vector<QPoint> dots;
    for (std::int64_t k = phase + skipped; !(x == to.x && y == to.y); ++k) {
        if (k % period == 0)
            dots.emplace_back(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    if (!dots.empty())
        m_painter->drawPoints(dots.data(), int(dots.size()));
    return nextPhase;
}

void PlotDC::lineTo(int x, int y)
{
    const TPoint from = m_position;
    m_position = {x, y};
    if (!m_painter || addToRun(from, m_position))
        return;
    sync();
    if (m_painter->pen().style() == Qt::NoPen)
        return;
    if (m_antialiasedLines)
        m_painter->setRenderHint(QPainter::Antialiasing, true);
    if (GuardBand::inside(from) && GuardBand::inside(m_position)) {
        m_painter->drawLine(from.x, from.y, x, y);
    } else {
        double x0 = from.x, y0 = from.y, x1 = x, y1 = y;
        if (GuardBand::clipSegment(x0, y0, x1, y1))
            m_painter->drawLine(plotRound(x0), plotRound(y0), plotRound(x1), plotRound(y1));
    }
    if (m_antialiasedLines)
        m_painter->setRenderHint(QPainter::Antialiasing, false);
}

void PlotDC::polyline(const TPoint *points, int count)
{
    if (!m_painter || count < 2)
        return;
    flush();
    sync();
    if (m_pen->handle().kind == TPen::Handle::SmallDots) {
        int phase = 0;
        for (int i = 1; i < count; ++i)
            phase = smallDotsLine(points[i - 1], points[i], phase);
        return;
    }
    if (m_antialiasedLines)
        m_painter->setRenderHint(QPainter::Antialiasing, true);
    if (GuardBand::allInside(points, count))
        m_painter->drawPolyline(PlotGeometry::ToPolygon(points, count));
    else
        drawPolyline(PlotGeometry::ToPolygonF(points, count));
    if (m_antialiasedLines)
        m_painter->setRenderHint(QPainter::Antialiasing, false);
}

void PlotDC::polygon(const TPoint *points, int count)
{
    if (!m_painter || count < 2)
        return;
    flush();
    if (writePolygonPixels(points, count))
        return;
    sync();
    if (GuardBand::allInside(points, count))
        m_painter->drawPolygon(PlotGeometry::ToPolygon(points, count), Qt::OddEvenFill);
    else
        drawPolygon(PlotGeometry::ToPolygonF(points, count));
}

bool PlotDC::writePolygonPixels(const TPoint *points, int count)
{
    // Qt fills a small polygon and strokes its outline through its outline mapper, scan converter
    // and stroker, each set up anew per polygon (the faces of a 3D line, one per point): the same
    // pixels are set here from their fixed-point steps, where nothing cuts the polygon.
    if (count < 3 || count > PolygonFill::kMaxCorners)
        return false;
    const PenValues &pen = m_pen->values();
    const bool outlined = pen.style != psClear || pen.handle.kind == PenHandle::SmallDots;
    const std::optional<QRgb> penColour = directPenColour(pen);
    const BrushValues &brush = m_brush->values();
    const bool filled = brush.style != bsClear || !brush.bitmap.isNull();
    if ((outlined && !penColour) || (filled && (brush.style != bsSolid || !brush.bitmap.isNull())) || (!outlined && !filled))
        return false;
    std::array<QPoint, PolygonFill::kMaxCorners> corners;
    for (int i = 0; i < count; ++i) {
        corners[std::size_t(i)] = QPoint(points[i].x, points[i].y);
        if (points[i] == points[(i + 1) % count])
            return false; // the stroker's start rules for empty edges are its own
    }
    QImage *img = directImage(true);
    if (!img)
        return false;
    // The outline reaches the corners' far sides, so they stay inside.
    QPoint least = corners[0];
    QPoint most = corners[0];
    for (int i = 1; i < count; ++i) {
        const QPoint &c = corners[std::size_t(i)];
        least = {std::min(least.x(), c.x()), std::min(least.y(), c.y())};
        most = {std::max(most.x(), c.x()), std::max(most.y(), c.y())};
    }
    const QRect box(least, most);
    if (!reachHolds(box))
        return false;
    uchar *const bits = img->bits();
    const qsizetype stride = img->bytesPerLine();
    if (filled) {
        const QRgb colour = PlotColor::toQRgb(brush.color);
        PolygonFill::forEachSpan(corners.data(), count, [&](int y, int left, int right) {
            QRgb *const line = reinterpret_cast<QRgb *>(bits + y * stride);
            std::fill(line + left, line + right, colour);
        });
    }
    if (outlined) {
        m_outlinePixels.clear();
        CosmeticLine::appendClosedOutline(corners.data(), count, m_outlinePixels);
        for (const QPoint &p : m_outlinePixels)
            reinterpret_cast<QRgb *>(bits + p.y() * stride)[p.x()] = *penColour;
    }
    ++m_polygonsWritten;
    return true;
}

void PlotDC::drawPolygon(const QPolygonF &polygon)
{
    const QPolygon clipped = GuardBand::clipPolygon(polygon);
    if (clipped.size() >= 2)
        m_painter->drawPolygon(clipped, Qt::OddEvenFill);
}

void PlotDC::drawPolyline(const QPolygonF &polyline)
{
    for (const QPolygon &run : GuardBand::clipPolyline(polyline))
        m_painter->drawPolyline(run);
}

void PlotDC::rectangle(int left, int top, int right, int bottom)
{
    if (!m_painter)
        return;
    flush();
    // Cut to the square: the outline of a cut side lies far off any picture.
    const QRect inner = gdiBox(GuardBand::clamp(left), GuardBand::clamp(top), GuardBand::clamp(right),
                               GuardBand::clamp(bottom));
    // The outline covers columns left..right-1 and rows top..bottom-1.
    if (writeRectanglePixels(inner))
        return;
    sync();
    if (m_painter->pen().style() == Qt::NoPen) {
        // A clear pen fills one pixel less on the right and bottom.
        if (inner.width() > 0 && inner.height() > 0)
            m_painter->fillRect(inner, m_painter->brush());
        return;
    }
    m_painter->drawRect(inner);
}

void PlotDC::ellipse(int left, int top, int right, int bottom)
{
    if (!m_painter)
        return;
    flush();
    sync();
    const QRect box = gdiBox(left, top, right, bottom);
    if (GuardBand::boxInside(left, top, right, bottom))
        m_painter->drawEllipse(box);
    else
        drawPolygon(GuardBand::ellipsePoints(QRectF(box), 0.0, 360.0));
}

void PlotDC::roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    if (!m_painter)
        return;
    flush();
    sync();
    const QRect box = gdiBox(left, top, right, bottom);
    if (GuardBand::boxInside(left, top, right, bottom)) {
        m_painter->drawRoundedRect(box, cornerWidth / 2.0, cornerHeight / 2.0, Qt::AbsoluteSize);
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(box), cornerWidth / 2.0, cornerHeight / 2.0, Qt::AbsoluteSize);
    drawPolygon(path.toFillPolygon());
}

void PlotDC::arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    if (!m_painter)
        return;
    flush();
    sync();
    const EllipseSweep sweep = ellipseSweep(left, top, right, bottom, startX, startY, endX, endY);
    if (!GuardBand::boxInside(left, top, right, bottom)) {
        drawPolyline(GuardBand::ellipsePoints(sweep.box, sweep.startDegrees, sweep.spanDegrees));
        return;
    }
    QPainterPath path;
    path.arcMoveTo(sweep.box, sweep.startDegrees);
    path.arcTo(sweep.box, sweep.startDegrees, sweep.spanDegrees);
    m_painter->strokePath(path, m_painter->pen());
}

void PlotDC::pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    if (!m_painter)
        return;
    flush();
    sync();
    const EllipseSweep sweep = ellipseSweep(left, top, right, bottom, startX, startY, endX, endY);
    if (!GuardBand::boxInside(left, top, right, bottom)) {
        QPolygonF points = GuardBand::ellipsePoints(sweep.box, sweep.startDegrees, sweep.spanDegrees);
        points << sweep.box.center();
        drawPolygon(points);
        return;
    }
    QPainterPath path;
    path.moveTo(sweep.box.center());
    path.arcTo(sweep.box, sweep.startDegrees, sweep.spanDegrees);
    path.closeSubpath();
    m_painter->drawPath(path);
}

void PlotDC::fillPath(const QPainterPath &path)
{
    if (!m_painter)
        return;
    flush();
    sync();
    m_painter->drawPath(path);
}

void PlotDC::fillRect(int left, int top, int right, int bottom)
{
    if (!m_painter || right <= left || bottom <= top)
        return;
    flush();
    sync();
    left = GuardBand::clamp(left);
    top = GuardBand::clamp(top);
    right = GuardBand::clamp(right);
    bottom = GuardBand::clamp(bottom);
    // A pattern copy: the pen's mix mode does not apply to it, as it does to outlined shapes.
    const QPainter::CompositionMode mode = m_painter->compositionMode();
    if (mode != QPainter::CompositionMode_SourceOver)
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->fillRect(QRect(left, top, right - left, bottom - top), m_painter->brush());
    if (mode != QPainter::CompositionMode_SourceOver)
        m_painter->setCompositionMode(mode);
}

void PlotDC::setPixel(int x, int y, TColor color)
{
    if (!m_painter)
        return;
    flush();
    sync();
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen pen(PlotColor::toQColor(color), 0);
    pen.setCosmetic(true);
    m_painter->setPen(pen);
    m_painter->drawPoint(x, y);
    m_painter->restore();
}

TColor PlotDC::pixel(int x, int y)
{
    const QImage *img = image();
    if (!img || !img->valid(x, y))
        return 0xFFFFFFFFu; // the platform's invalid colour
    return PlotColor::fromQRgb(img->pixel(x, y));
}

int PlotDC::textWidth(const QString &text) const
{
    constexpr qsizetype kMaxCachedWidths = 4096;
    constexpr std::size_t kMaxCachedFonts = 16;
    if (m_widthsFor != m_fontGeneration || !m_widths) {
        const QFont &font = currentFont();
        auto it = m_widthsByFont.find(font);
        if (it == m_widthsByFont.end()) {
            if (m_widthsByFont.size() >= kMaxCachedFonts)
                m_widthsByFont.clear();
            it = m_widthsByFont.emplace(font, QHash<QString, int>{}).first;
        }
        m_widths = &it->second;
        m_widthsFor = m_fontGeneration;
    }
    if (const auto it = m_widths->constFind(text); it != m_widths->constEnd())
        return *it;
    if (m_widths->size() >= kMaxCachedWidths)
        m_widths->clear();
    const int width = metrics().horizontalAdvance(text);
    m_widths->insert(text, width);
    return width;
}

int PlotDC::textHeight(const QString &text) const
{
    Q_UNUSED(text);
    return metrics().height();
}

int PlotDC::ascent() const
{
    return metrics().ascent();
}

int PlotDC::descent() const
{
    return metrics().descent();
}

void PlotDC::textOut(int x, int y, const QString &text)
{
    if (!m_painter)
        return;
    flush();
    sync();
    const QFont &font = currentFont();
    const QFontMetrics &fm = metrics();
    // Labels are measured for the layout before they are drawn: the width is known by then.
    const int w = textWidth(text);
    const int horizontal = m_textAlign & TA_CENTER;
    const int vertical = m_textAlign & TA_BASELINE;
    int dx = 0;
    if (horizontal == TA_CENTER)
        dx = -(w / 2);
    else if (horizontal == TA_RIGHT)
        dx = -w;
    int baseline = fm.ascent();
    if (vertical == TA_BASELINE)
        baseline = 0;
    else if (vertical == TA_BOTTOM)
        baseline = -fm.descent();
    // Untransformed raster images only (asked before the label's own translation): printers and
    // vector files keep the text itself, not its glyphs.
    const bool fromGlyphRuns = m_shapedTexts && m_textAngle == 0.0 && paintsRasterImage()
                               && ShapedTextCache::applies(text);
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->translate(x, y);
    if (m_textAngle != 0.0)
        m_painter->rotate(-m_textAngle);
    if (m_backMode == cbmOpaque)
        m_painter->fillRect(QRect(dx, baseline - fm.ascent(), w, fm.ascent() + fm.descent()),
                            PlotColor::toQColor(m_backColor));
    m_painter->setFont(font);
    m_painter->setPen(PlotColor::toQColor(m_textColor));
    if (fromGlyphRuns) {
        // Drawn at the device position under no transform: the painter's own text placement
        // for an unrotated label, pixel for pixel.
        const QPointF at = m_painter->transform().map(QPointF(dx, baseline));
        m_painter->resetTransform();
        for (const QGlyphRun &run : m_shapedTextCache.runs(font, m_painter->device(), text))
            m_painter->drawGlyphRun(at, run);
    } else {
        m_painter->drawText(QPoint(dx, baseline), text);
    }
    m_painter->restore();
}

void PlotDC::drawImage(int x, int y, const QImage &image)
{
    if (!m_painter)
        return;
    flush();
    sync();
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->drawImage(x, y, image);
    m_painter->restore();
}

void PlotDC::putImage(int x, int y, const QImage &image)
{
    if (!m_painter)
        return;
    flush();
    m_painter->save();
    m_painter->setClipping(false);
    m_painter->setCompositionMode(QPainter::CompositionMode_Source);
    m_painter->drawImage(x, y, image);
    m_painter->restore();
}

void PlotDC::stretchImage(const TRect &rect, const QImage &image)
{
    if (!m_painter)
        return;
    flush();
    sync();
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->drawImage(QRect(rect.left, rect.top, rect.width(), rect.height()), image);
    m_painter->restore();
}

QRegion PlotDC::ellipseRegion(int left, int top, int width, int height) const
{
    constexpr int kExactSize = 4096;
    if (!m_painter || width <= 0 || height <= 0 || (width <= kExactSize && height <= kExactSize))
        return QRegion(left, top, width, height, QRegion::Ellipse);
    const QRectF reach = m_painter->combinedTransform().inverted().mapRect(
        QRectF(0, 0, m_device->width(), m_device->height()));
    const QPolygonF outline = GuardBand::ellipsePoints(QRectF(left, top, width, height), 0.0, 360.0);
    return QRegion(GuardBand::clipPolygon(outline, reach.adjusted(-1, -1, 1, 1)), Qt::OddEvenFill);
}

QRegion PlotDC::polygonRegion(const QPolygonF &polygon, Qt::FillRule rule) const
{
    // Within this margin around the device the polygon is taken as it is, so that ordinary
    // clips keep their exact edges.
    constexpr double kMarginPx = 4096.0;
    QRectF reach(-GuardBand::kReach, -GuardBand::kReach, 2.0 * GuardBand::kReach, 2.0 * GuardBand::kReach);
    if (m_painter)
        reach = m_painter->combinedTransform().inverted().mapRect(QRectF(0, 0, m_device->width(), m_device->height()));
    const QRectF box = reach.adjusted(-kMarginPx, -kMarginPx, kMarginPx, kMarginPx);
    const QRectF bounds = polygon.boundingRect();
    if (box.contains(bounds))
        return QRegion(polygon.toPolygon(), rule);
    return QRegion(GuardBand::clipPolygon(polygon, box), rule);
}

QRegion PlotDC::rectRegion(int left, int top, int right, int bottom)
{
    left = GuardBand::clamp(left);
    top = GuardBand::clamp(top);
    right = GuardBand::clamp(right);
    bottom = GuardBand::clamp(bottom);
    return QRegion(left, top, right - left, bottom - top);
}

void PlotDC::intersectClip(const QRegion &region)
{
    if (!m_painter)
        return;
    flush();
    m_savedHadClip = m_painter->hasClipping();
    m_savedClip = m_painter->clipRegion();
    m_painter->setClipRegion(region, m_savedHadClip ? Qt::IntersectClip : Qt::ReplaceClip);
    forgetDeviceState();
}

void PlotDC::excludeClip(const QRegion &region)
{
    if (!m_painter)
        return;
    flush();
    const QRegion current = m_painter->hasClipping()
                                ? m_painter->clipRegion()
                                : QRegion(0, 0, m_device->width(), m_device->height());
    m_painter->setClipRegion(current.subtracted(region));
    forgetDeviceState();
}

void PlotDC::unclip()
{
    if (!m_painter)
        return;
    flush();
    if (m_savedClip && m_savedHadClip)
        m_painter->setClipRegion(*m_savedClip);
    else
        m_painter->setClipping(false);
    m_savedClip.reset();
    m_savedHadClip = false;
    forgetDeviceState();
}

bool PlotDC::hasClip() const
{
    return m_painter && m_painter->hasClipping();
}
