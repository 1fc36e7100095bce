// The timer-driven animation of a GIF picture on a panel.
#include "TGIFPainter.h"

#include "GIFException.h"
#include "PlotPanelHost.h"

TGIFPainter::TGIFPainter(const GIFAnimator &animator, int firstWait, QWidget *panel, PlotPanelHost *host)
    : m_animator(animator)
    , m_panel(panel)
    , m_host(host)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TGIFPainter::Step);
    connect(panel, &QObject::destroyed, this, &TGIFPainter::Stop);
    Schedule(firstWait);
}

void TGIFPainter::Step()
{
    if (!m_panel) {
        Stop();
        return;
    }
    int wait = GIFAnimator::kStop;
    try {
        wait = m_animator.Step();
    } catch (const GIFException &) {
        // A frame that cannot be shown ends the animation; the last good frame stays.
    } catch (const std::bad_alloc &) {
    }
    m_host->Invalidate();
    Schedule(wait);
}

void TGIFPainter::Stop()
{
    m_timer.stop();
}

void TGIFPainter::Schedule(int wait)
{
    if (wait == GIFAnimator::kStop || !m_panel)
        m_timer.stop();
    else
        m_timer.start(wait);
}
