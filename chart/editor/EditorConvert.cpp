// Conversions of typed texts.
#include "EditorConvert.h"

#include "PlotConst.h"
#include "PlotException.h"
#include "PlotProcs.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <cmath>

namespace {

constexpr double kMsecsPerDay = 86400000.0;
// No typed value needs more; longer texts are refused before any parsing.
constexpr int kMaxTextLength = 200;

[[noreturn]] void notANumber(const QString &text)
{
    throw PlotConvertError(PlotConst::plotFormat(PlotConst::message(PlotConst::msgNotANumber), {text.left(kMaxTextLength)}));
}

[[noreturn]] void notATime(const QString &text)
{
    throw PlotConvertError(QStringLiteral("Not a time: ") + text.left(kMaxTextLength));
}

QString checkedText(const QString &text, void (*refuse)(const QString &))
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxTextLength)
        refuse(text);
    return trimmed;
}

double finiteOrRefuse(bool ok, double value, const QString &text)
{
    if (!ok || !std::isfinite(value))
        notANumber(text);
    return value;
}

} // namespace

namespace EditorConvert {

double textToNumber(const QString &text)
{
    const QString trimmed = checkedText(text, notANumber);
    bool ok = false;
    const double value = QLocale().toDouble(trimmed, &ok);
    return finiteOrRefuse(ok, value, text);
}

double textToPlainNumber(const QString &text)
{
    const QString trimmed = checkedText(text, notANumber);
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    return finiteOrRefuse(ok, value, text);
}

double textToTime(const QString &text)
{
    const QString trimmed = checkedText(text, notATime);
    QTime time;
    for (const char *format : {"H:mm", "H:mm:ss", "H:mm:ss.zzz"}) {
        time = QTime::fromString(trimmed, QString::fromLatin1(format));
        if (time.isValid())
            break;
    }
    const QLocale locale;
    if (!time.isValid())
        time = locale.toTime(trimmed, QLocale::LongFormat);
    if (!time.isValid())
        time = locale.toTime(trimmed, QLocale::ShortFormat);
    if (!time.isValid())
        notATime(text);
    return time.msecsSinceStartOfDay() / kMsecsPerDay;
}

namespace {

QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

double textToDate(const QString &text)
{
    const QString trimmed = checkedText(text, notANumber);
    const QLocale locale;
    QDate date = locale.toDate(trimmed, shortDateFormat());
    if (!date.isValid())
        date = locale.toDate(trimmed, QLocale::LongFormat);
    if (!date.isValid())
        throw PlotConvertError(QStringLiteral("Not a date: ") + trimmed.left(kMaxTextLength));
    return PlotProcs::toDateValue(QDateTime(date, QTime(0, 0)));
}

QString timeText(double days)
{
    const auto msecs = static_cast<long long>(std::nearbyint(days * kMsecsPerDay));
    const long long hours = msecs / 3600000;
    const long long minutes = msecs / 60000 % 60;
    const long long seconds = msecs / 1000 % 60;
    const long long rest = msecs % 1000;
    QString result = QStringLiteral("%1:%2:%3")
                         .arg(hours)
                         .arg(minutes, 2, 10, QLatin1Char('0'))
                         .arg(seconds, 2, 10, QLatin1Char('0'));
    if (rest != 0)
        result += QStringLiteral(".%1").arg(rest, 3, 10, QLatin1Char('0'));
    return result;
}

QString dateText(double days)
{
    return QLocale().toString(PlotProcs::fromDateValue(days).date(), shortDateFormat());
}

QString incorrectValueMessage(const QString &reason)
{
    return PlotConst::plotFormat(PlotConst::message(PlotConst::msgIncorrectValue), {reason});
}

} // namespace EditorConvert
