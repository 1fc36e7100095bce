// Base bodies of the 2D canvas: pens, fonts, bevels, blending, text extents, clipping fall-backs.
#include "TPlotCanvas.h"

#include "GuiCanvas.h"
#include "PlotCanvasPens.h"
#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotHtml.h"
#include "PlotLibrary.h"
#include "PlotRound.h"
#include "TChartBrush.h"
#include "TChartPen.h"
#include "TPicture.h"
#include "TPlotBlend.h"
#include "TPlotFont.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

TPlotCanvas::TPlotCanvas() = default;

TPlotCanvas::~TPlotCanvas() = default;

void TPlotCanvas::SetCanvas(GuiCanvas *canvas)
{
    GuiCanvas *old = ReferenceCanvas();
    m_canvas = canvas;
    if (ReferenceCanvas() != old) {
        old->dc().flush();
        old->dc().setCopyModeOnly(false);
        old->dc().setAntialiasedLines(false);
        ReferenceCanvas()->dc().setCopyModeOnly(m_metafiling);
        ReferenceCanvas()->dc().setXorGround(m_xorGround);
        ReferenceCanvas()->dc().setAntialiasedLines(m_antialiasedLines && !m_linesHeldAliased);
    }
}

void TPlotCanvas::setAntialiasedLinesOnDevice(bool value)
{
    m_antialiasedLines = value;
    ReferenceCanvas()->dc().setAntialiasedLines(value && !m_linesHeldAliased);
}

void TPlotCanvas::holdLinesAliased(bool value)
{
    if (value == m_linesHeldAliased)
        return;
    m_linesHeldAliased = value;
    if (m_antialiasedLines)
        ReferenceCanvas()->dc().setAntialiasedLines(!value);
}

void TPlotCanvas::setMetafiling(bool value)
{
    m_metafiling = value;
    ReferenceCanvas()->dc().setCopyModeOnly(value);
}

void TPlotCanvas::setXorGround(TColor value)
{
    // Kept as RGB: the panel's default colour is a system colour, and a canvas that mixed its
    // xor pens with the sentinel's bits wrote cyan for the cursor's red.
    m_xorGround = PlotColor::ColorToRGB(value);
    ReferenceCanvas()->dc().setXorGround(m_xorGround);
}

TPlotFont *TPlotCanvas::plotFont() const { return m_plotFont; }

void TPlotCanvas::AssignVisiblePenColor(const TPen &pen, TColor color)
{
    if (GetMonochrome())
        color = clBlack;
    TPen *current = Pen();
    const auto *chartPen = qobject_cast<const TChartPen *>(&pen);
    if (chartPen && !chartPen->Visible()) {
        current->SetStyle(psClear);
        return;
    }
    if (chartPen && !IsNonGdiCanvas()) {
        PlotCanvas::ApplyChartPen(*current, *chartPen, color);
        return;
    }
    current->Assign(pen);
    current->SetColor(color);
}

void TPlotCanvas::AssignVisiblePen(const TPen &pen)
{
    AssignVisiblePenColor(pen, pen.Color());
}

void TPlotCanvas::DarkenBrush(TColor color, int amount)
{
    TBrush *brush = Brush();
    const TColor dark = PlotColor::darken(color, amount);
    if (brush->Style() == bsSolid)
        brush->SetColor(dark);
    else
        SetBackColor(dark); // a hatch keeps its pattern colour
}

std::unique_ptr<TPlotBlend> TPlotCanvas::BeginBlending(const TRect &rect, int transparency)
{
    return std::make_unique<TPlotBlend>(*this, rect, transparency & 127);
}

void TPlotCanvas::EndBlending(std::unique_ptr<TPlotBlend> blend)
{
    // Each blend mixes with its own transparency, so a transparent shadow inside a
    // transparent shape no longer hands its value to the outer blend.
    if (blend)
        blend->DoBlend(blend->transparency());
}

void TPlotCanvas::Frame3D(TRect &rect, TColor topLeftColor, TColor bottomRightColor, int width)
{
    TPen *pen = Pen();
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    --rect.right;
    --rect.bottom;
    // Past the smaller side of the rectangle each further step draws outside it: a file's or a
    // caller's huge width costs no more than the rectangle's pixels.
    const std::int64_t side = std::min(std::int64_t(rect.right) - rect.left, std::int64_t(rect.bottom) - rect.top);
    const int steps = int(std::min<std::int64_t>(std::max<std::int64_t>(side + 1, 1), std::max(width, 0)));
    for (int i = 0; i < steps; ++i) {
        pen->SetColor(topLeftColor);
        Polyline({{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}});
        pen->SetColor(bottomRightColor);
        Polyline({{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}});
        ++rect.left;
        ++rect.top;
        --rect.right;
        --rect.bottom;
    }
    // The caller lays its contents inside the whole width, drawn or not.
    const int rest = std::max(width, 0) - steps;
    rect = {addSaturated(rect.left, rest), addSaturated(rect.top, rest), addSaturated(rect.right, -rest),
            addSaturated(rect.bottom, -rest)};
    ++rect.right;
    ++rect.bottom;
}

