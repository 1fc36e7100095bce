// The hourglass for the time of a long operation, restored on every way out. Qt Gui only, so
// that the chart library can use it as well as the windows.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
