// The editor's Panel page ("Panel Editor"): the chart panel's colour and back image, bevels,
// border and rounded border, and the gradient and shadow editors of its gradient and shadow.
#pragma once

#include "EditorRegistry.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class EditorShownPage;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TButtonColor;
class TButtonPen;
class TCustomChart;
class TPlotGradientEditor;
class TPlotShadowEditor;

class TFormPlotPanel : public QWidget
{
    Q_OBJECT
public:
    TFormPlotPanel(QWidget *parent, TCustomChart *chart);

    QTabWidget *PageControl1;
    QWidget *TabBack;
    QWidget *TabBorders;
    EditorShownPage *TabGradient;
    QWidget *TabShadow;
    // "Background".
    TButtonColor *BPanelColor;
    QCheckBox *CBColorDef;
    QGroupBox *RGBitmap;
    QButtonGroup *BitmapModes;
    QPushButton *BBrowseImage;
    QCheckBox *CBImageInside;
    QCheckBox *CBTransp;
    QLabel *LabelLeft;
    QSpinBox *UDLeft;
    QLabel *LabelTop;
    QSpinBox *UDTop;
    // "Borders".
    QComboBox *CBInner;
    QComboBox *CBOuter;
    QSpinBox *UDPanelWi;
    QSpinBox *UDPanelBor;
    QSpinBox *UDRound;
    TButtonPen *BBorder;
    TPlotGradientEditor *GradientEditor;
    TPlotShadowEditor *ShadowEditor;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildBackgroundTab();
    void buildBordersTab();
    void connectControls();
    void fill();
    void fillImageControls();
    void fillDefaultColor();
    void write(const std::function<void(TCustomChart &)> &change);

    QPointer<TCustomChart> m_chart;
    bool m_filling = true;
};

EditorPage panelEditorPage();
