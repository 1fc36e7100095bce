// The chart data grid's navigator.
#include "TChartGridNavigator.h"

#include "TChartGrid.h"

TChartGridNavigator::TChartGridNavigator(QWidget *parent)
    : TCustomPlotNavigator(parent)
{
    setObjectName(QStringLiteral("ChartGridNavigator1"));
    EnableButtons();
}

TChartGridNavigator::~TChartGridNavigator()
{
    unhook();
}

void TChartGridNavigator::unhook()
{
    if (m_grid) {
        m_grid->OnChanged = nullptr;
        m_grid->OnMoved = nullptr;
    }
}

void TChartGridNavigator::SetGrid(TChartGrid *grid)
{
    unhook();
    m_grid = grid;
    if (grid) {
        grid->OnChanged = [this] { EnableButtons(); };
        grid->OnMoved = [this] { EnableButtons(); };
    }
    EnableButtons();
}

void TChartGridNavigator::EnableButtons()
{
    TChartGrid *grid = m_grid;
    const int rows = grid ? grid->Model()->rowCount() : 0;
    const int row = grid ? grid->Row() : -1;
    const bool editing = grid && grid->Editing();
    bool anySeries = false;
    bool anyPoint = false;
    if (grid)
        for (TChartSeries *s : grid->Model()->seriesList()) {
            anySeries = true;
            anyPoint = anyPoint || s->Count() > 0;
        }
    const bool insert = grid && ((grid->AllowEditing && !editing && anySeries) || grid->Series());
    const bool moveBack = grid && !editing && row > 0;
    const bool moveOn = grid && !editing && row < rows - 1;
    const bool enabled[kNavigateButtonCount] = {moveBack,
                                                moveBack,
                                                moveOn,
                                                moveOn,
                                                insert && !editing,
                                                insert && !editing && rows > 1 && anyPoint,
                                                insert && !editing,
                                                editing,
                                                editing};
    for (int i = 0; i < kNavigateButtonCount; ++i)
        Button(TPlotNavigateBtn(i))->setEnabled(enabled[i]);
}

void TChartGridNavigator::ButtonAction(TPlotNavigateBtn index)
{
    TChartGrid *grid = m_grid;
    if (!grid)
        return;
    const QModelIndex current = grid->currentIndex();
    const int column = current.isValid() ? current.column() : std::min(1, grid->Model()->columnCount() - 1);
    const int last = grid->Model()->rowCount() - 1;
    const auto go = [&](int row) { grid->setCurrentIndex(grid->Model()->index(std::clamp(row, 0, last), column)); };
    switch (index) {
    case nbFirst:
        go(0);
        break;
    case nbPrior:
        go(grid->Row() - 1);
        break;
    case nbNext:
        go(grid->Row() + 1);
        break;
    case nbLast:
        go(last);
        break;
    case nbInsert:
        grid->Append();
        break;
    case nbDelete:
        grid->Delete();
        break;
    case nbEdit:
        grid->setFocus();
        grid->StartEditing();
        break;
    case nbPost:
        grid->Post();
        break;
    case nbCancel:
        grid->Cancel();
        break;
    }
}
