// A spreadsheet over the points of one series or of every series of a chart: cells are edited in
// place and written straight into the value lists; rows are appended and removed from the
// keyboard or the navigator.
#pragma once

#include "ChartGridModel.h"
#include "TPlotEventListeners.h"

#include <QPointer>
#include <QTableView>

#include <functional>

class TChartGrid : public QTableView, public TPlotEventListener
{
    Q_OBJECT
public:
    explicit TChartGrid(QWidget *parent = nullptr);
    ~TChartGrid() override;

    TCustomAxisPanel *Chart() const { return m_model->Chart(); }
    void SetChart(TCustomAxisPanel *chart);
    TChartSeries *Series() const { return m_model->Series(); }
    void SetSeries(TChartSeries *series);
    bool ShowColors() const { return m_model->ShowColors; }
    void SetShowColors(bool value);
    bool ShowLabels() const { return m_model->ShowLabels; }
    void SetShowLabels(bool value);
    TChartGridShow ShowXValues() const { return m_model->ShowXValues; }
    void SetShowXValues(TChartGridShow value);
    // The XYZ table on the first series; only for a series with X, Y and Z values.
    bool Grid3D() const { return m_model->Grid3D(); }
    void SetGrid3D(bool value);

    ChartGridModel *Model() const { return m_model; }
    // Data rows from 0; the current one, and whether a cell editor is open.
    int Row() const { return currentIndex().row(); }
    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    // Whether cell editing is allowed (the grid's editing option).
    bool AllowEditing = true;

    void Append();
    void Delete();
    void StartEditing();
    void Post();
    void Cancel();
    void EditColor();
    void RecalcDimensions();

    std::function<void()> OnChangeColor;
    std::function<void(int column, int row, bool &allow)> OnEditingCell;
    std::function<void(int column, int row)> OnSetEditText;
    // The navigator's hooks: the grid changed, the selection moved.
    std::function<void()> OnChanged;
    std::function<void()> OnMoved;

    void PlotEvent(TPlotEvent &event) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    bool onColorColumn() const;
    QWidget *openEditor() const;
    void listenTo(TCustomAxisPanel *chart);
    void changed();

    ChartGridModel *m_model;
    QPointer<TCustomAxisPanel> m_listened;
    QMetaObject::Connection m_chartGone;
};
