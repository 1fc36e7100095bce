// The recording paint engine: primitives mapped to device pixels, pens, brushes and fonts to GDI's.
#include "MetafileRecording.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

#include <cmath>

namespace {

int roundPixel(qreal v)
{
    return int(std::nearbyint(v));
}

MetafilePen gdiPen(const QPen &pen)
{
    MetafilePen p;
    p.color = pen.color().rgb();
    p.width = std::max(1, roundPixel(pen.widthF()));
    switch (pen.style()) {
    case Qt::NoPen: p.style = 5; break;
    case Qt::DashLine: p.style = 1; break;
    case Qt::DotLine: p.style = 2; break;
    case Qt::DashDotLine: p.style = 3; break;
    case Qt::DashDotDotLine: p.style = 4; break;
    default: p.style = 0; break;
    }
    if (pen.color().alpha() == 0 || pen.brush().style() == Qt::NoBrush)
        p.style = 5;
    return p;
}

MetafileBrush gdiBrush(const QBrush &brush)
{
    MetafileBrush b;
    b.color = brush.color().rgb();
    switch (brush.style()) {
    case Qt::NoBrush: b.style = 1; break;
    case Qt::HorPattern: b.style = 2; b.hatch = 0; break;
    case Qt::VerPattern: b.style = 2; b.hatch = 1; break;
    case Qt::FDiagPattern: b.style = 2; b.hatch = 2; break;
    case Qt::BDiagPattern: b.style = 2; b.hatch = 3; break;
    case Qt::CrossPattern: b.style = 2; b.hatch = 4; break;
    case Qt::DiagCrossPattern: b.style = 2; b.hatch = 5; break;
    case Qt::LinearGradientPattern:
    case Qt::RadialGradientPattern:
    case Qt::ConicalGradientPattern:
        // Metafiles have no gradients: the first colour stands for the fill.
        b.color = brush.gradient() && !brush.gradient()->stops().isEmpty()
                      ? brush.gradient()->stops().front().second.rgb()
                      : brush.color().rgb();
        break;
    default: break; // solid, and patterns GDI cannot express, as solid
    }
    if (b.style != 1 && brush.color().alpha() == 0 && !brush.gradient())
        b.style = 1;
    return b;
}

class RecordingEngine : public QPaintEngine
{
public:
    explicit RecordingEngine(MetafileRecording &recording)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_recording(recording)
    {
    }

