// Rows of the value tables: vapour pressure against temperature and boiling temperature
// against pressure, for any system that can give a pressure at T and a temperature at p.
#pragma once

#include "app/core/VapourPressureModel.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The whole steps of a unit that a table lists: first..last, both included.
struct StepRange
{
    qint64 first = 0;
    qint64 last = -1;

    bool isEmpty() const { return last < first; }
    qint64 wholeSteps() const { return isEmpty() ? 0 : last - first + 1; }
};

// first := trunc(lower) + 1, last := floor(upper). A whole-number lower limit is left out and a
// whole-number upper limit kept. floor rather than trunc at the top: for a negative upper limit
// such as -146.95 °C trunc gives -146, a row above the range. Empty (no value) when a limit is not
// a finite number or too large to step through.
std::optional<StepRange> wholeStepRange(long double lower, long double upper);

// A table of more whole steps than this asks before it is built.
inline constexpr qint64 kSizeQuestionSteps = 1000;
inline bool needsSizeQuestion(const StepRange &range)
{
    return range.last - range.first > kSizeQuestionSteps;
}

// No table has more rows than this: far beyond any printed table, while a table in Pa with
// tenth steps could otherwise reach 10^8 rows (gigabytes, and a window that stops answering).
inline constexpr qint64 kMaxTableRows = 1000000;

// The rows of a range in whole or tenth steps, and whether they pass the limit; every table
// window asks this before it builds, and the row builders refuse such a range.
qint64 tableRowCount(const StepRange &range, bool tenthSteps);
inline bool exceedsRowLimit(const StepRange &range, bool tenthSteps)
{
    return tableRowCount(range, tenthSteps) > kMaxTableRows;
}

// Printing a table of this many rows or more asks first, naming the pages it prints.
inline constexpr qsizetype kPrintQuestionRows = 500;
inline bool needsPrintQuestion(qsizetype rows)
{
    return rows >= kPrintQuestionRows;
}

// The unit a pressure table falls back to when its range spans no whole step of the chosen
// one: "bar" -> "mbar", "m H2O" -> "mm H2O", "KPa" and "MPa" -> "Pa"; empty for any other.
QString smallerPressureUnit(QStringView unit);

// The range of a pressure table from the system's pressures at its temperature limits, in the
// chosen unit or, when that spans no whole step, once in the smaller unit.
struct PressureTablePlan
{
    QString unit; // the unit the table uses
    bool unitChanged = false;
    std::optional<StepRange> range; // no value when a limit is not a number
};
PressureTablePlan planPressureTable(const QString &unit, long double pminBar, long double pmaxBar);

struct RowFormat
{
    bool tenthSteps = false;
    bool scientific = false; // pressures by "%9.5e"; only in the temperature table
    QChar languageLetter = u'D'; // decides ',' or '.' in fixed-point texts
    QChar systemDecimalSeparator = u'.'; // of the scientific texts
};

// Rows built up to the first value that is not a finite number; failedAt then holds the value
// of the first column (in its unit) at which the computation failed. A range beyond the row
// limit builds nothing.
struct TableRows
{
    QStringList rows;
    std::optional<long double> failedAt;
    bool rowLimitExceeded = false;
};

// One row per step: the temperature (whole, or one decimal with tenth steps), TAB, the vapour
// pressure in pressureUnit with three decimals or in scientific notation.
TableRows buildTemperatureRows(const StepRange &range, const QString &temperatureUnit, const QString &pressureUnit,
                               const PressureAtTemperature &pressureBarAt, const RowFormat &format);

// One row per step: the pressure (whole, or one decimal with tenth steps), TAB, the boiling
// temperature in temperatureUnit with one decimal.
TableRows buildPressureRows(const StepRange &range, const QString &pressureUnit, const QString &temperatureUnit,
                            const TemperatureAtPressure &temperatureKAt, const RowFormat &format);

// The value of a table's first column as its row shows it, for messages about that row.
QString firstColumnText(long double value, bool tenthSteps, QChar languageLetter);

// The clipboard text of a table: every row followed by CR LF.
QString tableClipboardText(const QStringList &rows);
