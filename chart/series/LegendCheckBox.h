// The click on a legend item's check box: the series of the item is switched on or off.
#pragma once

class TCustomAxisPanel;

// With check boxes and a valid item index (the n-th series shown in the legend): in radio style
// the clicked series becomes the only active one of the legend's series, otherwise its Active
// toggles. True when the click was handled.
bool DoLegendCheckBox(TCustomAxisPanel &chart, int itemIndex, bool checkBoxes, bool radioStyle);
