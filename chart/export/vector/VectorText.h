// Number and text pieces of the vector exports: C-locale numbers, colour names, XML escapes.
#pragma once

#include "PlotTypes.h"

#include <QByteArray>
#include <QString>

namespace VectorText {

// Decimal integer.
void appendInt(QByteArray &out, long long value);
// Fixed-point text with the given decimals and '.', whatever the locale; -0 is written as 0.
void appendFixed(QByteArray &out, double value, int decimals);
// The shortest text of up to 15 significant digits, with '.' in every locale.
void appendShortest(QByteArray &out, double value);
QByteArray fixed(double value, int decimals);
QByteArray shortest(double value);

// One of the 15 colour names of HTML for an RGB colour (0x00BBGGRR), or empty.
QByteArray htmlColorName(TColor rgb);

// Whether XML 1.0 can hold the code point, as a character or a reference: tab, LF, CR and
// U+0020..U+10FFFF but the surrogates, U+FFFE and U+FFFF.
bool isXmlChar(char32_t code);

// Text for XML: "&", "<", ">" and, in attributes, '"' as entities; characters outside ASCII as
// "&#N;" with their Unicode code point (a surrogate pair is one reference). Both writers keep the
// document well-formed for any text: control characters XML cannot hold (NUL and the others
// below 32 but tab, LF and CR) are dropped, a lone surrogate, U+FFFE and U+FFFF become U+FFFD,
// and ">" is never written as itself, so no "]]>" arises.
void appendXmlEscaped(QByteArray &out, const QString &text, bool attribute);
// Every character but 33..122 (and "<", "&", ">") as "&#N;": a space is "&#32;".
void appendXmlCharacterReferences(QByteArray &out, const QString &text);

// The Unicode character of a WinAnsi (code page 1252) code, 0 where it has none; and back, -1
// for a character the code page cannot hold.
char16_t winAnsiToUnicode(int code);
int unicodeToWinAnsi(char16_t character);

} // namespace VectorText
