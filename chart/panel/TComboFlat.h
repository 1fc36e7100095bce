// The editor forms' combo box: a drop-down list drawn flat until the mouse or the focus is on it.
#pragma once

#include <QComboBox>

class TComboFlat : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(int DropDownWidth READ DropDownWidth WRITE SetDropDownWidth)
public:
    explicit TComboFlat(QWidget *parent = nullptr);

    // The width of the drop-down list; the combo's own width unless set wider.
    int DropDownWidth() const;
    void SetDropDownWidth(int value);
    // Stored only when it differs from the combo's width.
    Q_INVOKABLE bool IsDropDownWidthStored() const { return DropDownWidth() != width(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_mouseOver = false;
};
