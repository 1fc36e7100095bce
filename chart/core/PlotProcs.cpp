// Shared small services of the chart library.
#include "PlotProcs.h"

#include "CanvasStateGuard.h"
#include "PlotRound.h"
#include "TBrush.h"
#include "TPen.h"
#include "TPlotCanvas.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QMetaObject>
#include <QObject>
#include <QPaintDevice>
#include <QVariant>

#include <cmath>
#include <cstdint>

namespace PlotProcs {

namespace {

constexpr double kSteps[27] = {1.0 / 86400000000.0, 1.0 / 86400000.0, 1.0 / 86400.0, 5.0 / 86400.0,
                               10.0 / 86400.0, 15.0 / 86400.0, 30.0 / 86400.0, 1.0 / 1440.0,
                               5.0 / 1440.0, 10.0 / 1440.0, 15.0 / 1440.0, 30.0 / 1440.0,
                               1.0 / 24.0, 2.0 / 24.0, 6.0 / 24.0, 12.0 / 24.0,
                               1.0, 2.0, 3.0, 7.0, 15.0, 30.0, 60.0, 90.0, 120.0, 182.0, 365.0};

const std::vector<TColor> kDefaultPalette = {0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080, 0xFF00FF,
                                             0x808000, 0x800000, 0x000080, 0x00FF00, 0x008080, 0x800080, 0xC0C0C0,
                                             0xFFFF00, 0x000000, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};

std::vector<TColor> &palette()
{
    static std::vector<TColor> colors = kDefaultPalette;
    return colors;
}

const QDate kDayZero(1899, 12, 30);
// Dates not after 1 Jan 1900 are not rounded.
constexpr double kDateOrigin = 2.0;

// Further from day zero than any calendar reaches: no date, and no integer conversion of a huge value.
constexpr double kMaxDays = 1e15;

QDate dateOf(double value)
{
    if (!(std::fabs(value) < kMaxDays))
        return QDate();
    return kDayZero.addDays(std::int64_t(std::floor(value)));
}

double valueOf(const QDate &date)
{
    return double(kDayZero.daysTo(date));
}

} // namespace

TranslateHook &PlotTranslateHook()
{
    static TranslateHook hook;
    return hook;
}

void PlotTranslateControl(QObject *control)
{
    PlotTranslateControlExcept(control, {});
}

void PlotTranslateControlExcept(QObject *control, const QList<QObject *> &except)
{
    if (PlotTranslateHook())
        PlotTranslateHook()(control, except);
}

double TimeStep(int index)
{
    return index >= 0 && index < 27 ? kSteps[index] : 0.0;
}

int FindTimeStepIndex(double value)
{
    for (int i = 26; i >= 0; --i)
        if (std::abs(kSteps[i] - value) < kSteps[0])
            return i;
    return kNoTimeStep;
}

double NextTimeStep(double value)
{
    for (int i = 25; i >= 0; --i)
        if (value >= kSteps[i])
            return kSteps[i + 1];
    return kSteps[26];
}

double toDateValue(const QDateTime &dateTime)
{
    const double ms = dateTime.time().msecsSinceStartOfDay();
    return valueOf(dateTime.date()) + ms / 86400000.0;
}

QDateTime fromDateValue(double value)
{
    const double day = std::floor(value);
    const int ms = plotRound((value - day) * 86400000.0);
    return QDateTime(dateOf(value), QTime::fromMSecsSinceStartOfDay(ms));
}

QString DateTimeDefaultFormat(double step)
{
    const QLocale locale;
    return DateTimeFormatFromQt(step <= 1.0 ? locale.timeFormat(QLocale::ShortFormat)
                                            : locale.dateFormat(QLocale::ShortFormat));
}

QString DateTimeFormatFromQt(const QString &qtFormat)
{
    QString result;
    for (int i = 0; i < qtFormat.size(); ++i) {
        const QChar c = qtFormat.at(i);
        if (c == u'\'') {
            const qsizetype end = qtFormat.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? qtFormat.size() - 1 : end;
            result += qtFormat.mid(i, stop - i + 1);
            i = int(stop);
        } else if (c == u'M') {
            result += u'm';
        } else if (c == u'H') {
            result += u'h';
        } else if (c == u'm') {
            result += u'n';
        } else if (c == u'A' || c == u'a') {
            result += QStringLiteral("ampm");
            if (i + 1 < qtFormat.size() && (qtFormat.at(i + 1) == u'P' || qtFormat.at(i + 1) == u'p'))
                ++i;
        } else if (c == u't') {
            // The zone of a day number means nothing; drop it with the blank before it.
            while (result.endsWith(u' '))
                result.chop(1);
        } else {
            result += c;
        }
    }
    return result.trimmed();
}

double RoundDateToStep(int stepIndex, double value)
{
    if (value <= kDateOrigin)
        return value;
    const QDate d = dateOf(value);
    if (!d.isValid())
        return value;
    if (stepIndex == 20)
        return valueOf(QDate(d.year(), d.month(), d.day() >= 15 ? 15 : 1));
    if (stepIndex >= 21 && stepIndex <= 25)
        return valueOf(QDate(d.year(), d.month(), 1));
    if (stepIndex == 26)
        return valueOf(QDate(d.year(), 1, 1));
    return std::floor(value);
}

void StepDateTime(bool calendar, bool up, double &value, int stepIndex, double step)
{
    QDate d = dateOf(value);
    if (!calendar || stepIndex < 20 || stepIndex > 26 || !d.isValid()) {
        value = up ? value + step : value - step;
        return;
    }
    const int months[] = {0, 1, 2, 3, 4, 6};
    if (stepIndex >= 21 && stepIndex <= 25) {
        const QDate first(d.year(), d.month(), 1);
        d = first.addMonths(up ? months[stepIndex - 20] : -months[stepIndex - 20]);
    } else if (stepIndex == 26) {
        d = d.addYears(up ? 1 : -1);
    } else if (up) {
        // Upward half months: 1st..14th to the 15th, from the 15th on to the 1st of the next month.
        d = d.day() < 15 ? QDate(d.year(), d.month(), 15) : QDate(d.year(), d.month(), 1).addMonths(1);
    } else if (d.day() > 15) {
        d = QDate(d.year(), d.month(), 15);
    } else if (d.day() >= 2) {
        d = QDate(d.year(), d.month(), 1);
    } else {
        d = QDate(d.year(), d.month(), 15).addMonths(-1);
    }
    value = valueOf(d);
}

TColor GetDefaultColor(int index)
{
    const auto &colors = palette();
    if (colors.empty())
        return clBlack;
    const int n = int(colors.size());
    // A negative index wraps around instead of reading before the table.
    return colors[std::size_t(((index % n) + n) % n)];
}

int DefaultPaletteLength()
{
    return int(palette().size());
}

void SetDefaultPalette(const std::vector<TColor> &colors, int lastIndex)
{
    if (lastIndex <= 0 || colors.empty()) {
        ResetDefaultPalette();
        return;
    }
    const std::size_t count = std::min(colors.size(), std::size_t(lastIndex) + 1);
    palette().assign(colors.begin(), colors.begin() + std::ptrdiff_t(count));
}

void ResetDefaultPalette()
{
    palette() = kDefaultPalette;
}

QString PlotIntToStr(int value)
{
    return QString::number(value);
}

int CountFields(const QString &text, const QString &separator)
{
    if (text.isEmpty())
        return 0;
    if (separator.isEmpty())
        return 1;
    return int(text.count(separator)) + 1;
}

QString ExtractField(const QString &text, int index, const QString &separator)
{
    if (text.isEmpty() || index < 1)
        return {};
    const QStringList fields = separator.isEmpty() ? QStringList{text} : text.split(separator);
    return fields.at(std::min<qsizetype>(index, fields.size()) - 1);
}

QString ReplaceChar(const QString &text, QChar oldChar, QChar newChar)
{
    QString result = text;
    if (newChar.isNull())
        result.remove(oldChar);
    else
        result.replace(oldChar, newChar);
    return result;
}

namespace {

// Qt separators are strings; only single characters can be swapped position by position.
bool localSeparators(QChar &thousand, QChar &decimal)
{
    const QLocale locale;
    const QString t = locale.groupSeparator();
    const QString d = locale.decimalPoint();
    if (t.size() != 1 || d.size() != 1 || t == d)
        return false;
    thousand = t.at(0);
    decimal = d.at(0);
    return true;
}

} // namespace

QString FormatToLocalSeparators(const QString &format)
{
    QChar thousand;
    QChar decimal;
    if (!localSeparators(thousand, decimal))
        return format;
    QString result = format;
    for (QChar &c : result) {
        if (c == u',')
            c = thousand;
        else if (c == u'.')
            c = decimal;
    }
    return result;
}

QString FormatFromLocalSeparators(const QString &format)
{
    QChar thousand;
    QChar decimal;
    if (!localSeparators(thousand, decimal))
        return format;
    QString result = format;
    for (QChar &c : result) {
        if (c == thousand)
            c = u',';
        else if (c == decimal)
            c = u'.';
    }
    return result;
}

QString GetUniqueName(const QObject *owner, const QString &baseName)
{
    return GetUniqueName(
        [owner](const QString &name) { return owner && owner->findChild<QObject *>(name, Qt::FindDirectChildrenOnly); },
        baseName);
}

QString GetUniqueName(const std::function<bool(const QString &)> &isTaken, const QString &baseName)
{
    for (int i = 1;; ++i) {
        const QString name = baseName + QString::number(i);
        if (!isTaken(name))
            return name;
    }
}

QString componentNameBase(const QObject &component)
{
    const QString className = QString::fromLatin1(component.metaObject()->className());
    return className.size() > 1 && className.startsWith(u'T') ? className.mid(1) : className;
}

QString newComponentName(const QObject *owner, const QObject &component)
{
    return GetUniqueName(owner, componentNameBase(component));
}

bool PointInLineTolerance(const TPoint &p, int x0, int y0, int x1, int y1, int tolerance)
{
    if ((p.x == x0 && p.y == y0) || (p.x == x1 && p.y == y1))
        return true;
    const double dx = double(x1) - x0;
    const double dy = double(y1) - y0;
    double distance = 0.0;
    if (dx == 0 && dy == 0) {
        distance = std::hypot(double(p.x) - x0, double(p.y) - y0);
    } else {
        const double t = ((double(p.x) - x0) * dx + (double(p.y) - y0) * dy) / (dx * dx + dy * dy);
        if (t < 0)
            distance = std::hypot(double(p.x) - x0, double(p.y) - y0);
        else if (t >= 1)
            distance = std::hypot(double(p.x) - x1, double(p.y) - y1);
        else
            distance = std::hypot(p.x - (x0 + t * dx), p.y - (y0 + t * dy));
    }
    return distance <= tolerance + 1;
}

bool PointInPolygon(const TPoint &p, const TPoint *points, int lastIndex)
{
    if (lastIndex < 0)
        return false;
    bool inside = false;
    for (int i = 0, j = lastIndex; i <= lastIndex; j = i++) {
        const TPoint &pi = points[i];
        const TPoint &pj = points[j];
        // Differences in double: far-apart corners overflow 32-bit subtraction.
        if (((pi.y <= p.y && p.y < pj.y) || (pj.y <= p.y && p.y < pi.y))
            && p.x < (double(pj.x) - pi.x) * (double(p.y) - pi.y) / (double(pj.y) - pi.y) + pi.x)
            inside = !inside;
    }
    return inside;
}

bool PointInTriangle(const TPoint &p, int x0, int x1, int y0, int y1)
{
    const TPoint t[3] = {{x0, y0}, {int((std::int64_t(x0) + x1) / 2), y1}, {x1, y0}};
    return PointInPolygon(p, t, 2);
}

bool PointInHorizTriangle(const TPoint &p, int y0, int y1, int x0, int x1)
{
    const TPoint t[3] = {{x0, y0}, {x1, int((std::int64_t(y0) + y1) / 2)}, {x0, y1}};
    return PointInPolygon(p, t, 2);
}

bool PointInEllipse(const TPoint &p, int left, int top, int right, int bottom)
{
    const int cx = int((std::int64_t(left) + right) / 2);
    const int cy = int((std::int64_t(top) + bottom) / 2);
    const double a = double(cx) - left;
    const double b = double(cy) - top;
    if (a == 0 || b == 0)
        return false;
    const double dx = double(p.x) - cx;
    const double dy = double(p.y) - cy;
    return dx * dx / (a * a) + dy * dy / (b * b) <= 1.0;
}

void EnableControls(bool enable, const QList<QObject *> &controls)
{
    for (QObject *control : controls)
        if (control)
            control->setProperty("enabled", enable);
}

double GetDeviceAspectRatio(const QPaintDevice *device)
{
    if (!device || device->heightMM() == 0)
        return 0.0;
    return double(device->widthMM()) / device->heightMM();
}

void DrawCheckBox(int x, int y, TPlotCanvas &canvas, bool checked, bool /*unused*/, bool isCheckBox)
{
    constexpr int kSize = 13;
    const CanvasStateGuard saved(canvas);
    TPen &pen = *canvas.Pen();
    TBrush &brush = *canvas.Brush();

    pen.SetStyle(psSolid);
    pen.SetWidth(1);
    brush.SetStyle(bsSolid);
    if (isCheckBox) {
        TRect box{x, y, x + kSize, y + kSize};
        canvas.Frame3D(box, clBtnShadow, clBtnHighlight, 1);
        canvas.Frame3D(box, cl3DDkShadow, cl3DLight, 1);
        brush.SetColor(clWindow);
        canvas.FillRect(box);
        if (checked) {
            // The tick, three pixels thick, inside the 9 x 9 white field.
            pen.SetColor(clWindowText);
            for (int row = 0; row < 3; ++row)
                canvas.Polyline({{x + 3, y + 5 + row}, {x + 5, y + 7 + row}, {x + 10, y + 2 + row}});
        }
    } else {
        pen.SetColor(clBtnShadow);
        brush.SetColor(clWindow);
        canvas.Ellipse(x, y, x + kSize - 1, y + kSize - 1);
        if (checked) {
            pen.SetColor(clWindowText);
            brush.SetColor(clWindowText);
            canvas.Ellipse(x + 4, y + 4, x + 8, y + 8);
        }
    }
}

void DrawBevel(TPlotCanvas &canvas, TBevelCut bevel, TRect &rect, int roundSize, int width)
{
    if (bevel == bvNone)
        return;
    if (roundSize >= 1) {
        canvas.Pen()->SetColor(bevel == bvLowered ? clBtnShadow : clBtnHighlight);
        canvas.RoundRect(rect.left, rect.top, rect.right, rect.bottom, roundSize, roundSize);
        rect = {rect.left + width, rect.top + width, rect.right - width, rect.bottom - width};
        return;
    }
    canvas.Frame3D(rect, bevel == bvLowered ? clBtnShadow : clBtnHighlight, bevel == bvRaised ? clBtnShadow : clBtnHighlight,
                   width);
}

QCursor PlotCursor(int cursorNumber)
{
    switch (cursorNumber) {
    case crPlotHand:
    case -21: // hand point
        return QCursor(Qt::PointingHandCursor);
    case -1: // none
        return QCursor(Qt::BlankCursor);
    case -3:
        return QCursor(Qt::CrossCursor);
    case -4:
        return QCursor(Qt::IBeamCursor);
    case -6:
        return QCursor(Qt::SizeBDiagCursor);
    case -7:
    case -15: // vertical split
        return QCursor(Qt::SizeVerCursor);
    case -8:
        return QCursor(Qt::SizeFDiagCursor);
    case -9:
    case -14: // horizontal split
        return QCursor(Qt::SizeHorCursor);
    case -10:
        return QCursor(Qt::UpArrowCursor);
    case -11:
    case -17: // hourglass, database wait
        return QCursor(Qt::WaitCursor);
    case -12:
    case -16: // drag, multi-drag
        return QCursor(Qt::DragMoveCursor);
    case -13:
    case -18: // no drop, no
        return QCursor(Qt::ForbiddenCursor);
    case -19:
        return QCursor(Qt::BusyCursor);
    case -20:
        return QCursor(Qt::WhatsThisCursor);
    case -22:
        return QCursor(Qt::SizeAllCursor);
    default: // 0 default, -2 arrow, anything unknown
        return QCursor(Qt::ArrowCursor);
    }
}

bool LoadBitmapResource(QImage &bitmap, const QString &name, const QString &altName)
{
    for (const QString &candidate : {name, altName}) {
        if (candidate.isEmpty())
            continue;
        for (const char *suffix : {".png", ".bmp"}) {
            const QString path = QStringLiteral(":/plot/") + candidate.toUpper() + QLatin1String(suffix);
            if (QFile::exists(path) && bitmap.load(path))
                return true;
        }
    }
    return false;
}

bool LoadClassBitmap(const QObject *instance, QImage &bitmap)
{
    if (!instance)
        return false;
    const QMetaObject *meta = instance->metaObject();
    const QMetaObject *parent = meta->superClass();
    return LoadBitmapResource(bitmap, QString::fromLatin1(meta->className()),
                              parent ? QString::fromLatin1(parent->className()) : QString());
}

void PlotSort(int startIndex, int endIndex, const std::function<int(int, int)> &compare,
              const std::function<void(int, int)> &swap)
{
    int i = startIndex;
    int j = endIndex;
    int m = int((std::int64_t(startIndex) + endIndex) / 2);
    while (j > i) {
        if (compare(i, m) < 0) {
            ++i;
            continue;
        }
        while (compare(m, j) < 0)
            --j;
        if (j > i) {
            swap(i, j);
            if (i == m)
                m = j;
            else if (j == m)
                m = i;
        }
        if (j >= i) {
            ++i;
            --j;
        }
    }
    if (startIndex < j)
        PlotSort(startIndex, j, compare, swap);
    if (i < endIndex)
        PlotSort(i, endIndex, compare, swap);
}

} // namespace PlotProcs
