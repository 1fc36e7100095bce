// An object whose handler of user events throws on the first one and takes every later one.
#pragma once

#include <QEvent>
#include <QObject>

#include <stdexcept>

class ThrowingReceiver : public QObject
{
public:
    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (++handled == 1)
            throw std::runtime_error("Division durch Null");
        return true;
    }
};
