// Radio buttons laid out row by row in the given number of columns.
#include "RadioGroup.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(caption, parent)
{
    auto *layout = new QGridLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_buttons.addButton(button, i);
        layout->addWidget(button, i / columns, i % columns);
    }
}

void RadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons.button(index))
        button->setChecked(true);
}
