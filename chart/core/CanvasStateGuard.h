// Saves the canvas's pen and brush values and puts them back when the scope ends, also when a
// drawing throws. The pen and brush are those in force when the guard starts: use it within one
// pass, where they keep their identity.
#pragma once

#include "TBrush.h"
#include "TPen.h"
#include "TPlotCanvas.h"

class CanvasStateGuard
{
public:
    explicit CanvasStateGuard(TPlotCanvas &canvas)
        : m_pen(*canvas.Pen())
        , m_brush(*canvas.Brush())
        , m_penValues(m_pen.values())
        , m_brushValues(m_brush.values())
    {
    }
    ~CanvasStateGuard()
    {
        m_pen.setValues(m_penValues);
        m_brush.setValues(m_brushValues);
    }
    CanvasStateGuard(const CanvasStateGuard &) = delete;
    CanvasStateGuard &operator=(const CanvasStateGuard &) = delete;

private:
    TPen &m_pen;
    TBrush &m_brush;
    const PenValues m_penValues;
    const BrushValues m_brushValues;
};
