// Writes a chart as an SVG 1.1 document: one element per drawing call.
#pragma once

#include "VectorCanvas.h"

class TSVGCanvas : public VectorCanvas
{
public:
    TSVGCanvas();

    bool TextAntiAlias() const { return m_textAntiAlias; }
    void SetTextAntiAlias(bool value) { m_textAntiAlias = value; }

    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TRect &rect) override;
    void SetPixel(int x, int y, TColor color) override;
    void LineTo(int x, int y) override;
    void Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
    void Polyline(const TPointArray &points) override;
    void Polygon(const TPointArray &points) override;
    void ClipRectangle(const TRect &rect) override;
    void ClipRoundRectangle(const TRect &rect, int cornerSize) override;
    void ClipEllipse(const TRect &rect, bool inverted) override;
    void ClipPolygon(const TPoint *points, int count) override;
    void UnClipRectangle() override;

protected:
    void beginDocument() override;
    void endDocument() override;
    void plainTextOut(int x, int y, const QString &text) override;

private:
    void appendColor(TColor rgb);
    void appendStroke();
    void appendFill(bool withStroke);
    void appendFillOpacity();
    // Width and height one pixel short of the corners' difference, as outlined rectangles (and
    // those of a clear pen) cover; exact for a fill.
    void appendRectangle(int left, int top, int right, int bottom, int shortBy = 1);
    void appendEllipse(int left, int top, int right, int bottom);
    void appendPoints(const TPoint *points, std::size_t count);
    void appendSector(const struct EllipseSweep &sweep, bool pie);
    void openClip(const QByteArray &shape);

    int m_clipCounter = 0;
    int m_openClips = 0;
    bool m_textAntiAlias = true;
};
