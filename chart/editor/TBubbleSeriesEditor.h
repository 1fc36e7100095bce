// The bubble series' Format tab: the pointer editor without "Visible" (a bubble is its pointer),
// with the bubbles' transparency.
#pragma once

#include "TSeriesPointerEditor.h"

class TBubbleSeriesEditor : public TSeriesPointerEditor
{
    Q_OBJECT
public:
    TBubbleSeriesEditor(QWidget *parent, QObject *tag);

    QSpinBox *SETransparency;

protected:
    void showEvent(QShowEvent *event) override;
};
