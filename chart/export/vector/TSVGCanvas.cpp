// SVG canvas: shapes, paths, clip groups and texts as SVG elements, lines ended by CR LF.
#include "TSVGCanvas.h"

#include "EllipseSweep.h"
#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotRound.h"
#include "TChartPen.h"
#include "TFont.h"
#include "VectorText.h"

#include <cmath>

using namespace VectorText;

namespace {

constexpr char kEol[] = "\r\n";

constexpr char kDoctype[] =
    R"(<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.1//EN" "http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd">)";

const char *dashText(const TPen &pen)
{
    if (pen.handle().kind == PenHandle::SmallDots)
        return "2, 2";
    switch (pen.Style()) {
    case psDash: return "4, 2";
    case psDot: return "2, 2";
    case psDashDot: return "4, 2, 2, 2";
    case psDashDotDot: return "4, 2, 2, 2, 2, 2";
    default: return nullptr;
    }
}

} // namespace

TSVGCanvas::TSVGCanvas()
{
    m_out += R"(<?xml version="1.0" standalone="no"?>)";
    m_out += kEol;
}

void TSVGCanvas::beginDocument()
{
    m_out += kDoctype;
    m_out += kEol;
    // Without the namespace no browser or drawing program takes the document for SVG.
    m_out += R"(<svg xmlns="http://www.w3.org/2000/svg" width=")";
    appendInt(m_out, Bounds().width());
    m_out += R"(px" height=")";
    appendInt(m_out, Bounds().height());
    m_out += R"(px")";
    if (m_textAntiAlias)
        m_out += R"( style="text-antialiasing:true")";
    m_out += '>';
    m_out += kEol;
}

void TSVGCanvas::endDocument()
{
    // A clip left open would leave the document unbalanced.
    for (; m_openClips > 0; --m_openClips) {
        m_out += "</g>";
        m_out += kEol;
    }
    m_out += "</svg>";
    m_out += kEol;
}

void TSVGCanvas::appendColor(TColor rgb)
{
    m_out += '"';
    const QByteArray name = htmlColorName(rgb);
    if (!name.isEmpty()) {
        m_out += name;
    } else {
        m_out += "rgb(";
        appendInt(m_out, PlotColor::redOf(rgb));
        m_out += ',';
        appendInt(m_out, PlotColor::greenOf(rgb));
        m_out += ',';
        appendInt(m_out, PlotColor::blueOf(rgb));
        m_out += ')';
    }
    m_out += '"';
}

void TSVGCanvas::appendStroke()
{
    const TPen &pen = *Pen();
    if (pen.Style() == psClear) {
        m_out += R"( stroke="none")";
        return;
    }
    m_out += " stroke=";
    appendColor(penRGB());
    if (pen.Width() > 1) {
        m_out += R"( stroke-width=")";
        appendInt(m_out, pen.Width());
        m_out += '"';
    }
    if (const char *dash = dashText(pen)) {
        m_out += R"( stroke-dasharray=")";
        m_out += dash;
        m_out += R"(" )";
    }
    // SVG's own ends are flat and mitred; a wide curve in them showed stripes the screen has not.
    switch (lineEnds()) {
    case esRound:
        m_out += R"( stroke-linecap="round" stroke-linejoin="round")";
        break;
    case esSquare:
        m_out += R"( stroke-linecap="square" stroke-linejoin="bevel")";
        break;
    case esFlat:
        if (pen.Width() > 1)
            m_out += R"( stroke-linecap="butt")"; // "flat" is no SVG value
        break;
    }
    // The screen centres a line of odd width on the middle of its pixels; on the whole-pixel
    // grid lines a reader smooths it over two rows at half strength, and a shadow or bevel of
    // one-pixel lines came out grey.
    if (pen.Width() <= 1 || pen.Width() % 2 != 0)
        m_out += R"~( transform="translate(0.5,0.5)")~";
}

void TSVGCanvas::appendFillOpacity()
{
    // The blend value is a transparency: 30 % transparent is 70 % opaque.
    if (const int blend = blendValue(); blend != 0) {
        m_out += R"( fill-opacity=")";
        appendShortest(m_out, (100 - blend) * 0.01);
        m_out += '"';
    }
}

void TSVGCanvas::appendFill(bool withStroke)
{
    if (brushClear()) {
        m_out += R"( fill="none")";
    } else {
        m_out += " fill=";
        appendColor(brushRGB());
        appendFillOpacity();
    }
    if (withStroke)
        appendStroke();
}

void TSVGCanvas::appendRectangle(int left, int top, int right, int bottom, int shortBy)
{
    const TRect r = PlotGeometry::OrientRect({left, top, right, bottom});
    m_out += R"( x=")";
    appendInt(m_out, r.left);
    m_out += R"(" y=")";
    appendInt(m_out, r.top);
    m_out += R"("  width=")";
    appendInt(m_out, r.right - r.left - shortBy);
    m_out += R"(" height=")";
    appendInt(m_out, r.bottom - r.top - shortBy);
    m_out += '"';
}

