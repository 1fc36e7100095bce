// The page navigator of a paged chart: first, prior, next and last page, and a print button that
// prints a range of pages as one job of the printer service.
#pragma once

#include "TCustomPlotNavigator.h"

class QToolButton;
class TCustomAxisPanel;

class TChartPageNavigator : public TCustomPlotNavigator
{
    Q_OBJECT
public:
    explicit TChartPageNavigator(QWidget *parent = nullptr);

    // Only a chart with axes pages; any other panel is taken as none.
    void SetPanel(TCustomPlotPanel *panel) override;
    TCustomAxisPanel *Chart() const;
    void EnableButtons() override;
    int PageCount() override;
    // With more than one page, asks for the range first. A job that cannot start or finish raises
    // the print failure; the chart shows the page it showed before either way.
    void Print() override;

    QToolButton *BPrint;

protected:
    // The four page buttons and the print button.
    int ButtonSlots() const override { return 5; }
    void PanelEvent(TPlotEvent &event) override;
    void ButtonAction(TPlotNavigateBtn index) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placePrintButton();
    void printClicked();
};

namespace PageNavigator {

// Prints the pages from..to of the chart as one job; the current page is restored afterwards.
void PrintPages(TCustomAxisPanel &chart, int from, int to);

} // namespace PageNavigator