int TPlotCanvas::TextWidth(const QString &text)
{
    int result = rawTextWidth(text);
    if (m_plotFont && m_plotFont->shadowIfAny())
        result += std::abs(m_plotFont->shadowIfAny()->HorizSize());
    return result;
}

int TPlotCanvas::TextHeight(const QString &text)
{
    int result = rawTextHeight(text);
    if (m_plotFont && m_plotFont->shadowIfAny())
        result += std::abs(m_plotFont->shadowIfAny()->VertSize());
    return result;
}

int TPlotCanvas::WideTextWidth(const QString &text)
{
    return TextWidth(text);
}

int TPlotCanvas::WideTextHeight(const QString &text)
{
    return TextHeight(text);
}

int TPlotCanvas::rawTextWidth(const QString &text)
{
    return ReferenceCanvas()->dc().textWidth(text);
}

int TPlotCanvas::rawTextHeight(const QString &text)
{
    return ReferenceCanvas()->dc().textHeight(text);
}

void TPlotCanvas::ClipRoundRectangle(const TRect &rect, int cornerSize)
{
    Q_UNUSED(cornerSize);
    ClipRectangle(rect);
}

void TPlotCanvas::ClipEllipse(const TRect &rect, bool inverted)
{
    if (!inverted)
        ClipRectangle(rect);
}

void TPlotCanvas::ClipPolygon(const TPoint *points, int count)
{
    ClipRectangle(PlotGeometry::PolygonBounds(points, count));
}

void TPlotCanvas::AssignSettings(const TPlotCanvas &source)
{
    SetMonochrome(source.GetMonochrome());
}

void TPlotCanvas::AssignFont(TPlotFont *font)
{
    TFont *current = Font();
    if (!font)
        return;
    font->SetPixelsPerInch(current->PixelsPerInch());
    current->Assign(*font);
    if (m_fontZoom != 100.0)
        current->SetSize(plotRound(current->Size() * m_fontZoom * 0.01));
    if (GetMonochrome())
        current->SetColor(clBlack);
    if (ReferenceCanvas()->dc().charExtra() != font->InterCharSize())
        ReferenceCanvas()->dc().setCharExtra(font->InterCharSize());
    m_plotFont = font;
    font->setCanvas(m_link);
}

void TPlotCanvas::TextOutFormat(int x, int y, const QString &text, bool markup)
{
    if (markup)
        PlotHtml::HtmlTextOut(*this, x, y, text);
    else
        TextOut(x, y, text);
}

void TPlotCanvas::ResetState()
{
    TPen *pen = Pen();
    TBrush *brush = Brush();
    TFont *font = Font();
    pen->SetColor(clBlack);
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    brush->SetColor(clWhite);
    brush->SetStyle(bsSolid);
    font->SetColor(clBlack);
    font->SetStyle({});
    font->SetCharset(1);
    font->SetName(PlotDefaultFontName());
    font->SetSize(PlotDefaultFontSize());
    // The font zoom stays: zeroing it here gave size-0 fonts until the next pass.
    SetBackColor(clWhite);
    SetBackMode(cbmTransparent);
    SetTextAlign(TA_LEFT);
}

void TPlotCanvas::AssignBrush(TChartBrush &brush, TColor backColor)
{
    AssignBrushColor(brush, brush.Color(), backColor);
}

void TPlotCanvas::AssignBrushColor(TChartBrush &brush, TColor color, TColor backColor)
{
    TBrush *current = Brush();
    const TColor used = GetMonochrome() ? clWhite : color;
    const TPicture *picture = brush.imageIfAny();
    // Series assign their brush for every point: a brush without a pattern copies no image.
    std::optional<QImage> graphic;
    if (picture && !picture->IsEmpty())
        graphic = picture->Graphic();
    const QImage &pattern = graphic ? *graphic : brush.Bitmap();
    if (!pattern.isNull()) {
        current->SetBitmap(pattern);
        current->SetStyle(bsClear);
        ReferenceCanvas()->dc().setTextColor(used);
        SetBackMode(cbmOpaque);
        SetBackColor(backColor);
        return;
    }
    if (!current->Bitmap().isNull())
        current->SetBitmap(QImage());
    current->SetColor(used);
    current->SetStyle(brush.Style());
    if (backColor == clNone) {
        SetBackMode(cbmTransparent);
    } else {
        SetBackMode(cbmOpaque);
        SetBackColor(backColor);
    }
}
