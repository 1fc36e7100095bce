// Screen canvas: platform mappings, buffer, projection, text with shadow and outline, clipping, gradients.
#include "TPlotCanvas3D.h"

#include "CanvasStateGuard.h"
#include "GradientBands.h"
#include "GuiCanvas.h"
#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotLibrary.h"
#include "PlotRound.h"
#include "TCustomPlotGradient.h"
#include "TPlotBlend.h"
#include "TPlotFont.h"
#include "TView3DOptions.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <cmath>

TPlotCanvas3D::TPlotCanvas3D()
{
    PlotLibraryStart();
}

TPlotCanvas3D::~TPlotCanvas3D()
{
    endOwnPainters();
    FreeBuffer();
}

TColor TPlotCanvas3D::GetBackColor() const
{
    return ReferenceCanvas()->dc().backColor();
}

int TPlotCanvas3D::GetBackMode() const
{
    return ReferenceCanvas()->dc().backMode();
}

QPainter *TPlotCanvas3D::GetHandle() const
{
    return ReferenceCanvas()->dc().painter();
}

TColor TPlotCanvas3D::GetPixel(int x, int y) const
{
    return ReferenceCanvas()->dc().pixel(x, y);
}

int TPlotCanvas3D::GetTextAlign() const
{
    return ReferenceCanvas()->dc().textAlign();
}

void TPlotCanvas3D::SetBackColor(TColor color)
{
    ReferenceCanvas()->dc().setBackColor(PlotColor::ColorToRGB(color));
}

void TPlotCanvas3D::SetBackMode(int mode)
{
    ReferenceCanvas()->dc().setBackMode(mode);
}

void TPlotCanvas3D::SetMonochrome(bool value)
{
    if (value == m_monochrome)
        return;
    m_monochrome = value;
    m_bufferOutOfDate = true;
    if (View3DOptions())
        View3DOptions()->Repaint();
}

void TPlotCanvas3D::SetPixel(int x, int y, TColor color)
{
    ReferenceCanvas()->dc().setPixel(x, y, color);
}

void TPlotCanvas3D::SetTextAlign(int align)
{
    ReferenceCanvas()->dc().setTextAlign(align);
}

void TPlotCanvas3D::SetBuffered(bool value)
{
    if (value == m_buffered)
        return;
    m_buffered = value;
    if (!value && m_buffer && !m_keepBuffer) {
        FreeBuffer();
        m_bufferOutOfDate = true;
    } else if (value && m_buffer) {
        // No painter here: painters live from InitWindow to FlushBuffer only.
        SetCanvas(m_bufferCanvas.get());
    }
}

void TPlotCanvas3D::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    ReferenceCanvas()->dc().arc(left, top, right, bottom, startX, startY, endX, endY);
}

void TPlotCanvas3D::Draw(int x, int y, const QImage *graphic)
{
    if (graphic && !graphic->isNull())
        ReferenceCanvas()->dc().drawImage(x, y, *graphic);
}

void TPlotCanvas3D::Ellipse(int left, int top, int right, int bottom)
{
    ReferenceCanvas()->dc().ellipse(left, top, right, bottom);
}

void TPlotCanvas3D::FillRect(const TRect &rect)
{
    ReferenceCanvas()->dc().fillRect(rect.left, rect.top, rect.right, rect.bottom);
}

void TPlotCanvas3D::LineTo(int x, int y)
{
    ReferenceCanvas()->dc().lineTo(x, y);
}

void TPlotCanvas3D::MoveTo(int x, int y)
{
    ReferenceCanvas()->dc().moveTo(x, y);
}

void TPlotCanvas3D::Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    ReferenceCanvas()->dc().pie(left, top, right, bottom, startX, startY, endX, endY);
}

void TPlotCanvas3D::Rectangle(int left, int top, int right, int bottom)
{
    ReferenceCanvas()->dc().rectangle(left, top, right, bottom);
}

