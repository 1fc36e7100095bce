// The Gantt series' Format tab: bar height, connecting lines, transparency and colours; the bar
// style goes on a "Gantt" tab holding the pointer editor without sizes.
#pragma once

#include "SeriesFormatForm.h"

class TButtonPen;
class TGanttSeries;

class TGanttSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TGanttSeriesEditor(QWidget *parent, QObject *tag);

    QSpinBox *SEPointVertSize;
    TButtonPen *BConnLines;
    QSpinBox *SETransparency;
    QCheckBox *CBColorEach;
    TButtonColor *BGanttColor;

    TGanttSeries *TheSeries() const;

protected:
    void FirstShow() override;
    void FillControls() override;
};
