// Number texts shown to the user: fixed-point widths, result texts, pressure-range labels.
#include "app/core/NumberText.h"

#include "app/core/Power.h"
#include "app/core/PressureUnits.h"
#include "app/core/RecordFields.h"
#include "app/core/TemperatureUnits.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

// x fixed-point or in exponent form with the decimals, right-aligned in a field of the width,
// always with '.': printf follows the C locale that QApplication takes from LANG, and a German
// system would write "61,1", which no reader of these texts accepts.
QString printed(std::chars_format format, int width, int decimals, long double x)
{
    std::string text(64, '\0');
    std::to_chars_result written = std::to_chars(text.data(), text.data() + text.size(), x, format, decimals);
    if (written.ec == std::errc::value_too_large) {
        // A large value written fixed-point has thousands of digits; cut short it would be another number.
        text.resize(std::size_t(std::numeric_limits<long double>::max_exponent10 + decimals + 8));
        written = std::to_chars(text.data(), text.data() + text.size(), x, format, decimals);
    }
    if (written.ec != std::errc())
        return {};
    return QString::fromLatin1(text.data(), written.ptr - text.data()).rightJustified(width, u' ');
}

struct RangeEnd
{
    QStringView unit;
    int decimals = 1;
    bool decimalsFollowValue = false; // units on their own: no decimals from 100 on
};

struct ShownValue
{
    QString text;
    long double value = std::numeric_limits<long double>::quiet_NaN(); // in the unit
    long double bar = std::numeric_limits<long double>::quiet_NaN();
};

// Writes one end of the range, and when the rounded text lies outside its limit, moves it one
// step inwards. The step is one unit of the last shown decimal: a fixed 0.01 could not move a
// value written without decimals ("150" for 150.39 Torr).
ShownValue guardedValue(QStringView unit, long double limitBar, int decimals, bool isMinimum)
{
    ShownValue shown{fixedText(barToPressureUnit(unit, limitBar), decimals)};
    ParsedNumber parsed = parseNumber(shown.text.trimmed());
    if (!parsed.ok())
        return shown;
    long double bar = pressureUnitToBar(unit, parsed.value);
    if (isMinimum ? limitBar > bar : bar > limitBar) {
        const long double step = integerPower(10.0L, -decimals);
        shown.text = fixedText(parsed.value + (isMinimum ? step : -step), decimals);
        parsed = parseNumber(shown.text.trimmed());
        bar = pressureUnitToBar(unit, parsed.value);
    }
    shown.value = parsed.value;
    shown.bar = bar;
    return shown;
}

constexpr int kMostRangeDecimals = 18;

// Decimals that show two significant digits of a positive value.
int twoSignificantDecimals(long double value)
{
    return value > 0.0L ? 1 - int(std::floor(std::log10(value))) : 0;
}

// One end of the range, shown so that typing it back is accepted. A range narrower than the
// last shown decimal, or so low that an end would read as zero ("p max. in bar: 0,0"), gets more
// decimals, from two significant digits on.
QString rangeValueText(const RangeEnd &end, long double pminBar, long double pmaxBar, bool isMinimum)
{
    const long double limitBar = isMinimum ? pminBar : pmaxBar;
    // A range of no width (components that share one temperature) has no value inside it: no
    // guard or finer decimals can reach it, and they would write 18 digits or a minimum above the
    // maximum. Both ends show the one pressure by the unit's own rounding rule, and one that would
    // read as zero by its first two significant digits, as the other unit of the group shows it.
    if (!(pminBar < pmaxBar)) {
        const long double value = barToPressureUnit(end.unit, limitBar);
        const QString text = fixedText(value, end.decimals);
        const ParsedNumber shown = parseNumber(text.trimmed());
        if (value > 0.0L && shown.ok() && shown.value == 0.0L)
            return fixedText(value, std::min(twoSignificantDecimals(value), kMostRangeDecimals));
        return text;
    }
    int decimals = end.decimals;
    ShownValue shown = guardedValue(end.unit, limitBar, decimals, isMinimum);
    // A minimum raised across 100 by the guard takes the decimals of its new value: "100", not "100,00".
    if (end.decimalsFollowValue && decimals > 0 && shown.value >= 100.0L) {
        decimals = 0;
        shown = guardedValue(end.unit, limitBar, decimals, isMinimum);
    }
    const auto accepted = [&](const ShownValue &v) { return v.value > 0.0L && v.bar >= pminBar && v.bar <= pmaxBar; };
    if (accepted(shown))
        return shown.text;
    const int first = std::max(decimals + 1, twoSignificantDecimals(barToPressureUnit(end.unit, limitBar)));
    for (int more = first; more <= kMostRangeDecimals; ++more) {
        ShownValue finer = guardedValue(end.unit, limitBar, more, isMinimum);
        if (accepted(finer))
            return finer.text;
    }
    return shown.text;
}

RangeEnd singleUnitEnd(QStringView unit, long double pressureBar)
{
    return {unit, barToPressureUnit(unit, pressureBar) >= 100.0L ? 0 : 2, true};
}

} // namespace

int magnitudeClass(double x)
{
    const double magnitude = std::fabs(x);
    double limit = 10.0;
    for (int digits = 1; digits < 11; ++digits) {
        if (magnitude < limit)
            return digits;
        limit *= 10.0;
    }
    return 11;
}

