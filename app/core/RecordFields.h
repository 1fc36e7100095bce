// Reading fields of tab-separated record lines and parsing numbers written with a point.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Every record line and language table line separates its fields by a tab.
inline constexpr QChar kFieldDelimiter = u'\t';

// The n-th field (counted from 1) of a line whose fields are separated by the delimiter.
// The text after the last delimiter is the last field; n < 1 or a line with fewer than n
// fields gives an empty view. The view points into the line, nothing is copied.
QStringView getField(QStringView line, int n, QStringView delimiter = QStringView(u"\t"));

// Replaces every `from` by `to`; English texts ('E') keep the point, so a swap to ','
// leaves the text unchanged for them. The swap ',' -> '.' before parsing runs in every language.
QString swapDecimalSeparator(QStringView text, QChar from, QChar to, QChar languageLetter);

// Result of the point-only number parser. errorPosition is 0 when the whole text is a
// number; otherwise it is the 1-based position of the first character that cannot belong
// to it (length + 1 when the text ends too early), and value is NaN.
struct ParsedNumber
{
    long double value = 0.0L;
    int errorPosition = 0;
    bool ok() const { return errorPosition == 0; }
};

// Accepts leading blanks, an optional sign, digits with at most one '.', and an optional
// exponent. Trailing blanks, ',' and names like "inf" are errors, as is a value beyond the
// range of long double; an exponent below that range gives 0.
ParsedNumber parseNumber(QStringView text);

// Field n of a record line as a number: ',' is taken as '.', and a field that is empty or
// not a number gives NaN, so that only a result that uses the field becomes NaN.
long double numericField(QStringView line, int n);

// The same for a field already cut out of its line.
long double fieldNumber(QStringView field);
