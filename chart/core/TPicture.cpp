// Picture storage.
#include "TPicture.h"

#include "PlotPanelHost.h"
#include "PlotPictures.h"
#include "TCanvas3D.h"

TPicture::TPicture(QObject *parent)
    : QObject(parent)
{
}

TPicture::~TPicture() = default;

QImage TPicture::Graphic() const
{
    return m_shared ? m_shared->Image() : m_graphic;
}

void TPicture::SetGraphic(const QImage &image)
{
    m_shared.reset();
    m_graphic = image;
    Q_EMIT changed();
}

void TPicture::SetGraphic(std::shared_ptr<TGraphic> graphic)
{
    m_shared = std::move(graphic);
    m_graphic = QImage();
    Q_EMIT changed();
}

bool TPicture::IsEmpty() const
{
    const QImage image = Graphic();
    return image.isNull() || image.width() <= 0 || image.height() <= 0;
}

void TPicture::Assign(const TPicture &source)
{
    if (source.m_shared)
        SetGraphic(source.m_shared);
    else
        SetGraphic(source.m_graphic);
}

void TPicture::Draw(TCanvas3D &canvas, const TRect &rect) const
{
    if (!m_shared) {
        if (!m_graphic.isNull())
            canvas.StretchDraw(rect, &m_graphic);
        return;
    }
    PlotPanelHost *host = nullptr;
    for (QObject *owner = parent(); owner && !host; owner = owner->parent())
        host = dynamic_cast<PlotPanelHost *>(owner);
    m_shared->Draw(canvas, rect, host);
}
