// Small builders the per-type editor forms share: named controls, buddy labels, spin boxes that
// say their range.
#pragma once

#include "RangeSpinBox.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QString>
#include <QTabWidget>
#include <QWidget>

namespace EditorWidgets {

// The control gets its name, by which tests and the translation find it.
template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QSpinBox *spinBox(QWidget *parent, const char *name, int minimum, int maximum, int step = 1)
{
    auto *box = named(new RangeSpinBox(parent), name);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    return box;
}

inline QLabel *label(QWidget *parent, const QString &caption, QWidget *buddy, const char *name)
{
    auto *text = named(new QLabel(caption, parent), name);
    text->setBuddy(buddy);
    return text;
}

// A text box under its label on the left and the options stacked on the right, each label right
// above its control however tall the page: in one grid the rows that the text box spans grew with
// it, and their labels stood in the middle of tall rows, far from their controls.
inline void textBesideOptions(QWidget *page, QLabel *textLabel, QWidget *text, const QList<QWidget *> &options)
{
    auto *columns = new QHBoxLayout(page);
    auto *textColumn = new QVBoxLayout;
    textColumn->addWidget(textLabel);
    textColumn->addWidget(text, 1);
    columns->addLayout(textColumn, 1);
    auto *optionColumn = new QVBoxLayout;
    for (QWidget *option : options)
        optionColumn->addWidget(option);
    optionColumn->addStretch(1);
    columns->addLayout(optionColumn);
}

// A named page of the tab widget, with the caption on its tab.
inline QWidget *tabPage(QTabWidget *tabs, const char *name, const QString &caption)
{
    auto *page = named(new QWidget(tabs), name);
    tabs->addTab(page, caption);
    return page;
}

} // namespace EditorWidgets
