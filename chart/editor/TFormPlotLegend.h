// The editor's Legend page: style, position, check boxes and title of the chart's legend, its
// symbol through the symbol editor, and the shape editor's tabs for the legend and its title.
#pragma once

#include "EditorRegistry.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class TButtonPen;
class TChartLegend;
class TFormPlotShape;
class TSymbolEditor;

class TFormPlotLegend : public QWidget
{
    Q_OBJECT
public:
    TFormPlotLegend(QWidget *parent, TChartLegend *legend);

    QTabWidget *PageControl1;
    QWidget *TabStyle;
    QWidget *TabPosition;
    QWidget *TabSymbols;
    QWidget *TabTitle;
    // "Style".
    QCheckBox *CBShow;
    QCheckBox *CBInverted;
    QComboBox *CBLegendStyle;
    QComboBox *CBLegStyle;
    TButtonPen *BDivLines;
    QSpinBox *UDVertSpacing;
    QCheckBox *CBFontColor;
    QComboBox *CBCheckBoxes;
    // "Position".
    QGroupBox *RGPosition;
    QButtonGroup *PositionButtons;
    QCheckBox *CBResizeChart;
    QLabel *LabelTopPos;
    QSpinBox *UDTopPos;
    QLabel *LabelMargin;
    QSpinBox *UDMargin;
    QCheckBox *CBCustPos;
    QLabel *LabelLeft;
    QSpinBox *UDLeft;
    QLabel *LabelTop;
    QSpinBox *UDTop;
    QCheckBox *CBPosPercent;
    // "Symbols" and "Title".
    TSymbolEditor *SymbolEditor;
    QTabWidget *PageControlTitle;
    QPlainTextEdit *MemoText;
    QComboBox *CBTextAlign;
    QCheckBox *CBTitleVisible;
    TFormPlotShape *LegendShape;
    TFormPlotShape *TitleShape;

    TChartLegend *Legend() const { return m_legend; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildStyleTab();
    void buildPositionTab();
    void buildTitleTab();
    void connectControls();
    void fill();
    void fillMargin();
    void fillCustomPosition();
    void enablePosition();
    void write(const std::function<void(TChartLegend &)> &change);

    QPointer<TChartLegend> m_legend;
    bool m_filling = true;
};

EditorPage legendEditorPage();
