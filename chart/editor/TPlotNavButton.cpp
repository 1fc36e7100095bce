// A navigator's button.
#include "TPlotNavButton.h"

#include "ReportException.h"
#include "TCustomPlotNavigator.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include <exception>

TPlotNavButton::TPlotNavButton(TPlotNavigateBtn index, TCustomPlotNavigator *navigator)
    : QToolButton(navigator)
    , m_index(index)
    , m_navigator(navigator)
{
    setAutoRaise(true);
    // The strip keeps the keyboard focus and draws it on its focused button.
    setFocusPolicy(Qt::NoFocus);
}

TPlotNavButton::~TPlotNavButton() = default;

void TPlotNavButton::mousePressEvent(QMouseEvent *event)
{
    m_navigator->FocusButton(m_index);
    QToolButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_timer) {
        m_timer = std::make_unique<QTimer>();
        connect(m_timer.get(), &QTimer::timeout, this, &TPlotNavButton::RepeatTick);
    }
    m_timer->start(kFirstRepeatMs);
}

void TPlotNavButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_timer)
        m_timer->stop();
    QToolButton::mouseReleaseEvent(event);
}

void TPlotNavButton::RepeatTick()
{
    if (!m_timer)
        return;
    m_timer->setInterval(kRepeatMs);
    if (!isDown() || !isEnabled())
        return;
    try {
        Q_EMIT clicked(false);
    } catch (const std::exception &e) {
        m_timer->stop();
        reportEditorException(QString::fromUtf8(e.what()));
    } catch (...) {
        m_timer->stop();
        reportEditorException(QStringLiteral("Navigator: unknown failure"));
    }
}

void TPlotNavButton::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (!m_navigator->hasFocus() || m_navigator->FocusedButton() != m_index)
        return;
    QRect r = rect().adjusted(3, 3, -3, -3);
    if (isDown())
        r.translate(1, 1);
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = r;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
