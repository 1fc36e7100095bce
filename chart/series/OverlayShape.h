// A shape a tool draws in xor or not-xor mode so that drawing it again erases it: remembered
// where a pass left it on the screen buffer, and moved between passes over that buffer alone.
#pragma once

#include "TCanvas3D.h"
#include "TCustomAxisPanel.h"
#include "TPlotCanvas3D.h"

#include <QRegion>

#include <functional>
#include <optional>

template <class Shape>
class OverlayShape
{
public:
    // Draws the shape (in a self-erasing pen mode) and returns the pixels it covers.
    using Draw = std::function<QRegion(TCanvas3D &canvas, const Shape &shape)>;

    // Drawing within a pass: only what lands in the screen buffer is erased later; an export
    // canvas keeps its drawing.
    void drawInPass(TCanvas3D &canvas, const Shape &shape, const Draw &draw)
    {
        draw(canvas, shape);
        const auto *screen = dynamic_cast<const TPlotCanvas3D *>(&canvas);
        if (screen && screen->GetBuffered() && screen->inPass())
            m_drawn = shape;
    }

    // Outside a pass: erases the remembered shape, runs the change, draws what it returns and
    // repaints the pixels of both. Without an up-to-date buffer only the change runs, and the next
    // pass draws. Returns whether the buffer was drawn on.
    bool move(TCustomAxisPanel &chart, const std::function<std::optional<Shape>()> &change, const Draw &draw)
    {
        auto *screen = dynamic_cast<TPlotCanvas3D *>(chart.Canvas());
        std::optional<CanvasOverlay> overlay;
        if (screen && !screen->inPass())
            overlay.emplace(*screen);
        const bool open = overlay && overlay->isOpen();
        QRegion dirty;
        if (open && m_drawn)
            dirty += draw(*screen, *m_drawn);
        m_drawn.reset();
        const std::optional<Shape> next = change();
        if (open && next) {
            dirty += draw(*screen, *next);
            m_drawn = next;
        }
        overlay.reset();
        if (!dirty.isEmpty())
            chart.update(dirty);
        return open;
    }

    // Erases the remembered shape, if any, and draws nothing new.
    void erase(TCustomAxisPanel &chart, const Draw &draw)
    {
        move(chart, [] { return std::optional<Shape>(); }, draw);
    }

    // The picture is redrawn, or the shape left it: nothing is on the buffer to erase.
    void forget() { m_drawn.reset(); }
    const std::optional<Shape> &drawn() const { return m_drawn; }

private:
    std::optional<Shape> m_drawn;
};
