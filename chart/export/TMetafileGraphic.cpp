// Metafile pictures through their SVG.
#include "TMetafileGraphic.h"

#include "MetafileSvg.h"
#include "PlotImaging.h"
#include "TCanvas3D.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

bool fits(QSize size)
{
    return size.isValid() && qint64(size.width()) * size.height() <= TMetafileGraphic::kMaxPixels;
}

} // namespace

TMetafileGraphic::TMetafileGraphic() = default;

TMetafileGraphic::~TMetafileGraphic() = default;

bool TMetafileGraphic::LoadFromData(const QByteArray &data)
{
    m_data.clear();
    m_renderer.reset();
    m_size = {};
    m_image = m_drawn = QImage();
    setRefusedSize();
    const MetafileSvg::Kind kind = MetafileSvg::kindOf(data);
    const QSize size = MetafileSvg::declaredSize(data);
    if (kind == MetafileSvg::Kind::None || !size.isValid())
        return false;
    // Refused from the header, before a library converts it or anything is drawn.
    if (!fits(size)) {
        setRefusedSize(size, kMaxPixels);
        return false;
    }
    const std::optional<QByteArray> svg = MetafileSvg::toSvg(data, size);
    if (!svg)
        return false;
    auto renderer = std::make_unique<QSvgRenderer>(*svg);
    // The document is the library's: its own size is checked too before anything is drawn.
    if (!renderer->isValid() || !fits(renderer->defaultSize()))
        return false;
    m_renderer = std::move(renderer);
    m_size = size;
    m_data = data;
    m_format = kind == MetafileSvg::Kind::Emf ? QByteArrayLiteral("emf") : QByteArrayLiteral("wmf");
    return true;
}

QImage TMetafileGraphic::render(QSize size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    m_renderer->render(&painter, QRectF(0, 0, size.width(), size.height()));
    return image;
}

QImage TMetafileGraphic::Image() const
{
    if (m_image.isNull() && m_renderer) {
        m_image = render(m_size);
        PlotImaging::keepEncodedBytes(m_image, m_data, m_format);
    }
    return m_image;
}

void TMetafileGraphic::Draw(TCanvas3D &canvas, const TRect &rect, PlotPanelHost *)
{
    const QSize target(rect.width(), rect.height());
    if (!m_renderer || target.isEmpty())
        return;
    if (target == m_size || !fits(target)) {
        const QImage image = Image();
        canvas.StretchDraw(rect, &image);
        return;
    }
    if (m_drawn.size() != target)
        m_drawn = render(target);
    canvas.StretchDraw(rect, &m_drawn);
}

std::unique_ptr<TGraphic> createMetafileGraphic()
{
    return std::make_unique<TMetafileGraphic>();
}
