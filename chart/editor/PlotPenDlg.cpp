// Creating, placing and embedding editor forms, questions and list helpers.
#include "PlotPenDlg.h"

#include "PlotConst.h"
#include "PlotProcs.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QScreen>
#include <QStringList>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace PlotPenDlg {

QWidget *EditorOwnerForm(QObject *owner)
{
    auto *widget = qobject_cast<QWidget *>(owner);
    return widget ? widget->window() : nullptr;
}

namespace {

// Centres its form on the owner each time the form shows as a window: only then is its size the
// laid-out one (placed at creation, a 502 pixel dialog had its corner at the owner's centre).
class CentreOnOwner : public QObject
{
public:
    explicit CentreOnOwner(QWidget &form)
        : QObject(&form)
        , m_form(form)
    {
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_form && event->type() == QEvent::Show && m_form.isWindow())
            place();
        return false;
    }

private:
    void place()
    {
        const QWidget *parent = m_form.parentWidget();
        const QRect around = parent ? parent->window()->frameGeometry() : ScreenAreaAt(QPoint());
        SetFrameGeometry(m_form, CentredFrame(m_form, around, ScreenAreaAt(around.center())));
    }

    QWidget &m_form;
};

} // namespace

void PrepareEditorForm(QWidget &form)
{
    form.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    new CentreOnOwner(form);
}

QRect ScreenAreaAt(const QPoint &point)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect FitIntoArea(const QRect &rect, const QRect &area)
{
    if (area.isEmpty())
        return rect;
    QRect fitted(rect.topLeft(), rect.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

QMargins WindowFrameMargins(const QWidget &window)
{
    if (!window.isWindow() || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return {};
    // A window not yet framed by the window manager reports none, and a client placed at a frame
    // position then ends up lower by the title bar (the editor crept on each reopening). The windows
    // it belongs to are framed alike by the same window manager.
    const auto framedBy = [](const QWidget &w) {
        const QWindow *handle = w.windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    };
    for (const QWidget *framed = &window; framed;) {
        if (const QMargins margins = framedBy(*framed); !margins.isNull())
            return margins;
        framed = framed->parentWidget() ? framed->parentWidget()->window() : nullptr;
    }
    // A window without an owner (the chart editor's) takes the frame of another shown window.
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible() && !other->windowFlags().testFlag(Qt::FramelessWindowHint))
            if (const QMargins margins = framedBy(*other); !margins.isNull())
                return margins;
    }
    return {};
}

void SetFrameGeometry(QWidget &window, const QRect &frame)
{
    window.setGeometry(frame.marginsRemoved(WindowFrameMargins(window)));
}

QRect CentredFrame(const QWidget &window, const QRect &around, const QRect &area)
{
    QRect frame(QPoint(), window.size().grownBy(WindowFrameMargins(window)));
    frame.moveCenter(around.center());
    return FitIntoArea(frame, area);
}

void EmbedForm(QWidget &form, QWidget &host, int tag)
{
    form.setParent(&host, Qt::Widget);
    form.setAutoFillBackground(false);
    form.setProperty("Tag", tag);
    const int top = std::min(4, std::abs(host.contentsRect().height() - form.height()) / 2);
    form.move(4, top);
    form.show();
}

void ShowControls(bool visible, const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        if (control)
            control->setVisible(visible);
    }
}

bool PlotYesNo(const QString &message, const QWidget *owner)
{
    // A question asked while a busy cursor shows must not look busy itself.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    const QString caption = QGuiApplication::applicationDisplayName();
    const int flags = MbYesNo | MbIconQuestion;
    MessageService &service = MessageService::instance();
    const int answer = owner ? service.messageBoxAt(message, caption, flags, owner->mapToGlobal(QPoint(20, 30)))
                             : service.messageBox(message, caption, flags);
    return answer == IdYes;
}

bool PlotYesNoDelete(const QString &name, const QWidget *owner)
{
    return PlotYesNo(PlotConst::plotFormat(PlotConst::message(PlotConst::msgDeleteName), {name}), owner);
}

void AddDefaultValueFormats(QStringList &formats)
{
    formats << PlotConst::message(PlotConst::msgDefValueFormat) << QStringLiteral("0") << QStringLiteral("0.0")
            << QStringLiteral("0.#") << QStringLiteral("#.#") << QStringLiteral("#,##0.00;(#,##0.00)")
            << QStringLiteral("00e-0") << QStringLiteral("#.0 \"x10\" E+0") << QStringLiteral("#.# x10E-#");
}

void AddDefaultValueFormats(QComboBox &combo)
{
    QStringList formats;
    AddDefaultValueFormats(formats);
    combo.addItems(formats);
}

void LoadArrowBitmaps(QImage &up, QImage &down)
{
    PlotProcs::LoadBitmapResource(up, QStringLiteral("PlotArrowUp"), QString());
    PlotProcs::LoadBitmapResource(down, QStringLiteral("PlotArrowDown"), QString());
}

void MoveListSelected(QListWidget &source, QListWidget &destination)
{
    // Rows from the bottom up keep the indices of the rows still to take; the items then go
    // to the destination in their original order.
    QList<QListWidgetItem *> moved;
    for (int row = source.count() - 1; row >= 0; --row) {
        if (source.item(row)->isSelected())
            moved.prepend(source.takeItem(row));
    }
    for (QListWidgetItem *item : moved) {
        item->setSelected(false);
        destination.addItem(item);
    }
}

void MoveListAll(QListWidget &source, QListWidget &destination)
{
    while (source.count() > 0)
        destination.addItem(source.takeItem(0));
}

} // namespace PlotPenDlg
