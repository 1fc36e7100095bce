// Number texts shown to the user: fixed-point widths, result texts, pressure-range labels.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Integer digits of |x|, at least 1 and at most 11: [0, 10) -> 1, [10, 100) -> 2, ...,
// >= 1e10 -> 11. Fixed-point texts are written in a field of this plus 3 characters.
int magnitudeClass(double x);

// x with the given decimals, right-aligned in a field of magnitudeClass(x) + 3, always with
// '.'. A value that is not finite gives an empty text: a fault is never shown as "nan".
QString fixedText(long double x, int decimals);

// value with one decimal in a field of magnitudeClass(value) + extraWidth characters, with ','
// unless the language letter is 'E': temperatures of results, tables and notes. Empty when the
// value is not finite.
QString oneDecimalText(long double value, int extraWidth, QChar languageLetter);

// The decimal separator of the system's number format, which the scientific texts use in every
// language.
QChar systemDecimalSeparator();

// C-style "%9.5e" of x (the C formatter's exponent digits, e.g. "4.00000e-04") with the
// given decimal separator; empty when x is not finite.
QString scientificText(long double x, QChar decimalSeparator);

// The text of a computed pressure. Scientific notation uses the system's decimal separator
// and nothing else; fixed notation writes three decimals, falls back to the exponent form
// for "0.000", and shows ',' unless the language letter is 'E'. Empty when x is not finite.
QString formatResult(long double x, bool scientificNotation, QChar languageLetter, QChar systemDecimalSeparator);

// Captions and values of the labels that show the accepted range in a unit.
struct RangeTexts
{
    QString minCaption;
    QString maxCaption;
    QString minValue;
    QString maxValue;
    QString minUnit; // the unit texts of the two values, as the unit tables write them
    QString maxUnit;
};

// The temperature range in whole units of the unit ("t min. in °C:", "T min. in K:"): the
// minimum rounded up and the maximum rounded down, so that typing a shown limit is accepted; a
// range narrower than a unit gets decimals. Empty values where a limit is not a number.
RangeTexts temperatureRangeText(QStringView unit, long double TminK, long double TmaxK, QChar languageLetter);

// The shown range always lies inside [pminBar, pmaxBar]: a value rounded outside is moved
// by one unit of its last shown decimal.
RangeTexts pressureRangeText(QStringView unit, long double pminBar, long double pmaxBar, QChar languageLetter);

// A decimal number as a record or data file stores it, in the program's number format: ','
// as the decimal separator, '.' in English. The shipped database writes '.', a user's record
// what was typed; both must read alike.
QString storedNumberText(QStringView stored, QChar languageLetter);

// A whole number with its digits in groups of three, separated by a blank ("100 000"): read the
// same in every language, where a point or a comma would be a decimal separator in one of them.
QString groupedDigitsText(unsigned long long value);

// Message of the input-error box: the language's text, a carriage return, and the
// offending text in double quotes followed by '!'.
QString inputErrorMessage(QStringView messageText, QStringView offendingText);
