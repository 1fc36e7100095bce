// Records, colours and enumerations shared by the whole chart library.
#pragma once

#include <QObject>

#include <array>
#include <cstdint>
#include <vector>

// Platform colour 0x00BBGGRR; system colours have the top bit set.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
// The series' own colour, or the default one while none is set: the same sentinel.
inline constexpr TColor clPlotColor = clDefault;
// System colours (index in the low byte).
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor cl3DDkShadow = 0x80000015;
inline constexpr TColor cl3DLight = 0x80000016;
inline constexpr TColor clInfoBk = 0x80000018;
inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clWindowText = 0x80000008;

struct TPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint &, const TPoint &) = default;
};

// Right and bottom are exclusive.
struct TRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const TRect &, const TRect &) = default;
};

// z is the depth: 0 at the front, growing away from the viewer.
struct TPoint3D
{
    int x = 0;
    int y = 0;
    int z = 0;
    friend bool operator==(const TPoint3D &, const TPoint3D &) = default;
};

using TFourPoints = std::array<TPoint, 4>;
using TPointArray = std::vector<TPoint>;

// Text alignment flags of the platform.
inline constexpr int TA_LEFT = 0;
inline constexpr int TA_RIGHT = 2;
inline constexpr int TA_CENTER = 6;
inline constexpr int TA_TOP = 0;
inline constexpr int TA_BOTTOM = 8;
inline constexpr int TA_BASELINE = 24;

// Background mix of text and hatches.
inline constexpr int cbmTransparent = 1;
inline constexpr int cbmOpaque = 2;

namespace PlotEnums {
Q_NAMESPACE

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)

enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
Q_ENUM_NS(TPenMode)

enum TPenEndStyle { esRound, esSquare, esFlat };
Q_ENUM_NS(TPenEndStyle)

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TBrushStyle)

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_ENUM_NS(TFontStyle)
// A set of styles: streamed and edited as one, e.g. "fsBold|fsItalic".
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum TGradientDirection {
    gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft,
    gdFromBottomLeft, gdRadial, gdDiagonalUp, gdDiagonalDown
};
Q_ENUM_NS(TGradientDirection)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle };
Q_ENUM_NS(TChartObjectShapeStyle)

// Whether a shape's text is plain or carries the chart text markup.
enum TTextFormat { ttfNormal, ttfHtml };
Q_ENUM_NS(TTextFormat)

// Horizontal placement of a text block (titles).
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TShiftStateFlag { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
Q_ENUM_NS(TShiftStateFlag)
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

// Margins of a chart panel in percent of its size or in pixels.
enum TPlotUnits { muPercent, muPixels };
Q_ENUM_NS(TPlotUnits)

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
Q_ENUM_NS(TPanningMode)

enum TPlotBackImageMode { pbmStretch, pbmTile, pbmCenter, pbmCustom };
Q_ENUM_NS(TPlotBackImageMode)

enum TPlotZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
Q_ENUM_NS(TPlotZoomDirection)

} // namespace PlotEnums

Q_DECLARE_OPERATORS_FOR_FLAGS(PlotEnums::TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(PlotEnums::TShiftState)

using namespace PlotEnums;
