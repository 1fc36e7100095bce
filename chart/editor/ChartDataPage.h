// The chart editor's Data tab: the data grid on every series of the chart, four toggles for its
// labels, colours, XYZ table and X values, and a popup for point colours, rows and the text font.
// Alt with a right click on the grid switches the XYZ table as its toggle does.
#pragma once

#include <QPointer>
#include <QWidget>

class ChartGridPanel;
class QAction;
class QMenu;
class QToolButton;
class TChartGrid;
class TCustomAxisPanel;

class ChartDataPage : public QWidget
{
    Q_OBJECT
public:
    explicit ChartDataPage(QWidget *parent = nullptr);

    ChartGridPanel *Panel;
    TChartGrid *ChartGrid1;
    QToolButton *SBGridText;
    QToolButton *SBGridCol;
    QToolButton *SBGrid3D;
    QToolButton *SBGridX;
    QMenu *PopupData;
    QAction *EditColor1;
    QAction *DefaultColor1;
    QAction *MakeNull1;
    QAction *AppendRow1;
    QAction *DeleteRow1;
    QAction *TextFont1;

    // Shows the chart: colours when the first series has colours of its own, the toggles after
    // the grid's state.
    void ShowChart(TCustomAxisPanel *chart);
    // The popup's items shown for the current cell.
    void PreparePopup();
    // The font dialog on the grid's font; the rows then fit its height.
    void EditTextFont();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void storeColor(unsigned color);
    bool firstSeriesHasXYZ() const;
};
