// The listeners of a panel.
#include "TPlotEventListeners.h"

int TPlotEventListeners::Add(TPlotEventListener *listener)
{
    const qsizetype at = m_items.indexOf(listener);
    if (at >= 0)
        return int(at);
    m_items.append(listener);
    return int(m_items.size() - 1);
}

int TPlotEventListeners::Remove(TPlotEventListener *listener)
{
    const qsizetype at = m_items.indexOf(listener);
    if (at >= 0)
        m_items.removeAt(at);
    return int(at);
}

void TPlotEventListeners::Broadcast(TPlotEvent &event, const std::function<bool(const TPlotEvent &)> &stopAfter) const
{
    const QList<TPlotEventListener *> snapshot = m_items;
    for (TPlotEventListener *listener : snapshot) {
        if (!m_items.contains(listener))
            continue;
        listener->PlotEvent(event);
        if (stopAfter && stopAfter(event))
            return;
    }
}

void TPlotEventListeners::Exchange(TPlotEventListener *a, TPlotEventListener *b)
{
    const qsizetype i = m_items.indexOf(a);
    const qsizetype j = m_items.indexOf(b);
    if (i >= 0 && j >= 0)
        m_items.swapItemsAt(i, j);
}
