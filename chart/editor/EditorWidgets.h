// Small builders the per-type editor forms share: named controls, buddy labels, spin boxes that
// say their range.
#pragma once

#include "RangeSpinBox.h"

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

// A named page of the tab widget, with the caption on its tab.
inline QWidget *tabPage(QTabWidget *tabs, const char *name, const QString &caption)
{
    auto *page = named(new QWidget(tabs), name);
    tabs->addTab(page, caption);
    return page;
}

} // namespace EditorWidgets
