// Transparent drawing without an alpha channel: capture the background, draw, mix the capture back.
#pragma once

#include "PlotTypes.h"

#include <QImage>

class TPlotCanvas;

class TPlotBlend
{
public:
    TPlotBlend(TPlotCanvas &canvas, const TRect &rect, int transparency);

    void CaptureRect(const TRect &rect);
    // Mixes the capture back over the new drawing; transparency 100 restores the background.
    void DoBlend(int transparency);

    bool Valid() const { return m_valid; }
    const TRect &Rect() const { return m_rect; }
    const QImage &Bitmap() const { return m_bitmap; }
    int transparency() const { return m_transparency; }

private:
    TPlotCanvas &m_canvas;
    QImage m_bitmap;
    TRect m_rect;
    bool m_valid = false;
    int m_transparency = 0;
};
