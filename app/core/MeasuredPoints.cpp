// The measured points of a line of the measured-values file, and the vapour pressure between them.
#include "app/core/MeasuredPoints.h"

#include "app/core/NumberText.h"
#include "app/core/Power.h"
#include "app/core/RecordFields.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kKPaPerBar = 100.0L;

} // namespace

QList<MeasuredPoint> measuredPoints(QStringView line)
{
    QList<MeasuredPoint> points;
    for (int field = kFirstMeasuredPointField;; field += 2) {
        const QStringView temperature = getField(line, field);
        if (temperature.isEmpty())
            break;
        const long double celsius = fieldNumber(temperature);
        const long double kPa = fieldNumber(getField(line, field + 1));
        const MeasuredPoint point{temperature.toString(), celsius + 273.15L, kPa / kKPaPerBar};
        const bool ascending = points.isEmpty() || point.temperatureK > points.last().temperatureK;
        if (std::isfinite(point.temperatureK) && ascending && kPa > 0.0L && std::isfinite(kPa))
            points.append(point);
    }
    return points;
}

QString measuredPointText(const MeasuredPoint &point, QChar languageLetter, QChar systemDecimalSeparator)
{
    return point.temperatureText + u'\t' + formatResult(point.pressureBar, false, languageLetter, systemDecimalSeparator);
}

RangeLimits measuredTemperatureRange(const QList<MeasuredPoint> &points)
{
    RangeLimits range;
    if (!points.isEmpty()) {
        range.TminK = points.first().temperatureK;
        range.TmaxK = points.last().temperatureK;
    }
    return range;
}

long double interpolateMeasuredPressureBar(const QList<MeasuredPoint> &points, long double temperatureK)
{
    if (points.isEmpty() || !withinTemperatureLimits(measuredTemperatureRange(points), temperatureK))
        return kNaN;
    const auto above = std::find_if(points.begin(), points.end(),
                                    [&](const MeasuredPoint &p) { return p.temperatureK >= temperatureK; });
    const qsizetype upperIndex = above == points.end() ? points.size() - 1 : above - points.begin();
    const MeasuredPoint &upper = points.at(upperIndex);
    const MeasuredPoint &lower = points.at(std::max<qsizetype>(upperIndex - (above == points.end() ? 0 : 1), 0));
    if (lower.pressureBar == upper.pressureBar)
        return lower.pressureBar;
    const long double B = (std::log10(upper.pressureBar) - std::log10(lower.pressureBar))
        / (1.0L / lower.temperatureK - 1.0L / upper.temperatureK);
    const long double A = std::log10(lower.pressureBar) + B / lower.temperatureK;
    return powerOfTen(A - B / temperatureK);
}

VapourPressureModel measuredPointsModel(const QList<MeasuredPoint> &points)
{
    return {[points](long double T) { return interpolateMeasuredPressureBar(points, T); },
            [](long double) { return kNaN; }};
}
