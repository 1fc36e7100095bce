// The arrow series' Format tab: head sizes, body width, pen, brush and colours of the arrows.
#pragma once

#include "SeriesFormatForm.h"

class QLabel;
class QScrollBar;
class TArrowSeries;
class TButtonPen;

class TArrowSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TArrowSeriesEditor(QWidget *parent, QObject *tag);

    QSpinBox *SEArrowWidth;
    QSpinBox *SEArrowHeight;
    QScrollBar *SBPercent;
    QLabel *LPercent;
    TButtonPen *BArrowPen;
    QPushButton *BArrowBrush;
    QCheckBox *CBColorEach;
    TButtonColor *BArrowColor;

    TArrowSeries *TheSeries() const;

protected:
    void FillControls() override;
};
