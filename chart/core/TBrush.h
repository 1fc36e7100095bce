// The GUI library's brush: colour, style and an optional pattern bitmap.
#pragma once

#include "PlotTypes.h"

#include <QBrush>
#include <QImage>
#include <QObject>

class TBrush : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(PlotEnums::TBrushStyle Style READ Style WRITE SetStyle NOTIFY changed)
public:
    explicit TBrush(QObject *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle value);
    // Pattern bitmap; a null image means none.
    const QImage &Bitmap() const { return m_bitmap; }
    void SetBitmap(const QImage &bitmap);

    virtual void Assign(const TBrush &source);

    // Hatches are drawn in the brush colour; the back colour is the device layer's business.
    QBrush toQBrush() const;

Q_SIGNALS:
    void changed();

protected:
    void Changed() { Q_EMIT changed(); }

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
    QImage m_bitmap;
};
