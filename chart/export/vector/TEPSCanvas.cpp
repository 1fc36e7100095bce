// EPS canvas: header and prolog, then one PostScript line per drawing call.
#include "TEPSCanvas.h"

#include "EllipseSweep.h"
#include "GuiCanvas.h"
#include "PlotColor.h"
#include "PlotDC.h"
#include "PlotGeometry.h"
#include "TFont.h"
#include "TPen.h"
#include "VectorText.h"

#include <cmath>

using namespace VectorText;

namespace {

constexpr char kEol[] = "\r\n";

// The level is 3: rectfill, rectstroke and rectclip are level 2, clipsave and cliprestore level 3.
// The texts are Latin-1, but a font found comes in the standard encoding, which has no glyphs
// from 128 on ("°" would vanish): rf gives each font a copy in ISOLatin1Encoding, made once.
constexpr char kProlog[] = R"(%%Creator: Plot Library 3.0
%%LanguageLevel: 3
%%EndComments
/bd{bind def} bind def /ld{load def}bd /ed{exch def}bd /xd{cvx def}bd
/np/newpath ld /cp/closepath ld /m/moveto ld /l/lineto ld /rm/rmoveto ld/rl/rlineto ld
/rot/rotate ld /sc/scale ld /tr/translate ld
/cpt/currentpoint ld
/sw/setlinewidth ld /sd/setdash ld /rgb/setrgbcolor ld
/gs/gsave ld /gr/grestore ld
/st/stroke ld /fi/fill ld /s/show ld
/ltext{cpt st m s}def 
/rtext{cpt st m dup stringwidth pop neg 0 rm s} def
/ctext{cpt st m dup stringwidth pop -2 div 0 rm s} def
/latin1 16 dict def
/rf{latin1 1 index known not{dup dup dup length dict begin{1 index /FID ne{def}{pop pop}ifelse}forall /Encoding ISOLatin1Encoding def /Latin1Font currentdict end definefont latin1 3 1 roll put}if latin1 exch get}bd
/ellipsedict 8 dict def
ellipsedict /mtrx matrix put
/ellipse
{ ellipsedict begin
  np
   /endangle exch def
   /startangle exch def
   /yrad exch def
   /xrad exch def
   /y exch def
   /x exch def
  /savematrix mtrx currentmatrix def
  x y tr xrad yrad sc
  0 0 1 startangle endangle arc
  savematrix setmatrix
  end
} def
/piedict 8 dict def
piedict /mtrx matrix put
/pie
{ piedict begin
  np
   /endangle exch def
   /startangle exch def
   /yrad exch def
   /xrad exch def
   /y exch def
   /x exch def
  /savematrix mtrx currentmatrix def
  x y tr xrad yrad sc
  newpath
  0 0 m
  0 0 1 startangle endangle arc
  closepath
  savematrix setmatrix
  end
} def
%%EndProlog
gs
np)";

void appendLines(QByteArray &out, const char *text)
{
    for (const QByteArray &line : QByteArray(text).split('\n')) {
        out += line;
        out += kEol;
    }
}

} // namespace

QByteArray TEPSCanvas::escapedText(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '(' || u == ')') {
            out += '\\';
            out += char(u);
        } else if (u >= 32 && u < 128) {
            out += char(u);
        } else if (u < 256) {
            out += '\\';
            out += char('0' + ((u >> 6) & 7));
            out += char('0' + ((u >> 3) & 7));
            out += char('0' + (u & 7));
        } else {
            out += '?';
        }
    }
    return out;
}

void TEPSCanvas::beginDocument()
{
    m_openClips = 0;
    m_out += "%!PS-Adobe-3.0 EPSF-3.0";
    m_out += kEol;
    m_out += "%%BoundingBox: 0 0 ";
    appendInt(m_out, Bounds().width());
    m_out += ' ';
    appendInt(m_out, Bounds().height());
    m_out += kEol;
    appendLines(m_out, kProlog);
}

void TEPSCanvas::endDocument()
{
    for (; m_openClips > 0; --m_openClips) {
        m_out += "cliprestore";
        m_out += kEol;
    }
    m_out += "gr";
    m_out += kEol;
}

void TEPSCanvas::appendPoint(int x, int y)
{
    appendInt(m_out, x);
    m_out += ' ';
    appendInt(m_out, pageHeight() - y);
}

void TEPSCanvas::appendColor(TColor rgb)
{
    appendFixed(m_out, PlotColor::redOf(rgb) / 255.0, 2);
    m_out += ' ';
    appendFixed(m_out, PlotColor::greenOf(rgb) / 255.0, 2);
    m_out += ' ';
    appendFixed(m_out, PlotColor::blueOf(rgb) / 255.0, 2);
    m_out += " rgb";
}

