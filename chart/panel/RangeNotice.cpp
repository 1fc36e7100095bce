// Range hints and clamp notes of the number fields.
#include "RangeNotice.h"

#include "PlotConst.h"

#include <QLocale>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace RangeNotice {

QString hint(int minimum, int maximum)
{
    return PlotConst::plotFormat(PlotConst::message(PlotConst::msgFieldRange),
                                 {QString::number(minimum), QString::number(maximum)});
}

std::optional<qint64> typedNumber(const QString &text, const QLocale &locale)
{
    QString digits = text.trimmed();
    digits.remove(locale.groupSeparator());
    bool ok = false;
    const qint64 value = locale.toLongLong(digits, &ok);
    if (ok)
        return value;
    const qint64 plain = digits.toLongLong(&ok);
    return ok ? std::optional<qint64>(plain) : std::nullopt;
}

int sayClamped(QWidget *field, qint64 typed, int minimum, int maximum)
{
    const int kept = int(std::clamp<qint64>(typed, minimum, maximum));
    const QString note = PlotConst::plotFormat(PlotConst::message(PlotConst::msgFieldClamped),
                                               {QString::number(typed), QString::number(minimum),
                                                QString::number(maximum), QString::number(kept)});
    if (field) {
        // At once beside the field, and on its hint until the field is edited again.
        field->setToolTip(note + QLatin1Char('\n') + hint(minimum, maximum));
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), note, field);
    }
    return kept;
}

} // namespace RangeNotice
