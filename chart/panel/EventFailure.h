// How the chart widgets report a failure of an event handler: after the event, because a
// message box must not open inside a paint event.
#pragma once

#include <QString>

// Queues the message for the program's error box; without one (a program that is not a
// GuardedApplication) it becomes a warning.
void ReportAfterEvent(const QString &message);
