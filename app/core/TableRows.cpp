// Rows of the value tables.
#include "app/core/TableRows.h"

#include "app/core/NumberText.h"
#include "app/core/PressureUnits.h"
#include "app/core/RecordFields.h"
#include "app/core/TemperatureUnits.h"

#include <cmath>

namespace {

// Limits beyond this cannot be stepped through in any sensible time and would overflow the
// step counters; they only come from broken records.
constexpr long double kLargestLimit = 1.0e15L;

QString pressureText(long double pressure, const RowFormat &format)
{
    if (format.scientific)
        return scientificText(pressure, format.systemDecimalSeparator);
    return swapDecimalSeparator(fixedText(pressure, 3), u'.', u',', format.languageLetter);
}

// Walks the steps of a range, whole or tenth, and builds a row per step until a value fails.
template<typename RowOf>
TableRows buildRows(const StepRange &range, bool tenthSteps, RowOf rowOf)
{
    TableRows table;
    if (range.isEmpty())
        return table;
    if (exceedsRowLimit(range, tenthSteps)) {
        table.rowLimitExceeded = true;
        return table;
    }
    const qint64 scale = tenthSteps ? 10 : 1;
    const qint64 first = range.first * scale;
    const qint64 last = range.last * scale;
    table.rows.reserve(qsizetype(last - first + 1));
    for (qint64 k = first; k <= last; ++k) {
        // k / 10 as a division, so that 2.3 is the nearest long double to 2.3, not 23 * 0.1.
        const long double value = tenthSteps ? static_cast<long double>(k) / 10.0L : static_cast<long double>(k);
        QString row = rowOf(k, value);
        if (row.isEmpty()) {
            table.failedAt = value;
            break;
        }
        table.rows.append(std::move(row));
    }
    return table;
}

} // namespace

std::optional<StepRange> wholeStepRange(long double lower, long double upper)
{
    if (!std::isfinite(lower) || !std::isfinite(upper) || std::fabs(lower) > kLargestLimit
        || std::fabs(upper) > kLargestLimit)
        return std::nullopt;
    return StepRange{qint64(std::trunc(lower)) + 1, qint64(std::floor(upper))};
}

qint64 tableRowCount(const StepRange &range, bool tenthSteps)
{
    if (range.isEmpty())
        return 0;
    // Limits are at most 1e15 (wholeStepRange): ten times the span still fits.
    return tenthSteps ? (range.last - range.first) * 10 + 1 : range.wholeSteps();
}

QString smallerPressureUnit(QStringView unit)
{
    if (unit == u"bar")
        return QStringLiteral("mbar");
    if (unit == u"m H2O")
        return QStringLiteral("mm H2O");
    if (unit == u"KPa" || unit == u"MPa")
        return QStringLiteral("Pa");
    return {};
}

PressureTablePlan planPressureTable(const QString &unit, long double pminBar, long double pmaxBar)
{
    PressureTablePlan plan;
    plan.unit = unit;
    plan.range = wholeStepRange(barToPressureUnit(unit, pminBar), barToPressureUnit(unit, pmaxBar));
    if (!plan.range || !plan.range->isEmpty())
        return plan;
    const QString smaller = smallerPressureUnit(unit);
    if (smaller.isEmpty())
        return plan;
    plan.unit = smaller;
    plan.unitChanged = true;
    plan.range = wholeStepRange(barToPressureUnit(smaller, pminBar), barToPressureUnit(smaller, pmaxBar));
    return plan;
}

TableRows buildTemperatureRows(const StepRange &range, const QString &temperatureUnit, const QString &pressureUnit,
                               const PressureAtTemperature &pressureBarAt, const RowFormat &format)
{
    return buildRows(range, format.tenthSteps, [&](qint64 k, long double t) {
        const long double pressure
            = barToPressureUnit(pressureUnit, pressureBarAt(temperatureUnitToKelvin(temperatureUnit, t)));
        const QString pressureColumn = pressureText(pressure, format);
        if (pressureColumn.isEmpty())
            return QString();
        const QString temperatureColumn
            = format.tenthSteps ? oneDecimalText(t, 3, format.languageLetter) : QString::number(k);
        return temperatureColumn + u'\t' + pressureColumn;
    });
}

TableRows buildPressureRows(const StepRange &range, const QString &pressureUnit, const QString &temperatureUnit,
                            const TemperatureAtPressure &temperatureKAt, const RowFormat &format)
{
    return buildRows(range, format.tenthSteps, [&](qint64 k, long double p) {
        const long double temperature
            = kelvinToTemperatureUnit(temperatureUnit, temperatureKAt(pressureUnitToBar(pressureUnit, p)));
        const QString temperatureColumn = oneDecimalText(temperature, 3, format.languageLetter);
        if (temperatureColumn.isEmpty())
            return QString();
        const QString pressureColumn
            = format.tenthSteps ? oneDecimalText(p, 3, format.languageLetter) : QString::number(k);
        return pressureColumn + u'\t' + temperatureColumn;
    });
}

QString firstColumnText(long double value, bool tenthSteps, QChar languageLetter)
{
    if (!tenthSteps)
        return QString::number(qint64(value));
    return oneDecimalText(value, 3, languageLetter).trimmed();
}

QString tableClipboardText(const QStringList &rows)
{
    QString text;
    for (const QString &row : rows) {
        text += row;
        text += QStringLiteral("\r\n");
    }
    return text;
}
