// The pie series' Format tab: slices (explode, angle, dark 3D, pens, shadow, gradient, several
// pies), the grouped "other" slice and the colours; the circle goes on a tab of its own.
#pragma once

#include "SeriesFormatForm.h"

class QTabWidget;
class TButtonGradient;
class TButtonPen;
class TPieSeries;

class TPieSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TPieSeriesEditor(QWidget *parent, QObject *tag);

    QTabWidget *PageControl1;
    QWidget *TabOptions;
    QWidget *TabGroup;
    QWidget *TabColors;
    QSpinBox *SEExplode;
    QSpinBox *SEAngleSize;
    QCheckBox *CBDark3D;
    QSpinBox *SEDarkPen;
    QCheckBox *CBPatterns;
    TButtonPen *BPiePen;
    QPushButton *BShadow;
    QCheckBox *CBAutoMarkPos;
    TButtonGradient *BGradient;
    QComboBox *CBMultiPie;
    QComboBox *CBOther;
    QLineEdit *EOtherValue;
    QLineEdit *EOtherLabel;
    QPushButton *BLegend;
    QCheckBox *CBColorEach;
    TButtonColor *BPieColor;

    TPieSeries *TheSeries() const;

protected:
    void FirstShow() override;
    void FillControls() override;

private:
    void enableOtherControls();
    void editOtherLegend();
};
