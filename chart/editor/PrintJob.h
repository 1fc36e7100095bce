// One job of the printer service, drawn through a canvas on the job's painter. A job that cannot
// start or finish raises the print failure naming where it goes; a failure while drawing aborts it.
#pragma once

#include <QString>

#include <functional>

class GuiCanvas;
class PrinterService;

void RunPrintJob(PrinterService &printer, const QString &title, const std::function<void(GuiCanvas &)> &draw);
