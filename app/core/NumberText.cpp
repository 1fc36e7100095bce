// Number texts shown to the user: fixed-point widths, result texts, pressure-range labels.
#include "app/core/NumberText.h"

#include "app/core/Power.h"
#include "app/core/PressureUnits.h"
#include "app/core/RecordFields.h"
#include "app/core/TemperatureUnits.h"

#include <QByteArray>
#include <QLocale>

#include <cmath>
#include <cstdio>

namespace {

QString printed(const char *format, int width, int decimals, long double x)
{
    char buffer[128];
    const int length = std::snprintf(buffer, sizeof buffer, format, width, decimals, x);
    if (length < 0)
        return {};
    if (length < int(sizeof buffer))
        return QString::fromLatin1(buffer, length);
    // A large value written fixed-point has hundreds of digits; cut short it would be another number.
    QByteArray text(length, '\0');
    std::snprintf(text.data(), std::size_t(length) + 1, format, width, decimals, x);
    return QString::fromLatin1(text);
}

struct RangeEnd
{
    QStringView unit;
    int decimals;
};

// Writes one end of the range, and when the rounded text lies outside the given limit,
// moves it one step inwards. The step is one unit of the last shown decimal: a fixed
// 0.01 could not move a value written without decimals ("150" for 150.39 Torr).
QString rangeValueText(const RangeEnd &end, long double limitBar, bool isMinimum)
{
    const long double value = barToPressureUnit(end.unit, limitBar);
    const QString text = fixedText(value, end.decimals);
    const ParsedNumber shown = parseNumber(text.trimmed());
    if (!shown.ok())
        return text;
    const long double shownBar = pressureUnitToBar(end.unit, shown.value);
    const long double step = integerPower(10.0L, -end.decimals);
    if (isMinimum && limitBar > shownBar)
        return fixedText(shown.value + step, end.decimals);
    if (!isMinimum && shownBar > limitBar)
        return fixedText(shown.value - step, end.decimals);
    return text;
}

int singleUnitDecimals(QStringView unit, long double pressureBar)
{
    return barToPressureUnit(unit, pressureBar) >= 100.0L ? 0 : 2;
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
    return printed("%*.*Lf", magnitudeClass(double(x)) + 3, decimals, x);
}

QString oneDecimalText(long double value, int extraWidth, QChar languageLetter)
{
    if (!std::isfinite(value))
        return {};
    const QString text = printed("%*.*Lf", magnitudeClass(double(value)) + extraWidth, 1, value);
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
    QString text = printed("%*.*Le", 9, 5, x);
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

RangeTexts temperatureRangeText(QStringView unit, long double TminK, long double TmaxK)
{
    const QString letter = unit == u"K" ? QStringLiteral("T") : QStringLiteral("t");
    // Within the tolerance of the range check a limit is a whole number already: 5.0000000001 °C
    // shows as 5. Adding 0 turns -0 into 0.
    constexpr long double kWhole = 1e-9L;
    const auto wholeText = [](long double value) { return fixedText(value + 0.0L, 0).trimmed(); };
    RangeTexts texts;
    texts.minCaption = letter + QStringLiteral(" min. in %1:").arg(unit);
    texts.maxCaption = letter + QStringLiteral(" max. in %1:").arg(unit);
    texts.minValue = wholeText(std::ceil(kelvinToTemperatureUnit(unit, TminK) - kWhole));
    texts.maxValue = wholeText(std::floor(kelvinToTemperatureUnit(unit, TmaxK) + kWhole));
    return texts;
}

RangeTexts pressureRangeText(QStringView unit, long double pminBar, long double pmaxBar, QChar languageLetter)
{
    RangeTexts texts;
    RangeEnd minEnd{unit, 1};
    RangeEnd maxEnd{unit, 1};
    switch (pressureUnitGroup(unit)) {
    case PressureUnitGroup::Single:
        minEnd.decimals = singleUnitDecimals(unit, pminBar);
        maxEnd.decimals = singleUnitDecimals(unit, pmaxBar);
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
    texts.minValue = swapDecimalSeparator(rangeValueText(minEnd, pminBar, true), u'.', u',', languageLetter).trimmed();
    texts.maxValue = swapDecimalSeparator(rangeValueText(maxEnd, pmaxBar, false), u'.', u',', languageLetter).trimmed();
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
