// The temperature range of a mixture or solution and its label texts.
#include "app/core/SystemRange.h"

#include "app/core/TableRows.h"
#include "app/core/TemperatureUnits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString rangeLabel(const QString &unit, qint64 first, qint64 last)
{
    const QString letter = unit == u"K" ? QStringLiteral("T") : QStringLiteral("t");
    return letter + QStringLiteral(" min. ") + QString::number(first) + u' ' + unit + QStringLiteral("; ") + letter
        + QStringLiteral(" max. ") + QString::number(last) + u' ' + unit;
}

} // namespace

void TemperatureRange::narrow(long double lowerK, long double upperK)
{
    if (!std::isfinite(lowerK) || !std::isfinite(upperK)) {
        TminK = TmaxK = std::numeric_limits<long double>::quiet_NaN();
        return;
    }
    TminK = std::max(TminK, lowerK);
    TmaxK = std::min(TmaxK, upperK);
}

QString temperatureRangeLabel(const QString &unit, long double TminK, long double TmaxK)
{
    const std::optional<StepRange> steps
        = wholeStepRange(kelvinToTemperatureUnit(unit, TminK), kelvinToTemperatureUnit(unit, TmaxK));
    return steps ? rangeLabel(unit, steps->first, steps->last) : QString();
}

QString celsiusRangeLabel(const QString &unit, int lowerC, int upperC)
{
    if (unit == u"°C")
        return rangeLabel(unit, lowerC, upperC);
    return temperatureRangeLabel(unit, lowerC + kCelsiusOffsetK, upperC + kCelsiusOffsetK);
}

QString pressureRangeLabel(const RangeTexts &texts)
{
    return texts.minCaption + u' ' + texts.minValue + QStringLiteral("; ") + texts.maxCaption + u' ' + texts.maxValue;
}
