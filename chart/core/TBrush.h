// The GUI library's brush: colour, style and an optional pattern bitmap.
#pragma once

#include "PlotTypes.h"

#include <QBrush>
#include <QImage>
#include <QObject>

// The values of a brush, without the object: what drawing code saves, restores and draws from.
struct BrushValues
{
    TColor color = clWhite;
    TBrushStyle style = bsSolid;
    QImage bitmap; // pattern; a null image means none
    friend bool operator==(const BrushValues &, const BrushValues &) = default;

    // Hatches are drawn in the brush colour; the back colour is the device layer's business.
    QBrush toQBrush() const;
};

class TBrush : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(PlotEnums::TBrushStyle Style READ Style WRITE SetStyle NOTIFY changed)
public:
    explicit TBrush(QObject *parent = nullptr);

    TColor Color() const { return m_values.color; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return m_values.style; }
    void SetStyle(TBrushStyle value);
    // Pattern bitmap; a null image means none.
    const QImage &Bitmap() const { return m_values.bitmap; }
    void SetBitmap(const QImage &bitmap);

    const BrushValues &values() const { return m_values; }
    // Takes all values at once; one notification when anything differs.
    void setValues(const BrushValues &values);

    virtual void Assign(const TBrush &source);

    QBrush toQBrush() const { return m_values.toQBrush(); }

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
        // Most brushes of a drawing have no listener: no trip through the signal machinery for them.
        if (m_changedConnected)
            Q_EMIT changed();
    }
    // Once anything listened, the brush keeps notifying (a disconnection may not ask who is left).
    void connectNotify(const QMetaMethod &signal) override;
    // Copies the brush part of source without notifying; true when a value changed.
    bool copyBrushValues(const TBrush &source);

private:
    BrushValues m_values;
    quint64 *m_changeCount = nullptr;
    bool m_changedConnected = false;
};