    bool begin(QPaintDevice *) override
    {
        setActive(true);
        return true;
    }
    bool end() override
    {
        setActive(false);
        return true;
    }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const QPaintEngine::DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyPen)
            m_pen = gdiPen(state.pen());
        if (flags & DirtyBrush)
            m_brush = gdiBrush(state.brush());
        if (flags & DirtyFont)
            m_font = state.font();
        if (flags & DirtyBackgroundMode)
            m_opaque = state.backgroundMode() == Qt::OpaqueMode;
        if (flags & DirtyBackground)
            m_backColor = state.backgroundBrush().color().rgb();
        if (flags & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled)) {
            MetafileOp unclip = op(MetafileOp::Unclip);
            m_recording.ops.push_back(unclip);
            if (painter() && painter()->hasClipping()) {
                MetafileOp clip = op(MetafileOp::Clip);
                clip.rect = m_transform.mapRect(painter()->clipBoundingRect()).toAlignedRect();
                m_recording.ops.push_back(clip);
            }
        }
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            if (!m_transform.isRotating()) {
                MetafileOp r = op(MetafileOp::Rectangle);
                const QRectF mapped = m_transform.mapRect(rects[i]);
                r.rect = QRect(QPoint(roundPixel(mapped.left()), roundPixel(mapped.top())),
                               QPoint(roundPixel(mapped.right()), roundPixel(mapped.bottom())));
                m_recording.ops.push_back(r);
            } else {
                drawPolygon(QPolygonF(rects[i]).constData(), 4, OddEvenMode);
            }
        }
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            MetafileOp line = op(MetafileOp::Polyline);
            line.points = {map(lines[i].p1()), map(lines[i].p2())};
            m_recording.ops.push_back(line);
        }
    }

    void drawEllipse(const QRectF &rect) override
    {
        if (m_transform.isRotating()) {
            QPainterPath path;
            path.addEllipse(rect);
            drawPath(path);
            return;
        }
        MetafileOp e = op(MetafileOp::Ellipse);
        e.rect = m_transform.mapRect(rect).toRect();
        m_recording.ops.push_back(e);
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (count < 2)
            return;
        MetafileOp p = op(mode == PolylineMode ? MetafileOp::Polyline : MetafileOp::Polygon);
        for (int i = 0; i < count; ++i)
            p.points.push_back(map(points[i]));
        m_recording.ops.push_back(p);
    }

    void drawPoints(const QPointF *points, int count) override
    {
        for (int i = 0; i < count; ++i) {
            MetafileOp dot = op(MetafileOp::Rectangle);
            const QPoint at = map(points[i]);
            dot.brush = {0, m_pen.color, 0};
            dot.pen.style = 5;
            dot.rect = QRect(at, QSize(1, 1));
            m_recording.ops.push_back(dot);
        }
    }

    void drawPath(const QPainterPath &path) override
    {
        if (m_brush.style != 1) {
            for (const QPolygonF &polygon : path.toFillPolygons())
                drawPolygon(polygon.constData(), int(polygon.size()), OddEvenMode);
            return;
        }
        for (const QPolygonF &polygon : path.toSubpathPolygons())
            drawPolygon(polygon.constData(), int(polygon.size()), PolylineMode);
    }

    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &source) override
    {
        drawImage(r, pixmap.toImage(), source, Qt::AutoColor);
    }

    void drawImage(const QRectF &r, const QImage &image, const QRectF &source, Qt::ImageConversionFlags) override
    {
        MetafileOp i = op(MetafileOp::Image);
        i.rect = m_transform.mapRect(r).toRect();
        i.image = image.copy(source.toRect()).convertToFormat(QImage::Format_RGB32);
        if (!i.image.isNull() && i.rect.isValid())
            m_recording.ops.push_back(std::move(i));
    }

    void drawTextItem(const QPointF &p, const QTextItem &textItem) override
    {
        const QString text = textItem.text();
        if (text.isEmpty())
            return;
        MetafileOp t = op(MetafileOp::Text);
        const QFont font = textItem.font();
        t.points = {map(p)};
        t.text = text;
        t.font.family = font.family();
        t.font.height = font.pixelSize() > 0 ? font.pixelSize() : roundPixel(font.pointSizeF() * 96.0 / 72.0);
        t.font.weight = font.weight() >= QFont::Bold ? 700 : 400;
        t.font.italic = font.italic();
        t.font.underline = font.underline();
        t.font.strikeOut = font.strikeOut();
        const qreal angle = std::atan2(m_transform.m12(), m_transform.m11()) * 180.0 / M_PI;
        t.font.escapement = roundPixel(-angle * 10.0);
        t.textColor = painter() ? painter()->pen().color().rgb() : 0;
        t.opaqueBack = m_opaque;
        t.backColor = m_backColor;
        const QFontMetrics metrics(font);
        for (const QChar c : text)
            t.advances.push_back(metrics.horizontalAdvance(c));
        m_recording.ops.push_back(std::move(t));
    }

private:
    QPoint map(const QPointF &p) const
    {
        const QPointF m = m_transform.map(p);
        return {roundPixel(m.x()), roundPixel(m.y())};
    }
    MetafileOp op(MetafileOp::Kind kind) const
    {
        MetafileOp o;
        o.kind = kind;
        o.pen = m_pen;
        o.brush = m_brush;
        return o;
    }

    MetafileRecording &m_recording;
    QTransform m_transform;
    MetafilePen m_pen;
    MetafileBrush m_brush{1, 0, 0};
    QFont m_font;
    bool m_opaque = false;
    QRgb m_backColor = 0xFFFFFFFF;
};

} // namespace

MetafileDevice::MetafileDevice(QSize size)
    : m_engine(std::make_unique<RecordingEngine>(m_recording))
{
    m_recording.size = size;
}

MetafileDevice::~MetafileDevice() = default;

QPaintEngine *MetafileDevice::paintEngine() const
{
    return m_engine.get();
}

int MetafileDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_recording.size.width();
    case PdmHeight: return m_recording.size.height();
    case PdmWidthMM: return int(std::nearbyint(m_recording.size.width() * 25.4 / 96.0));
    case PdmHeightMM: return int(std::nearbyint(m_recording.size.height() * 25.4 / 96.0));
    case PdmNumColors: return 1 << 24;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    default: return 0;
    }
}
