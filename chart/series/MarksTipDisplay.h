// Where a marks tip tool shows its tips: the widgets' tool tips, or a double that tests put in.
#pragma once

#include <QString>

class QPoint;
class QWidget;

class MarksTipDisplay
{
public:
    virtual ~MarksTipDisplay() = default;
    // Shows the text at a point of the screen for the chart widget.
    virtual void showTip(QWidget &chart, const QPoint &globalPos, const QString &text) = 0;
    virtual void hideTip() = 0;

    // The display in use: the tool tips unless a test replaced it.
    static MarksTipDisplay &current();
    // Puts another display in place; none restores the tool tips. The caller keeps it alive.
    static void replace(MarksTipDisplay *display);
};
