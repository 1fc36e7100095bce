// The GUI library's pen: colour, width, style and mix mode, with a change notification.
#pragma once

#include "PlotTypes.h"

#include <QObject>
#include <QPainter>
#include <QPen>

class TPen : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(int Width READ Width WRITE SetWidth NOTIFY changed)
    Q_PROPERTY(PlotEnums::TPenStyle Style READ Style WRITE SetStyle NOTIFY changed)
    Q_PROPERTY(PlotEnums::TPenMode Mode READ Mode WRITE SetMode NOTIFY changed)
public:
    // What the platform pen handle is, when a chart pen replaced it by a special one.
    struct Handle
    {
        enum Kind { Cosmetic, Geometric, SmallDots };
        Kind kind = Cosmetic;
        TPenEndStyle endStyle = esRound;
        int spacing = 0; // small dots: gap in pixels; below 1 every other pixel
        TColor color = clBlack;
        friend bool operator==(const Handle &, const Handle &) = default;
    };

    explicit TPen(QObject *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    int Width() const { return m_width; }
    void SetWidth(int value);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode value);

    const Handle &handle() const { return m_handle; }
    void setHandle(const Handle &handle);

    // Copies colour, width, style and mode; the handle becomes a plain one again.
    virtual void Assign(const TPen &source);

    // The Qt pen for aliased drawing: widths up to 1 are cosmetic with flat caps, so lines omit their last pixel.
    QPen toQPen() const;
    QPainter::CompositionMode compositionMode() const;
    static QPainter::CompositionMode compositionForMode(TPenMode mode);

Q_SIGNALS:
    void changed();

protected:
    void Changed() { Q_EMIT changed(); }

private:
    void resetHandle() { m_handle = Handle{}; }

    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
    Handle m_handle;
};
