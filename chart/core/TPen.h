// The GUI library's pen: colour, width, style and mix mode, with a change notification.
#pragma once

#include "PlotTypes.h"

#include <QObject>
#include <QPainter>
#include <QPen>

// What the platform pen handle is, when a chart pen replaced it by a special one.
struct PenHandle
{
    enum Kind { Cosmetic, Geometric, SmallDots };
    Kind kind = Cosmetic;
    TPenEndStyle endStyle = esRound;
    int spacing = 0; // small dots: gap in pixels; below 1 every other pixel
    TColor color = clBlack;
    friend bool operator==(const PenHandle &, const PenHandle &) = default;
};

// The values of a pen, without the object: what drawing code saves, restores and draws from.
struct PenValues
{
    TColor color = clBlack;
    int width = 1;
    TPenStyle style = psSolid;
    TPenMode mode = pmCopy;
    PenHandle handle;
    friend bool operator==(const PenValues &, const PenValues &) = default;

    // The Qt pen for aliased drawing: widths up to 1 are cosmetic with flat caps, so lines omit their last pixel.
    QPen toQPen() const;
    QPainter::CompositionMode compositionMode() const;
    // The pen for a device that knows no raster operations: copy mode, in the colour its mode
    // leaves on the ground (RGB) it is taken to be drawn over.
    PenValues inCopyMode(TColor groundRgb) const;
};

class TPen : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(int Width READ Width WRITE SetWidth NOTIFY changed)
    Q_PROPERTY(PlotEnums::TPenStyle Style READ Style WRITE SetStyle NOTIFY changed)
    Q_PROPERTY(PlotEnums::TPenMode Mode READ Mode WRITE SetMode NOTIFY changed)
public:
    using Handle = PenHandle;

    explicit TPen(QObject *parent = nullptr);

    TColor Color() const { return m_values.color; }
    void SetColor(TColor value);
    int Width() const { return m_values.width; }
    void SetWidth(int value);
    TPenStyle Style() const { return m_values.style; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return m_values.mode; }
    void SetMode(TPenMode value);

    const Handle &handle() const { return m_values.handle; }
    void setHandle(const Handle &handle);

    const PenValues &values() const { return m_values; }
    // Takes all values at once; one notification when anything differs.
    void setValues(const PenValues &values);

    // Copies colour, width, style and mode; the handle becomes a plain one again. One
    // notification when anything changed, none otherwise (so does every Assign of the library).
    virtual void Assign(const TPen &source);

    QPen toQPen() const { return m_values.toQPen(); }
    QPainter::CompositionMode compositionMode() const { return m_values.compositionMode(); }
    static QPainter::CompositionMode compositionForMode(TPenMode mode);
    // The colour (RGB) a pen of the colour leaves in the mode where it is drawn over the ground:
    // what the screen shows there. An xor cursor drawn in the pen colour xor the panel colour
    // shows the pen colour over the panel.
    static TColor colourOver(TPenMode mode, TColor penRgb, TColor groundRgb);

    // Counted up on every change besides the signal: the device layer's own pen and brush change
    // for nearly every point a series draws, and a count is all it needs, cheaper than a connection.
    void setChangeCount(quint64 *count) { m_changeCount = count; }

Q_SIGNALS:
    void changed();

protected:
    void Changed()
    {
        if (m_changeCount)
            ++*m_changeCount;
        // Most pens of a drawing have no listener: no trip through the signal machinery for them.
        if (m_changedConnected)
            Q_EMIT changed();
    }
    // Once anything listened, the pen keeps notifying (a disconnection may not ask who is left).
    void connectNotify(const QMetaMethod &signal) override;
    // Copies the pen part of source without notifying; true when a value changed.
    bool copyPenValues(const TPen &source);

private:
    PenValues m_values;
    quint64 *m_changeCount = nullptr;
    bool m_changedConnected = false;
};
