// The editor's General page: the chart's mouse zoom and scroll, its margins and their units, its
// cursor, and a print preview that pages through the chart.
#pragma once

#include "EditorRegistry.h"
#include "TCustomPlotPanel.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TButtonPen;
class TCustomChart;

class TFormPlotGeneral : public QWidget
{
    Q_OBJECT
public:
    TFormPlotGeneral(QWidget *parent, TCustomChart *chart);

    QTabWidget *PageControl1;
    QWidget *TabZoom;
    QWidget *TabScroll;
    // "Zoom".
    QCheckBox *CBAllowZoom;
    QCheckBox *CBAnimatedZoom;
    QLabel *LabelAniSteps;
    QSpinBox *UDAniZoomSteps;
    TButtonPen *BZoomPen;
    QPushButton *BZoomColor;
    QLabel *LabelMinPix;
    QSpinBox *UDMinPix;
    QLabel *LabelDir;
    QComboBox *CBDir;
    QLabel *LabelZoomMouse;
    QComboBox *CBZoomMouse;
    QCheckBox *CBUpLeft;
    // "Scroll".
    QGroupBox *RGPanning;
    QButtonGroup *PanningModes; // id = TPanningMode
    QLabel *LabelScrollMouse;
    QComboBox *CBScrollMouse;
    // Beside the tabs.
    QComboBox *CBCursor;
    QPushButton *BPrint;
    QGroupBox *GBMargins;
    QSpinBox *SETopMa;
    QSpinBox *SELeftMa;
    QSpinBox *SEBotMa;
    QSpinBox *SERightMa;
    QComboBox *CBMarUnits;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildZoomTab();
    void buildScrollTab();
    QWidget *buildSidePanel();
    void connectControls();
    void connectMargin(QSpinBox *edit, TCustomPlotPanel::MarginSide side, TCustomPlotPanel::MarginSide opposite);
    void fill();
    void fillMargins();
    void enableZoomControls();
    void setMarginRanges();
    void marginChanged(QSpinBox *edit, TCustomPlotPanel::MarginSide side, TCustomPlotPanel::MarginSide opposite,
                       int value);
    void printPreview();
    void write(const std::function<void(TCustomChart &)> &change);

    QPointer<TCustomChart> m_chart;
    // True until the page first shows and while it fills: the controls' signals write nothing.
    bool m_filling = true;
};

EditorPage generalEditorPage();
