// The printer service's job around a drawing.
#include "PrintJob.h"

#include "GuiCanvas.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "platform/PrinterService.h"

void RunPrintJob(PrinterService &printer, const QString &title, const std::function<void(GuiCanvas &)> &draw)
{
    const auto failed = [&printer] {
        return PlotException(
            PlotConst::plotFormat(PlotConst::message(PlotConst::msgPrintJobFailed), {printer.destination()}));
    };
    if (!printer.beginJob(title))
        throw failed();
    try {
        GuiCanvas canvas;
        canvas.attachPainter(printer.jobPainter());
        draw(canvas);
        canvas.endPaint();
    } catch (...) {
        printer.abortJob();
        throw;
    }
    if (!printer.endJob())
        throw failed();
}
