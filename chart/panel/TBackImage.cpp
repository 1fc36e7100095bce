// Back image settings.
#include "TBackImage.h"

TBackImage::TBackImage(QObject *owner)
    : TPicture(owner)
{
}

void TBackImage::SetInside(bool value)
{
    if (value == m_inside)
        return;
    m_inside = value;
    Q_EMIT changed();
}

void TBackImage::SetLeft(int value)
{
    if (value == m_left)
        return;
    m_left = value;
    Q_EMIT changed();
}

void TBackImage::SetMode(TPlotBackImageMode value)
{
    if (value == m_mode)
        return;
    m_mode = value;
    Q_EMIT changed();
}

void TBackImage::SetTop(int value)
{
    if (value == m_top)
        return;
    m_top = value;
    Q_EMIT changed();
}

void TBackImage::SetTransparent(bool value)
{
    if (IsEmpty() || value == m_transparent)
        return;
    m_transparent = value;
    Q_EMIT changed();
}

QImage TBackImage::drawnImage() const
{
    if (!Transparent())
        return Graphic();
    QImage image = Graphic().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return image;
}

void TBackImage::Assign(const TBackImage &source)
{
    if (&source == this)
        return;
    m_inside = source.m_inside;
    m_left = source.m_left;
    m_mode = source.m_mode;
    m_top = source.m_top;
    m_transparent = source.m_transparent;
    TPicture::Assign(source);
}
