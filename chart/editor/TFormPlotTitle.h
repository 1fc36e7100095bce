// The editor's Titles page: text, visibility, alignment, frame adjustment and own position of one
// of the chart's four titles, with the shape editor's tabs for its box.
#pragma once

#include "EditorRegistry.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class TChartTitle;
class TCustomChart;
class TFormPlotShape;

class TFormPlotTitle : public QWidget
{
    Q_OBJECT
public:
    TFormPlotTitle(QWidget *parent, TChartTitle *title, TCustomChart *chart);

    QComboBox *CBTitles;
    QTabWidget *PageControlTitle;
    QWidget *TabStyle;
    QWidget *TabPosition;
    QPlainTextEdit *MText;
    QCheckBox *CBVisible;
    QCheckBox *CBAdjust;
    QComboBox *CBAlign;
    QCheckBox *CBCustPos;
    QLabel *LabelLeft;
    QSpinBox *UDLeft;
    QLabel *LabelTop;
    QSpinBox *UDTop;
    TFormPlotShape *ShapeEditor;

    TChartTitle *TheTitle() const { return m_title; }
    // Selects the title in the combo and shows it, as the editor's tree does.
    void SelectTitle(TChartTitle *title);
    // The chart's titles in the combo's order: Title, SubTitle, SubFoot, Foot.
    TChartTitle *TitleAt(int index) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectControls();
    void fill();
    void fillPosition();
    void write(const std::function<void(TChartTitle &)> &change);

    QPointer<TCustomChart> m_chart;
    QPointer<TChartTitle> m_title;
    bool m_textGuard = false;
    bool m_positionGuard = true;
    bool m_filling = false;
};

// The page record: its factory, and the tree's children "Title", "SubTitle", "Footer", "SubFoot".
EditorPage titlesEditorPage();
