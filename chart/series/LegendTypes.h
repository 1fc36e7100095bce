// Enumerations of the chart legend, published through the meta-object.
#pragma once

#include <QObject>

namespace LegendEnums {
Q_NAMESPACE

// The side of the chart the legend stands on.
enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
Q_ENUM_NS(TLegendAlignment)

enum TCheckBoxesStyle { cbsCheck, cbsRadio };
Q_ENUM_NS(TCheckBoxesStyle)

// What the items are: series, values of one series, or the last value of each series.
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
Q_ENUM_NS(TLegendStyle)

enum TLegendSymbolPosition { spLeft, spRight };
Q_ENUM_NS(TLegendSymbolPosition)

enum TLegendSymbolSize { lcsPercent, lcsPixels };
Q_ENUM_NS(TLegendSymbolSize)

} // namespace LegendEnums

using namespace LegendEnums;
