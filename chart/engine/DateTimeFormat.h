// Date-time texts of the chart library, in the format codes its axes and editors use.
#pragma once

#include <QString>

namespace PlotFormat {

// days counts from 30 Dec 1899, its fraction is the time of day. Codes: d dd ddd dddd ddddd dddddd,
// m mm mmm mmmm (m and mm after an hour code are minutes), yy yyyy, h hh, n nn, s ss, z zzz, t tt,
// am/pm a/p ampm, c, "/" and ":" (the locale's separators), quoted text. Names and the
// locale's own formats come from QLocale(). "" for a value no calendar date stands for.
QString FormatDateTime(const QString &format, double days);

} // namespace PlotFormat
