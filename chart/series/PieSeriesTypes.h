// Enumerations of the pie series, published through the meta-object.
#pragma once

#include <QObject>

namespace PieSeriesEnums {
Q_NAMESPACE

// Whether several pies of a chart share it in a grid of cells.
enum TMultiPie { mpAutomatic, mpDisabled };
Q_ENUM_NS(TMultiPie)

// Which slices are grouped into the "other" slice: none, those below a percentage of the total,
// those below a value.
enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };
Q_ENUM_NS(TPieOtherStyle)

} // namespace PieSeriesEnums

using namespace PieSeriesEnums;
