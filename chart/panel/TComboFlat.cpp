// Flat combo box.
#include "TComboFlat.h"

#include "PlotColor.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyle>

TComboFlat::TComboFlat(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    resize(width(), 21);
}

int TComboFlat::DropDownWidth() const
{
    return std::max(view()->minimumWidth(), width());
}

void TComboFlat::SetDropDownWidth(int value)
{
    view()->setMinimumWidth(value);
}

void TComboFlat::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    if (m_mouseOver || hasFocus())
        return;
    // Flat: the frame in the button face colour, twice, and the button area outlined.
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(PlotColor::toQColor(clBtnFace));
    QRect r = rect().adjusted(0, 0, -1, -1);
    painter.drawRect(r);
    r.adjust(1, 1, -1, -1);
    painter.drawRect(r);
    const int buttonLeft = rect().right() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2;
    painter.setPen(PlotColor::toQColor(clWindow));
    painter.drawRect(QRect(QPoint(buttonLeft, rect().top() + 1), QPoint(rect().right() - 1, rect().bottom() - 1)));
    painter.drawLine(rect().right() - 2, rect().top() + 1, rect().right() - 2, rect().bottom() - 1);
}

void TComboFlat::enterEvent(QEnterEvent *event)
{
    m_mouseOver = true;
    update();
    QComboBox::enterEvent(event);
}

void TComboFlat::leaveEvent(QEvent *event)
{
    m_mouseOver = false;
    update();
    QComboBox::leaveEvent(event);
}

void TComboFlat::focusInEvent(QFocusEvent *event)
{
    m_mouseOver = false;
    update();
    QComboBox::focusInEvent(event);
}

void TComboFlat::focusOutEvent(QFocusEvent *event)
{
    m_mouseOver = false;
    update();
    QComboBox::focusOutEvent(event);
}
