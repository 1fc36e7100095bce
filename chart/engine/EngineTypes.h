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

// The axes a series is drawn on.
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
Q_ENUM_NS(THorizAxis)

enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
Q_ENUM_NS(TVertAxis)

// What a legend line of a point shows.
enum TLegendTextStyle {
    ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue, ltsValue, ltsPercent,
    ltsXAndValue, ltsXAndPercent
};
Q_ENUM_NS(TLegendTextStyle)

// What a series mark shows.
enum TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue, smsXY
};
Q_ENUM_NS(TSeriesMarksStyle)

// How a calculated function groups its source points, and where a group's result stands.
enum TFunctionPeriodStyle { psNumPoints, psRange };
Q_ENUM_NS(TFunctionPeriodStyle)

enum TFunctionPeriodAlign { paFirst, paCenter, paLast };
Q_ENUM_NS(TFunctionPeriodAlign)

// Whether the series of a group are all active, none or some.
enum TSeriesGroupActive { gaYes, gaNo, gaSome };
Q_ENUM_NS(TSeriesGroupActive)

} // namespace PlotEngineEnums

using namespace PlotEngineEnums;
