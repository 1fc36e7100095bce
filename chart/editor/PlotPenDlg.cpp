// Creating, placing and embedding editor forms, questions and list helpers.
#include "PlotPenDlg.h"

#include "PlotConst.h"
#include "PlotProcs.h"
#include "platform/MessageService.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace PlotPenDlg {

QWidget *EditorOwnerForm(QObject *owner)
{
    auto *widget = qobject_cast<QWidget *>(owner);
    return widget ? widget->window() : nullptr;
}

void PrepareEditorForm(QWidget &form)
{
    form.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QRect around;
    if (const QWidget *parent = form.parentWidget())
        around = parent->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        around = screen->availableGeometry();
    if (!around.isEmpty())
        form.move(around.center() - form.rect().center());
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
