// The print preview dialog: the chart on its sheet with the printer, its set-up and orientation,
// the four print margins, the rendering detail, proportional margins, smoothing, Print and Close.
#pragma once

#include "TCustomPlotNavigator.h"
#include "TCustomPlotPanel.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class TComboFlat;
class TPlotPreviewPanel;

class TChartPreview : public QDialog
{
    Q_OBJECT
public:
    explicit TChartPreview(QWidget *parent = nullptr);
    ~TChartPreview() override;

    // The program's setting: the printer turns to landscape whenever the dialog shows.
    static inline bool LandscapeDefault = true;

    // The panel to preview, given before the dialog shows.
    QPointer<TCustomPlotPanel> TagPanel;
    // Makes the page navigator of the side bar when the dialog shows; none by default.
    using NavigatorClass = std::function<TCustomPlotNavigator *(QWidget *parent)>;
    NavigatorClass NavigatorFactory;
    TCustomPlotNavigator *Navigator() const { return m_navigator; }
    // The chart editor embeds the form as its Print tab, without the Close button.
    void HideCloseButton();

    QFrame *Panel1;
    QLabel *Label1;
    TComboFlat *CBPrinters;
    QFrame *Panel3;
    QPushButton *BSetupPrinter;
    QPushButton *BPrint;
    QFrame *PanelClose;
    QPushButton *BClose;
    QFrame *Panel2;
    QGroupBox *Orientation;
    QButtonGroup *OrientationItems; // id = item index: 0 portrait, 1 landscape
    QGroupBox *GBMargins;
    QSpinBox *SETopMa;
    QSpinBox *SELeftMa;
    QSpinBox *SEBotMa;
    QSpinBox *SERightMa;
    QFrame *PanelMargins;
    QPushButton *BReset;
    QCheckBox *ShowMargins;
    QGroupBox *ChangeDetailGroup;
    QLabel *LabelMore;
    QLabel *LabelNormal;
    QSlider *Resolution;
    QFrame *Panel4;
    QCheckBox *CBProp;
    QCheckBox *CheckBox1;
    TPlotPreviewPanel *PlotPreviewPanel1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    TCustomPlotPanel *panel() const;
    void fillPrinters();
    void showOrientation();
    // Proportional margins recomputed when they apply, the controls filled, the sheet repainted.
    void updateMargins();
    void PlotPreviewPanel1ChangeMargins(bool disableProportional, const std::array<int, 4> &newMargins);
    void marginChanged(QSpinBox *edit, int side, int opposite);
    void BResetClick();
    void CBPropClick(bool checked);
    void CBPrintersChange(int index);
    void OrientationClick(int index);
    void BSetupPrinterClick();
    void BPrintClick();

    QPointer<TCustomPlotNavigator> m_navigator;
    std::array<int, 4> m_savedMargins{};
    // Keeps the margin edits from acting while the code fills them.
    bool m_changing = true;
    // Keeps the proportional box from acting while the code unchecks it.
    bool m_updatingProportional = false;
};
