// Enumerations of the chart tools, published through the meta-object.
#pragma once

#include <QObject>

namespace ToolEnums {
Q_NAMESPACE

// Which lines a cursor tool shows.
enum TCursorToolStyle { cssHorizontal, cssVertical, cssBoth };
Q_ENUM_NS(TCursorToolStyle)

// When a marks tip tool shows its tip: on mouse move or on mouse down.
enum TMarkToolMouseAction { mtmMove, mtmClick };
Q_ENUM_NS(TMarkToolMouseAction)

// At which ends of its axis an axis arrow tool draws an arrow.
enum TAxisArrowToolPosition { aaStart, aaEnd, aaBoth };
Q_ENUM_NS(TAxisArrowToolPosition)

// A drawn line: one segment, or two parallel ones through its two points.
enum TDrawLineStyle { dlLine, dlHorizParallel, dlVertParallel };
Q_ENUM_NS(TDrawLineStyle)

// The marker of the nearest point.
enum TNearestToolStyle { hsNone, hsCircle, hsRectangle, hsDiamond };
Q_ENUM_NS(TNearestToolStyle)

// Where a colour line stands on its axis.
enum TColorLineStyle { clCustom, clMaximum, clCenter, clMinimum };
Q_ENUM_NS(TColorLineStyle)

// Which angles a rotate tool changes.
enum TRotateToolStyles { rsAll, rsRotation, rsElevation };
Q_ENUM_NS(TRotateToolStyles)

// The corner of the chart an annotation stands at, without a custom position.
enum TAnnotationPosition { ppLeftTop, ppLeftBottom, ppRightTop, ppRightBottom };
Q_ENUM_NS(TAnnotationPosition)

// How often a series animation runs: once, again and again, or growing and shrinking in turn.
enum TSeriesAnimationLoop { salNo, salOneWay, salCircular };
Q_ENUM_NS(TSeriesAnimationLoop)

} // namespace ToolEnums

using namespace ToolEnums;

// The cursor numbers tools show (PlotProcs::PlotCursor).
namespace ToolCursor {
inline constexpr int kHandPoint = -21;
inline constexpr int kHorizontalSplit = -14;
inline constexpr int kVerticalSplit = -15;
inline constexpr int kSizeWestEast = -9;
inline constexpr int kSizeNorthSouth = -7;
inline constexpr int kCross = -3;
} // namespace ToolCursor
