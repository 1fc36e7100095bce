// Enumerations of the line, point and area series, published through the meta-object.
#pragma once

#include <QObject>

namespace SeriesEnums {
Q_NAMESPACE

// How series of one class in a chart pile up: overlap draws like none.
enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };
Q_ENUM_NS(TCustomSeriesStack)

// The area series' view of the stacking.
enum TMultiArea { maNone, maStacked, maStacked100 };
Q_ENUM_NS(TMultiArea)

} // namespace SeriesEnums

using namespace SeriesEnums;
