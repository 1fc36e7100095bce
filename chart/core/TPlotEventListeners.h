// The listeners of a panel (the chart tools) and the events the panel sends them.
#pragma once

#include "PlotTypes.h"

#include <QList>

#include <functional>

class QObject;

// Base of every event a panel broadcasts; the panel sets itself as Sender before sending.
class TPlotEvent
{
public:
    virtual ~TPlotEvent() = default;
    QObject *Sender = nullptr;
};

// A mouse event a panel sends its listeners (the chart tools). A listener that handles it may set
// the panel's CancelMouse; the remaining listeners are then skipped.
class TPlotMouseEvent : public TPlotEvent
{
public:
    enum EventKind { meDown, meUp, meMove };
    EventKind Kind = meDown;
    TMouseButton Button = mbLeft;
    TShiftState Shift;
    int X = 0;
    int Y = 0;
};

// Sent when the panel switches between 2D and 3D; it reaches every listener.
class TPlotView3DEvent : public TPlotEvent
{
};

class TPlotEventListener
{
public:
    virtual ~TPlotEventListener() = default;
    virtual void PlotEvent(TPlotEvent &event) = 0;
};

// Not owning: a listener removes itself before it dies.
class TPlotEventListeners
{
public:
    // Adds a listener once; its index, also when it was there already.
    int Add(TPlotEventListener *listener);
    // Its former index, or -1 when it was not listed.
    int Remove(TPlotEventListener *listener);
    int Count() const { return int(m_items.size()); }
    TPlotEventListener *Item(int index) const { return m_items.value(index); }
    int IndexOf(TPlotEventListener *listener) const { return int(m_items.indexOf(listener)); }
    // Swaps the places of two listed listeners; nothing when either is not listed.
    void Exchange(TPlotEventListener *a, TPlotEventListener *b);

    // Sends the event to every listener in order. A listener may remove itself or others
    // meanwhile: the send goes over the list as it was, skipping those removed since.
    // stopAfter, when given, ends the send after the listener for which it is true.
    void Broadcast(TPlotEvent &event, const std::function<bool(const TPlotEvent &)> &stopAfter = {}) const;

private:
    QList<TPlotEventListener *> m_items;
};
