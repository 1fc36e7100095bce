// The temperature range of a mixture or solution, narrowed by each of its components, and the
// texts of the range label that the mixture and solution dialogs show.
#pragma once

#include "app/core/NumberText.h"

#include <QString>
#include <QStringView>

// The range of a system without components: 0 to 5000 K. Each component narrows it.
struct TemperatureRange
{
    long double TminK = 0.0L;
    long double TmaxK = 5000.0L;

    // A limit that is not a number makes the range invalid: no half-known range is used.
    void narrow(long double lowerK, long double upperK);
    // False when the components' ranges do not overlap. Ranges that only touch (one's Tmax is
    // the other's Tmin) leave no range to compute in either: no overlap too.
    bool isValid() const { return TminK < TmaxK; }
};

// "t min. a u; t max. b u" ("T min." and "T max." for K) with the whole steps inside the range:
// a = trunc(Tmin in u) + 1, b = floor(Tmax in u), as the table windows step. Empty when a limit
// is not a number.
QString temperatureRangeLabel(const QString &unit, long double TminK, long double TmaxK);

// The same for whole degrees Celsius taken as they stand in "°C" (both included), or converted to
// the whole steps of another unit.
QString celsiusRangeLabel(const QString &unit, int lowerC, int upperC);

// The range label of boiling-point mode: "minCaption minValue; maxCaption maxValue".
QString pressureRangeLabel(const RangeTexts &texts);
