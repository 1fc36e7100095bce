// The lines of the measured-values file (tenso7.dad) as its window lists them.
#pragma once

#include <QChar>
#include <QStringList>

// The file's first ten lines are its header.
inline constexpr int kMeasuredValuesHeaderLines = 10;
// A line names its source here; a line without one is not listed.
inline constexpr int kMeasuredValuesSourceField = 11;

// The header dropped (a file of ten lines or fewer lists nothing), the lines without a source
// dropped, the rest in the order of the substance list: by the name shown in the language (field
// 5 in German, 7 otherwise; the same fields as a database record), the whole line as tie-break.
QStringList measuredValueLines(const QStringList &fileLines, QChar languageLetter);
