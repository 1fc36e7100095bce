// What a number field says about its range: the hint it shows and the note when it clamps a
// typed number, so no value is cut without a word.
#pragma once

#include <QString>

#include <optional>

class QLocale;
class QWidget;

namespace RangeNotice {

// "Range: 1 to 1000", in the library's language.
QString hint(int minimum, int maximum);
// The whole number the text stands for, though beyond the field's range; none for anything else.
std::optional<qint64> typedNumber(const QString &text, const QLocale &locale);
// Shows at the field that the typed number was held to the kept one, and keeps that note with the
// range as the field's hint; returns the kept one.
int sayClamped(QWidget *field, qint64 typed, int minimum, int maximum);

} // namespace RangeNotice
