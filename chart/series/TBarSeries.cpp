// Vertical bars: the value list and the mark size.
#include "TBarSeries.h"

#include "TCustomAxisPanel.h"

#include "TCanvas3D.h"

TBarSeries::TBarSeries(QObject *owner)
    : TCustomBarSeries(owner)
{
    YValues()->SetName(QStringLiteral("Bar"));
}

int TBarSeries::MarkLength(int valueIndex) const
{
    Q_UNUSED(valueIndex);
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return 0;
    TCanvas3D &canvas = *chart->Canvas();
    canvas.AssignFont(Marks()->Font());
    return canvas.FontHeight();
}