void TSVGCanvas::appendEllipse(int left, int top, int right, int bottom)
{
    m_out += R"(cx=")";
    appendInt(m_out, (left + right) / 2);
    m_out += R"(" cy=")";
    appendInt(m_out, (top + bottom) / 2);
    m_out += R"(" rx=")";
    appendInt(m_out, (right - left) / 2);
    m_out += R"(" ry=")";
    appendInt(m_out, (bottom - top) / 2);
    m_out += '"';
}

void TSVGCanvas::appendPoints(const TPoint *points, std::size_t count)
{
    m_out += R"(points=")";
    for (std::size_t i = 0; i < count; ++i) {
        appendInt(m_out, points[i].x);
        m_out += ',';
        appendInt(m_out, points[i].y);
        m_out += ' ';
    }
    m_out += '"';
}

void TSVGCanvas::LineTo(int x, int y)
{
    m_out += R"(<line x1=")";
    appendInt(m_out, m_penPos.x);
    m_out += R"(" y1=")";
    appendInt(m_out, m_penPos.y);
    m_out += R"(" x2=")";
    appendInt(m_out, x);
    m_out += R"(" y2=")";
    appendInt(m_out, y);
    m_out += R"(" fill="none" )";
    appendStroke();
    m_out += "/>";
    m_out += kEol;
    m_penPos = {x, y};
}

void TSVGCanvas::SetPixel(int x, int y, TColor color)
{
    // A line of no length draws nothing in SVG: the pixel is a square of its own, or a fading
    // shadow's corner steps are left half covered.
    if (penClear())
        return;
    Pen()->SetColor(color);
    m_out += "<rect ";
    appendRectangle(x, y, x + 1, y + 1, 0);
    m_out += " fill=";
    appendColor(penRGB());
    appendFillOpacity();
    m_out += "/>";
    m_out += kEol;
}

void TSVGCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (brushClear() && penClear())
        return;
    m_out += "<rect ";
    appendRectangle(left, top, right, bottom);
    appendFill(true);
    m_out += "/>";
    m_out += kEol;
}

void TSVGCanvas::FillRect(const TRect &rect)
{
    if (brushClear())
        return;
    // The whole rectangle, as the screen fills it: a gradient's bands meet without a gap.
    m_out += "<rect ";
    appendRectangle(rect.left, rect.top, rect.right, rect.bottom, 0);
    appendFill(false);
    m_out += "/>";
    m_out += kEol;
}

void TSVGCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    Q_UNUSED(cornerWidth);
    Q_UNUSED(cornerHeight);
    if (brushClear() && penClear())
        return;
    m_out += "<rect ";
    appendRectangle(left, top, right, bottom);
    appendFill(true);
    m_out += R"( rx="5"/>)";
    m_out += kEol;
}

void TSVGCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (brushClear() && penClear())
        return;
    m_out += "<ellipse ";
    appendEllipse(left, top, right, bottom);
    appendFill(true);
    m_out += "/>";
    m_out += kEol;
}

// The sector as the screen draws it: each end where the ray from the centre through its radial
// point meets the ellipse, counter-clockwise (sweep-flag 0 with Y down). Equal ends are a full
// turn, written as two half arcs: one arc between equal points draws nothing.
void TSVGCanvas::appendSector(const EllipseSweep &sweep, bool pie)
{
    const double rx = sweep.box.width() / 2.0;
    const double ry = sweep.box.height() / 2.0;
    const auto point = [&](const QPointF &p) {
        appendFixed(m_out, p.x(), 2);
        m_out += ',';
        appendFixed(m_out, p.y(), 2);
    };
    const auto arcTo = [&](double toDegrees, bool large) {
        m_out += " A ";
        appendFixed(m_out, rx, 2);
        m_out += ',';
        appendFixed(m_out, ry, 2);
        m_out += large ? " 0 1,0 " : " 0 0,0 ";
        point(sweep.pointAt(toDegrees));
    };
    const QPointF start = sweep.pointAt(sweep.startDegrees);
    m_out += R"( d=")";
    if (pie) {
        m_out += "M ";
        point(sweep.box.center());
        m_out += " L ";
    } else {
        m_out += "M ";
    }
    point(start);
    if (sweep.spanDegrees >= 360.0) {
        arcTo(sweep.startDegrees + 180.0, false);
        arcTo(sweep.startDegrees, false);
    } else {
        arcTo(sweep.startDegrees + sweep.spanDegrees, sweep.spanDegrees > 180.0);
    }
    if (pie)
        m_out += " Z";
    m_out += '"';
}

void TSVGCanvas::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    if (penClear())
        return;
    m_out += R"(<path fill="none")";
    appendStroke();
    appendSector(ellipseSweep(left, top, right, bottom, startX, startY, endX, endY), false);
    m_out += "/>";
    m_out += kEol;
}

void TSVGCanvas::Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    if (brushClear() && penClear())
        return;
    m_out += "<path";
    appendFill(true);
    appendSector(ellipseSweep(left, top, right, bottom, startX, startY, endX, endY), true);
    m_out += "/>";
    m_out += kEol;
}

