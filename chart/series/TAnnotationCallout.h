// The callout of an annotation: an arrow from the box to a pixel of the chart, hidden by default.
#pragma once

#include "TCallout.h"

class TAnnotationCallout : public TCallout
{
    Q_OBJECT
    Q_PROPERTY(int XPosition READ XPosition WRITE SetXPosition)
    Q_PROPERTY(int YPosition READ YPosition WRITE SetYPosition)
    Q_PROPERTY(int ZPosition READ ZPosition WRITE SetZPosition)
public:
    explicit TAnnotationCallout(QObject *owner = nullptr);

    int XPosition() const { return m_x; }
    void SetXPosition(int value) { store(m_x, value); }
    int YPosition() const { return m_y; }
    void SetYPosition(int value) { store(m_y, value); }
    int ZPosition() const { return m_z; }
    void SetZPosition(int value) { store(m_z, value); }

    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    void store(int &variable, int value);

    int m_x = 0;
    int m_y = 0;
    int m_z = 0;
};
