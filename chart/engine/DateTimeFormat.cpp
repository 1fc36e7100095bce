// Date-time texts: a walk over the format codes with the locale's names, separators and formats.
#include "DateTimeFormat.h"

#include "PlotProcs.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace PlotFormat {

namespace {

// The first punctuation character of a locale format, as the platform's date and time separators.
QChar separatorOf(const QString &qtFormat, QChar fallback)
{
    bool quoted = false;
    for (const QChar c : qtFormat) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

int runLength(const QString &format, int i)
{
    const QChar c = format.at(i).toLower();
    int n = 1;
    while (i + n < format.size() && format.at(i + n).toLower() == c)
        ++n;
    return n;
}

bool startsWithNoCase(const QString &format, int i, QLatin1StringView code)
{
    return format.mid(i, code.size()).compare(code, Qt::CaseInsensitive) == 0;
}

// Half-day markers switch the hour codes to the 12-hour clock.
bool hasHalfDayMarker(const QString &format)
{
    QChar quote;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (startsWithNoCase(format, i, QLatin1StringView("am/pm"))
                   || startsWithNoCase(format, i, QLatin1StringView("a/p"))
                   || startsWithNoCase(format, i, QLatin1StringView("ampm"))) {
            return true;
        }
    }
    return false;
}

QString padded(int value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

// The case of the format's own letters: "AM/PM" gives "PM", "am/pm" gives "pm".
QString markerInCaseOf(const QString &written, const QString &marker)
{
    return written.at(0).isUpper() ? marker.toUpper() : marker.toLower();
}

QString formatWith(const QString &format, const QDateTime &dateTime, const QLocale &locale);

QString localeFormat(const QString &qtFormat, const QDateTime &dateTime, const QLocale &locale)
{
    return formatWith(PlotProcs::DateTimeFormatFromQt(qtFormat), dateTime, locale);
}

QString formatWith(const QString &format, const QDateTime &dateTime, const QLocale &locale)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const bool twelveHours = hasHalfDayMarker(format);
    QString out;
    QChar lastCode;
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        const QChar code = c.toLower();
        const int n = runLength(format, i);
        if (c == u'"' || c == u'\'') {
            const int end = int(format.indexOf(c, i + 1));
            const int stop = end < 0 ? int(format.size()) : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (code == u'a') {
            const int length = startsWithNoCase(format, i, QLatin1StringView("am/pm")) ? 5
                               : startsWithNoCase(format, i, QLatin1StringView("ampm")) ? 4
                               : startsWithNoCase(format, i, QLatin1StringView("a/p")) ? 3 : 0;
            const bool pm = time.hour() >= 12;
            if (length == 5)
                out += markerInCaseOf(format.mid(i, 2), pm ? QStringLiteral("pm") : QStringLiteral("am"));
            else if (length == 4)
                out += pm ? locale.pmText() : locale.amText();
            else if (length == 3)
                out += markerInCaseOf(format.mid(i, 1), pm ? QStringLiteral("p") : QStringLiteral("a"));
            else
                out += c;
            i += std::max(length, 1);
            lastCode = u'a';
            continue;
        }
        int consumed = n;
        if (code == u'd') {
            if (n <= 2)
                out += padded(date.day(), n);
            else if (n == 3)
                out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else if (n == 4)
                out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (n == 5)
                out += localeFormat(locale.dateFormat(QLocale::ShortFormat), dateTime, locale);
            else
                out += localeFormat(locale.dateFormat(QLocale::LongFormat), dateTime, locale);
            consumed = std::min(n, 6);
        } else if (code == u'm' && lastCode == u'h' && n <= 2) {
            out += padded(time.minute(), n);
        } else if (code == u'm') {
            consumed = std::min(n, 4);
            if (n <= 2)
                out += padded(date.month(), n);
            else if (n == 3)
                out += locale.monthName(date.month(), QLocale::ShortFormat);
            else
                out += locale.monthName(date.month(), QLocale::LongFormat);
        } else if (code == u'y') {
            consumed = n <= 2 ? n : std::min(n, 4);
            out += n <= 2 ? padded(((date.year() % 100) + 100) % 100, 2) : padded(date.year(), 4);
        } else if (code == u'h') {
            consumed = std::min(n, 2);
            int hour = time.hour();
            if (twelveHours)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += padded(hour, consumed);
        } else if (code == u'n') {
            consumed = std::min(n, 2);
            out += padded(time.minute(), consumed);
        } else if (code == u's') {
            consumed = std::min(n, 2);
            out += padded(time.second(), consumed);
        } else if (code == u'z') {
            consumed = n >= 3 ? 3 : 1;
            out += padded(time.msec(), consumed);
        } else if (code == u't') {
            consumed = std::min(n, 2);
            out += localeFormat(locale.timeFormat(n == 1 ? QLocale::ShortFormat : QLocale::LongFormat), dateTime,
                                locale);
        } else if (code == u'c') {
            consumed = 1;
            out += localeFormat(locale.dateFormat(QLocale::ShortFormat), dateTime, locale) + u' '
                   + localeFormat(locale.timeFormat(QLocale::LongFormat), dateTime, locale);
        } else if (c == u'/') {
            consumed = 1;
            out += separatorOf(locale.dateFormat(QLocale::ShortFormat), u'/');
        } else if (c == u':') {
            consumed = 1;
            out += separatorOf(locale.timeFormat(QLocale::ShortFormat), u':');
        } else {
            consumed = 1;
            out += c;
        }
        if (c.isLetter())
            lastCode = code;
        i += consumed;
    }
    return out;
}

} // namespace

QString FormatDateTime(const QString &format, double days)
{
    if (!std::isfinite(days))
        return {};
    QDateTime dateTime = PlotProcs::fromDateValue(days);
    // A fraction within half a millisecond of midnight rounds to the next day.
    if (dateTime.date().isValid() && !dateTime.time().isValid())
        dateTime = PlotProcs::fromDateValue(std::floor(days) + 1.0);
    if (!dateTime.date().isValid() || !dateTime.time().isValid())
        return {};
    return formatWith(format.isEmpty() ? QStringLiteral("c") : format, dateTime, QLocale());
}

} // namespace PlotFormat
