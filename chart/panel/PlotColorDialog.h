// The colour dialog of the chart editors: one set of custom colours kept for the whole run, and a
// replaceable hook that shows the dialog (tests answer without a modal window).
#pragma once

#include "PlotTypes.h"

#include <QColor>
#include <QList>

#include <functional>
#include <optional>

class QWidget;

namespace PlotColorDialog {

// Shows a colour dialog with the colour preselected and the custom colours; the chosen colour,
// or none when cancelled. The custom colours come back as the user left them.
using Hook = std::function<std::optional<TColor>(QWidget *owner, TColor color, QList<QColor> &customColors)>;
// The dialog in force: QColorDialog unless a test installed another; an empty hook restores it.
Hook &DialogHook();
// The custom colours of the run.
QList<QColor> &CustomColors();

// The chosen colour, or the given one when the user cancels.
TColor EditColor(QWidget *owner, TColor color);
// True, with color updated, when the user chose another colour.
bool EditColorDialog(QWidget *owner, TColor &color);

} // namespace PlotColorDialog