QString fixedText(long double x, int decimals)
{
    if (!std::isfinite(x))
        return {};
    return printed(std::chars_format::fixed, magnitudeClass(double(x)) + 3, decimals, x);
}

QString oneDecimalText(long double value, int extraWidth, QChar languageLetter)
{
    if (!std::isfinite(value))
        return {};
    const QString text = printed(std::chars_format::fixed, magnitudeClass(double(value)) + extraWidth, 1, value);
    return swapDecimalSeparator(text, u'.', u',', languageLetter);
}

QChar systemDecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 ? separator.at(0) : QChar(u'.');
}

QString scientificText(long double x, QChar decimalSeparator)
{
    if (!std::isfinite(x))
        return {};
    QString text = printed(std::chars_format::scientific, 9, 5, x);
    text.replace(u'.', decimalSeparator);
    return text;
}

QString formatResult(long double x, bool scientificNotation, QChar languageLetter, QChar systemDecimalSeparator)
{
    if (scientificNotation)
        return scientificText(x, systemDecimalSeparator);
    QString text = fixedText(x, 3);
    if (text == u"0.000")
        text = scientificText(x, systemDecimalSeparator);
    return swapDecimalSeparator(text, u'.', u',', languageLetter);
}

RangeTexts temperatureRangeText(QStringView unit, long double TminK, long double TmaxK, QChar languageLetter)
{
    const QString letter = unit == u"K" ? QStringLiteral("T") : QStringLiteral("t");
    RangeTexts texts;
    texts.minUnit = texts.maxUnit = unit.toString();
    texts.minCaption = letter + QStringLiteral(" min. in %1:").arg(unit);
    texts.maxCaption = letter + QStringLiteral(" max. in %1:").arg(unit);
    // Within the tolerance of the range check a limit is a whole number already: 5.0000000001 °C
    // shows as 5.
    constexpr long double kOnTheGrid = 1e-9L;
    constexpr int kMostDecimals = 3;
    const long double low = kelvinToTemperatureUnit(unit, TminK);
    const long double high = kelvinToTemperatureUnit(unit, TmaxK);
    for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
        const long double scale = integerPower(10.0L, decimals);
        // Adding 0 turns -0 into 0.
        const long double min = std::ceil(low * scale - kOnTheGrid) / scale + 0.0L;
        const long double max = std::floor(high * scale + kOnTheGrid) / scale + 0.0L;
        // A range narrower than a whole unit gets decimals until both ends lie inside it.
        if (min <= max || decimals == kMostDecimals || !std::isfinite(min) || !std::isfinite(max)) {
            texts.minValue = swapDecimalSeparator(fixedText(min, decimals), u'.', u',', languageLetter).trimmed();
            texts.maxValue = swapDecimalSeparator(fixedText(max, decimals), u'.', u',', languageLetter).trimmed();
            break;
        }
    }
    return texts;
}

RangeTexts pressureRangeText(QStringView unit, long double pminBar, long double pmaxBar, QChar languageLetter)
{
    RangeTexts texts;
    RangeEnd minEnd{unit};
    RangeEnd maxEnd{unit};
    switch (pressureUnitGroup(unit)) {
    case PressureUnitGroup::Single:
        minEnd = singleUnitEnd(unit, pminBar);
        maxEnd = singleUnitEnd(unit, pmaxBar);
        texts.minCaption = QStringLiteral("p min. in %1:").arg(unit);
        texts.maxCaption = QStringLiteral("p max. in %1:").arg(unit);
        break;
    case PressureUnitGroup::Bar:
        minEnd.unit = u"mbar";
        maxEnd.unit = u"bar";
        texts.minCaption = QStringLiteral("p min. in mbar:");
        texts.maxCaption = QStringLiteral("p max. in bar:");
        break;
    case PressureUnitGroup::Pascal:
        minEnd.unit = u"Pa";
        maxEnd.unit = u"KPa";
        texts.minCaption = QStringLiteral("p min. in Pa:");
        texts.maxCaption = QStringLiteral("p max. in kPa:");
        break;
    case PressureUnitGroup::WaterColumn:
        minEnd.unit = u"mm H2O";
        maxEnd.unit = u"m H2O";
        texts.minCaption = QStringLiteral("p min. in mm H2O:");
        texts.maxCaption = QStringLiteral("p max. in m H2O:");
        break;
    }
    texts.minUnit = minEnd.unit.toString();
    texts.maxUnit = maxEnd.unit.toString();
    const auto shownText = [&](const RangeEnd &end, bool isMinimum) {
        return swapDecimalSeparator(rangeValueText(end, pminBar, pmaxBar, isMinimum), u'.', u',', languageLetter)
            .trimmed();
    };
    texts.minValue = shownText(minEnd, true);
    texts.maxValue = shownText(maxEnd, false);
    return texts;
}

QString inputErrorMessage(QStringView messageText, QStringView offendingText)
{
    QString message = messageText.toString();
    message += u'\r';
    message += u'"';
    message += offendingText;
    message += QStringLiteral("\"!");
    return message;
}

QString groupedDigitsText(unsigned long long value)
{
    const QString digits = QString::number(value);
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += u' ';
        text += digits.at(i);
    }
    return text;
}

QString storedNumberText(QStringView stored, QChar languageLetter)
{
    // Either separator becomes '.' first, then the language's own.
    return swapDecimalSeparator(swapDecimalSeparator(stored, u',', u'.', languageLetter), u'.', u',', languageLetter);
}
