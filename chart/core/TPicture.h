// A picture held by brushes and back images; empty until a graphic is given.
#pragma once

#include <QImage>
#include <QObject>

class TPicture : public QObject
{
    Q_OBJECT
public:
    explicit TPicture(QObject *parent = nullptr);
    const QImage &Graphic() const { return m_graphic; }
    void SetGraphic(const QImage &image);
    bool IsEmpty() const { return m_graphic.isNull() || m_graphic.width() <= 0 || m_graphic.height() <= 0; }
    void Assign(const TPicture &source) { SetGraphic(source.m_graphic); }
Q_SIGNALS:
    void changed();

private:
    QImage m_graphic;
};
