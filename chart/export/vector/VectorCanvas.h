// Base of the canvases that write a chart as text instead of pixels: no device, one growing output.
#pragma once

#include "TPlotCanvas3D.h"

#include <QByteArray>

#include <vector>

class VectorCanvas : public TPlotCanvas3D
{
public:
    VectorCanvas();

    // The document written so far; whole after FlushBuffer.
    const QByteArray &output() const { return m_out; }
    QByteArray takeOutput() { return std::exchange(m_out, {}); }
    // The file the canvas's drawing makes: the output, within its page for VML.
    virtual QByteArray document() const { return m_out; }

    // Bounds and projection only: no buffer, no painter. The pen, brush and font stay those of
    // the platform canvas attached (the panel's), or the canvas's own device-less one.
    TRect InitWindow(GuiCanvas *destination, TView3DOptions *options, TColor backColor, bool is3D,
                     const TRect &rect) override;
    void FlushBuffer(GuiCanvas *destination, GuiCanvas *defaultCanvas, const TRect &rect) override;
    bool RepaintFromBuffer() override { return false; }

    void MoveTo(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override;
    void SetPixel3D(int x, int y, int z, TColor color) override;
    void PolygonFourPoints() override;
    void Draw(int x, int y, const QImage *graphic) override;
    void StretchDraw(const TRect &rect, const QImage *graphic) override;
    void EraseBackground(const TRect &rect) override { FillRect(rect); }
    // Without a shape of their own, an ellipse clips to its box and an inverted one to the
    // bounds: either opens a clip, so the caller's unclip closes this one and not an outer one.
    void ClipEllipse(const TRect &rect, bool inverted) override;
    void Invalidate() override {}

    // A blend on a canvas without a surface captures and mixes nothing; the canvas keeps the
    // transparency of each open blend, so a transparent shadow inside a transparent shape gets
    // its own value and then the shape's again.
    std::unique_ptr<TPlotBlend> BeginBlending(const TRect &rect, int transparency) override;
    void EndBlending(std::unique_ptr<TPlotBlend> blend) override;

protected:
    virtual void beginDocument() = 0;
    virtual void endDocument() = 0;
    // The transparency in percent of the innermost open blend, 0 when none.
    int blendValue() const { return m_blends.empty() ? 0 : m_blends.back(); }
    bool penClear() const;
    bool brushClear() const;
    // The RGB values of the pen, brush and text colours (system colours resolved).
    TColor penRGB() const;
    // How the screen ends and joins the lines of the pen: round ends with round joins, square
    // with bevel, flat with mitre; a pen of one pixel (cosmetic) flat.
    TPenEndStyle lineEnds() const;
    TColor brushRGB() const;
    TColor textRGB() const;
    // The canvas height: the Y flip of the PostScript and PDF pages.
    int pageHeight() const { return Bounds().bottom - Bounds().top; }
    // Text colour, font and alignment of a text write, in the order the screen draws them.
    int textAlign() const { return GetTextAlign(); }
    double textAngle() const;
    // The size in points of the text being written: the font's, or the zoomed size of a 3D or
    // turned text in a zoomed 3D view, which the core writes through a font of that size.
    int textFontSize() const;
    // X moved left by the text width for right alignment, by half of it (truncated) for centred.
    int alignedX(int x, const QString &text);
    // Gradients are written as the bands the screen paints, so every reader shows the screen's
    // direction and balance; each canvas fills a rectangle exactly.
    void fillGradientBand(const TRect &rect) override { FillRect(rect); }

    QByteArray m_out;
    TPoint m_penPos{};

private:
    std::vector<int> m_blends;
};
