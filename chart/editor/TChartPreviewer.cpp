// The print preview component.
#include "TChartPreviewer.h"

#include "TChartPreview.h"
#include "TComboFlat.h"
#include "TPlotPreviewPanel.h"

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

#include <memory>
#include <utility>

TChartPreviewer::TChartPreviewer(QObject *parent)
    : TCustomChartEditor(parent)
{
}

TChartPreview *TChartPreviewer::Form() const
{
    return m_form;
}

void TChartPreviewer::Execute()
{
    // The chart may go while the dialog runs its own event loop.
    const QPointer<TCustomPlotPanel> chart = Chart();
    if (!chart)
        return;
    // No parent: the form is ours alone, whatever happens to the chart's window meanwhile.
    auto form = std::make_unique<TChartPreview>();
    m_form = form.get();
    TPlotPreviewPanel *preview = form->PlotPreviewPanel1;
    // The title names the window and the print job; without one the job takes the chart's name.
    if (!m_title.isEmpty())
        form->setWindowTitle(m_title);
    preview->SetTitle(m_title);
    preview->SetPanel(chart);
    connect(preview, &TCustomPlotPanelExtended::OnAfterDraw, this, &TChartPreviewer::OnAfterDraw);
    form->setWindowState(m_windowState);

    form->CBPrinters->setEnabled(m_options.testFlag(cpoChangePrinter));
    form->BSetupPrinter->setEnabled(m_options.testFlag(cpoSetupPrinter));
    preview->SetAllowResize(m_options.testFlag(cpoResizeChart));
    preview->SetAllowMove(m_options.testFlag(cpoMoveChart));
    form->ChangeDetailGroup->setEnabled(m_options.testFlag(cpoChangeDetail));
    form->Orientation->setEnabled(m_options.testFlag(cpoChangePaperOrientation));
    if (!m_options.testFlag(cpoChangeMargins)) {
        form->GBMargins->setEnabled(false);
        form->BReset->setEnabled(false);
    }
    // Without the option a proportional chart keeps fixed margins from now on.
    if (chart->PrintProportional())
        chart->SetPrintProportional(m_options.testFlag(cpoProportional));
    preview->SetPaperColor(m_paperColor);
    preview->SetDragImage(m_options.testFlag(cpoDragChart));
    const bool printBackground = std::exchange(TCustomPlotPanel::PrintBackground, m_options.testFlag(cpoPrintPanel));
    const auto restore = qScopeGuard([&] {
        TCustomPlotPanel::PrintBackground = printBackground;
        m_form = nullptr;
    });
    preview->SetAsBitmap(m_options.testFlag(cpoAsBitmap));

    Q_EMIT OnShow(form.get());
    form->exec();
    TCustomPlotPanel::PrintBackground = printBackground;
    Q_EMIT OnClose(form.get());
    form.reset();
    // The click that closed the dialog must not act on the chart.
    if (chart) {
        chart->Invalidate();
        chart->CancelMouse = true;
    }
}
