// The navigator strip: buttons, layout, keyboard, hints.
#include "TCustomPlotNavigator.h"

#include "PlotConst.h"
#include "PlotProcs.h"
#include "TCustomPlotPanel.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>

#include <algorithm>

namespace {

const char *const kGlyphNames[kNavigateButtonCount] = {"First", "Prior", "Next", "Last", "Insert",
                                                       "Delete", "Edit", "Post", "Cancel"};

// The resource holds the normal glyph on the left half and the disabled one on the right.
QIcon navigatorGlyph(int index)
{
    QImage bitmap;
    QIcon icon;
    if (!PlotProcs::LoadBitmapResource(bitmap, QStringLiteral("PlotNav_") + QLatin1String(kGlyphNames[index]), {}))
        return icon;
    const int half = bitmap.width() / 2;
    icon.addPixmap(QPixmap::fromImage(bitmap.copy(0, 0, half, bitmap.height())), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(bitmap.copy(half, 0, half, bitmap.height())), QIcon::Disabled);
    return icon;
}

} // namespace

TCustomPlotNavigator::TCustomPlotNavigator(QWidget *parent)
    : QFrame(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < kNavigateButtonCount; ++i) {
        const auto index = TPlotNavigateBtn(i);
        auto *button = new TPlotNavButton(index, this);
        m_buttons[i] = button;
        button->setIcon(navigatorGlyph(i));
        button->setEnabled(false);
        button->setGeometry(i * kMinButtonWidth, 0, kMinButtonWidth, kMinButtonHeight);
        connect(button, &QAbstractButton::clicked, this, [this, index] { BtnClick(index); });
        button->installEventFilter(this);
    }
    // By default only the moving buttons show.
    for (int i = nbInsert; i < kNavigateButtonCount; ++i)
        m_buttons[i]->hide();
    applyHints();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    resize(241, kButtonHeight);
    LayOutButtons();
}

int TCustomPlotNavigator::ButtonSlots() const
{
    const auto shown = std::count_if(m_buttons.begin(), m_buttons.end(),
                                     [](const TPlotNavButton *button) { return !button->isHidden(); });
    return std::max(int(shown), 1);
}

QSize TCustomPlotNavigator::sizeHint() const
{
    return {ButtonSlots() * kPreferredButtonWidth + 2 * BorderWidth(), kButtonHeight};
}

QSize TCustomPlotNavigator::minimumSizeHint() const
{
    return {ButtonSlots() * kMinButtonWidth + 2 * BorderWidth(), kMinButtonHeight + 2 * BorderWidth()};
}

TCustomPlotNavigator::~TCustomPlotNavigator()
{
    if (m_panel)
        m_panel->RemoveListener(this);
}

void TCustomPlotNavigator::SetBorderStyle(TBorderStyle value)
{
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    setFrameStyle(value == bsSingle ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(value == bsSingle ? 2 : 0);
    LayOutButtons();
    updateGeometry();
}

void TCustomPlotNavigator::SetHints(const QStringList &value)
{
    m_hints = value;
    applyHints();
}

void TCustomPlotNavigator::applyHints()
{
    for (int i = 0; i < kNavigateButtonCount; ++i) {
        const QString custom = m_hints.value(i);
        m_buttons[i]->setToolTip(custom.isEmpty() ? PlotConst::message(PlotConst::msgNavigateFirst + i) : custom);
    }
}

void TCustomPlotNavigator::SetPanel(TCustomPlotPanel *panel)
{
    if (m_panel)
        m_panel->RemoveListener(this);
    m_panel = panel;
    if (m_panel)
        m_panel->Listeners().Add(this);
    EnableButtons();
}

void TCustomPlotNavigator::BtnClick(TPlotNavigateBtn index)
{
    ButtonAction(index);
    EnableButtons();
    Q_EMIT OnButtonClicked(index);
}

void TCustomPlotNavigator::FocusButton(TPlotNavigateBtn index)
{
    const int old = std::exchange(m_focused, int(index));
    m_buttons[old]->update();
    m_buttons[index]->update();
    if ((focusPolicy() & Qt::TabFocus) && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TCustomPlotNavigator::LayOutButtons()
{
    if (m_layingOut)
        return;
    m_layingOut = true;
    const int count = TCustomPlotNavigator::ButtonSlots();
    int w = std::max(width(), count * kMinButtonWidth);
    const int h = std::max(height(), kMinButtonHeight);
    const int border = BorderWidth();
    const int buttonHeight = h - 2 * border;
    m_buttonWidth = w / count;
    if (!Aligned)
        w = count * m_buttonWidth;
    if (w != width() || h != height())
        resize(w, h);
    // The pixels left over go one by one to the buttons, spread by an error term.
    const int space = w - count * m_buttonWidth;
    int error = count / 2;
    int x = border;
    for (TPlotNavButton *button : m_buttons) {
        if (button->isHidden()) {
            button->setGeometry(w + 1, border, m_buttonWidth, buttonHeight);
            continue;
        }
        error += space;
        int extra = 0;
        if (error >= count) {
            error -= count;
            extra = 1;
        }
        button->setGeometry(x, border, m_buttonWidth + extra, buttonHeight);
        x += m_buttonWidth + extra;
    }
    m_layingOut = false;
}

void TCustomPlotNavigator::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    LayOutButtons();
}

void TCustomPlotNavigator::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    LayOutButtons();
}

bool TCustomPlotNavigator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        LayOutButtons();
        updateGeometry(); // another count of buttons asks the layout for another width
    }
    return QFrame::eventFilter(watched, event);
}

void TCustomPlotNavigator::moveFocus(int step)
{
    for (int i = m_focused + step; i >= 0 && i < kNavigateButtonCount; i += step) {
        if (!m_buttons[i]->isHidden()) {
            FocusButton(TPlotNavigateBtn(i));
            return;
        }
    }
}

void TCustomPlotNavigator::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveFocus(-1);
        break;
    case Qt::Key_Right:
        moveFocus(1);
        break;
    case Qt::Key_Space:
        if (m_buttons[m_focused]->isEnabled())
            m_buttons[m_focused]->click();
        break;
    default:
        QFrame::keyPressEvent(event);
    }
}

void TCustomPlotNavigator::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        EnableButtons();
}

void TCustomPlotNavigator::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    m_buttons[m_focused]->update();
}

void TCustomPlotNavigator::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    m_buttons[m_focused]->update();
}
