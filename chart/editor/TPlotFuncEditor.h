// The "Function" panel of the series editor's Data Source tab: the function class, its source
// series (one with its value list, or several in order) and the function's own options form.
#pragma once

#include "TBaseSourceEditor.h"
#include "TPlotEventListeners.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;
class TBaseFunctionEditor;
class TCustomAxisPanel;
class TSelectListForm;
struct ChartClassDescriptor;

class TPlotFuncEditor : public TBaseSourceEditor, public TPlotEventListener
{
    Q_OBJECT
public:
    explicit TPlotFuncEditor(QWidget *parent = nullptr);
    ~TPlotFuncEditor() override;

    QTabWidget *PageControl1;
    QWidget *TabSource;
    QWidget *TabOptions;
    QWidget *PanSingle;
    QLabel *LSeries;
    QComboBox *CBSingle;
    QPushButton *BNone;
    QLabel *LValues;
    QComboBox *CBValues;
    TSelectListForm *ISources = nullptr;
    // The function's options form on "Options"; none without one.
    QWidget *OptionsForm() const { return m_options; }

    // The class chosen in the functions combo; none without a choice.
    const ChartClassDescriptor *ChosenClass() const;

    void PlotEvent(TPlotEvent &event) override;

protected:
    void showEvent(QShowEvent *event) override;
    void BApplyClick() override;

private:
    void fillFunctions();
    void fillSources(const QObject *leaving = nullptr);
    void fillValues();
    void functionChosen();
    void singleChosen();
    void listenTo(TCustomAxisPanel *chart);
    bool singlePanelShown() const;

    QPointer<TCustomAxisPanel> m_chart;
    QPointer<QWidget> m_options;
    bool m_filling = false;
};
