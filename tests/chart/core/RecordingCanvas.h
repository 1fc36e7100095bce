// A canvas that records every primitive call with the pen, brush and font in force, for tests.
#pragma once

#include "GuiCanvas.h"
#include "TPlotCanvas3D.h"
#include "TView3DOptions.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

struct RecordedCall
{
    QString op;
    std::vector<int> args;
    TPointArray points;
    QString text;
    TColor penColor = clBlack;
    int penWidth = 1;
    TPenStyle penStyle = psSolid;
    TPenMode penMode = pmCopy;
    TColor brushColor = clWhite;
    TBrushStyle brushStyle = bsSolid;
    QString fontName;
    int fontSize = 0;
    TFontStyles fontStyle;
    TColor fontColor = clBlack;
    TColor textColor = clBlack;
    int fontPixelSize = 0;
    int textAngleTenths = 0;
    int backMode = 0; // cbmTransparent or cbmOpaque
    int clipDepth = 0;
    bool in3D = false;

    bool penVisible() const { return penStyle != psClear; }
    QString line() const;
};

// Text extents that do not depend on installed fonts: 7 pixels per character, 12 high.
struct FakeMetrics
{
    int charWidth = 7;
    int height = 12;
};

class RecordingCanvas : public TPlotCanvas3D
{
public:
    explicit RecordingCanvas(FakeMetrics metrics = {});

    const std::vector<RecordedCall> &calls() const { return m_calls; }
    std::vector<RecordedCall> calls(const QString &op) const;
    int count(const QString &op) const;
    std::vector<TColor> brushColors(const QString &op) const;
    QStringList opNames() const;
    QString dump() const;
    // Where a recorded text lies with the fake metrics: unrotated by its alignment, hanging below
    // its anchor (standing on it with TA_BOTTOM); at 90 degrees running up from its anchor, one
    // text height to the right of it.
    QRect textBox(const RecordedCall &call) const;
    void clear() { m_calls.clear(); }
    // Puts a named entry into the log, for test doubles that log their steps among the drawing.
    void note(const QString &op) { record(op); }
    GuiCanvas &gui() { return m_gui; }

    // The answer to IsNonGdiCanvas, as the export canvases give it (pens then skip the extended path).
    void setNonGdi(bool value) { m_nonGdi = value; }
    bool IsNonGdiCanvas() const override { return m_nonGdi; }
    // Off by default. When on, Cube, Cone, Cylinder, Pyramid, TruncatedPyramid, Pie3D and Arrow are
    // recorded as one call with their arguments instead of their faces ("one cube here").
    void setLogSolids(bool value) { m_logSolids = value; }
    void Arrow(bool filled, const TPoint &from, const TPoint &to, int headWidth, int headLength, int z,
               double bodyPercent) override;
    void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides,
              int conePercent) override;
    void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) override;
    void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) override;
    void Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle, double endAngle,
               bool darkSides, bool drawSides, int donutPercent, const TCustomPlotGradient *gradient) override;
    void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) override;
    void TruncatedPyramid(const TRect &rect, int z0, int z1, int topHalfWidth, int topHalfDepth) override;

    void SetPixel(int x, int y, TColor color) override;
    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Draw(int x, int y, const QImage *graphic) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TRect &rect) override;
    void LineTo(int x, int y) override;
    void MoveTo(int x, int y) override;
    void Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
    void StretchDraw(const TRect &rect, const QImage *graphic) override;
    void ClipRectangle(const TRect &rect) override;
    void ClipRoundRectangle(const TRect &rect, int cornerSize) override;
    void ClipEllipse(const TRect &rect, bool inverted) override;
    void ClipPolygon(const TPoint *points, int count) override;
    void HorizLine(int left, int right, int y) override;
    void VertLine(int x, int top, int bottom) override;
    void GradientFill(const TRect &rect, TColor startColor, TColor endColor, TGradientDirection direction,
                      int balance) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void Polyline(const TPointArray &points) override;
    void Polygon(const TPointArray &points) override;
    void UnClipRectangle() override;
    void SetPixel3D(int x, int y, int z, TColor color) override;
    TRect InitWindow(GuiCanvas *destination, TView3DOptions *options, TColor backColor, bool is3D,
                     const TRect &rect) override;
    void FlushBuffer(GuiCanvas *destination, GuiCanvas *defaultCanvas, const TRect &rect) override;
    void HorizLine3D(int left, int right, int y, int z) override;
    void VertLine3D(int x, int top, int bottom, int z) override;
    void ZLine3D(int x, int y, int z0, int z1) override;
    void LineWithZ(int x0, int y0, int x1, int y1, int z) override;
    void MoveTo3D(int x, int y, int z) override;
    void LineTo3D(int x, int y, int z) override;
    void PolygonFourPoints() override;
    void Disable3D() override;
    void Restore3D() override;
    std::unique_ptr<TPlotBlend> BeginBlending(const TRect &rect, int transparency) override;
    void EndBlending(std::unique_ptr<TPlotBlend> blend) override;

protected:
    void plainTextOut(int x, int y, const QString &text) override;
    int rawTextWidth(const QString &text) override;
    int rawTextHeight(const QString &text) override;

private:
    RecordedCall &record(const QString &op, std::vector<int> args = {});

    GuiCanvas m_gui;
    FakeMetrics m_metrics;
    std::vector<RecordedCall> m_calls;
    int m_clipDepth = 0;
    bool m_nonGdi = false;
    bool m_logSolids = false;
};

// A recording canvas after InitWindow and CalcProjection(100) over (0, 0, 400, 300), its log
// cleared: the recording checks' standard pass. begin() runs the pass again after the options changed.
struct RecordingPass
{
    explicit RecordingPass(bool view3D = false, FakeMetrics metrics = {});
    void begin();
    TView3DOptions options;
    RecordingCanvas canvas;
    bool view3D;
};
