// Shared parts of the text-writing canvases.
#include "VectorCanvas.h"

#include "GuiCanvas.h"
#include "PlotColor.h"
#include "PlotDC.h"
#include "PlotRound.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"
#include "TPlotBlend.h"

#include <algorithm>

VectorCanvas::VectorCanvas()
{
    SetBuffered(false);
}

TRect VectorCanvas::InitWindow(GuiCanvas *destination, TView3DOptions *options, TColor backColor, bool is3D,
                               const TRect &rect)
{
    Q_UNUSED(destination);
    Q_UNUSED(backColor);
    initProjection(options, is3D, rect);
    m_blends.clear();
    beginDocument();
    return rect;
}

void VectorCanvas::FlushBuffer(GuiCanvas *destination, GuiCanvas *defaultCanvas, const TRect &rect)
{
    Q_UNUSED(destination);
    Q_UNUSED(rect);
    Q_UNUSED(defaultCanvas);
    while (is2DOpen())
        End2D();
    endDocument();
}

void VectorCanvas::MoveTo(int x, int y)
{
    m_penPos = {x, y};
}

void VectorCanvas::SetPixel(int x, int y, TColor color)
{
    if (penClear())
        return;
    Pen()->SetColor(color);
    MoveTo(x, y);
    LineTo(x, y);
}

void VectorCanvas::SetPixel3D(int x, int y, int z, TColor color)
{
    const TPoint p = Calc3DPoint(x, y, z);
    SetPixel(p.x, p.y, color);
}

void VectorCanvas::PolygonFourPoints()
{
    const TFourPoints &points = fourPoints();
    Polygon(TPointArray(points.begin(), points.end()));
}

void VectorCanvas::Draw(int x, int y, const QImage *graphic)
{
    Q_UNUSED(x);
    Q_UNUSED(y);
    Q_UNUSED(graphic);
}

void VectorCanvas::StretchDraw(const TRect &rect, const QImage *graphic)
{
    Q_UNUSED(rect);
    Q_UNUSED(graphic);
}

void VectorCanvas::ClipEllipse(const TRect &rect, bool inverted)
{
    ClipRectangle(inverted ? Bounds() : rect);
}

std::unique_ptr<TPlotBlend> VectorCanvas::BeginBlending(const TRect &rect, int transparency)
{
    const int value = std::clamp(transparency, 0, 100);
    m_blends.push_back(value);
    return std::make_unique<TPlotBlend>(*this, rect, value);
}

void VectorCanvas::EndBlending(std::unique_ptr<TPlotBlend> blend)
{
    if (blend && !m_blends.empty())
        m_blends.pop_back();
}

bool VectorCanvas::penClear() const
{
    return Pen()->Style() == psClear;
}

bool VectorCanvas::brushClear() const
{
    return Brush()->Style() == bsClear;
}

TColor VectorCanvas::penRGB() const
{
    // No raster operations in a document: an xor pen is written in the colour the screen shows.
    return TPen::colourOver(Pen()->Mode(), PlotColor::ColorToRGB(Pen()->Color()), xorGround());
}

TPenEndStyle VectorCanvas::lineEnds() const
{
    const TPen &pen = *Pen();
    if (pen.Width() <= 1 || pen.handle().kind == PenHandle::SmallDots)
        return esFlat;
    return pen.handle().kind == PenHandle::Geometric ? pen.handle().endStyle : esRound;
}

TColor VectorCanvas::brushRGB() const
{
    return PlotColor::ColorToRGB(Brush()->Color());
}

TColor VectorCanvas::textRGB() const
{
    return PlotColor::ColorToRGB(ReferenceCanvas()->dc().textColor());
}

double VectorCanvas::textAngle() const
{
    return ReferenceCanvas()->dc().textAngle();
}

int VectorCanvas::alignedX(int x, const QString &text)
{
    switch (textAlign() & TA_CENTER) {
    case TA_RIGHT: return x - TextWidth(text);
    case TA_CENTER: return x - TextWidth(text) / 2;
    default: return x;
    }
}

int VectorCanvas::textFontSize() const
{
    const TFont &font = *Font();
    const int pixels = ReferenceCanvas()->dc().currentFont().pixelSize();
    if (pixels <= 0 || pixels == font.pixelSize())
        return font.Size();
    // Points from pixels round back exactly: the core made the pixels from whole points.
    return std::max(1, mulDiv(pixels, 72, font.PixelsPerInch()));
}
