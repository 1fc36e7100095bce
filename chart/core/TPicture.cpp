// Picture storage.
#include "TPicture.h"

TPicture::TPicture(QObject *parent)
    : QObject(parent)
{
}

void TPicture::SetGraphic(const QImage &image)
{
    m_graphic = image;
    Q_EMIT changed();
}
