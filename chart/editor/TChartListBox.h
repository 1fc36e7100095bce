// The list of a chart's series: per row the type icon, an active check box (or radio button),
// the colour and the title. The user switches, recolours, renames, reorders, adds, clones and
// deletes series here; the list follows the chart's series events.
#pragma once

#include "TCustomChart.h"
#include "TPlotEventListeners.h"

#include <QComboBox>
#include <QListView>
#include <QPointer>

class ChartSeriesModel;
class QLineEdit;
class QMimeData;
class TChartSeries;
class TCustomChartSeries;

class TChartListBox : public QListView, public TPlotEventListener
{
    Q_OBJECT
    Q_PROPERTY(TCustomChart *Chart READ Chart WRITE SetChart)
    Q_PROPERTY(bool AllowAddSeries READ AllowAddSeries WRITE SetAllowAddSeries)
    Q_PROPERTY(bool AllowDeleteSeries READ AllowDeleteSeries WRITE SetAllowDeleteSeries)
    Q_PROPERTY(bool AskDelete READ AskDelete WRITE SetAskDelete)
    Q_PROPERTY(TCheckBoxesStyle CheckStyle READ CheckStyle WRITE SetCheckStyle)
    Q_PROPERTY(bool EnableChangeColor READ EnableChangeColor WRITE SetEnableChangeColor)
    Q_PROPERTY(bool EnableDragSeries READ EnableDragSeries WRITE SetEnableDragSeries)
    Q_PROPERTY(bool EnableChangeType READ EnableChangeType WRITE SetEnableChangeType)
    Q_PROPERTY(bool ShowActiveCheck READ ShowActiveCheck WRITE SetShowActiveCheck)
    Q_PROPERTY(bool ShowSeriesColor READ ShowSeriesColor WRITE SetShowSeriesColor)
    Q_PROPERTY(bool ShowSeriesIcon READ ShowSeriesIcon WRITE SetShowSeriesIcon)
    Q_PROPERTY(bool ShowSeriesTitle READ ShowSeriesTitle WRITE SetShowSeriesTitle)
public:
    enum TCheckBoxesStyle { cbsCheck, cbsRadio };
    Q_ENUM(TCheckBoxesStyle)
    // The sections of a row, left to right.
    enum Section { sIcon, sCheck, sColor, sTitle, kSectionCount, sNone = -1 };
    static constexpr int kItemHeight = 24;
    // The drag data of the list's rows: the list and the dragged row.
    static constexpr char kSeriesMimeType[] = "application/x-plot-chart-series";

    explicit TChartListBox(QWidget *parent = nullptr);
    ~TChartListBox() override;

    TCustomChart *Chart() const;
    void SetChart(TCustomChart *chart);

    bool AllowAddSeries() const { return m_allowAdd; }
    void SetAllowAddSeries(bool value) { m_allowAdd = value; }
    bool AllowDeleteSeries() const { return m_allowDelete; }
    void SetAllowDeleteSeries(bool value) { m_allowDelete = value; }
    bool AskDelete() const { return m_askDelete; }
    void SetAskDelete(bool value) { m_askDelete = value; }
    TCheckBoxesStyle CheckStyle() const { return m_checkStyle; }
    // Radio buttons leave only the first active series active.
    void SetCheckStyle(TCheckBoxesStyle value);
    bool EnableChangeColor() const { return m_enableChangeColor; }
    void SetEnableChangeColor(bool value) { m_enableChangeColor = value; }
    bool EnableDragSeries() const { return m_enableDrag; }
    void SetEnableDragSeries(bool value);
    bool EnableChangeType() const { return m_enableChangeType; }
    void SetEnableChangeType(bool value) { m_enableChangeType = value; }
    bool ShowActiveCheck() const { return m_showSection[sCheck]; }
    void SetShowActiveCheck(bool value) { setSectionVisible(sCheck, value); }
    bool ShowSeriesColor() const { return m_showSection[sColor]; }
    void SetShowSeriesColor(bool value) { setSectionVisible(sColor, value); }
    bool ShowSeriesIcon() const { return m_showSection[sIcon]; }
    void SetShowSeriesIcon(bool value) { setSectionVisible(sIcon, value); }
    bool ShowSeriesTitle() const { return m_showSection[sTitle]; }
    void SetShowSeriesTitle(bool value) { setSectionVisible(sTitle, value); }
    // Names instead of titles.
    bool ShowNames() const { return m_showNames; }
    void SetShowNames(bool value);

