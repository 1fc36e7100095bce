// Writes a chart as Vector Markup Language elements for an HTML page.
#pragma once

#include "VectorCanvas.h"

class TVMLCanvas : public VectorCanvas
{
public:
    TVMLCanvas();

    bool GetMonochrome() const override { return false; }
    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TRect &rect) override;
    void LineTo(int x, int y) override;
    void Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
    void Polyline(const TPointArray &points) override;
    void Polygon(const TPointArray &points) override;
    void GradientFill(const TRect &rect, TColor startColor, TColor endColor, TGradientDirection direction,
                      int balance) override;
    // VML has no clipping here: the shapes are written whole.
    void ClipRectangle(const TRect &rect) override { Q_UNUSED(rect); }
    void ClipRoundRectangle(const TRect &rect, int cornerSize) override;
    void ClipEllipse(const TRect &rect, bool inverted) override;
    void ClipPolygon(const TPoint *points, int count) override;
    void UnClipRectangle() override {}

    // The page around the group: "<html>", "<body>", the comment first, "</body>", "</html>" last.
    QByteArray document() const override;

protected:
    void beginDocument() override;
    void endDocument() override;
    void plainTextOut(int x, int y, const QString &text) override;

private:
    void appendColor(TColor rgb);
    void appendPoint(int x, int y);
    void appendSize();
    void appendStroke(const char *element);
    void appendWeight(const char *name);
    void appendShapeHeader();
    void appendBox(const char *element, int left, int top, int right, int bottom);
    void appendArcPoints(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    void path(const TPointArray &points, bool closed);
};
