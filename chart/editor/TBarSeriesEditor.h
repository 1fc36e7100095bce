// The bar series' Format tab (bar and horizontal bar): style, pens, brush, colours, gradient,
// bevel and the bar sizes; the stacking goes on a "Stack" tab of its own.
#pragma once

#include "SeriesFormatForm.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QTabWidget;
class TButtonPen;
class TCustomBarSeries;

class TBarSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TBarSeriesEditor(QWidget *parent, QObject *tag);

    QTabWidget *PageControl1;
    QWidget *TabFormat;
    QWidget *TabSize;
    QComboBox *CBBarStyle;
    TButtonPen *BBarPen;
    QPushButton *BBarBrush;
    QCheckBox *CBColorEach;
    TButtonColor *BBarColor;
    QPushButton *BGradient;
    TButtonPen *BTickLines;
    QLabel *LBevel;
    QSpinBox *SEBevel;
    QCheckBox *CBDarkBar;
    QSpinBox *SEBarWidth;
    QSpinBox *SEBarOffset;
    QSpinBox *SEBarDepth;
    QCheckBox *CBBarSideMargins;
    QCheckBox *CBAutoMarkPos;

    TCustomBarSeries *TheSeries() const;

protected:
    void FirstShow() override;
    void FillControls() override;

private:
    void enableStyleControls();
    void editGradient();
};

// The stacking of a bar series: side by side, stacked, its group and origin.
class TStackBarSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TStackBarSeriesEditor(QWidget *parent, QObject *tag);

    QGroupBox *RGMultiBar;
    QButtonGroup *MultiBarButtons;
    QLabel *LStackGroup;
    QSpinBox *SEStackGroup;
    QCheckBox *CBYOrigin;
    QLineEdit *EYOrigin;

    TCustomBarSeries *TheSeries() const;

protected:
    void FillControls() override;

private:
    void enableStackGroup();
};
