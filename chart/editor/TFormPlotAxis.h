// The Axis page of the chart editor: one axis of the chart at a time, the six standard axes and
// the custom ones, which it also adds and deletes. Every control writes its axis property at once.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class TButtonPen;
class TChartAxis;
class TCustomAxisPanel;
class TPlotFontEditor;

class TFormPlotAxis : public QWidget
{
    Q_OBJECT
public:
    TFormPlotAxis(QWidget *parent, TCustomAxisPanel *chart, TChartAxis *axis);

    TChartAxis *TheAxis() const { return m_axis; }
    // Makes the axis current and fills the active tab, as the editor's tree does.
    void SetAxis(TChartAxis *axis);
    // Refills the active tab from the current axis.
    void PageAxisChange();
    // The axes list's name of the chart's axis at the index: the standard names, then "Custom N".
    static QString AxisListName(int index);
    // After "Horizontal" changed a custom axis' orientation.
    std::function<void(TChartAxis *)> OnChangeHorizAxis;
    // After "+" added a custom axis or "-" removed one.
    std::function<void()> OnAxesChanged;

    QListWidget *LBAxes;
    QToolButton *BAdd;
    QToolButton *BDelete;
    QCheckBox *CBShow;
    QCheckBox *CBAxisBeh;
    QTabWidget *PageAxis;
    QWidget *TabScales, *TabTitle, *TabLabels, *TabTicks, *TabMinor, *TabPosition;
    // Scales
    QCheckBox *CBVisible, *CBAutomatic, *CBLogarithmic, *LogE, *CBInverted;
    QLineEdit *ELogBase;
    QLabel *LAxisIncre, *LAxisMin, *LAxisMax;
    QPushButton *BIncre, *BAxisMin, *BAxisMax;
    QCheckBox *CBAutoMin, *CBAutoMax;
    QSpinBox *UDMinOff, *UDMaxOff;
    // Title
    QTabWidget *PageTitle;
    QLineEdit *ETitle;
    QSpinBox *UDTitleAngle, *UDTitleSize;
    QCheckBox *CBTitleVisible;
    // Labels
    QTabWidget *PageLabels;
    QCheckBox *CBLabels, *CBMultiline, *CBOnAxis, *CBRoundFirst, *CBAlternate, *CBExpo, *CBLabelAlign;
    QSpinBox *UDLabelsSize, *UDLabelsAngle, *UDSepar;
    QComboBox *CBLabelStyle, *CBFormat;
    QLabel *LabelAxisFormat;
    QPushButton *Button1;
    // Ticks and minor ticks
    TButtonPen *BAxisPen, *BTickPen, *BTickInner, *BGridPen, *BMinorTicks, *BMinorGrid;
    QSpinBox *UDAxisTickLength, *UDInnerTicksLength, *UDGridZ, *UDAxisMinorTickLen, *UDMinorCount;
    QCheckBox *CBTickOnLabels, *CBGridCentered;
    // Position
    QSpinBox *UDPos, *UDStart, *UDEnd, *UDZ;
    QComboBox *CBPosUnits;
    QCheckBox *CBOtherSide, *CBHorizAxis;
    // The two font editors, on the "Text" tabs of Title and Labels.
    TPlotFontEditor *TitleFont = nullptr;
    TPlotFontEditor *LabelsFont = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildScales();
    void buildTitle();
    void buildLabels();
    void buildTicks();
    void buildPosition();
    void connectControls();
    void fillAxesList();
    void fillScales();
    void fillLabels();
    void fillFormats();
    void fillPosition();
    void refreshScales();
    // One write to the current axis through the setter guard; the active tab is refilled on a refusal.
    bool write(const std::function<void(TChartAxis &)> &change);
    void onSpin(QSpinBox *box, const std::function<void(TChartAxis &, int)> &change);
    void onCheck(QCheckBox *box, const std::function<void(TChartAxis &, bool)> &change);
    void logBaseEdited(const QString &text);
    void editIncrement();
    void editLimit(bool maximum);
    void formatChosen(const QString &text);
    void addAxis();
    void deleteAxis();
    bool isCustom() const;
    QString axisName() const;

    QPointer<TCustomAxisPanel> m_chart;
    QPointer<TChartAxis> m_axis;
    bool m_filling = true;
    bool m_settingScales = false;
};
