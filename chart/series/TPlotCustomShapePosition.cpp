// Shapes with an optional position of their own.
#include "TPlotCustomShapePosition.h"

void TPlotCustomShapePosition::SetCustomPosition(bool value)
{
    setShapeProperty(m_customPosition, value);
}

void TPlotCustomShapePosition::SetLeft(int value)
{
    moveTo(value, Top());
    m_customPosition = true;
    Repaint();
}

void TPlotCustomShapePosition::SetTop(int value)
{
    moveTo(Left(), value);
    m_customPosition = true;
    Repaint();
}

void TPlotCustomShapePosition::moveTo(int left, int top)
{
    const TRect r = ShapeBounds();
    SetShapeBounds({left, top, left + r.right - r.left, top + r.bottom - r.top});
}

void TPlotCustomShapePosition::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *shape = qobject_cast<const TPlotCustomShapePosition *>(&source); shape && shape != this) {
        m_customPosition = shape->m_customPosition;
        if (m_customPosition)
            moveTo(shape->Left(), shape->Top());
    }
    TPlotCustomShape::Assign(source);
}
