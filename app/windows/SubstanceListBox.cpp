// The substance list and its two-column item painting.
#include "app/windows/SubstanceListBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace {

// Draws the item text with its tab expanded to a fixed stop, so formulas line up.
class TabbedItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString text = plain.text;
        // The style draws background, selection and focus; the text is drawn below with its tab.
        plain.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

        const QPalette::ColorRole role
            = (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
        textOption.setWrapMode(QTextOption::NoWrap);
        // A tab stop of 120 dialog units: 30 average characters.
        textOption.setTabStopDistance(30.0 * option.fontMetrics.averageCharWidth());
        painter->save();
        painter->setPen(option.palette.color(role));
        painter->drawText(QRectF(option.rect.adjusted(4, 0, -2, 0)), text, textOption);
        painter->restore();
    }
};

} // namespace

SubstanceListBox::SubstanceListBox(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new TabbedItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void SubstanceListBox::mousePressEvent(QMouseEvent *event)
{
    // Only the left button selects: a right click that moved the selection without a Click
    // would let the context menu act on a record other than the one the panel shows.
    // The event stays unaccepted, so the context menu still comes.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_rowAtPress = currentRow();
    QListWidget::mousePressEvent(event);
}

void SubstanceListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A press that moved the selection counts as a click also when the button is let go
    // beside the items, so the panel never shows another record than the selected one.
    if (itemAt(event->position().toPoint()) || (currentRow() != m_rowAtPress && currentRow() >= 0))
        Q_EMIT Click();
}

void SubstanceListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        Q_EMIT Click();
}
