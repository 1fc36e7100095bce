#include "LegendCheckBox.h"

#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

bool DoLegendCheckBox(TCustomAxisPanel &chart, int itemIndex, bool checkBoxes, bool radioStyle)
{
    if (!checkBoxes || itemIndex < 0)
        return false;
    // With check boxes the legend lists its series whether active or not.
    TChartSeries *clicked = chart.SeriesLegend(itemIndex, false);
    if (!clicked)
        return false;
    if (radioStyle) {
        for (TChartSeries *series : chart.SeriesList())
            if (series->ShowInLegend())
                series->SetActive(series == clicked);
    } else {
        clicked->SetActive(!clicked->Active());
    }
    return true;
}
