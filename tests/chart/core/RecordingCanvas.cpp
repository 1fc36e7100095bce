// Recording canvas: one record per primitive, with a one-line text form for golden logs.
#include "RecordingCanvas.h"

#include "PlotRound.h"
#include "TPlotBlend.h"

#include <cmath>

namespace {

QString hex(TColor c)
{
    return QStringLiteral("%1").arg(c, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString RecordedCall::line() const
{
    QStringList parts{op};
    for (int a : args)
        parts << QString::number(a);
    for (const TPoint &p : points)
        parts << QStringLiteral("(%1,%2)").arg(p.x).arg(p.y);
    if (!text.isNull())
        parts << QLatin1Char('"') + text + QLatin1Char('"');
    parts << QStringLiteral("pen=%1/%2/%3").arg(penVisible() ? hex(penColor) : QStringLiteral("clear")).arg(penWidth).arg(int(penMode));
    parts << QStringLiteral("brush=%1/%2").arg(hex(brushColor)).arg(int(brushStyle));
    if (!text.isNull())
        parts << QStringLiteral("text=%1").arg(hex(textColor))
              << QStringLiteral("font=%1/%2/%3").arg(fontName).arg(fontSize).arg(int(fontStyle));
    parts << QStringLiteral("clip=%1").arg(clipDepth) << (in3D ? QStringLiteral("3d") : QStringLiteral("2d"));
    return parts.join(QLatin1Char(' '));
}

RecordingCanvas::RecordingCanvas(FakeMetrics metrics)
    : m_metrics(metrics)
{
    SetBuffered(false);
    SetCanvas(&m_gui);
}

std::vector<RecordedCall> RecordingCanvas::calls(const QString &op) const
{
    std::vector<RecordedCall> result;
    for (const RecordedCall &c : m_calls)
        if (c.op == op)
            result.push_back(c);
    return result;
}

int RecordingCanvas::count(const QString &op) const
{
    return int(calls(op).size());
}

std::vector<TColor> RecordingCanvas::brushColors(const QString &op) const
{
    std::vector<TColor> result;
    for (const RecordedCall &c : calls(op))
        result.push_back(c.brushColor);
    return result;
}

QStringList RecordingCanvas::opNames() const
{
    QStringList names;
    for (const RecordedCall &c : m_calls)
        names << c.op;
    return names;
}

QString RecordingCanvas::dump() const
{
    QStringList lines;
    for (const RecordedCall &c : m_calls)
        lines << c.line();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

RecordedCall &RecordingCanvas::record(const QString &op, std::vector<int> args)
{
    RecordedCall c;
    c.op = op;
    c.args = std::move(args);
    const TPen *pen = Pen();
    const TBrush *brush = Brush();
    const TFont *font = Font();
    c.penColor = pen->handle().kind == TPen::Handle::Cosmetic ? pen->Color() : pen->handle().color;
    c.penWidth = pen->Width();
    c.penStyle = pen->Style();
    c.penMode = pen->Mode();
    c.brushColor = brush->Color();
    c.brushStyle = brush->Style();
    c.fontName = font->Name();
    c.fontSize = font->Size();
    c.fontStyle = font->Style();
    c.fontColor = font->Color();
    c.textColor = m_gui.dc().textColor();
    c.fontPixelSize = m_gui.dc().currentFont().pixelSize();
    // The angle is set on the platform canvas in force, which a chart's pass may have switched.
    c.textAngleTenths = plotRound(dc().textAngle() * 10.0);
    c.backMode = GetBackMode();
    c.clipDepth = m_clipDepth;
    c.in3D = projection().is3D;
    m_calls.push_back(std::move(c));
    return m_calls.back();
}

void RecordingCanvas::SetPixel(int x, int y, TColor color) { record(QStringLiteral("SetPixel"), {x, y, int(color)}); }

void RecordingCanvas::Arc(int l, int t, int r, int b, int sx, int sy, int ex, int ey)
{
    record(QStringLiteral("Arc"), {l, t, r, b, sx, sy, ex, ey});
}

void RecordingCanvas::Draw(int x, int y, const QImage *graphic)
{
    if (graphic && !graphic->isNull())
        record(QStringLiteral("Draw"), {x, y, graphic->width(), graphic->height()});
}

void RecordingCanvas::Ellipse(int l, int t, int r, int b) { record(QStringLiteral("Ellipse"), {l, t, r, b}); }

void RecordingCanvas::FillRect(const TRect &r)
{
    record(QStringLiteral("FillRect"), {r.left, r.top, r.right, r.bottom});
}

void RecordingCanvas::LineTo(int x, int y) { record(QStringLiteral("LineTo"), {x, y}); }

void RecordingCanvas::MoveTo(int x, int y) { record(QStringLiteral("MoveTo"), {x, y}); }

void RecordingCanvas::Pie(int l, int t, int r, int b, int sx, int sy, int ex, int ey)
{
    record(QStringLiteral("Pie"), {l, t, r, b, sx, sy, ex, ey});
}

void RecordingCanvas::Rectangle(int l, int t, int r, int b) { record(QStringLiteral("Rectangle"), {l, t, r, b}); }

void RecordingCanvas::RoundRect(int l, int t, int r, int b, int cw, int ch)
{
    record(QStringLiteral("RoundRect"), {l, t, r, b, cw, ch});
}

void RecordingCanvas::StretchDraw(const TRect &r, const QImage *graphic)
{
    if (graphic)
        record(QStringLiteral("StretchDraw"), {r.left, r.top, r.right, r.bottom});
}

void RecordingCanvas::ClipRectangle(const TRect &r)
{
    ++m_clipDepth;
    record(QStringLiteral("ClipRectangle"), {r.left, r.top, r.right, r.bottom});
}

void RecordingCanvas::ClipRoundRectangle(const TRect &r, int cornerSize)
{
    ++m_clipDepth;
    record(QStringLiteral("ClipRoundRectangle"), {r.left, r.top, r.right, r.bottom, cornerSize});
}

void RecordingCanvas::ClipEllipse(const TRect &r, bool inverted)
{
    if (!inverted)
        ++m_clipDepth;
    record(QStringLiteral("ClipEllipse"), {r.left, r.top, r.right, r.bottom, inverted ? 1 : 0});
}

void RecordingCanvas::ClipPolygon(const TPoint *points, int count)
{
    ++m_clipDepth;
    record(QStringLiteral("ClipPolygon")).points.assign(points, points + count);
}

void RecordingCanvas::HorizLine(int l, int r, int y) { record(QStringLiteral("HorizLine"), {l, r, y}); }

void RecordingCanvas::VertLine(int x, int t, int b) { record(QStringLiteral("VertLine"), {x, t, b}); }

void RecordingCanvas::GradientFill(const TRect &r, TColor start, TColor end, TGradientDirection direction, int balance)
{
    record(QStringLiteral("GradientFill"),
           {r.left, r.top, r.right, r.bottom, int(start), int(end), int(direction), balance});
}

void RecordingCanvas::Line(int x0, int y0, int x1, int y1) { record(QStringLiteral("Line"), {x0, y0, x1, y1}); }

void RecordingCanvas::Polyline(const TPointArray &points) { record(QStringLiteral("Polyline")).points = points; }

void RecordingCanvas::Polygon(const TPointArray &points) { record(QStringLiteral("Polygon")).points = points; }

void RecordingCanvas::UnClipRectangle()
{
    m_clipDepth = 0;
    record(QStringLiteral("UnClipRectangle"));
}

void RecordingCanvas::SetPixel3D(int x, int y, int z, TColor color)
{
    record(QStringLiteral("SetPixel3D"), {x, y, z, int(color)});
}

TRect RecordingCanvas::InitWindow(GuiCanvas *destination, TView3DOptions *options, TColor backColor, bool is3D,
                                  const TRect &rect)
{
    Q_UNUSED(destination);
    Q_UNUSED(backColor);
    initProjection(options, is3D, rect);
    record(QStringLiteral("InitWindow"), {rect.left, rect.top, rect.right, rect.bottom, is3D ? 1 : 0});
    return rect;
}

void RecordingCanvas::FlushBuffer(GuiCanvas *, GuiCanvas *, const TRect &rect)
{
    record(QStringLiteral("FlushBuffer"), {rect.left, rect.top, rect.right, rect.bottom});
}

void RecordingCanvas::HorizLine3D(int l, int r, int y, int z) { record(QStringLiteral("HorizLine3D"), {l, r, y, z}); }

void RecordingCanvas::VertLine3D(int x, int t, int b, int z) { record(QStringLiteral("VertLine3D"), {x, t, b, z}); }

void RecordingCanvas::ZLine3D(int x, int y, int z0, int z1) { record(QStringLiteral("ZLine3D"), {x, y, z0, z1}); }

void RecordingCanvas::LineWithZ(int x0, int y0, int x1, int y1, int z)
{
    record(QStringLiteral("LineWithZ"), {x0, y0, x1, y1, z});
}

void RecordingCanvas::MoveTo3D(int x, int y, int z) { record(QStringLiteral("MoveTo3D"), {x, y, z}); }

void RecordingCanvas::LineTo3D(int x, int y, int z) { record(QStringLiteral("LineTo3D"), {x, y, z}); }

void RecordingCanvas::PolygonFourPoints()
{
    const TFourPoints &p = fourPoints();
    record(QStringLiteral("PolygonFourPoints")).points.assign(p.begin(), p.end());
}

void RecordingCanvas::Disable3D()
{
    TPlotCanvas3D::Disable3D();
    record(QStringLiteral("Disable3D"));
}

void RecordingCanvas::Restore3D()
{
    TPlotCanvas3D::Restore3D();
    record(QStringLiteral("Restore3D"));
}

std::unique_ptr<TPlotBlend> RecordingCanvas::BeginBlending(const TRect &rect, int transparency)
{
    record(QStringLiteral("BeginBlending"), {rect.left, rect.top, rect.right, rect.bottom, transparency & 127});
    return TPlotCanvas3D::BeginBlending(rect, transparency);
}

void RecordingCanvas::EndBlending(std::unique_ptr<TPlotBlend> blend)
{
    record(QStringLiteral("EndBlending"), {blend ? blend->transparency() : -1});
    TPlotCanvas3D::EndBlending(std::move(blend));
}

void RecordingCanvas::plainTextOut(int x, int y, const QString &text)
{
    record(QStringLiteral("TextOut"), {x, y, GetTextAlign()}).text = text;
}

QRect RecordingCanvas::textBox(const RecordedCall &call) const
{
    const int width = m_metrics.charWidth * int(call.text.size());
    const int height = m_metrics.height;
    const int x = call.args[0];
    const int y = call.args[1];
    if (call.textAngleTenths == 900)
        return {x, y - width, height, width};
    const int top = (call.args[2] & TA_BASELINE) == TA_BOTTOM ? y - height : y;
    switch (call.args[2] & TA_CENTER) {
    case TA_RIGHT:
        return {x - width, top, width, height};
    case TA_CENTER:
        return {x - width / 2, top, width, height};
    default:
        return {x, top, width, height};
    }
}

int RecordingCanvas::rawTextWidth(const QString &text)
{
    return m_metrics.charWidth * int(text.size());
}

int RecordingCanvas::rawTextHeight(const QString &)
{
    return m_metrics.height;
}

// Angles in thousandths of a radian, percentages as given.
void RecordingCanvas::Arrow(bool filled, const TPoint &from, const TPoint &to, int headWidth, int headLength, int z,
                            double bodyPercent)
{
    if (!m_logSolids)
        return TPlotCanvas3D::Arrow(filled, from, to, headWidth, headLength, z, bodyPercent);
    record(QStringLiteral("Arrow"), {filled ? 1 : 0, from.x, from.y, to.x, to.y, headWidth, headLength, z, plotRound(bodyPercent)});
}

void RecordingCanvas::Cone(bool vertical, int l, int t, int r, int b, int z0, int z1, bool dark, int percent)
{
    if (!m_logSolids)
        return TPlotCanvas3D::Cone(vertical, l, t, r, b, z0, z1, dark, percent);
    record(QStringLiteral("Cone"), {vertical ? 1 : 0, l, t, r, b, z0, z1, dark ? 1 : 0, percent});
}

void RecordingCanvas::Cube(int l, int r, int t, int b, int z0, int z1, bool dark)
{
    if (!m_logSolids)
        return TPlotCanvas3D::Cube(l, r, t, b, z0, z1, dark);
    record(QStringLiteral("Cube"), {l, r, t, b, z0, z1, dark ? 1 : 0});
}

void RecordingCanvas::Cylinder(bool vertical, int l, int t, int r, int b, int z0, int z1, bool dark)
{
    if (!m_logSolids)
        return TPlotCanvas3D::Cylinder(vertical, l, t, r, b, z0, z1, dark);
    record(QStringLiteral("Cylinder"), {vertical ? 1 : 0, l, t, r, b, z0, z1, dark ? 1 : 0});
}

void RecordingCanvas::Pie3D(int x, int y, int xr, int yr, int z0, int z1, double start, double end, bool dark,
                            bool sides, int donut, const TCustomPlotGradient *gradient)
{
    if (!m_logSolids)
        return TPlotCanvas3D::Pie3D(x, y, xr, yr, z0, z1, start, end, dark, sides, donut, gradient);
    record(QStringLiteral("Pie3D"), {x, y, xr, yr, z0, z1, plotRound(start * 1000), plotRound(end * 1000), dark ? 1 : 0,
                                     sides ? 1 : 0, donut, gradient ? 1 : 0});
}

void RecordingCanvas::Pyramid(bool vertical, int l, int t, int r, int b, int z0, int z1, bool dark)
{
    if (!m_logSolids)
        return TPlotCanvas3D::Pyramid(vertical, l, t, r, b, z0, z1, dark);
    record(QStringLiteral("Pyramid"), {vertical ? 1 : 0, l, t, r, b, z0, z1, dark ? 1 : 0});
}

void RecordingCanvas::TruncatedPyramid(const TRect &rect, int z0, int z1, int topHalfWidth, int topHalfDepth)
{
    if (!m_logSolids)
        return TPlotCanvas3D::TruncatedPyramid(rect, z0, z1, topHalfWidth, topHalfDepth);
    record(QStringLiteral("TruncatedPyramid"), {rect.left, rect.top, rect.right, rect.bottom, z0, z1, topHalfWidth, topHalfDepth});
}

RecordingPass::RecordingPass(bool view3D_, FakeMetrics metrics)
    : canvas(metrics)
    , view3D(view3D_)
{
    begin();
}

void RecordingPass::begin()
{
    const TRect bounds{0, 0, 400, 300};
    canvas.InitWindow(nullptr, &options, clWhite, view3D, bounds);
    canvas.CalcProjection(100, bounds);
    canvas.clear();
}
