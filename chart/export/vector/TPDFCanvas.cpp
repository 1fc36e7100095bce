// PDF canvas: content-stream operators, Y flipped, numbers in the C locale.
#include "TPDFCanvas.h"

#include "EllipseSweep.h"
#include "GuiCanvas.h"
#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotRound.h"
#include "TFont.h"
#include "TPen.h"
#include "TPlotFont.h"
#include "TPlotPDFPage.h"
#include "VectorText.h"

#include <cmath>
#include <numbers>

using namespace VectorText;

namespace {

constexpr char kEol[] = "\r\n";
// The control-point distance of a quarter circle as four cubic curves.
constexpr double kKappa = 0.552;

} // namespace

TPDFCanvas::TPDFCanvas(TPlotPDFPage &page)
    : m_page(page)
    , m_content(page.content())
{
}

QByteArray TPDFCanvas::escapedText(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const int winAnsi = unicodeToWinAnsi(c.unicode());
        const char code = winAnsi < 0 ? '?' : char(winAnsi);
        if (code == '\\' || code == '(' || code == ')')
            out += '\\';
        out += code;
    }
    return out;
}

void TPDFCanvas::beginDocument()
{
    m_clipDepth = 0;
}

void TPDFCanvas::endDocument()
{
    // Clips left open would leave q and Q unbalanced.
    for (; m_clipDepth > 0; --m_clipDepth) {
        m_content += "Q";
        m_content += kEol;
    }
}

void TPDFCanvas::number(double value)
{
    appendFixed(m_content, value, 3);
}

void TPDFCanvas::point(double x, double y)
{
    number(x);
    m_content += ' ';
    number(pageHeight() - y);
}

void TPDFCanvas::appendColor(TColor rgb)
{
    appendFixed(m_content, PlotColor::redOf(rgb) / 255.0, 2);
    m_content += ' ';
    appendFixed(m_content, PlotColor::greenOf(rgb) / 255.0, 2);
    m_content += ' ';
    appendFixed(m_content, PlotColor::blueOf(rgb) / 255.0, 2);
}

void TPDFCanvas::appendPen()
{
    appendColor(penRGB());
    m_content += " RG ";
    appendInt(m_content, Pen()->Width());
    m_content += " w ";
    switch (Pen()->Style()) {
    case psDash: m_content += "[3 3] 0 d"; break;
    case psDot: m_content += "[2] 1 d"; break;
    case psDashDot: m_content += "[3 2] 2 d"; break;
    default: m_content += "[ ] 0 d"; break;
    }
    // The page's own ends are flat and mitred; the state outlives the stroke, so a thin pen after
    // a wide one puts them back.
    const TPenEndStyle ends = lineEnds();
    if (ends == esFlat && !m_roundedEnds)
        return;
    switch (ends) {
    case esRound: m_content += " 1 J 1 j"; break;
    case esSquare: m_content += " 2 J 2 j"; break;
    case esFlat: m_content += " 0 J 0 j"; break;
    }
    m_roundedEnds = ends != esFlat;
}

void TPDFCanvas::appendBrush()
{
    appendColor(brushRGB());
    m_content += " rg";
}

void TPDFCanvas::appendColors(bool fill, bool stroke)
{
    if (stroke) {
        appendPen();
        m_content += ' ';
    }
    if (fill) {
        appendBrush();
        m_content += ' ';
    }
}

void TPDFCanvas::appendPath(const TPointArray &points)
{
    point(points[0].x, points[0].y);
    m_content += " m";
    m_content += kEol;
    for (std::size_t i = 1; i < points.size(); ++i) {
        point(points[i].x, points[i].y);
        m_content += " l";
        m_content += kEol;
    }
}

void TPDFCanvas::LineTo(int x, int y)
{
    // A clear pen draws nothing; the pen text has no clear style.
    if (!penClear()) {
        appendPen();
        m_content += ' ';
        point(m_penPos.x, m_penPos.y);
        m_content += " m ";
        point(x, y);
        m_content += " l S";
        m_content += kEol;
    }
    m_penPos = {x, y};
}

void TPDFCanvas::Rectangle(int left, int top, int right, int bottom)
{
    const bool fill = !brushClear();
    const bool stroke = !penClear();
    if (!fill && !stroke)
        return;
    const TRect r = PlotGeometry::OrientRect({left, top, right, bottom});
    const int inset = stroke ? Pen()->Width() : 0;
    appendColors(fill, stroke);
    number(r.left);
    m_content += ' ';
    number(pageHeight() - r.bottom);
    m_content += ' ';
    number(r.right - r.left - inset);
    m_content += ' ';
    number(r.bottom - r.top - inset);
    m_content += " re";
    m_content += !stroke ? " f" : fill ? " B" : " S";
    m_content += kEol;
}

void TPDFCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    Q_UNUSED(cornerWidth);
    Q_UNUSED(cornerHeight);
    Rectangle(left, top, right, bottom);
}

