// A tab page that runs a step each time it shows: pages link optional parts of a chart (a
// gradient, a symbol) only once the user opens them, so that showing the editor creates nothing.
#pragma once

#include <QWidget>

#include <functional>

class EditorShownPage : public QWidget
{
public:
    using QWidget::QWidget;

    std::function<void()> onShow;

protected:
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        if (onShow)
            onShow();
    }
};
