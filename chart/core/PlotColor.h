// Conversions between the library's 0x00BBGGRR colours and Qt colours.
#pragma once

#include "PlotTypes.h"

#include <QColor>
#include <QRgb>
#include <QString>

namespace PlotColor {

inline int redOf(TColor c) { return int(c & 0xFF); }
inline int greenOf(TColor c) { return int((c >> 8) & 0xFF); }
inline int blueOf(TColor c) { return int((c >> 16) & 0xFF); }
inline TColor makeColor(int r, int g, int b) { return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16); }

// System colours resolve through a fixed table; sentinels and plain colours keep their low 24 bits.
TColor ColorToRGB(TColor color);
QColor toQColor(TColor color);
QRgb toQRgb(TColor color);
TColor fromQRgb(QRgb rgb);

// The library's usual amounts: shaded faces darken by 64, highlights lighten by 128.
inline constexpr int kDarkenAmount = 64;
inline constexpr int kLightenAmount = 128;

// Each channel plus (or minus) amount, kept to a byte.
TColor lighten(TColor color, int amount);
TColor darken(TColor color, int amount);
// (r + g + b) div 3 in all three channels.
TColor grey(TColor color);

// A colour written as text: a colour name of the library ("clRed", "clBtnFace"; any case), "$"
// and hexadecimal digits, or a decimal number (system colours are negative). Anything else
// raises PlotConvertError "Unknown colour: " and the text.
TColor StringToColor(const QString &text);

} // namespace PlotColor
