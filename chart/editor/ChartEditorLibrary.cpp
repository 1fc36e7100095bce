// Start of the chart editor library.
#include "ChartEditorLibrary.h"

#include "EditorRegistry.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "SeriesEditorForms.h"
#include "TChartEditForm.h"
#include "TChartPreview.h"
#include "TPlotPreviewPanel.h"

#include <QFrame>
#include <QGroupBox>

namespace {

// The Print tab: the print preview of the edited chart, without its margins and Close button.
EditorPage printPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        auto *preview = new TChartPreview(host);
        preview->setWindowFlags(Qt::Widget);
        preview->setObjectName(QStringLiteral("PreviewForm"));
        preview->TagPanel = form.TheChart();
        preview->GBMargins->hide();
        preview->PanelMargins->hide();
        preview->HideCloseButton();
        return preview;
    };
    page.refresh = [](QWidget *made) {
        if (auto *preview = qobject_cast<TChartPreview *>(made))
            preview->PlotPreviewPanel1->update();
    };
    return page;
}

} // namespace

void registerChartEditor()
{
    PlotProcs::PlotTranslateHook() = PlotTranslate::TranslateControlTexts;
    RegisterEditorForm(QStringLiteral("TChartEditForm"),
                       [](QWidget *owner, QObject *) -> QWidget * { return new TChartEditForm(owner); });
    RegisterEditorPage(cetPrintPreview, printPage());
    registerSeriesEditorForms();
}
