// Device-context state over a QPainter: position, text alignment, back mode, clip slot and lazy pen/brush/font.
#pragma once

#include "PlotTypes.h"
#include "ShapedTextCache.h"
#include "TPen.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLine>
#include <QPainterPath>
#include <QPolygon>
#include <QPolygonF>
#include <QRect>
#include <QRegion>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;
class TBrush;
class TFont;

class PlotDC
{
public:
    PlotDC(TPen *pen, TBrush *brush, TFont *font);
    ~PlotDC();
    PlotDC(const PlotDC &) = delete;
    PlotDC &operator=(const PlotDC &) = delete;

    // Begins a painter of our own on the device; false when the device cannot be painted.
    bool begin(QPaintDevice *device);
    // Uses a painter someone else began (a widget's paint event, a printer job).
    void attach(QPainter *painter);
    void end();
    bool isActive() const { return m_painter != nullptr; }
    // The painter drawing now, or none between passes: the canvas's device context. Whoever asks
    // for it may draw or read through it, so the pending lines reach the device first.
    QPainter *painter();
    QPaintDevice *device() const { return m_device; }
    // The image under the painter, when it paints on one (reading pixels, blending); pending
    // lines are drawn first.
    QImage *image();
    // Whether the painter sets the pixels of an image with Qt's raster engine, untransformed: the
    // lines of a run then land pixel for pixel (printers and recordings get real lines).
    bool paintsRasterImage() const;
    // The rectangle lines must stay inside, ends included, to be drawn in a run pixel for pixel:
    // the image under the clip. Empty when nothing is painted on an image.
    QRect runReach() const;

    // Thin solid lines on an image are set pixel by pixel with the platform's rule: a line sets its
    // first pixel and leaves out its last, whichever way it goes. Consecutive lineTo calls with
    // one such pen are collected into a run and drawn at once, before anything else reaches or
    // reads the device; the picture is the same as line by line. Consecutive lines of a dashed or
    // dotted pen (small dots included) are collected too, on any device, and drawn as one
    // polyline: the pattern runs on from line to line.
    void flush();
    // Off draws every lineTo at once, as a reference for the run.
    void setLineRuns(bool value);
    // Off hands every run and rectangle to the painter, as a reference for the pixels written
    // straight into an image.
    void setDirectPixels(bool value);
    // Off shapes every text as it is drawn, as a reference for the glyph runs kept per font.
    void setShapedTexts(bool value) { m_shapedTexts = value; }
    int textShapings() const { return m_shapedTextCache.shapings(); }
    // Lines (lineTo and polylines) anti-aliased; other primitives and text are not affected.
    void setAntialiasedLines(bool value);
    bool antialiasedLines() const { return m_antialiasedLines; }

    // Something about the pen, the brush or the font changed: only that is applied again before
    // the next primitive, and only a font change rebuilds the font and its metrics.
    void invalidatePen() { ++m_penGeneration; }
    void invalidateBrush() { ++m_brushGeneration; }
    void invalidateFont() { ++m_fontGeneration; }

    int textAlign() const { return m_textAlign; }
    void setTextAlign(int value) { m_textAlign = value; }
    int backMode() const { return m_backMode; }
    void setBackMode(int value);
    TColor backColor() const { return m_backColor; }
    void setBackColor(TColor value);
    TColor textColor() const { return m_textColor; }
    void setTextColor(TColor value) { m_textColor = value; }
    // Metafiles and printers know no raster operations: while set, and on every device that is not
    // painted by Qt's raster engine, a pen draws in copy mode, in the colour its mode leaves on
    // the xor ground (see TPen::colourOver).
    void setCopyModeOnly(bool value);
    void setXorGround(TColor value);
    int charExtra() const { return m_charExtra; }
    void setCharExtra(int value);
    // Overrides the font of the next text primitives (rotated and zoomed text).
    void setTemporaryFont(const std::optional<QFont> &font);
    // Counter-clockwise angle of text output in degrees (rotated labels).
    void setTextAngle(double degrees) { m_textAngle = degrees; }
    double textAngle() const { return m_textAngle; }
    // The font of the next text, built once per font change.
    const QFont &currentFont() const;

