// The canvas that paints on screen, printer and images, with an image buffer and the 3D projection.
#pragma once

#include "CanvasStateGuard.h"
#include "TCanvas3D.h"

#include <QImage>
#include <QPointer>

#include <algorithm>
#include <memory>
#include <optional>

class TPlotCanvas3D : public TCanvas3D
{
public:
    TPlotCanvas3D();
    ~TPlotCanvas3D() override;

    TColor GetBackColor() const override;
    int GetBackMode() const override;
    QPainter *GetHandle() const override;
    bool GetMonochrome() const override { return m_monochrome; }
    TColor GetPixel(int x, int y) const override;
    bool IsNonGdiCanvas() const override { return false; }
    int GetTextAlign() const override;
    bool GetBuffered() const override { return m_buffered; }
    void SetBackColor(TColor color) override;
    void SetBackMode(int mode) override;
    void SetMonochrome(bool value) override;
    void SetPixel(int x, int y, TColor color) override;
    void SetTextAlign(int align) override;
    void SetBuffered(bool value) override;
    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
               double holePercent) override;
    void Draw(int x, int y, const QImage *graphic) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TRect &rect) override;
    void LineTo(int x, int y) override;
    void MoveTo(int x, int y) override;
    void Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
    void StretchDraw(const TRect &rect, const QImage *graphic) override;
    void TextOut(int x, int y, const QString &text) override;
    void ClipRectangle(const TRect &rect) override;
    void ClipRoundRectangle(const TRect &rect, int cornerSize) override;
    void ClipEllipse(const TRect &rect, bool inverted) override;
    void ClipPolygon(const TPoint *points, int count) override;
    void HorizLine(int left, int right, int y) override;
    void VertLine(int x, int top, int bottom) override;
    void EraseBackground(const TRect &rect) override { FillRect(rect); }
    void GradientFill(const TRect &rect, TColor startColor, TColor endColor, TGradientDirection direction,
                      int balance) override;
    void Invalidate() override { m_bufferOutOfDate = true; }
    void Line(int x0, int y0, int x1, int y1) override;
    void Polyline(const TPointArray &points) override;
    void Polygon(const TPointArray &points) override;
    void RotateLabel(int x, int y, const QString &text, double angle) override;
    void UnClipRectangle() override;

    TColor GetPixel3D(int x, int y, int z) override;
    bool ReservedQuery() const override { return false; }
    void SetPixel3D(int x, int y, int z, TColor color) override;
    void InverseCalc3DPos(int &x, int &y, int z) const override;
    TPoint Calc3DPoint(int x, int y, int z) const final
    {
        TPoint p{x, y};
        m_projection.calc3DPos(p.x, p.y, z);
        return p;
    }
    TRect InitWindow(GuiCanvas *destination, TView3DOptions *options, TColor backColor, bool is3D,
                     const TRect &rect) override;
    void CalcProjection(int maxDepth, const TRect &rect) override;
    void FlushBuffer(GuiCanvas *destination, GuiCanvas *defaultCanvas, const TRect &rect) override;
    bool RepaintFromBuffer() override;
    void Arrow(bool filled, const TPoint &from, const TPoint &to, int headWidth, int headLength, int z,
               double bodyPercent) override;
    void ClipCube(const TRect &rect, int minZ, int maxZ) override;
    void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides,
              int conePercent) override;
    void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) override;
    void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) override;
    void Disable3D() override;
    void Restore3D() override;
    void EllipseWithZ(int left, int top, int right, int bottom, int z) override;
    void HorizLine3D(int left, int right, int y, int z) override;
    void VertLine3D(int x, int top, int bottom, int z) override;
    void ZLine3D(int x, int y, int z0, int z1) override;
    void LineWithZ(int x0, int y0, int x1, int y1, int z) override;
    void MoveTo3D(int x, int y, int z) override;
    void LineTo3D(int x, int y, int z) override;
    void Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle, double endAngle,
               bool darkSides, bool drawSides, int donutPercent, const TCustomPlotGradient *gradient) override;
    void Plane3D(const TPoint &a, const TPoint &b, int z0, int z1) override;
    void PlaneWithZ(const TFourPoints &points, int z) override;
    void PlaneFour3D(TFourPoints points, int z0, int z1) override;
    void PolygonWithZ(TPointArray points, int z) override;
    void PolylineWithZ(TPointArray points, int z) override;
    void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) override;
    void TruncatedPyramid(const TRect &rect, int z0, int z1, int topHalfWidth, int topHalfDepth) override;
    void RectangleWithZ(const TRect &rect, int z) override;
    void RectangleY(int left, int y, int right, int z0, int z1) override;
    void RectangleZ(int x, int top, int bottom, int z0, int z1) override;
    void RotateLabel3D(int x, int y, int z, const QString &text, double angle) override;
    void CircleWithZ(int xCenter, int yCenter, double radius, int z) override;
    void TextOut3D(int x, int y, int z, const QString &text) override;
    void Triangle3D(const TPoint3D &p0, const TPoint3D &p1, const TPoint3D &p2, TColor color) override;
    void TriangleWithZ(const TPoint &p0, const TPoint &p1, const TPoint &p2, int z) override;
    // Fills the stored four-point face.
    virtual void PolygonFourPoints();
    virtual void FreeBuffer();
    virtual void CopyBufferTo(int x, int y, GuiCanvas *destination);

    // Shading of the solids' faces, and the points on the circle of a cone or cylinder.
    static constexpr int DarkSideAmount = 128;
    static constexpr int DarkTopAmount = 64;
    static constexpr int PieDarkAmount = 32;
    int SolidSegments() const { return m_solidSegments; }
    // At least 3; a bar series draws a four-sided "cylinder" by setting 4 for one call.
    void SetSolidSegments(int value) { m_solidSegments = std::max(value, 3); }

    // The rectangle a text occupies at (x, y) under the current alignment.
    TRect textRect(int x, int y, const QString &text);
    bool keepBufferWhenUnbuffering() const { return m_keepBuffer; }
    void setKeepBufferWhenUnbuffering(bool value) { m_keepBuffer = value; }
    bool bufferOutOfDate() const { return m_bufferOutOfDate; }
    const QImage *buffer() const { return m_buffer.get(); }
    // True from InitWindow to FlushBuffer.
    bool inPass() const { return m_inPass; }
    // Ends a pass that failed half way: painters this canvas began are ended, clipping removed,
    // 2D brackets closed, the buffer marked stale; then defaultCanvas is attached.
    void AbortPass(GuiCanvas *defaultCanvas);
    bool zoomText() const { return m_zoomText; }
    // Anti-aliased lines, for measuring them against other plotting tools; off by default and
    // never saved with a chart.
    void setAntialiasedLines(bool value) { setAntialiasedLinesOnDevice(value); }
    bool antialiasedLines() const { return antialiasedLinesOnDevice(); }
    // Painting now on an image in memory (the screen's buffer or an image), not on a printer.
    bool paintsRasterImage() const { return ReferenceCanvas()->dc().paintsRasterImage(); }
    // Where a thin solid line sets the pixels of the device's own rule, ends included; empty when
    // no line does.
    TRect lineRunReach() const
    {
        const QRect r = paintsRasterImage() ? ReferenceCanvas()->dc().runReach() : QRect();
        return r.isEmpty() ? TRect{0, 0, -1, -1} : TRect{r.left(), r.top(), r.right(), r.bottom()};
    }
    TFourPoints &fourPoints() { return m_fourPoints; }

