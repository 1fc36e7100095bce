// The drag state of a zoom or scroll: active, and the rectangle dragged so far in panel pixels.
#pragma once

#include <QObject>

class TZoomPanning : public QObject
{
    Q_OBJECT
public:
    explicit TZoomPanning(QObject *owner = nullptr)
        : QObject(owner)
    {
    }

    // Starts a drag at (x, y): both corners there.
    void Activate(int x, int y);
    // Swaps the corners so that X0 <= X1 and Y0 <= Y1.
    void NormalizeRect();

    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
};