void TPDFCanvas::FillRect(const TRect &rect)
{
    if (brushClear())
        return;
    const TPenStyle style = Pen()->Style();
    Pen()->SetStyle(psClear);
    Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    Pen()->SetStyle(style);
}

void TPDFCanvas::Ellipse(int left, int top, int right, int bottom)
{
    const bool fill = !brushClear();
    const bool stroke = !penClear();
    if (!fill && !stroke)
        return;
    appendColors(fill, stroke);
    const double rx = (right - left) * 0.5;
    const double ry = (bottom - top) * 0.5;
    const double cx = (left + right) * 0.5;
    const double cy = (top + bottom) * 0.5;
    const double kx = rx * kKappa;
    const double ky = ry * kKappa;
    point(cx + rx, cy);
    m_content += " m ";
    const auto curve = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
        point(x1, y1);
        m_content += ' ';
        point(x2, y2);
        m_content += ' ';
        point(x3, y3);
        m_content += " c";
        m_content += kEol;
    };
    // Screen Y grows downwards: up first on the page, counter-clockwise.
    curve(cx + rx, cy - ky, cx + kx, cy - ry, cx, cy - ry);
    curve(cx - kx, cy - ry, cx - rx, cy - ky, cx - rx, cy);
    curve(cx - rx, cy + ky, cx - kx, cy + ry, cx, cy + ry);
    curve(cx + kx, cy + ry, cx + rx, cy + ky, cx + rx, cy);
    m_content += !fill ? " S" : !stroke ? " f" : " B";
    m_content += kEol;
}

// A circle of the larger radius, squeezed into the ellipse by a scaling about the centre, cut
// into pieces of at most a quarter turn, each one cubic curve. The angles are those the screen
// gives the radial points; ends that coincide are a full turn.
void TPDFCanvas::sector(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY,
                        bool pie)
{
    const bool fill = pie && !brushClear();
    const bool stroke = !penClear();
    if (!fill && !stroke)
        return;
    if (stroke)
        appendPen();
    if (fill) {
        m_content += ' ';
        appendBrush();
        m_content += kEol;
    } else {
        m_content += ' ';
    }
    const double cx = (left + right) * 0.5;
    const double cy = pageHeight() - (top + bottom) * 0.5; // on the page
    const double rx = std::abs(right - left) * 0.5;
    const double ry = std::abs(bottom - top) * 0.5;
    const double r = std::max(rx, ry);
    const bool squeezed = rx != ry && r > 0.0;
    if (squeezed) {
        m_content += "q";
        m_content += kEol;
        if (rx <= ry) {
            const double k = rx / ry;
            appendFixed(m_content, k, 3);
            m_content += " 0 0 1 ";
            number((1.0 - k) * cx);
            m_content += " 0";
        } else {
            const double k = ry / rx;
            m_content += "1 0 0 ";
            appendFixed(m_content, k, 3);
            m_content += " 0 ";
            number((1.0 - k) * cy);
        }
        m_content += " cm";
        m_content += kEol;
    }
    const QRectF box(left, top, right - left, bottom - top);
    const double a1 = parametricDegrees(box, startX, startY) * std::numbers::pi / 180.0;
    double sweep = parametricDegrees(box, endX, endY) * std::numbers::pi / 180.0 - a1;
    if (sweep <= 0.0)
        sweep += 2.0 * std::numbers::pi;
    const auto pagePoint = [&](double x, double y) {
        number(x);
        m_content += ' ';
        number(y);
    };
    if (pie) {
        pagePoint(cx, cy);
        m_content += " m";
        m_content += kEol;
    }
    int n = 1;
    while (sweep / n > std::numbers::pi / 2.0 + 1e-12)
        ++n;
    const double piece = sweep / n;
    const double h = piece / 2.0;
    const double c = std::cos(h);
    const double s = std::sin(h);
    const double px = r * (4.0 - c) / 3.0;
    const double py = s != 0.0 ? r * (1.0 - c) * (3.0 - c) / (3.0 * s) : 0.0;
    for (int i = 0; i < n; ++i) {
        const double theta = a1 + (i + 0.5) * piece;
        const double ct = std::cos(theta);
        const double st = std::sin(theta);
        // Local points about the piece's middle, rotated to theta; the page's Y is up.
        const auto at = [&](double x, double y) { return QPointF(cx + x * ct - y * st, cy + x * st + y * ct); };
        if (i == 0) {
            const QPointF p0 = at(r * c, -r * s);
            pagePoint(p0.x(), p0.y());
            m_content += pie ? " l" : " m";
            m_content += kEol;
        }
        const QPointF c1 = at(px, -py);
        const QPointF c2 = at(px, py);
        const QPointF p3 = at(r * c, r * s);
        pagePoint(c1.x(), c1.y());
        m_content += ' ';
        pagePoint(c2.x(), c2.y());
        m_content += ' ';
        pagePoint(p3.x(), p3.y());
        m_content += " c";
        m_content += kEol;
    }
    if (pie)
        m_content += fill ? (stroke ? " h B" : " h f") : " s";
    else
        m_content += " S";
    m_content += kEol;
    if (squeezed) {
        m_content += "Q";
        m_content += kEol;
    }
}

