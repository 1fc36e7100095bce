// The area series' Format tab: stacking of the areas, colours, pens and brushes of area, lines
// and top, stairs, origin and transparency; its pointer and its gradient get tabs of their own.
#pragma once

#include "SeriesFormatForm.h"

class QButtonGroup;
class QGroupBox;
class TAreaSeries;
class TButtonPen;

class TAreaSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TAreaSeriesEditor(QWidget *parent, QObject *tag);

    QGroupBox *RGMultiArea;
    QButtonGroup *MultiAreaButtons;
    QCheckBox *CBColorEach;
    TButtonColor *BAreaColor;
    QCheckBox *CBStairs;
    QCheckBox *CBInvStairs;
    TButtonPen *BAreaLinesPen;
    TButtonPen *BAreaLinePen;
    QPushButton *BAreaPattern;
    QPushButton *BTopPattern;
    QCheckBox *CBUseOrigin;
    QSpinBox *SEOrigin;
    QSpinBox *SETransparency;

    TAreaSeries *TheSeries() const;

protected:
    void FirstShow() override;
    void FillControls() override;
};

// The gradient editor as a page of a series form: no OK or Cancel, and the Escape key does not
// give the gradient back.
class TCustomPlotGradient;
QWidget *InsertGradientEditorTab(QWidget *caller, TCustomPlotGradient *gradient, const QString &caption, int pageIndex);
