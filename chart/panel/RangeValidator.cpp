// Line edits that say their range.
#include "RangeValidator.h"

#include "RangeNotice.h"

#include <QLineEdit>

RangeValidator::RangeValidator(int minimum, int maximum, QLineEdit *field)
    : QIntValidator(minimum, maximum, field)
    , m_field(field)
{
    field->setToolTip(RangeNotice::hint(minimum, maximum));
}

QValidator::State RangeValidator::validate(QString &text, int &pos) const
{
    const State state = QIntValidator::validate(text, pos);
    if (state == Invalid && RangeNotice::typedNumber(text, locale()))
        return Intermediate;
    return state;
}

void RangeValidator::fixup(QString &text) const
{
    const std::optional<qint64> typed = RangeNotice::typedNumber(text, locale());
    if (!typed || (*typed >= bottom() && *typed <= top())) {
        QIntValidator::fixup(text);
        return;
    }
    text = QString::number(RangeNotice::sayClamped(m_field, *typed, bottom(), top()));
}