void TPlotCanvas3D::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    ReferenceCanvas()->dc().roundRect(left, top, right, bottom, cornerWidth, cornerHeight);
}

void TPlotCanvas3D::StretchDraw(const TRect &rect, const QImage *graphic)
{
    if (graphic && !graphic->isNull())
        ReferenceCanvas()->dc().stretchImage(rect, *graphic);
}

TRect TPlotCanvas3D::textRect(int x, int y, const QString &text)
{
    const int w = TextWidth(text);
    const int h = TextHeight(text);
    const int align = GetTextAlign();
    TRect r{x, y, x + w, y + h};
    // Horizontal part alone: baseline with right or centre alignment was read as left before.
    switch (align & TA_CENTER) {
    case TA_RIGHT: r.left = x - w; r.right = x; break;
    case TA_CENTER: r.left = x - w / 2; r.right = x + w / 2; break;
    default: break;
    }
    switch (align & TA_BASELINE) {
    case TA_BOTTOM: r.top = y - h; r.bottom = y; break;
    case TA_BASELINE:
        r.top = y - ReferenceCanvas()->dc().ascent();
        r.bottom = y + ReferenceCanvas()->dc().descent();
        break;
    default: break;
    }
    return r;
}

void TPlotCanvas3D::plainTextOut(int x, int y, const QString &text)
{
    ReferenceCanvas()->dc().textOut(x, y, text);
}

void TPlotCanvas3D::TextOut(int x, int y, const QString &text)
{
    GuiCanvas *gui = ReferenceCanvas();
    PlotDC &dc = gui->dc();
    TPlotFont *font = plotFont();
    const TPlotShadow *shadow = font ? font->shadowIfAny() : nullptr;
    if (shadow && (shadow->HorizSize() != 0 || shadow->VertSize() != 0)) {
        const int h = shadow->HorizSize();
        const int v = shadow->VertSize();
        const int sx = x + std::max(h, 0);
        const int sy = y + std::max(v, 0);
        std::unique_ptr<TPlotBlend> blend;
        if (shadow->Transparency() != 0)
            blend = BeginBlending(textRect(sx, sy, text), shadow->Transparency());
        dc.setTextColor(shadow->Color());
        plainTextOut(sx, sy, text);
        if (blend)
            EndBlending(std::move(blend));
        x += std::max(-h, 0);
        y += std::max(-v, 0);
    }
    dc.setTextColor(Font()->Color());
    const TChartHiddenPen *outline = font ? font->outLineIfAny() : nullptr;
    const TPlotFontGradient *gradient = font ? font->gradientIfAny() : nullptr;
    const bool withOutline = outline && outline->Visible();
    const bool withGradient = gradient && gradient->Visible();
    // Outlined and gradient texts are painter paths: a canvas without a painter (an export canvas)
    // writes them as text in the font's colour rather than losing them.
    if ((!withOutline && !withGradient) || !GetHandle()) {
        plainTextOut(x, y, text);
        return;
    }
    // Text as a path: filled with the font colour or the gradient, stroked with the outline pen.
    const TRect tr = textRect(x, y, text);
    QPainterPath path;
    QFont qfont = dc.currentFont();
    path.addText(QPointF(tr.left, tr.top + dc.ascent()), qfont, text);
    const int savedMode = GetBackMode();
    SetBackMode(cbmTransparent);
    const CanvasStateGuard saved(*this);
    if (withGradient) {
        QPainterPath clipPath = path;
        if (gradient->Outline()) {
            // The gradient fills the outline, widened by the outline pen, and leaves the glyphs hollow.
            QPainterPathStroker stroker;
            stroker.setWidth(withOutline ? std::max(outline->Width(), 1) : 1);
            clipPath = stroker.createStroke(path);
        }
        dc.intersectClip(dc.polygonRegion(clipPath.toFillPolygon(), Qt::WindingFill));
        gradient->Draw(*this, tr);
        UnClipRectangle();
        if (gradient->Outline()) {
            SetBackMode(savedMode);
            return;
        }
        Brush()->SetStyle(bsClear);
    } else {
        Brush()->SetColor(Font()->Color());
        Brush()->SetStyle(font->Color() == clNone ? bsClear : bsSolid);
    }
    if (withOutline)
        AssignVisiblePenColor(*outline, outline->Color());
    else
        Pen()->SetStyle(psClear);
    dc.fillPath(path);
    SetBackMode(savedMode);
}