protected:
    // The projection part of InitWindow: bounds, view options, font zoom and projection, without
    // buffer or painter. Canvases that draw without a device (export, recording) call only this.
    void initProjection(TView3DOptions *options, bool is3D, const TRect &rect);
    // Writes the text once at the point in the DC's text colour; shadow and outline are done around it.
    virtual void plainTextOut(int x, int y, const QString &text);
    // One band of a gradient fill, the whole rectangle in the brush's colour, without a pen.
    virtual void fillGradientBand(const TRect &rect);

private:
    friend class CanvasOverlay;

    void calcTrigValues();
    // Colour of a solid's faces: the brush colour of a solid brush, else the back colour.
    TColor faceColor() const;
    void setFaceColor(TColor color);
    // Projected point, also from double-precision model coordinates.
    TPoint projected(double x, double y, double z) const;
    // Fills the four points as the canvas's face.
    void drawFace(const TFourPoints &points);
    // Ends the painters this canvas began: on the buffer, or on the destination of an unbuffered pass.
    void endOwnPainters();
    int zoomedFontSize() const;

    std::unique_ptr<QImage> m_buffer;
    std::unique_ptr<GuiCanvas> m_bufferCanvas;
    QPointer<GuiCanvas> m_beganDestination;
    bool m_bufferOutOfDate = true;
    bool m_monochrome = false;
    bool m_zoomText = true;
    bool m_buffered = true;
    bool m_saved3D = false;
    bool m_keepBuffer = false;
    TFourPoints m_fourPoints{};
    int m_solidSegments = 16;
    bool m_inPass = false;
};

// Draws over the finished picture between passes (a zoom band, cursor lines): while it lives, a
// painter is open on the canvas's up-to-date buffer and the buffer's platform canvas is current;
// both are closed when it ends. The caller then repaints the area it drew on, whose paint copies
// the buffer. It opens nothing during a pass or without an up-to-date buffer (isOpen() is false).
// The next pass draws on the same platform canvas: pen, brush, back mode and colour and text
// alignment are put back as they were, so a not-xor band pen does not draw the next picture.
class CanvasOverlay
{
public:
    explicit CanvasOverlay(TPlotCanvas3D &canvas);
    ~CanvasOverlay();
    CanvasOverlay(const CanvasOverlay &) = delete;
    CanvasOverlay &operator=(const CanvasOverlay &) = delete;
    bool isOpen() const { return m_open; }

private:
    TPlotCanvas3D &m_canvas;
    QPointer<GuiCanvas> m_previous;
    std::optional<CanvasStateGuard> m_state;
    int m_backMode = 0;
    TColor m_backColor = 0;
    int m_textAlign = 0;
    bool m_open = false;
};
