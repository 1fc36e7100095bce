// Writes a chart as Encapsulated PostScript, with a fixed prolog of short procedure names.
#pragma once

#include "VectorCanvas.h"

class TEPSCanvas : public VectorCanvas
{
public:
    TEPSCanvas() = default;

    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TRect &rect) override;
    void LineTo(int x, int y) override;
    void Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
    void Polyline(const TPointArray &points) override;
    void Polygon(const TPointArray &points) override;
    void ClipRectangle(const TRect &rect) override;
    void UnClipRectangle() override;
    // PostScript gets no transparency.
    std::unique_ptr<TPlotBlend> BeginBlending(const TRect &rect, int transparency) override;
    void EndBlending(std::unique_ptr<TPlotBlend> blend) override;

    // PostScript string text: Latin-1 bytes, "\", "(" and ")" escaped, 128 and above as "\ooo", so
    // the file stays 7-bit; characters outside Latin-1 become "?".
    static QByteArray escapedText(const QString &text);

protected:
    void beginDocument() override;
    void endDocument() override;
    void plainTextOut(int x, int y, const QString &text) override;

private:
    void appendPoint(int x, int y);
    void appendColor(TColor rgb);
    void appendPen();
    void appendRectangle(int left, int top, int right, int bottom);
    void appendEllipseArguments(int left, int top, int right, int bottom);
    // Writes the shape with the brush (then "fi gr") and with the pen (then "st gr").
    void paint(const QByteArray &path, bool fill, bool stroke);
    QByteArray pathOf(const TPointArray &points, bool closed);
    void sector(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY,
                const char *procedure, bool fill);

    int m_openClips = 0;
};