void TEPSCanvas::appendPen()
{
    appendColor(penRGB());
    m_out += ' ';
    switch (Pen()->Style()) {
    case psSolid: m_out += "[] 0 sd"; break;
    case psDash: m_out += "[3] 0 sd"; break;
    case psDot: m_out += "[2] 1 sd"; break;
    default: break;
    }
    m_out += ' ';
    appendInt(m_out, Pen()->Width());
    m_out += " sw";
    // PostScript's own ends are flat and mitred (0 0); each stroke sits in its own gsave.
    switch (lineEnds()) {
    case esRound: m_out += " 1 setlinecap 1 setlinejoin"; break;
    case esSquare: m_out += " 2 setlinecap 2 setlinejoin"; break;
    case esFlat: break;
    }
}

void TEPSCanvas::LineTo(int x, int y)
{
    // A clear pen draws nothing; the pen text has no clear style.
    if (penClear()) {
        m_penPos = {x, y};
        return;
    }
    m_out += "gs ";
    appendPen();
    m_out += ' ';
    appendPoint(m_penPos.x, m_penPos.y);
    m_out += " m ";
    appendPoint(x, y);
    m_out += " l st gr ";
    m_out += kEol;
    m_penPos = {x, y};
}

void TEPSCanvas::appendRectangle(int left, int top, int right, int bottom)
{
    const TRect r = PlotGeometry::OrientRect({left, top, right, bottom});
    appendInt(m_out, r.left);
    m_out += ' ';
    appendInt(m_out, pageHeight() - r.bottom);
    m_out += ' ';
    appendInt(m_out, r.right - r.left);
    m_out += ' ';
    appendInt(m_out, r.bottom - r.top);
}

void TEPSCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (!brushClear()) {
        m_out += "gs ";
        appendColor(brushRGB());
        m_out += ' ';
        appendRectangle(left, top, right, bottom);
        m_out += " rectfill gr";
        m_out += kEol;
    }
    if (!penClear()) {
        m_out += "gs ";
        appendPen();
        m_out += ' ';
        appendRectangle(left, top, right, bottom);
        m_out += " rectstroke gr";
        m_out += kEol;
    }
}

void TEPSCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    Q_UNUSED(cornerWidth);
    Q_UNUSED(cornerHeight);
    Rectangle(left, top, right, bottom);
}

void TEPSCanvas::FillRect(const TRect &rect)
{
    if (brushClear())
        return;
    m_out += "gs ";
    appendColor(brushRGB());
    m_out += ' ';
    appendRectangle(rect.left, rect.top, rect.right, rect.bottom);
    m_out += " rectfill gr";
    m_out += kEol;
}

void TEPSCanvas::paint(const QByteArray &path, bool fill, bool stroke)
{
    if (fill) {
        m_out += "gs ";
        appendColor(brushRGB());
        m_out += kEol;
        m_out += path;
        m_out += "fi gr";
        m_out += kEol;
    }
    if (stroke) {
        m_out += "gs ";
        appendPen();
        m_out += kEol;
        m_out += path;
        m_out += "st gr";
        m_out += kEol;
    }
}

void TEPSCanvas::appendEllipseArguments(int left, int top, int right, int bottom)
{
    appendInt(m_out, (left + right) / 2);
    m_out += ' ';
    appendInt(m_out, pageHeight() - (top + bottom) / 2);
    m_out += ' ';
    appendFixed(m_out, (right - left) * 0.5, 2);
    m_out += ' ';
    appendFixed(m_out, (bottom - top) * 0.5, 2);
}

void TEPSCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (brushClear() && penClear())
        return;
    const QByteArray saved = std::exchange(m_out, {});
    appendEllipseArguments(left, top, right, bottom);
    m_out += " 0 360 ellipse";
    m_out += kEol;
    const QByteArray path = std::exchange(m_out, saved);
    paint(path, !brushClear(), !penClear());
}

