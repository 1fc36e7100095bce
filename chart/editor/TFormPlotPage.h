// The Paging page of the chart editor: points per page, scaling of the last page, the legend of
// the current page, a page-number tool, and the page navigator.
#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;
class TChartPageNavigator;
class TCustomChart;
class TPlotCustomTool;

class TFormPlotPage : public QWidget
{
    Q_OBJECT
public:
    TFormPlotPage(QWidget *parent, TCustomChart *chart);

    QSpinBox *SEPointsPerPage;
    QLabel *LabelPages;
    QCheckBox *CBScaleLast;
    QCheckBox *CBPageLegend;
    QCheckBox *CBPageNum;
    TChartPageNavigator *ChartPageNavigator1;

    // The chart's first page-number tool; none when it has none.
    TPlotCustomTool *PageNumberTool() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void refreshLabel();
    void pointsTyped(const QString &text);
    void pageNumberClicked(bool on);

    QPointer<TCustomChart> m_chart;
    bool m_filling = true;
};
