// The series editor: one series at a time, chosen in a combo, with its class editor on "Format",
// its general settings, its marks and its data source, and the tabs per-type editors insert.
#pragma once

#include "EditorRegistry.h"
#include "TBaseSourceEditor.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TPlotEventListeners.h"

#include <QPointer>
#include <QWidget>

class EditorShownPage;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class SeriesColorBox;
class TButtonPen;
class TFormPlotShape;


class TFormPlotSeries : public QWidget, public TPlotEventListener
{
    Q_OBJECT
public:
    explicit TFormPlotSeries(QWidget *parent = nullptr);
    ~TFormPlotSeries() override;

    // Header.
    QLabel *Image1;
    QLabel *LabelSeriesClass;
    QComboBox *CBSeries;
    SeriesColorBox *SeriesColor;
    QTabWidget *PageSeries;
    QWidget *TabFormat;
    QWidget *TabGeneral;
    QWidget *TabMarks;
    QWidget *TabDataSource;

    // "General".
    QCheckBox *CBShowInLegend;
    QLabel *LabelCursor;
    QComboBox *CBCursor;
    QLabel *LabelDepth;
    QSpinBox *SEDepth;
    QCheckBox *CBDepthAuto;
    QLabel *LabelValues;
    QComboBox *CBFormat;
    QLabel *LabelPercents;
    QLineEdit *EPercentFormat;
    // The "..." buttons: shown once the format dialog is registered.
    QPushButton *BValueFormat;
    QPushButton *BPercentFormat;
    QGroupBox *GBHorizAxis;
    QComboBox *CBHorizAxis;
    QCheckBox *CBXDateTime;
    QGroupBox *GBVertAxis;
    QComboBox *CBVertAxis;
    QCheckBox *CBYDateTime;
    QCheckBox *CBZDateTime;
    QLabel *LabelSort;
    QComboBox *CBSort;
    QCheckBox *CBPersistent;

    // "Marks": "Style" and "Arrows".
    QTabWidget *PageMarks;
    QWidget *TabStyle;
    QWidget *TabArrows;
    QCheckBox *CBMarksVisible;
    QCheckBox *CBClipped;
    QSpinBox *SEMarksAngle;
    QSpinBox *SEDrawEvery;
    QComboBox *CBMarkStyle;
    QCheckBox *CBMultiLine;
    QCheckBox *CBAllVisible;
    TButtonPen *BMarksArrowPen;
    QSpinBox *SEArrowLength;
    QSpinBox *SEArrowDistance;
    QComboBox *CBArrowHead;
    QSpinBox *SEArrowHeadSize;
    QPushButton *BPointer;
    // The shape editors of the marks and of their symbol: shown once the shape editor is
    // registered, made on the first fill of the tab.
    TFormPlotShape *MarksShape = nullptr;
    TFormPlotShape *SymbolShape = nullptr;
    EditorShownPage *TabSymbol = nullptr;
    QCheckBox *CBSymbolVisible = nullptr;

    // "Data Source".
    QComboBox *CBDataSourceStyle;
    QWidget *PanelRandom;
    QSpinBox *SENumPoints;
    QCheckBox *CBDefault;
    QPushButton *BApplyRandom;
    QPushButton *BClearRandom;
    QWidget *PanelSourceHost;

    // Set by the chart editor before the form shows.
    bool ShowPersistent = false;
    bool ShowDataSource = true;
    bool ShowGeneral = true;
    bool ShowMarks = true;

    TChartSeries *TheSeries() const { return m_series; }
    // Lists the chart's series in the combo (those shown in editors), keeping the selection.
    void SetChart(TCustomAxisPanel *chart);
    TCustomAxisPanel *Chart() const { return m_chart; }
    void FillSeriesCombo();
    // Selects the series in the combo and shows it; none hides the pages. False when the data
    // source editor kept the series that was shown.
    bool SelectSeries(TChartSeries *series);
    // Activates one of the fixed tabs by its page.
    void ActivateTab(QWidget *tab);
    // Leaving the form or one of its tabs: allowed unless the source editor refuses to close.
    bool CanLeave();
    TBaseSourceEditor *SourceEditor() const { return m_sourceEditor; }
    QWidget *ManualPanel() const { return m_manualPanel; }
    // Tells the form its series is gone.
    void SeriesRemoved();

    // A per-type editor's tab: a tab at pageIndex holding a new form from the factory.
    QWidget *InsertTab(const EditorFormFactory &factory, QObject *tag, const QString &caption, int pageIndex);

    // Called with the form's series after a write from one of its controls.
    std::function<void(TChartSeries *)> OnSeriesChanged;
    // Called with the series the form shows after the user or the code chose it.
    std::function<void(TChartSeries *)> OnSeriesShown;

    void PlotEvent(TPlotEvent &event) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildHeader();
    void buildGeneralTab();
    void buildMarksTab();
    void buildDataSourceTab();
    void connectGeneralTab();
    void connectMarksTab();
    void connectDataSourceTab();

    void showSelectedSeries();
    void rebuild();
    void removeInsertedTabs();
    void fillActiveTab();
    void pageChanged(int index);
    void listenTo(TCustomAxisPanel *chart);

    void fillGeneralTab();
    void fillAxisCombo(QComboBox *combo, bool horizontal);
    void fillMarksTab();
    void addFormatButtons(QGridLayout &grid);
    void editFormat(bool percent);
    void fillMarksShapes();
    void fillDataSourceTab();
    void fillRandomPanel();
    void dataSourceStyleChosen(int index);
    void closeSourceEditor();
    // The data grid on the series, when registered.
    void showManualPanel();
    void closeManualPanel();
    bool sourceEditorAgreesToClose();

    // A write from a control: guarded, then the chart told.
    void write(const std::function<void(TChartSeries &)> &setter, const std::function<void()> &refill);
    bool ignoring() const { return m_filling || m_tabChanging || !m_series; }

    QPointer<TCustomAxisPanel> m_chart;
    QPointer<TCustomAxisPanel> m_listenedChart;
    QPointer<TChartSeries> m_series;
    QPointer<TChartSeries> m_previousSeries;
    QPointer<TBaseSourceEditor> m_sourceEditor;
    QPointer<QWidget> m_manualPanel;
    QPointer<QWidget> m_formatEditor;
    bool m_filling = true;
    bool m_tabChanging = false;
    int m_shownComboIndex = -1;
};

// Inserts a per-type editor's tab: in the series editor that owns caller, at pageIndex with the
// caption; without one the form is made as caller's child with the caption as its title, unshown,
// for the caller to show as a dialog.
QWidget *InsertEditorTab(QWidget *caller, const EditorFormFactory &factory, QObject *tag, const QString &caption,
                         int pageIndex);
