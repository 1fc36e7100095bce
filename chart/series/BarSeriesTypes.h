// Enumerations of the bar series, published through the meta-object.
#pragma once

#include <QObject>

namespace BarSeriesEnums {
Q_NAMESPACE

// The thirteen bar shapes.
enum TBarStyle {
    bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient, bsCone, bsBevel,
    bsSlantCube, bsDiamond, bsInvArrow, bsInvCone
};
Q_ENUM_NS(TBarStyle)

// How the bar series of one class in a chart share the room of a point.
enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };
Q_ENUM_NS(TMultiBar)

} // namespace BarSeriesEnums

using namespace BarSeriesEnums;
