// Capture and mix-back of a rectangle of the surface the canvas currently draws on.
#include "TPlotBlend.h"

#include "GuiCanvas.h"
#include "PlotGeometry.h"
#include "PlotImaging.h"
#include "TPlotCanvas.h"

#include <algorithm>

TPlotBlend::TPlotBlend(TPlotCanvas &canvas, const TRect &rect, int transparency)
    : m_canvas(canvas)
    , m_transparency(transparency)
{
    CaptureRect(rect);
}

void TPlotBlend::CaptureRect(const TRect &rect)
{
    TRect r = PlotGeometry::OrientRect(rect);
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::max(r.right, 0);
    r.bottom = std::max(r.bottom, 0);
    if (r.right <= r.left)
        r.right = r.left + 1;
    if (r.bottom <= r.top)
        r.bottom = r.top + 1;
    const TRect &bounds = m_canvas.Bounds();
    r.right = std::min(r.right, bounds.right);
    r.bottom = std::min(r.bottom, bounds.bottom);
    m_rect = r;
    m_valid = r.width() > 0 && r.height() > 0;
    if (!m_valid)
        return;
    // The surface attached now: the buffer while drawing buffered, otherwise the target image.
    GuiCanvas *gui = m_canvas.ReferenceCanvas();
    const QImage *surface = gui->dc().image();
    if (!surface)
        return;
    m_bitmap = std::as_const(*surface).copy(r.left, r.top, r.width(), r.height()).convertToFormat(QImage::Format_RGB32);
}

void TPlotBlend::DoBlend(int transparency)
{
    if (m_canvas.metafiling() || !m_valid || m_bitmap.isNull())
        return;
    GuiCanvas *gui = m_canvas.ReferenceCanvas();
    const QImage *surface = gui->dc().image();
    if (!surface)
        return;
    QImage now = std::as_const(*surface).copy(m_rect.left, m_rect.top, m_rect.width(), m_rect.height())
                     .convertToFormat(QImage::Format_RGB32);
    PlotImaging::BlendBitmaps(m_bitmap, now, {0, 0}, 100 - transparency);
    // Written back through the painter: touching the bits of a painted image is not safe.
    gui->dc().putImage(m_rect.left, m_rect.top, now);
}