void TPlotCanvas3D::ClipRectangle(const TRect &rect)
{
    ReferenceCanvas()->dc().intersectClip(PlotDC::rectRegion(rect.left, rect.top, rect.right, rect.bottom));
}

// The shaped clips need a painter's region; without one (an export canvas) the base bodies clip
// to the bounding rectangle through ClipRectangle.
void TPlotCanvas3D::ClipRoundRectangle(const TRect &rect, int cornerSize)
{
    if (!GetHandle()) {
        TCanvas3D::ClipRoundRectangle(rect, cornerSize);
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(rect.left, rect.top, rect.width(), rect.height()), cornerSize / 2.0, cornerSize / 2.0);
    PlotDC &dc = ReferenceCanvas()->dc();
    dc.intersectClip(dc.polygonRegion(path.toFillPolygon(), Qt::OddEvenFill));
}

void TPlotCanvas3D::ClipEllipse(const TRect &rect, bool inverted)
{
    if (!GetHandle()) {
        TCanvas3D::ClipEllipse(rect, inverted);
        return;
    }
    const QRegion region = ReferenceCanvas()->dc().ellipseRegion(rect.left, rect.top, rect.width(), rect.height());
    if (inverted)
        ReferenceCanvas()->dc().excludeClip(region);
    else
        ReferenceCanvas()->dc().intersectClip(region);
}

void TPlotCanvas3D::ClipPolygon(const TPoint *points, int count)
{
    if (!GetHandle()) {
        TCanvas3D::ClipPolygon(points, count);
        return;
    }
    if (count > 0) {
        PlotDC &dc = ReferenceCanvas()->dc();
        dc.intersectClip(dc.polygonRegion(PlotGeometry::ToPolygonF(points, count), Qt::OddEvenFill));
    }
}

void TPlotCanvas3D::UnClipRectangle()
{
    ReferenceCanvas()->dc().unclip();
}

void TPlotCanvas3D::HorizLine(int left, int right, int y)
{
    MoveTo(left, y);
    LineTo(right, y);
}

void TPlotCanvas3D::VertLine(int x, int top, int bottom)
{
    MoveTo(x, top);
    LineTo(x, bottom);
}