void TSVGCanvas::Polygon(const TPointArray &points)
{
    if (brushClear() && penClear())
        return;
    m_out += "<polygon";
    appendFill(true);
    m_out += kEol;
    appendPoints(points.data(), points.size());
    m_out += "/>";
    m_out += kEol;
}

void TSVGCanvas::Polyline(const TPointArray &points)
{
    if (penClear())
        return;
    m_out += R"(<polyline fill="none" )";
    appendStroke();
    m_out += kEol;
    appendPoints(points.data(), points.size());
    m_out += "/>";
    m_out += kEol;
}

void TSVGCanvas::openClip(const QByteArray &shape)
{
    ++m_openClips;
    const int n = ++m_clipCounter;
    m_out += R"(<g clip-path="url(#Clip)";
    appendInt(m_out, n);
    m_out += ")\">";
    m_out += kEol;
    m_out += "<defs>";
    m_out += kEol;
    m_out += R"(<clipPath id="Clip)";
    appendInt(m_out, n);
    m_out += R"(" style="clip-rule:nonzero">)";
    m_out += kEol;
    m_out += shape;
    m_out += "/>";
    m_out += kEol;
    m_out += "</clipPath>";
    m_out += kEol;
    m_out += "</defs>";
    m_out += kEol;
}

void TSVGCanvas::ClipRectangle(const TRect &rect)
{
    const QByteArray saved = std::exchange(m_out, QByteArray("<rect "));
    appendRectangle(rect.left, rect.top, rect.right, rect.bottom);
    QByteArray shape = std::exchange(m_out, saved);
    openClip(shape);
}

void TSVGCanvas::ClipRoundRectangle(const TRect &rect, int cornerSize)
{
    const QByteArray saved = std::exchange(m_out, QByteArray("<rect "));
    appendRectangle(rect.left, rect.top, rect.right, rect.bottom);
    m_out += R"( rx=")";
    appendInt(m_out, cornerSize);
    m_out += '"';
    QByteArray shape = std::exchange(m_out, saved);
    openClip(shape);
}

void TSVGCanvas::ClipEllipse(const TRect &rect, bool inverted)
{
    // An inverted clip (everything but the ellipse) has no single SVG shape: the bounds stay open.
    if (inverted) {
        VectorCanvas::ClipEllipse(rect, inverted);
        return;
    }
    const QByteArray saved = std::exchange(m_out, QByteArray("<ellipse "));
    appendEllipse(rect.left, rect.top, rect.right, rect.bottom);
    QByteArray shape = std::exchange(m_out, saved);
    openClip(shape);
}

void TSVGCanvas::ClipPolygon(const TPoint *points, int count)
{
    const QByteArray saved = std::exchange(m_out, QByteArray("<polygon "));
    appendPoints(points, std::size_t(std::max(count, 0)));
    QByteArray shape = std::exchange(m_out, saved);
    openClip(shape);
}

void TSVGCanvas::UnClipRectangle()
{
    // A surplus unclip is ignored: the chart may unclip what a failed clip never opened.
    if (m_openClips == 0)
        return;
    --m_openClips;
    m_out += "</g>";
    m_out += kEol;
}

void TSVGCanvas::plainTextOut(int x, int y, const QString &text)
{
    const TFont &font = *Font();
    const int anchorX = x;
    const int anchorY = y;
    if (textAlign() < TA_BOTTOM)
        y += plotRound(textFontSize() * 96.0 / 72.0);
    x = alignedX(x, text);
    m_out += R"(<text x=")";
    appendInt(m_out, x);
    m_out += R"(" y=")";
    appendInt(m_out, y);
    m_out += R"(" font-family=")";
    appendXmlEscaped(m_out, font.Name(), true);
    m_out += R"(" font-size=")";
    appendInt(m_out, textFontSize());
    m_out += R"(pt" )";
    const TFontStyles style = font.Style();
    if (style.testFlag(fsItalic))
        m_out += R"( font-style="italic")";
    if (style.testFlag(fsBold))
        m_out += R"( font-weight="bold")";
    if (style.testFlag(fsUnderline))
        m_out += R"( text-decoration="underline")";
    else if (style.testFlag(fsStrikeOut))
        m_out += R"( text-decoration="line-through")";
    // Turned about its anchor, as the screen turns it; SVG angles run clockwise.
    if (const double angle = textAngle(); angle != 0.0) {
        m_out += R"( transform="rotate()";
        appendShortest(m_out, -angle);
        m_out += ' ';
        appendInt(m_out, anchorX);
        m_out += ' ';
        appendInt(m_out, anchorY);
        m_out += ")\"";
    }
    m_out += " fill=";
    appendColor(textRGB());
    // A transparent text shadow is written inside its blend.
    appendFillOpacity();
    m_out += '>';
    m_out += kEol;
    appendXmlCharacterReferences(m_out, text);
    m_out += kEol;
    m_out += "</text>";
    m_out += kEol;
}
