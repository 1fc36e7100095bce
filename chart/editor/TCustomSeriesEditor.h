// The Format tab of line series and the other series of points joined by lines: colours, pens,
// stacking, stairs, the 3D ribbon, pattern and shadow; its pointer goes on a "Point" tab.
#pragma once

#include "SeriesFormatForm.h"

#include <QPointer>

class QGroupBox;
class QLabel;
class TCustomSeries;
class TButtonPen;

class TCustomSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TCustomSeriesEditor(QWidget *parent, QObject *tag);

    TButtonColor *BColor;
    TButtonPen *BLinePen;
    QCheckBox *CBColorEach;
    QCheckBox *CBColorEachLine;
    QComboBox *CBStack;
    QCheckBox *CBClickable;
    QGroupBox *GBLineMode;
    QCheckBox *CBStairs;
    QCheckBox *CBInvStairs;
    QCheckBox *CBDark3D;
    QLabel *LHeight3D;
    QSpinBox *SEHeight3D;
    TButtonPen *BOutline;
    QPushButton *BPattern;
    QPushButton *BShadow;

    TCustomSeries *TheSeries() const;

protected:
    void FirstShow() override;
    void FillControls() override;

private:
    void editShadow();
};

// Shows the shadow editor modally without the controls a line's shadow does not use
// (transparency and smoothing); true on OK.
class TPlotShadow;
bool EditLineShadow(QWidget *owner, TPlotShadow &shadow);
