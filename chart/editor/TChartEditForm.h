// The chart editor dialog: the series list, the chart-wide pages, the series editor, data, tools,
// export and print, as two levels of tabs or as a tree beside one page area. Pages other than the
// series list and the series editor come from the page registry.
#pragma once

#include "ChartEditorTypes.h"
#include "TChartSeries.h"
#include "TFormPlotSeries.h"
#include "TCustomChart.h"

#include <QDialog>
#include <QHash>
#include <QPointer>

#include <optional>

class QCheckBox;
class QDropEvent;
class QListWidget;
class QListWidgetItem;
class TSeriesGroup;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolButton;
class QShortcut;
class QTreeWidget;
class QTreeWidgetItem;
class TChartListBox;


class TChartEditForm : public QDialog
{
    Q_OBJECT
public:
    explicit TChartEditForm(QWidget *parent = nullptr);
    ~TChartEditForm() override;

    QTabWidget *MainPage;
    QWidget *TabChart;
    QWidget *TabSeries;
    QWidget *TabData;
    QWidget *TabTools;
    QWidget *TabExport;
    QWidget *TabPrint;
    QTabWidget *SubPage;
    QWidget *TabSeriesList;
    QWidget *TabGeneral;
    QWidget *TabAxis;
    QWidget *TabTitle;
    QWidget *TabLegend;
    QWidget *TabPanel;
    QWidget *TabPaging;
    QWidget *TabWalls;
    QWidget *Tab3D;

    // The series list page: the list, its buttons, the groups.
    QWidget *PanelList; // holds LBSeries
    TChartListBox *LBSeries;
    QToolButton *BMoveUP;
    QToolButton *BMoveDown;
    QPushButton *BAddSeries;
    QPushButton *BDeleteSeries;
    QPushButton *BRenameSeries;
    QPushButton *BCloneSeries;
    QPushButton *BChangeTypeSeries;
    QToolButton *BAddGroup;
    QToolButton *BDeleteGroup;
    QToolButton *BRenameGroup;
    QCheckBox *CBNames;
    QWidget *PanelGroups;
    QListWidget *Groups;

    QPushButton *ButtonHelp;
    QPushButton *BClose;
    QSplitter *TreeSplitter;
    QTreeWidget *Tree;

    TCustomChart *TheChart() const { return m_chart; }
    // Gives the chart to the form and, when a remember flag is set, reads the stored place and size.
    void SetChart(TCustomChart *chart);

    QPointer<TChartSeries> EditSeries;
    std::optional<TChartEditorTab> DefaultTab;
    TChartEditorHiddenTabs HideTabs;
    TChartEditorOptions Options = TChartEditorOptions::fromInt(kDefaultChartEditorOptions);
    bool HighLightTabs = false;
    bool RememberPosition = true;
    bool RememberSize = true;
    // Tree mode; read from the settings at creation, set by the component before showing.
    bool TreeMode() const { return m_treeMode; }
    void SetTreeMode(bool value) { m_treeMode = value; }

    // The series editor, made on the first visit of the Series tab.
    TFormPlotSeries *SeriesForm() const { return m_seriesForm; }
    // The page made for a tab, none before its first showing.
    QWidget *Page(TChartEditorTab tab) const { return m_pages.value(int(tab)); }
    // The page shown (a Chart sub page, a main page, or the tree's), whose section the help opens.
    QWidget *CurrentHelpPage() const;
    // The help file the Help button and F1 open; empty without ceHelp or without the file.
    QString HelpFile() const { return m_helpFile; }
    // Whether a tab shows: registered (or built in) and not hidden.
    bool IsTabShown(TChartEditorTab tab) const;

    // Shows the Series tab with the series editor on the series.
    void EditSeriesPage(TChartSeries *series);
    // Activates a main tab or a Chart sub tab (and selects its node in tree mode).
    void ShowTab(TChartEditorTab tab);
    // A page's items changed (a tool added or deleted): in tree mode the nodes are built again,
    // the tab's node selected.
    void RefreshPageNodes(TChartEditorTab tab);

    // The list's order-change event, routed by the component.
    std::function<void(TChartSeries *, TChartSeries *)> OnChangeSeriesOrder;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHelp();
    void buildPages();
    void buildSeriesListPage();
    void FormShow();
    void layOutTree();
    void placeOnScreen();
    void keepOnScreen();
    void settlePlace();
    void applyTabVisibility();
    void growToPages();
    bool treeShown() const;
    void buildTree();
    void addSeriesNodes(QTreeWidgetItem *root);
    void selectDefaultTab();
    void selectFirstSeries();
    void mainTabChanged(int index);
    void subTabChanged(int index);
    void showRegisteredPage(TChartEditorTab tab, QWidget *host);
    void treeSelectionChanged();
    void selectTreeNodeFor(QObject *object);
    void highlight(QTabWidget *pages, int index);
    TChartSeries *selectedSeries() const;
    void RefreshButtons();
    void connectSeriesList();
    void connectGroups();
    void fillGroups();
    void groupChosen();
    void groupChecked(QListWidgetItem *item);
    TSeriesGroup *selectedGroup() const;
    bool dropOnGroup(QDropEvent *event, bool drop);
    void seriesListChanged();
    bool listHasSelection() const;
    void placeFromSettings();
    void saveSettings();
    int treeExtraWidth() const;

    QPointer<TCustomChart> m_chart;
    QPointer<TFormPlotSeries> m_seriesForm;
    QHash<int, QPointer<QWidget>> m_pages;
    QTreeWidgetItem *m_seriesNode = nullptr;
    bool m_treeMode = false;
    QString m_helpFile;
    QShortcut *m_helpKey = nullptr;
    bool m_shown = false;
    bool m_buildingTree = false;
    int m_treeWidth = 126;
    // A stored size keeps the form from growing to its pages.
    bool m_sizeStored = false;
    // The size the form last gave itself (default, stored, grown to the pages, fitted to the
    // screen): only a size that differs from it at closing is the user's and is stored.
    QSize m_programSize;
    int m_savedFormWidth = 0;
    // The frame's top-left corner as stored.
    std::optional<QPoint> m_storedPosition;
    bool m_placed = false;
    // Set until the window manager's frame is known, which may come only after the showing.
    bool m_frameUnknown = true;
    // Set once the shown window stands where it was placed.
    bool m_placeSettled = false;
    int m_highlightedMain = -1;
    int m_highlightedSub = -1;
    bool m_fillingGroups = false;
};

// The form's tab of each page control index, for the registry and the tree.
TChartEditorTab subTabOf(int subPageIndex);
