// A boxed chart element that may stand at a position of its own (titles, the legend).
#pragma once

#include "TPlotCustomShape.h"

class TPlotCustomShapePosition : public TPlotCustomShape
{
    Q_OBJECT
public:
    using TPlotCustomShape::TPlotCustomShape;

    bool CustomPosition() const { return m_customPosition; }
    void SetCustomPosition(bool value);
    // The current rectangle's corner; writing one moves the rectangle there and fixes the position.
    int Left() const { return ShapeBounds().left; }
    void SetLeft(int value);
    int Top() const { return ShapeBounds().top; }
    void SetTop(int value);
    Q_INVOKABLE bool IsLeftStored() const { return m_customPosition; }
    Q_INVOKABLE bool IsTopStored() const { return m_customPosition; }

    // Copies the position, then the shape.
    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    // Moves the rectangle, keeping its size.
    void moveTo(int left, int top);

    bool m_customPosition = false;
};
