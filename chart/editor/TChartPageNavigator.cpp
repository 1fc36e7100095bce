// The page navigator.
#include "TChartPageNavigator.h"

#include "GuiCanvas.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PrintJob.h"
#include "ReportException.h"
#include "ServicePrinterInfo.h"
#include "TCustomAxisPanel.h"
#include "platform/BusyCursor.h"
#include "platform/PrinterService.h"

#include <QPainter>
#include <QPixmap>
#include <QScopeGuard>
#include <QToolButton>

namespace {

// A small printer: paper above a grey body.
QIcon printGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 6);
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(1, 7, 13, 5);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 11, 7, 3);
    return QIcon(pixmap);
}

} // namespace

TChartPageNavigator::TChartPageNavigator(QWidget *parent)
    : TCustomPlotNavigator(parent)
{
    setObjectName(QStringLiteral("ChartPageNavigator1"));
    BPrint = new QToolButton(this);
    BPrint->setObjectName(QStringLiteral("BPrint"));
    BPrint->setIcon(printGlyph());
    BPrint->setAutoRaise(true);
    connect(BPrint, &QToolButton::clicked, this, &TChartPageNavigator::printClicked);
    resize(sizeHint());
    placePrintButton();
}

TCustomAxisPanel *TChartPageNavigator::Chart() const
{
    return qobject_cast<TCustomAxisPanel *>(Panel());
}

void TChartPageNavigator::SetPanel(TCustomPlotPanel *panel)
{
    TCustomPlotNavigator::SetPanel(qobject_cast<TCustomAxisPanel *>(panel));
}

int TChartPageNavigator::PageCount()
{
    return Chart() ? Chart()->NumPages() : 0;
}

void TChartPageNavigator::EnableButtons()
{
    TCustomAxisPanel *chart = Chart();
    const int page = chart ? chart->Page() : 0;
    const bool back = chart && page > 1;
    const bool forward = chart && PageCount() > page;
    Button(nbFirst)->setEnabled(back);
    Button(nbPrior)->setEnabled(back);
    Button(nbNext)->setEnabled(forward);
    Button(nbLast)->setEnabled(forward);
    BPrint->setEnabled(chart != nullptr);
}

void TChartPageNavigator::ButtonAction(TPlotNavigateBtn index)
{
    TCustomAxisPanel *chart = Chart();
    if (!chart)
        return;
    const int page = chart->Page();
    const int count = PageCount();
    switch (index) {
    case nbFirst:
        if (page > 1)
            chart->SetPage(1);
        break;
    case nbPrior:
        if (page > 1)
            chart->SetPage(page - 1);
        break;
    case nbNext:
        if (count > page)
            chart->SetPage(page + 1);
        break;
    case nbLast:
        if (count > page)
            chart->SetPage(count);
        break;
    default:
        break;
    }
}

void TChartPageNavigator::PanelEvent(TPlotEvent &event)
{
    if (dynamic_cast<TChartChangePage *>(&event)) {
        EnableButtons();
    } else if (auto *series = dynamic_cast<TPlotSeriesEvent *>(&event);
               series && series->Event == TPlotSeriesEvent::seDataChanged) {
        EnableButtons();
    }
}

void TChartPageNavigator::Print()
{
    TCustomAxisPanel *chart = Chart();
    if (!chart)
        return;
    const int count = PageCount();
    int from = 1;
    int to = 1;
    if (count > 1) {
        to = count;
        if (!PrinterService::instance().printRangeDialog(this, count, from, to))
            return;
    }
    PageNavigator::PrintPages(*chart, from, to);
}

void TChartPageNavigator::printClicked()
{
    const QString failure = printFailure([this] { Print(); });
    if (!failure.isEmpty())
        reportEditorException(failure);
    EnableButtons();
}

void TChartPageNavigator::resizeEvent(QResizeEvent *event)
{
    TCustomPlotNavigator::resizeEvent(event);
    placePrintButton();
}

void TChartPageNavigator::showEvent(QShowEvent *event)
{
    TCustomPlotNavigator::showEvent(event);
    placePrintButton();
}

// The print button takes the fifth of the width after the four page buttons.
void TChartPageNavigator::placePrintButton()
{
    const int slot = width() / 5;
    int x = 0;
    for (const TPlotNavigateBtn index : {nbFirst, nbPrior, nbNext, nbLast}) {
        Button(index)->setGeometry(x, 0, slot, height());
        x += slot;
    }
    BPrint->setGeometry(x, 0, width() - x, height());
}

namespace PageNavigator {

void PrintPages(TCustomAxisPanel &chart, int from, int to)
{
    const BusyCursor busy;
    PrinterService &printer = PrinterService::instance();
    const int shown = chart.Page();
    const auto restore = qScopeGuard([&] { chart.SetPage(shown); });
    RunPrintJob(printer, chart.objectName(), [&](GuiCanvas &canvas) {
        chart.SetPrinterInfo(&servicePrinterInfo());
        for (int page = from; page <= to; ++page) {
            if (page > from && !printer.newPage())
                throw PlotException(PlotConst::plotFormat(PlotConst::message(PlotConst::msgPrintJobFailed),
                                                          {printer.destination()}));
            chart.SetPage(page);
            chart.PrintPartialCanvas(&canvas, chart.ChartPrintRect());
        }
    });
}

} // namespace PageNavigator