void TPDFCanvas::Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    sector(left, top, right, bottom, startX, startY, endX, endY, true);
}

void TPDFCanvas::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    sector(left, top, right, bottom, startX, startY, endX, endY, false);
}

void TPDFCanvas::Polygon(const TPointArray &points)
{
    const bool fill = !brushClear();
    const bool stroke = !penClear();
    if ((!fill && !stroke) || points.empty())
        return;
    // The colours come before the path: no colour operator may stand inside a path.
    appendColors(fill, stroke);
    appendPath(points);
    m_content += "h ";
    m_content += !fill ? "S" : !stroke ? "f" : "B";
    m_content += kEol;
}

void TPDFCanvas::Polyline(const TPointArray &points)
{
    if (penClear() || points.empty())
        return;
    appendPen();
    m_content += ' ';
    appendPath(points);
    m_content += "S";
    m_content += kEol;
}

void TPDFCanvas::image(const QImage &graphic, double x, double y, double w, double h)
{
    const int index = m_page.imageIndex(graphic, m_encodedBytes ? m_encodedBytes(graphic) : QByteArray());
    m_content += "q ";
    number(w);
    m_content += " 0 0 ";
    number(h);
    m_content += ' ';
    number(x);
    m_content += ' ';
    number(y);
    m_content += " cm /Im";
    appendInt(m_content, index);
    m_content += " Do Q";
    m_content += kEol;
}

void TPDFCanvas::Draw(int x, int y, const QImage *graphic)
{
    if (!graphic || graphic->isNull())
        return;
    image(*graphic, x, pageHeight() - y - graphic->height(), graphic->width(), graphic->height());
}

void TPDFCanvas::StretchDraw(const TRect &rect, const QImage *graphic)
{
    if (!graphic || graphic->isNull())
        return;
    image(*graphic, rect.left, pageHeight() - rect.bottom, std::abs(rect.width()), std::abs(rect.height()));
}

void TPDFCanvas::ClipRectangle(const TRect &rect)
{
    ++m_clipDepth;
    m_content += "q";
    m_content += kEol;
    appendFixed(m_content, rect.left, 2);
    m_content += ' ';
    appendFixed(m_content, pageHeight() - rect.bottom, 2);
    m_content += ' ';
    appendFixed(m_content, rect.right - rect.left - 1, 2);
    m_content += ' ';
    appendFixed(m_content, rect.bottom - rect.top - 1, 2);
    m_content += " re W n";
    m_content += kEol;
}

void TPDFCanvas::ClipRoundRectangle(const TRect &rect, int cornerSize)
{
    Q_UNUSED(cornerSize);
    ClipRectangle(rect);
}

void TPDFCanvas::UnClipRectangle()
{
    if (m_clipDepth == 0)
        return;
    --m_clipDepth;
    m_content += "Q";
    m_content += kEol;
}

std::unique_ptr<TPlotBlend> TPDFCanvas::BeginBlending(const TRect &rect, int transparency)
{
    Q_UNUSED(rect);
    Q_UNUSED(transparency);
    return nullptr;
}

void TPDFCanvas::EndBlending(std::unique_ptr<TPlotBlend> blend)
{
    Q_UNUSED(blend);
}

void TPDFCanvas::plainTextOut(int x, int y, const QString &text)
{
    const TFont &font = *Font();
    if (textAlign() & TA_BOTTOM)
        y -= plotRound(textFontSize() * 96.0 / 72.0);
    const int index = m_page.fontIndex(font.toQFont());
    const double a = textAngle() * 0.01745329;
    appendColor(textRGB());
    m_content += " rg BT /F";
    appendInt(m_content, index);
    m_content += ' ';
    // The page has one unit per screen pixel: the font's size in pixels keeps the text as large
    // against the chart as on screen (its size in points would shrink it to three quarters).
    appendShortest(m_content, textFontSize() * 96.0 / 72.0);
    m_content += " Tf ";
    // The character spacing of a chart font; the plain font has none.
    const TPlotFont *chartFont = plotFont();
    appendInt(m_content, chartFont ? chartFont->InterCharSize() : 0);
    m_content += " Tc  ";
    // The layout's measures, in the page's pixel units.
    double w = 0.0;
    switch (textAlign() & TA_CENTER) {
    case TA_RIGHT: w = TextWidth(text); break;
    case TA_CENTER: w = TextWidth(text) / 2; break;
    default: break;
    }
    const double h = TextHeight(text);
    const double ca = std::cos(a);
    const double sa = std::sin(a);
    const double px = x - (w * ca - h * sa);
    const double py = (pageHeight() - y) - (w * sa + h * ca);
    number(ca);
    m_content += ' ';
    number(sa);
    m_content += ' ';
    number(-sa);
    m_content += ' ';
    number(ca);
    m_content += ' ';
    number(px);
    m_content += ' ';
    number(py);
    m_content += " Tm (";
    m_content += escapedText(text);
    m_content += ") Tj ET";
    m_content += kEol;
}