    TPoint currentPosition() const { return m_position; }
    void moveTo(int x, int y) { m_position = {x, y}; }
    void lineTo(int x, int y);
    void polyline(const TPoint *points, int count);
    void polygon(const TPoint *points, int count);
    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    void pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    void fillPath(const QPainterPath &path);
    // Fills exactly [left, right) x [top, bottom) with the current brush.
    void fillRect(int left, int top, int right, int bottom);
    void setPixel(int x, int y, TColor color);
    TColor pixel(int x, int y);
    void textOut(int x, int y, const QString &text);
    void drawImage(int x, int y, const QImage &image);
    // Writes pixels as they are, without clip or mix (blending results).
    void putImage(int x, int y, const QImage &image);
    void stretchImage(const TRect &rect, const QImage &image);

    // The ellipse in the box as a region. QRegion's own ellipse comes out empty beyond 2^16 pixels
    // and is slow long before: a big one is a polygon, cut to what the painter reaches.
    QRegion ellipseRegion(int left, int top, int width, int height) const;
    // A polygon as a region. A region is made scan line by scan line and projected points may lie
    // a billion pixels away: a polygon reaching far beyond the device is cut to it first.
    QRegion polygonRegion(const QPolygonF &polygon, Qt::FillRule rule) const;
    // The rectangle as a region, its sides cut to the guard band (its width must not overflow).
    static QRegion rectRegion(int left, int top, int right, int bottom);
    // One saved slot per device context: a second clip before unclip replaces it.
    void intersectClip(const QRegion &region);
    void excludeClip(const QRegion &region);
    void unclip();
    bool hasClip() const;

    // Text cell offset of the baseline and width for the current font.
    int textWidth(const QString &text) const;
    int textHeight(const QString &text) const;
    int ascent() const;
    int descent() const;

    // How many fonts and metrics objects were built (the caches' misses), for tests.
    int fontBuilds() const { return m_fontBuilds; }
    int metricsBuilds() const { return m_metricsBuilds; }
    // How many lines went into runs, for tests.
    int linesInRuns() const { return m_linesInRuns; }
    // How many runs were written straight into the image, for tests.
    int runsWritten() const { return m_runsWritten; }
    // How many rectangles were written straight into the image, for tests.
    int rectanglesWritten() const { return m_rectanglesWritten; }
    // How many polygons were written straight into the image, for tests.
    int polygonsWritten() const { return m_polygonsWritten; }

private:
    QImage *imageDevice() const;
    // What the painter's engine, transform and clip allow, noted until they may change.
    struct DeviceState
    {
        bool known = false;
        bool raster = false; // Qt's raster engine on an image, untransformed
        bool rectangularClip = false; // no clip, or one rectangle
        QRect reach;
        // The painter's clip when it is more than one rectangle, its largest first.
        std::vector<QRect> clipRects;
        QRect largestClipRect;
    };
    // Whether the box lies wholly inside the image and inside one rectangle of the clip, where
    // the painter sets every pixel it draws there.
    bool reachHolds(const QRect &box) const;
    const DeviceState &deviceState() const;
    void forgetDeviceState() { m_deviceState.known = false; }
    // Starts or extends the run with the line; false when the line must be drawn on its own.
    bool addToRun(const TPoint &from, const TPoint &to);
    bool runCanStart(const TPoint &from, const TPoint &to);
    // Whether the pending run is drawn as a polyline of its points rather than as pixels.
    bool runIsPolyline() const { return m_antialiasedLines || m_runStyled; }
    // Writes the run's pixels into the image's scan lines where that gives the painter's picture;
    // false when the painter must draw them.
    bool writeRunPixels();
    // The image pixels may be written straight into, or none; under a clip of more rectangles
    // only when the caller's box is held by one of them (see reachHolds).
    QImage *directImage(bool anyClip = false) const;
    // The colour a pen sets on such an image, when it is a thin solid line replacing the pixels.
    std::optional<QRgb> directPenColour(const PenValues &pen) const;
    void clearRun();
    // Writes a thin-pen rectangle's outline and solid fill into the image where that gives the
    // painter's picture; false when the painter must draw it.
    bool writeRectanglePixels(const QRect &box);
    // The same for a small polygon's odd-even fill and outline.
    bool writePolygonPixels(const TPoint *points, int count);
    void applyPenValues(const PenValues &pen);
    // The pen as the device draws it: itself, or its copy-mode form where raster operations fail.
    PenValues devicePen(const PenValues &pen) const;
    void sync();
    void invalidateBack() { ++m_backGeneration; }
    void applyAllAgain();
    // Metrics of the current font on the 96-dpi reference image, built once per font change.
    const QFontMetrics &metrics() const;
    // Dots along the line from the phase (pixels into the dot period) on; gives the phase its end
    // leaves for a line going on from there.
    int smallDotsLine(const TPoint &from, const TPoint &to, int phase = 0);
    void smallDotsPolyline(const QPolygon &points);
    // Closed and open outlines in any coordinates, cut to the guard square first.
    void drawPolygon(const QPolygonF &polygon);
    void drawPolyline(const QPolygonF &polyline);

