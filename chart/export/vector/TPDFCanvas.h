// Writes a chart as the content stream of a PDF page, collecting its fonts and pictures.
#pragma once

#include "VectorCanvas.h"

#include <functional>

class TPlotPDFPage;

class TPDFCanvas : public VectorCanvas
{
public:
    // The page is the caller's and outlives the canvas's drawing.
    explicit TPDFCanvas(TPlotPDFPage &page);

    // The bytes of the JPEG file a picture was read from, when it keeps them: they go into the
    // document as they are. Without a lookup every picture goes out as its pixels.
    using EncodedBytesLookup = std::function<QByteArray(const QImage &)>;
    void setEncodedBytesLookup(EncodedBytesLookup lookup) { m_encodedBytes = std::move(lookup); }

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
    void Draw(int x, int y, const QImage *graphic) override;
    void StretchDraw(const TRect &rect, const QImage *graphic) override;
    void ClipRectangle(const TRect &rect) override;
    void ClipRoundRectangle(const TRect &rect, int cornerSize) override;
    void UnClipRectangle() override;
    // PDF gets no transparency.
    std::unique_ptr<TPlotBlend> BeginBlending(const TRect &rect, int transparency) override;
    void EndBlending(std::unique_ptr<TPlotBlend> blend) override;

    // PDF string text: WinAnsi bytes ("?" where the code page has no character), with "\", "("
    // and ")" escaped.
    static QByteArray escapedText(const QString &text);

protected:
    void beginDocument() override;
    void endDocument() override;
    void plainTextOut(int x, int y, const QString &text) override;

private:
    void number(double value);
    void point(double x, double y);
    void appendColor(TColor rgb);
    void appendPen();
    void appendBrush();
    // The pen's and the brush's colours before a path: no colour operator may stand inside one.
    void appendColors(bool fill, bool stroke);
    void appendPath(const TPointArray &points);
    void sector(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY, bool pie);
    void image(const QImage &graphic, double x, double y, double w, double h);

    TPlotPDFPage &m_page;
    QByteArray &m_content;
    EncodedBytesLookup m_encodedBytes;
    int m_clipDepth = 0;
    bool m_roundedEnds = false; // the page's line ends are no longer its flat default
};
