// Enumerations of the chart engine, published through the meta-object for streaming and editors.
#pragma once

#include <QObject>

namespace PlotEngineEnums {
Q_NAMESPACE

enum TChartListOrder { loNone, loAscending, loDescending };
Q_ENUM_NS(TChartListOrder)

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
Q_ENUM_NS(TAxisLabelStyle)

enum TAxisLabelAlign { alDefault, alOpposite };
Q_ENUM_NS(TAxisLabelAlign)

enum TPenLineMode { lmLine, lmCylinder, lmRectangle };
Q_ENUM_NS(TPenLineMode)

enum TSeriesPointerStyle {
    psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond,
    psSmallDot, psNothing, psLeftTriangle, psRightTriangle
};
Q_ENUM_NS(TSeriesPointerStyle)

enum TArrowHeadStyle { ahNone, ahLine, ahSolid };
Q_ENUM_NS(TArrowHeadStyle)

} // namespace PlotEngineEnums

using namespace PlotEngineEnums;