    TPen *m_pen;
    TBrush *m_brush;
    TFont *m_font;
    QPaintDevice *m_device = nullptr;
    QPainter *m_painter = nullptr;
    std::unique_ptr<QPainter> m_ownPainter;
    // Each counter starts at 1 and only grows; 0 means "not applied to this painter yet".
    quint64 m_penGeneration = 1;
    quint64 m_brushGeneration = 1;
    quint64 m_fontGeneration = 1;
    quint64 m_backGeneration = 1;
    quint64 m_appliedPen = 0;
    quint64 m_appliedBrush = 0;
    quint64 m_appliedBack = 0;
    // The pen the painter holds, when the device context set it.
    std::optional<PenValues> m_painterPen;
    mutable quint64 m_fontBuiltFor = 0;
    mutable quint64 m_metricsBuiltFor = 0;
    mutable QFont m_builtFont;
    mutable std::optional<QFontMetrics> m_metrics;
    // Widths of measured texts, per font: shaping costs microseconds, and axis labels and legend
    // texts are measured again and again, in fonts a redraw switches between.
    mutable std::map<QFont, QHash<QString, int>> m_widthsByFont;
    mutable QHash<QString, int> *m_widths = nullptr;
    mutable quint64 m_widthsFor = 0;
    mutable int m_fontBuilds = 0;
    mutable int m_metricsBuilds = 0;
    int m_linesInRuns = 0;
    int m_runsWritten = 0;
    int m_rectanglesWritten = 0;
    int m_polygonsWritten = 0;
    std::vector<QPoint> m_outlinePixels;
    mutable DeviceState m_deviceState;
    TPoint m_position;
    int m_textAlign = 0;
    int m_backMode = cbmOpaque;
    TColor m_backColor = clWhite;
    TColor m_textColor = clBlack;
    int m_charExtra = 0;
    bool m_copyModeOnly = false;
    bool m_rasterOps = false; // the painter's engine mixes with the pixels under it
    TColor m_xorGround = clWhite;
    std::optional<QFont> m_temporaryFont;
    double m_textAngle = 0.0;
    std::optional<QRegion> m_savedClip;
    bool m_savedHadClip = false;
    // The pending run: its pen by value, the pixels of its lines and its long horizontal and
    // vertical lines (or its points when anti-aliased or dashed), and the device rectangle its lines must
    // stay inside to be drawn pixel for pixel.
    bool m_lineRuns = true;
    bool m_directPixels = true;
    bool m_shapedTexts = true;
    ShapedTextCache m_shapedTextCache;
    bool m_antialiasedLines = false;
    bool m_runActive = false;
    bool m_runStyled = false; // the run's pen has a dash pattern
    bool m_runInGuardBand = true; // every point of the run lies within the guard band
    PenValues m_runPen;
    TPoint m_runEnd;
    QRect m_runReach;
    std::vector<QPoint> m_runPixels;
    std::vector<QRect> m_runSpans;
    QPolygon m_runPoints;
};
