// Spin boxes that say their range.
#include "RangeSpinBox.h"

#include "RangeNotice.h"

#include <QHelpEvent>
#include <QToolTip>

RangeSpinBox::RangeSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
}

QString RangeSpinBox::bareText(const QString &text) const
{
    QString bare = text;
    if (!prefix().isEmpty() && bare.startsWith(prefix()))
        bare.remove(0, prefix().size());
    if (!suffix().isEmpty() && bare.endsWith(suffix()))
        bare.chop(suffix().size());
    return bare;
}

QValidator::State RangeSpinBox::validate(QString &text, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(text, pos);
    // Qt refuses the keystroke that leaves the range; kept as typed, the fix-up says what it keeps.
    if (state == QValidator::Invalid && RangeNotice::typedNumber(bareText(text), locale()))
        return QValidator::Intermediate;
    return state;
}

void RangeSpinBox::fixup(QString &text) const
{
    const std::optional<qint64> typed = RangeNotice::typedNumber(bareText(text), locale());
    if (!typed || (*typed >= minimum() && *typed <= maximum())) {
        QSpinBox::fixup(text);
        return;
    }
    const int kept = RangeNotice::sayClamped(const_cast<RangeSpinBox *>(this), *typed, minimum(), maximum());
    text = prefix() + textFromValue(kept) + suffix();
}

bool RangeSpinBox::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString shown = toolTip().isEmpty() ? RangeNotice::hint(minimum(), maximum()) : toolTip();
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), shown, this);
        return true;
    }
    return QSpinBox::event(event);
}

void RangeSpinBox::focusInEvent(QFocusEvent *event)
{
    if (toolTip().endsWith(RangeNotice::hint(minimum(), maximum())))
        setToolTip(QString());
    QSpinBox::focusInEvent(event);
}
