// The data grid and its navigator.
#include "ChartGridPanel.h"

#include "TChartGrid.h"
#include "TChartGridNavigator.h"

#include <QVBoxLayout>

ChartGridPanel::ChartGridPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ChartGridPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ChartGrid1 = new TChartGrid(this);
    ChartGridNavigator1 = new TChartGridNavigator(this);
    ChartGridNavigator1->SetGrid(ChartGrid1);
    // Rows are added and removed below the grid as well as by the keys.
    ChartGridNavigator1->Button(nbInsert)->show();
    ChartGridNavigator1->Button(nbDelete)->show();
    layout->addWidget(ChartGrid1, 1);
    layout->addWidget(ChartGridNavigator1, 0, Qt::AlignLeft);
}
