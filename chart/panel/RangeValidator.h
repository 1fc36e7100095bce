// A whole-number validator for a line edit of a dialog not our own (the font dialog's size): a
// number beyond the range is held to the nearest end with a note at the field.
#pragma once

#include <QIntValidator>

class QLineEdit;

class RangeValidator : public QIntValidator
{
    Q_OBJECT
public:
    RangeValidator(int minimum, int maximum, QLineEdit *field);

    State validate(QString &text, int &pos) const override;
    void fixup(QString &text) const override;

private:
    QLineEdit *m_field;
};
