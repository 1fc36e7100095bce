// The abstract 2D drawing object every chart element draws through.
#pragma once

#include "GuiCanvas.h"
#include "PlotTypes.h"
#include "TPlotBlend.h"
#include "TPlotFont.h"

#include <QPointer>
#include <QString>

#include <memory>

class QImage;
class QPainter;
class TBrush;
class TChartBrush;
class TFont;
class TPen;

class TPlotCanvas
{
public:
    TPlotCanvas();
    virtual ~TPlotCanvas();
    TPlotCanvas(const TPlotCanvas &) = delete;
    TPlotCanvas &operator=(const TPlotCanvas &) = delete;

    virtual TColor GetBackColor() const = 0;
    virtual int GetBackMode() const = 0;
    // The device context drawn on: the active painter, none between passes.
    virtual QPainter *GetHandle() const = 0;
    virtual bool GetMonochrome() const = 0;
    virtual TColor GetPixel(int x, int y) const = 0;
    virtual bool IsNonGdiCanvas() const = 0;
    virtual int GetTextAlign() const = 0;
    virtual bool GetBuffered() const = 0;
    virtual void SetBackColor(TColor color) = 0;
    virtual void SetBackMode(int mode) = 0;
    virtual void SetMonochrome(bool value) = 0;
    virtual void SetPixel(int x, int y, TColor color) = 0;
    virtual void SetTextAlign(int align) = 0;
    virtual void SetBuffered(bool value) = 0;
    virtual void AssignVisiblePenColor(const TPen &pen, TColor color);
    virtual std::unique_ptr<TPlotBlend> BeginBlending(const TRect &rect, int transparency);
    virtual void EndBlending(std::unique_ptr<TPlotBlend> blend);
    virtual void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) = 0;
    // Ring sector; angles in radians, hole in percent of the radii.
    virtual void Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
                       double holePercent) = 0;
    virtual void Draw(int x, int y, const QImage *graphic) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void FillRect(const TRect &rect) = 0;
    // Draws the bevel and returns the inner rectangle through rect.
    virtual void Frame3D(TRect &rect, TColor topLeftColor, TColor bottomRightColor, int width);
    virtual void LineTo(int x, int y) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) = 0;
    virtual void StretchDraw(const TRect &rect, const QImage *graphic) = 0;
    virtual void TextOut(int x, int y, const QString &text) = 0;
    virtual int TextWidth(const QString &text);
    virtual int TextHeight(const QString &text);
    // Our texts are always wide; kept as their own slots for canvases that measure them differently.
    virtual int WideTextWidth(const QString &text);
    virtual int WideTextHeight(const QString &text);
    virtual void ClipRectangle(const TRect &rect) = 0;
    virtual void ClipRoundRectangle(const TRect &rect, int cornerSize);
    virtual void ClipEllipse(const TRect &rect, bool inverted);
    virtual void ClipPolygon(const TPoint *points, int count);
    virtual void HorizLine(int left, int right, int y) = 0;
    virtual void VertLine(int x, int top, int bottom) = 0;
    virtual void EraseBackground(const TRect &rect) = 0;
    virtual void GradientFill(const TRect &rect, TColor startColor, TColor endColor, TGradientDirection direction,
                              int balance) = 0;
    virtual void Invalidate() = 0;
    virtual void Line(int x0, int y0, int x1, int y1) = 0;
    virtual void Polyline(const TPointArray &points) = 0;
    virtual void Polygon(const TPointArray &points) = 0;
    virtual void RotateLabel(int x, int y, const QString &text, double angle) = 0;
    virtual void UnClipRectangle() = 0;
    virtual void AssignSettings(const TPlotCanvas &source);

    // Non-virtual services on top of the slots.
    // Draws through the given platform canvas; none falls back to the canvas's own device-less one.
    void SetCanvas(GuiCanvas *canvas);
    // The platform canvas in force, never none: the attached one, else the canvas's own.
    GuiCanvas *ReferenceCanvas() const { return m_canvas ? m_canvas.data() : m_ownCanvas.get(); }
    // The device context of the platform canvas in force: for series that draw many lines
    // themselves, below the canvas interface.
    PlotDC &dc() const { return ReferenceCanvas()->dc(); }
    // The current attribute objects, never none. They belong to the platform canvas in force and
    // change identity when InitWindow and FlushBuffer switch it: never keep them across a pass.
    TPen *Pen() const { return ReferenceCanvas()->Pen(); }
    TBrush *Brush() const { return ReferenceCanvas()->Brush(); }
    TFont *Font() const { return ReferenceCanvas()->Font(); }
    void AssignFont(TPlotFont *font);
    TPlotFont *plotFont() const;
    int FontHeight() { return TextHeight(QStringLiteral("W")); }
    void ResetState();
    // TextOut, or with markup the chart text markup drawn from (x, y).
    void TextOutFormat(int x, int y, const QString &text, bool markup);
    void RectangleRect(const TRect &r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void EllipseRect(const TRect &r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    void RoundRectRect(const TRect &r, int cornerWidth, int cornerHeight)
    {
        RoundRect(r.left, r.top, r.right, r.bottom, cornerWidth, cornerHeight);
    }
    void AssignBrush(TChartBrush &brush, TColor backColor);
    void AssignBrushColor(TChartBrush &brush, TColor color, TColor backColor);
    void AssignVisiblePen(const TPen &pen);
    // Shades a face: the darkened colour fills a solid brush, or backs a hatch.
    void DarkenBrush(TColor color, int amount);
    double FontZoom() const { return m_fontZoom; }
    void setFontZoom(double value) { m_fontZoom = value; }
    const TRect &Bounds() const { return m_bounds; }
    // True while drawing into a metafile or onto a printer: blending is skipped there, and raster
    // pen modes draw in copy mode.
    bool metafiling() const { return m_metafiling; }
    // While held, lines are drawn aliased whatever the anti-aliasing switch says: axis lines,
    // ticks and grids lie on whole pixels, where smoothing only spreads them over two half-tone
    // rows (and costs most of an anti-aliased redraw).
    void holdLinesAliased(bool value);
    bool linesHeldAliased() const { return m_linesHeldAliased; }
    void setMetafiling(bool value);
    // What a device without raster operations takes an xor pen to be drawn over: the panel's
    // colour, with which the xor tools mix their pen colour. Set by the panel for each pass; a
    // system colour is kept as its RGB value.
    void setXorGround(TColor value);
    TColor xorGround() const { return m_xorGround; }

protected:
    // Text extent in the current font, without the chart font's shadow.
    virtual int rawTextWidth(const QString &text);
    virtual int rawTextHeight(const QString &text);
    void setBounds(const TRect &r) { m_bounds = r; }
    bool antialiasedLinesOnDevice() const { return m_antialiasedLines; }
    // Passed on to every platform canvas this canvas draws through.
    void setAntialiasedLinesOnDevice(bool value);

private:
    // Drawing on it does nothing; it holds the pen, brush and font while no canvas is attached.
    // Chart fonts keep a weak link to the canvas they were applied to; it dies with the canvas.
    const std::shared_ptr<TPlotCanvas *const> m_link = std::make_shared<TPlotCanvas *const>(this);
    std::unique_ptr<GuiCanvas> m_ownCanvas = std::make_unique<GuiCanvas>();
    QPointer<GuiCanvas> m_canvas;
    QPointer<TPlotFont> m_plotFont;
    TRect m_bounds;
    double m_fontZoom = 100.0;
    bool m_metafiling = false;
    TColor m_xorGround = clWhite;
    bool m_antialiasedLines = false;
    bool m_linesHeldAliased = false;
};

// Holds the canvas's lines aliased (or lets them be smoothed again) for a scope, then puts back
// what was: a chart smooths its series' lines only.
class AliasedLinesScope
{
public:
    AliasedLinesScope(TPlotCanvas &canvas, bool aliased)
        : m_canvas(canvas)
        , m_previous(canvas.linesHeldAliased())
    {
        canvas.holdLinesAliased(aliased);
    }
    ~AliasedLinesScope() { m_canvas.holdLinesAliased(m_previous); }
    AliasedLinesScope(const AliasedLinesScope &) = delete;
    AliasedLinesScope &operator=(const AliasedLinesScope &) = delete;

private:
    TPlotCanvas &m_canvas;
    bool m_previous;
};
