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

} // namespace ToolEnums

using namespace ToolEnums;
