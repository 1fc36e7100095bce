// Number texts of the chart library: the plain conversion and the sectioned number formats.
#pragma once

#include <QString>

namespace PlotFormat {

// 15 significant digits without trailing zeros; fixed form for 1e-5 <= |v| < 1e15, otherwise
// mantissa, "E" and exponent ("1E20", "1.5E-6"). The locale's decimal separator; "" when not finite.
QString FloatToStr(double value);
// The same digits with a given decimal separator, for files that need "." whatever the locale.
QString FloatToStr(double value, QChar decimalSeparator);
// FloatToStr's text written into `out`, which holds at least kFloatTextCapacity characters, with
// no allocation: for exports that write millions of numbers. Returns the end of the text.
inline constexpr int kFloatTextCapacity = 32;
char16_t *FloatToChars(double value, char16_t decimalSeparator, char16_t *out);

// A number format of up to three sections "positive;negative;zero" with the placeholders "0" and
// "#", a decimal point ".", grouping "," and an exponent "E+0"/"E-0"; anything else, and quoted
// text, is copied where it stands. Rounds the 15-digit text half away from zero at the last digit
// shown, so 2.675 with "0.00" gives "2.68". "" for a value that is not finite.
QString FormatFloat(const QString &format, double value);
// FormatFloat's text, except that a value other than zero that the format rounds to zero (or sends
// to its zero section) keeps its digits: as many decimals as they need, in the format's own layout,
// up to kMaxShownDecimals, and beyond them in FloatToStr's exponent form. For axis labels, where
// a "0" at 1e-8 reads as a wrong value.
inline constexpr int kMaxShownDecimals = 15;
QString FormatFloatNeverZero(const QString &format, double value);

} // namespace PlotFormat
