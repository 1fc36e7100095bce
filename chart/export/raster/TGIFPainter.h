// Plays an animated GIF picture on one panel: a single-shot timer of the GUI thread steps the frame
// walk and asks the panel to redraw, so frames change only between paint passes.
#pragma once

#include "GIFAnimator.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class PlotPanelHost;

class TGIFPainter : public QObject
{
public:
    // The animator has painted its first frame already; firstWait is what its step answered.
    TGIFPainter(const GIFAnimator &animator, int firstWait, QWidget *panel, PlotPanelHost *host);

    // One frame on: paints it into the bitmap and asks the panel to redraw; stops when the panel is gone.
    void Step();
    void Stop();
    bool Running() const { return m_timer.isActive(); }
    // The wait before the next step, in ms; -1 when stopped.
    int Interval() const { return m_timer.isActive() ? m_timer.interval() : -1; }
    QWidget *Panel() const { return m_panel; }
    const GIFAnimator &Animator() const { return m_animator; }

private:
    void Schedule(int wait);

    GIFAnimator m_animator;
    QTimer m_timer;
    QPointer<QWidget> m_panel;
    PlotPanelHost *m_host;
};