    // A combo kept in step with the rows (text and series as item data), such as the series
    // editor's series choice.
    void SetOtherItems(QComboBox *combo);
    QComboBox *OtherItems() const { return m_otherItems; }

    // The section under x of a row, sNone between or after them; and its left edge and width.
    Section SectionAt(int x) const;
    int SectionLeft(Section section) const;
    static int SectionWidth(Section section);

    int ItemCount() const;
    TChartSeries *SeriesAt(int row) const;
    int ItemIndex() const;
    void SetItemIndex(int row);
    TChartSeries *SelectedSeries() const;
    // The selected series in list order.
    QList<TChartSeries *> SelectedSeriesList() const;
    void SelectSeries(TChartSeries *series);

    // The rows again from the chart, the current series kept where it can be.
    void Refill();
    // The current series changes place with the one before or after it.
    void MoveCurrentUp();
    void MoveCurrentDown();
    // A series from the gallery, then the only one selected; none without the gallery hook.
    TChartSeries *AddSeries();
    // Frees the selected series (after asking, with AskDelete); templates and series that deny
    // deleting are kept.
    void DeleteSeries();
    // Adds a copy of the current series to the chart.
    TChartSeries *CloneSeries();
    // Changes the type of every selected series through the gallery.
    void ChangeTypeSeries();
    // Asks for a new title (or name) of the current series; true when it changed.
    bool RenameSeries();
    // The edit over the current row's title; Enter, Up, Down or F2 store, Escape discards.
    void StartTitleEdit();
    QLineEdit *TitleEditor() const { return m_titleEditor; }
    // Mime data carrying a row of this list, as a drag of it carries.
    QMimeData *seriesMimeData(int row) const;
    // The series a drag carries, when it comes from a series list; none otherwise.
    static TChartSeries *DraggedSeries(const QMimeData *data);

    void PlotEvent(TPlotEvent &event) override;

Q_SIGNALS:
    void OnChangeActive(TChartSeries *series);
    void OnChangeColor(TChartSeries *series);
    void OnChangeOrder(TChartSeries *series1, TChartSeries *series2);
    void OnDblClickSeries(int index);
    void OnOtherItemsChange();
    void OnRefresh();
    void OnRemovedSeries(TCustomChartSeries *series);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Delegate;

    void setSectionVisible(Section section, bool visible);
    void toggleActive(TChartSeries &series);
    void exchangeRows(int from, int to);
    int draggedRow(const QMimeData *data) const;
    void fillOtherItems();
    void removeSeriesRow(const TCustomChartSeries *series);
    void finishTitleEdit(bool store);
    void forgetChart();

    ChartSeriesModel *m_model;
    QPointer<TCustomChart> m_chart;
    QPointer<QComboBox> m_otherItems;
    QLineEdit *m_titleEditor = nullptr;
    bool m_allowAdd = true;
    bool m_allowDelete = true;
    bool m_askDelete = true;
    TCheckBoxesStyle m_checkStyle = cbsCheck;
    bool m_enableChangeColor = true;
    bool m_enableDrag = true;
    bool m_enableChangeType = true;
    bool m_showSection[kSectionCount] = {true, true, true, true};
    bool m_showNames = false;
    // A press in the title section without Shift or Ctrl may start a drag.
    bool m_dragAllowed = false;
};
