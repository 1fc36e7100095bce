// The tool-tip display of the marks tips, and the place tests swap it in.
#include "MarksTipDisplay.h"

#include <QPoint>
#include <QToolTip>

namespace {

class ToolTipDisplay : public MarksTipDisplay
{
public:
    void showTip(QWidget &chart, const QPoint &globalPos, const QString &text) override
    {
        QToolTip::showText(globalPos, text, &chart);
    }
    void hideTip() override { QToolTip::hideText(); }
};

MarksTipDisplay *&replacement()
{
    static MarksTipDisplay *display = nullptr;
    return display;
}

} // namespace

MarksTipDisplay &MarksTipDisplay::current()
{
    static ToolTipDisplay toolTips;
    MarksTipDisplay *display = replacement();
    return display ? *display : toolTips;
}

void MarksTipDisplay::replace(MarksTipDisplay *display)
{
    replacement() = display;
}
