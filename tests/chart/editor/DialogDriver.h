// Driving editor dialogs through their widgets: finding controls by name, picking combo items,
// and running a modal dialog with the steps a user would take while it is open.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

template <class Widget>
Widget *child(const QObject &parent, const char *name)
{
    auto *widget = parent.findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Picks an item as the user does from the drop-down list.
inline void choose(QComboBox &combo, int index)
{
    combo.setCurrentIndex(index);
    Q_EMIT combo.activated(index);
}

// Runs steps on the modal dialog that opens next, once it shows. The steps must close it.
inline void whenModalShows(std::function<void(QDialog &)> steps)
{
    QTimer::singleShot(0, [steps = std::move(steps)] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        steps(*dialog);
    });
}