void TPlotCanvas3D::Line(int x0, int y0, int x1, int y1)
{
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void TPlotCanvas3D::Polyline(const TPointArray &points)
{
    ReferenceCanvas()->dc().polyline(points.data(), int(points.size()));
}

void TPlotCanvas3D::Polygon(const TPointArray &points)
{
    ReferenceCanvas()->dc().polygon(points.data(), int(points.size()));
}

void TPlotCanvas3D::GradientFill(const TRect &rect, TColor startColor, TColor endColor, TGradientDirection direction,
                                 int balance)
{
    const TRect r = PlotGeometry::OrientRect(rect);
    if (direction == gdRadial) {
        GradientValues gradient;
        gradient.direction = gdRadial;
        gradient.startColor = startColor;
        gradient.endColor = endColor;
        // The temporary gradient keeps its own balance: the radial fill ignores the one given here.
        gradient.draw(*this, r);
        return;
    }
    const CanvasStateGuard saved(*this);
    TPen *pen = Pen();
    TBrush *brush = Brush();
    if (direction == gdDiagonalUp || direction == gdDiagonalDown) {
        pen->SetWidth(1);
        pen->SetStyle(psSolid);
        pen->SetMode(pmCopy);
        for (const auto &s : GradientBands::diagonalStrokes(r, startColor, endColor, direction, balance)) {
            pen->SetColor(s.color);
            Line(s.from.x, s.from.y, s.to.x, s.to.y);
        }
        return;
    }
    brush->SetStyle(bsSolid);
    for (const auto &band : GradientBands::bands(r, startColor, endColor, direction, balance)) {
        brush->SetColor(band.color); // an unchanged colour changes no state
        fillGradientBand(band.rect);
    }
}

void TPlotCanvas3D::fillGradientBand(const TRect &rect)
{
    ReferenceCanvas()->dc().fillRect(rect.left, rect.top, rect.right, rect.bottom);
}

void TPlotCanvas3D::RotateLabel(int x, int y, const QString &text, double angle)
{
    GuiCanvas *gui = ReferenceCanvas();
    while (angle > 360.0)
        angle -= 360.0;
    Brush()->SetStyle(bsClear);
    PlotDC &dc = gui->dc();
    QFont font = dc.currentFont();
    if (m_zoomText && m_projection.zoomFactor != 1.0)
        font.setPixelSize(mulDiv(zoomedFontSize(), Font()->PixelsPerInch(), 72));
    // Escapement is kept in tenths of a degree, as the platform font holds it.
    dc.setTextAngle(plotRound(angle * 10.0) / 10.0);
    dc.setTemporaryFont(font);
    TextOut(x, y, text);
    dc.setTemporaryFont(std::nullopt);
    dc.setTextAngle(0.0);
}

int TPlotCanvas3D::zoomedFontSize() const
{
    return std::max(plotRound(Font()->Size() * m_projection.zoomFactor), 1);
}

void TPlotCanvas3D::TextOut3D(int x, int y, int z, const QString &text)
{
    const TPoint p = Calc3DPoint(x, y, z);
    GuiCanvas *gui = ReferenceCanvas();
    if (m_zoomText && m_projection.zoomFactor != 1.0) {
        const int size = zoomedFontSize();
        if (size != Font()->Size()) {
            QFont font = gui->dc().currentFont();
            font.setPixelSize(mulDiv(size, Font()->PixelsPerInch(), 72));
            gui->dc().setTemporaryFont(font);
            TextOut(p.x, p.y, text);
            gui->dc().setTemporaryFont(std::nullopt);
            return;
        }
    }
    TextOut(p.x, p.y, text);
}

void TPlotCanvas3D::RotateLabel3D(int x, int y, int z, const QString &text, double angle)
{
    const TPoint p = Calc3DPoint(x, y, z);
    RotateLabel(p.x, p.y, text, angle);
}

TColor TPlotCanvas3D::GetPixel3D(int x, int y, int z)
{
    const TPoint p = Calc3DPoint(x, y, z);
    return GetPixel(p.x, p.y);
}

void TPlotCanvas3D::SetPixel3D(int x, int y, int z, TColor color)
{
    const TPoint p = Calc3DPoint(x, y, z);
    if (Pen()->Width() != 1) {
        MoveTo(p.x, p.y);
        LineTo(p.x, p.y);
    } else {
        SetPixel(p.x, p.y, color);
    }
}

void TPlotCanvas3D::InverseCalc3DPos(int &x, int &y, int z) const
{
    m_projection.inverseCalc3DPos(x, y, z);
}

void TPlotCanvas3D::calcTrigValues()
{
    const TView3DOptions *options = View3DOptions();
    if (options)
        m_projection.calcTrigValues(options->ElevationFloat(), options->RotationFloat(), options->Tilt());
    else
        m_projection.calcTrigValues(0.0, 0.0, 0);
}

void TPlotCanvas3D::initProjection(TView3DOptions *options, bool is3D, const TRect &rect)
{
    setBounds(rect);
    setView3DOptions(options);
    if (options)
        setFontZoom(options->FontZoom());
    m_projection.is3D = is3D;
    m_projection.orthogonal = false;
    m_projection.zoomFactor = 1.0;
    if (is3D && options) {
        m_projection.orthogonal = options->Orthogonal();
        if (m_projection.orthogonal)
            m_projection.setOrthoAngle(options->OrthoAngle());
        m_projection.zoomFactor = options->Zoom() * 0.01;
        m_zoomText = options->ZoomText();
    }
    // Without options the rotated values are the neutral ones; calculated in every case.
    calcTrigValues();
}

TRect TPlotCanvas3D::InitWindow(GuiCanvas *destination, TView3DOptions *options, TColor backColor, bool is3D,
                                const TRect &rect)
{
    Q_UNUSED(backColor);
    initProjection(options, is3D, rect);
    m_inPass = true;
    if (m_buffered) {
        const int w = std::max(rect.width(), 1);
        const int h = std::max(rect.height(), 1);
        if (!m_buffer || m_buffer->width() != w || m_buffer->height() != h) {
            if (m_bufferCanvas)
                m_bufferCanvas->endPaint();
            m_buffer = std::make_unique<QImage>(w, h, QImage::Format_RGB32);
            m_buffer->setDotsPerMeterX(3780);
            m_buffer->setDotsPerMeterY(3780);
            m_buffer->fill(Qt::white); // a new image holds garbage
            if (!m_bufferCanvas)
                m_bufferCanvas = std::make_unique<GuiCanvas>();
            m_bufferCanvas->setDevice(m_buffer.get());
        }
        m_bufferCanvas->beginPaint();
        SetCanvas(m_bufferCanvas.get());
        return {0, 0, rect.width(), rect.height()};
    }
    // A painter attached from outside (a widget's, a printer's) stays its owner's to end.
    if (destination && !destination->isPainting() && destination->beginPaint())
        m_beganDestination = destination;
    SetCanvas(destination);
    return rect;
}

void TPlotCanvas3D::CalcProjection(int maxDepth, const TRect &rect)
{
    m_projection.xCenter = int((std::int64_t(rect.left) + rect.right) / 2) + plotRound(m_xCenterOffset);
    m_projection.yCenter = int((std::int64_t(rect.top) + rect.bottom) / 2) + plotRound(m_yCenterOffset);
    m_projection.zCenter = plotRound(maxDepth * 0.5 + m_zCenterOffset);
    m_projection.originX = m_projection.xCenter;
    m_projection.originY = m_projection.yCenter;
    if (const TView3DOptions *options = View3DOptions()) {
        m_projection.originX += options->HorizOffset();
        m_projection.originY += options->VertOffset();
        m_projection.calcPerspective(options->Perspective(), rect);
    }
}

void TPlotCanvas3D::FreeBuffer()
{
    if (m_bufferCanvas && ReferenceCanvas() == m_bufferCanvas.get())
        SetCanvas(nullptr);
    m_bufferCanvas.reset();
    m_buffer.reset();
}

void TPlotCanvas3D::CopyBufferTo(int x, int y, GuiCanvas *destination)
{
    if (!m_buffer || !destination)
        return;
    if (m_bufferCanvas)
        m_bufferCanvas->dc().flush();
    const bool began = !destination->isPainting() && destination->beginPaint();
    destination->dc().putImage(x, y, *m_buffer);
    if (began)
        destination->endPaint();
}

bool TPlotCanvas3D::RepaintFromBuffer()
{
    if (m_bufferOutOfDate || !m_buffer)
        return false;
    CopyBufferTo(0, 0, ReferenceCanvas());
    return true;
}

void TPlotCanvas3D::FlushBuffer(GuiCanvas *destination, GuiCanvas *defaultCanvas, const TRect &rect)
{
    m_inPass = false;
    endOwnPainters();
    if (m_buffered && m_buffer) {
        CopyBufferTo(rect.left, rect.top, destination);
        m_bufferOutOfDate = false;
    }
    SetCanvas(defaultCanvas);
}

void TPlotCanvas3D::AbortPass(GuiCanvas *defaultCanvas)
{
    ReferenceCanvas()->dc().unclip();
    while (is2DOpen())
        End2D();
    endOwnPainters();
    m_bufferOutOfDate = true;
    m_inPass = false;
    SetCanvas(defaultCanvas);
}

CanvasOverlay::CanvasOverlay(TPlotCanvas3D &canvas)
    : m_canvas(canvas)
{
    if (canvas.m_inPass || !canvas.m_buffer || canvas.m_bufferOutOfDate || !canvas.m_bufferCanvas->beginPaint())
        return;
    m_previous = canvas.ReferenceCanvas();
    canvas.SetCanvas(canvas.m_bufferCanvas.get());
    m_state.emplace(canvas);
    m_backMode = canvas.GetBackMode();
    m_backColor = canvas.GetBackColor();
    m_textAlign = canvas.GetTextAlign();
    m_open = true;
}

CanvasOverlay::~CanvasOverlay()
{
    if (!m_open)
        return;
    m_state.reset();
    m_canvas.SetBackMode(m_backMode);
    m_canvas.SetBackColor(m_backColor);
    m_canvas.SetTextAlign(m_textAlign);
    m_canvas.m_bufferCanvas->endPaint();
    m_canvas.SetCanvas(m_previous);
}

void TPlotCanvas3D::endOwnPainters()
{
    if (m_bufferCanvas)
        m_bufferCanvas->endPaint();
    if (m_beganDestination)
        m_beganDestination->endPaint();
    m_beganDestination = nullptr;
}

void TPlotCanvas3D::Disable3D()
{
    m_saved3D = m_projection.is3D;
    m_projection.is3D = false;
}

void TPlotCanvas3D::Restore3D()
{
    m_projection.is3D = m_saved3D;
}

void TPlotCanvas3D::ClipCube(const TRect &rect, int minZ, int maxZ)
{
    if (!m_projection.is3D) {
        ClipRectangle({rect.left + 1, rect.top + 1, rect.right, rect.bottom - 1});
        return;
    }
    TPointArray corners;
    for (int z : {minZ, maxZ})
        for (int y : {rect.top, rect.bottom})
            for (int x : {rect.left, rect.right})
                corners.push_back(Calc3DPoint(x, y, z));
    const TPointArray hull = PlotGeometry::ConvexHull(corners);
    ClipPolygon(hull.data(), int(hull.size()));
}

void TPlotCanvas3D::HorizLine3D(int left, int right, int y, int z)
{
    const TPoint a = Calc3DPoint(left, y, z);
    const TPoint b = Calc3DPoint(right, y, z);
    MoveTo(a.x, a.y);
    LineTo(b.x, b.y);
}

void TPlotCanvas3D::VertLine3D(int x, int top, int bottom, int z)
{
    const TPoint a = Calc3DPoint(x, top, z);
    const TPoint b = Calc3DPoint(x, bottom, z);
    MoveTo(a.x, a.y);
    LineTo(b.x, b.y);
}

void TPlotCanvas3D::ZLine3D(int x, int y, int z0, int z1)
{
    const TPoint a = Calc3DPoint(x, y, z0);
    const TPoint b = Calc3DPoint(x, y, z1);
    MoveTo(a.x, a.y);
    LineTo(b.x, b.y);
}

void TPlotCanvas3D::LineWithZ(int x0, int y0, int x1, int y1, int z)
{
    const TPoint a = Calc3DPoint(x0, y0, z);
    const TPoint b = Calc3DPoint(x1, y1, z);
    MoveTo(a.x, a.y);
    LineTo(b.x, b.y);
}

void TPlotCanvas3D::MoveTo3D(int x, int y, int z)
{
    const TPoint p = Calc3DPoint(x, y, z);
    MoveTo(p.x, p.y);
}

void TPlotCanvas3D::LineTo3D(int x, int y, int z)
{
    const TPoint p = Calc3DPoint(x, y, z);
    LineTo(p.x, p.y);
}

