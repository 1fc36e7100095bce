// Controls of the diagram windows under their component names.
#pragma once

#include <QString>

// Gives a new control its component name as object and accessible name, so that tests and
// screen readers find it.
template<typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(widget->objectName());
    return widget;
}
