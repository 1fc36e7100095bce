// The editor forms' spin box: shows its range as its hint, and a number typed beyond the range is
// held to the nearest end with a note at the field instead of losing the keystroke silently. The
// note stays on the hint until the field takes the focus again.
#pragma once

#include <QSpinBox>

class RangeSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit RangeSpinBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &text, int &pos) const override;
    void fixup(QString &text) const override;

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    // The typed text without prefix and suffix.
    QString bareText(const QString &text) const;
};