// Angles in screen space, counter-clockwise from the positive X axis, where the radial points
// are given; ends that coincide are a full turn, as on screen.
void TEPSCanvas::sector(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY,
                        const char *procedure, bool fill)
{
    // The prolog scales a unit circle by the two radii: its angles are those of the ray from
    // the centre through each point with both axes scaled to the circle, taken in screen space.
    const QRectF box(left, top, right - left, bottom - top);
    const auto degrees = [&](int x, int y) {
        double a = parametricDegrees(box, x, y);
        return a < 0.0 ? a + 360.0 : a;
    };
    const double start = degrees(startX, startY);
    double end = degrees(endX, endY);
    if (end <= start)
        end += 360.0; // also an end on the positive X axis: 360
    const QByteArray saved = std::exchange(m_out, {});
    appendEllipseArguments(left, top, right, bottom);
    m_out += ' ';
    appendShortest(m_out, start);
    m_out += ' ';
    appendShortest(m_out, end);
    m_out += ' ';
    m_out += procedure;
    m_out += kEol;
    const QByteArray path = std::exchange(m_out, saved);
    paint(path, fill, !penClear());
}

void TEPSCanvas::Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    if (brushClear() && penClear())
        return;
    sector(left, top, right, bottom, startX, startY, endX, endY, "pie", !brushClear());
}

void TEPSCanvas::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    if (penClear())
        return;
    sector(left, top, right, bottom, startX, startY, endX, endY, "ellipse", false);
}

QByteArray TEPSCanvas::pathOf(const TPointArray &points, bool closed)
{
    const QByteArray saved = std::exchange(m_out, {});
    m_out += "np ";
    appendPoint(points[0].x, points[0].y);
    m_out += " m";
    m_out += kEol;
    for (std::size_t i = 1; i < points.size(); ++i) {
        appendPoint(points[i].x, points[i].y);
        m_out += " l";
        m_out += kEol;
    }
    if (closed) {
        m_out += "cp";
        m_out += kEol;
    }
    return std::exchange(m_out, saved);
}

void TEPSCanvas::Polygon(const TPointArray &points)
{
    if ((brushClear() && penClear()) || points.empty())
        return;
    paint(pathOf(points, true), !brushClear(), !penClear());
}

void TEPSCanvas::Polyline(const TPointArray &points)
{
    if (penClear() || points.empty())
        return;
    paint(pathOf(points, false), false, true);
}

void TEPSCanvas::ClipRectangle(const TRect &rect)
{
    ++m_openClips;
    m_out += "clipsave ";
    appendRectangle(rect.left, rect.top, rect.right, rect.bottom);
    m_out += " rectclip";
    m_out += kEol;
}

void TEPSCanvas::UnClipRectangle()
{
    if (m_openClips == 0)
        return;
    --m_openClips;
    m_out += "cliprestore";
    m_out += kEol;
}

std::unique_ptr<TPlotBlend> TEPSCanvas::BeginBlending(const TRect &rect, int transparency)
{
    Q_UNUSED(rect);
    Q_UNUSED(transparency);
    return nullptr;
}

void TEPSCanvas::EndBlending(std::unique_ptr<TPlotBlend> blend)
{
    Q_UNUSED(blend);
}

void TEPSCanvas::plainTextOut(int x, int y, const QString &text)
{
    const TFont &font = *Font();
    const double angle = textAngle();
    // A turned text is written at the origin of a turned system placed at its anchor.
    if (angle != 0.0) {
        m_out += "gs ";
        appendPoint(x, y);
        m_out += " tr ";
        appendInt(m_out, std::lround(angle));
        m_out += " rot";
        m_out += kEol;
        x = 0;
        y = pageHeight();
    }
    appendColor(textRGB());
    // A name with spaces is no PostScript name literal: the string is made a name.
    m_out += " (";
    m_out += escapedText(font.Name());
    m_out += ") cvn findfont rf ";
    // One unit per screen pixel: the size in pixels keeps the text as large against the chart as
    // on screen (its size in points would shrink it to three quarters).
    appendShortest(m_out, textFontSize() * 96.0 / 72.0);
    m_out += " scalefont setfont";
    m_out += kEol;
    // The baseline where the screen puts it: the font's ascent below a top, its descent above
    // a bottom.
    const PlotDC &dc = ReferenceCanvas()->dc();
    switch (textAlign() & TA_BASELINE) {
    case TA_BASELINE: break;
    case TA_BOTTOM: y -= dc.descent(); break;
    default: y += dc.ascent(); break;
    }
    appendPoint(x, y);
    m_out += " m";
    m_out += kEol;
    m_out += '(';
    m_out += escapedText(text);
    switch (textAlign() & TA_CENTER) {
    case TA_CENTER: m_out += ") ctext"; break;
    case TA_RIGHT: m_out += ") rtext"; break;
    default: m_out += ") ltext"; break;
    }
    m_out += kEol;
    if (angle != 0.0) {
        m_out += "gr";
        m_out += kEol;
    }
}
