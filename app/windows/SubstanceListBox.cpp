// The substance list and its two-column item painting.
#include "app/windows/SubstanceListBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace {

// Space around the text of an item, as the style leaves it.
constexpr int kTextMarginLeft = 4;
constexpr int kTextMarginRight = 2;

QString namePart(const QString &itemText)
{
    return itemText.left(itemText.indexOf(u'\t'));
}

QString formulaPart(const QString &itemText)
{
    const qsizetype tab = itemText.indexOf(u'\t');
    return tab < 0 ? QString() : itemText.mid(tab + 1);
}

// Draws the name and the formula of an item in the list's two columns.
class TwoColumnItemDelegate : public QStyledItemDelegate
{
public:
    explicit TwoColumnItemDelegate(SubstanceListBox *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString text = plain.text;
        // The style draws background, selection and focus; the two columns are drawn below.
        plain.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

        const QPalette::ColorRole role
            = (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        const QRect textRect = option.rect.adjusted(kTextMarginLeft, 0, -kTextMarginRight, 0);
        const int column = m_list->formulaColumn();
        const QString name = option.fontMetrics.elidedText(namePart(text), Qt::ElideRight, m_list->nameWidth());
        painter->save();
        painter->setPen(option.palette.color(role));
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
        painter->drawText(textRect.adjusted(column, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          formulaPart(text));
        painter->restore();
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() == QEvent::ToolTip) {
            const QString name = namePart(index.data().toString());
            if (option.fontMetrics.horizontalAdvance(name) > m_list->nameWidth()) {
                QToolTip::showText(event->globalPos(), name, view);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

private:
    const SubstanceListBox *m_list;
};

} // namespace

SubstanceListBox::SubstanceListBox(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new TwoColumnItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

// The view's own notifications, not connections to the model: those would still reach this
// object while the base class destroys the items.
void SubstanceListBox::rowsInserted(const QModelIndex &parent, int start, int end)
{
    m_measured = false;
    QListWidget::rowsInserted(parent, start, end);
}

void SubstanceListBox::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    m_measured = false;
    QListWidget::rowsAboutToBeRemoved(parent, start, end);
}

void SubstanceListBox::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                   const QList<int> &roles)
{
    m_measured = false;
    QListWidget::dataChanged(topLeft, bottomRight, roles);
}

void SubstanceListBox::reset()
{
    m_measured = false;
    QListWidget::reset();
}

void SubstanceListBox::measure() const
{
    if (m_measured)
        return;
    const QFontMetrics metrics = fontMetrics();
    m_longestName = 0;
    m_widestFormula = 0;
    for (int row = 0; row < count(); ++row) {
        const QString text = item(row)->text();
        m_longestName = std::max(m_longestName, metrics.horizontalAdvance(namePart(text)));
        m_widestFormula = std::max(m_widestFormula, metrics.horizontalAdvance(formulaPart(text)));
    }
    m_measured = true;
}

int SubstanceListBox::formulaColumn() const
{
    measure();
    const int averageChar = fontMetrics().averageCharWidth();
    // 120 dialog units are 30 average characters; two characters part a name from its formula.
    const int tabStop = 30 * averageChar;
    const int afterLongestName = m_longestName + 2 * averageChar;
    const int room = viewport()->width() - kTextMarginLeft - kTextMarginRight - m_widestFormula;
    return std::max(tabStop, std::min(afterLongestName, room));
}

int SubstanceListBox::nameWidth() const
{
    return formulaColumn() - 2 * fontMetrics().averageCharWidth();
}

void SubstanceListBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_measured = false;
    QListWidget::changeEvent(event);
}

void SubstanceListBox::mousePressEvent(QMouseEvent *event)
{
    // A right press on an item selects it with a Click, so that its owner shows the record
    // before the context menu acts on it; beside the items it changes nothing. The other buttons
    // never select. The event stays unaccepted, so the context menu still comes.
    if (event->button() != Qt::LeftButton) {
        if (event->button() == Qt::RightButton) {
            if (const QListWidgetItem *pressed = itemAt(event->position().toPoint())) {
                setCurrentRow(row(pressed));
                Q_EMIT Click();
            }
        }
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
