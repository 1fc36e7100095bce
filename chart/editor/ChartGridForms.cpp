// The data grid's registrations.
#include "ChartGridForms.h"

#include "ChartDataPage.h"
#include "ChartGridPanel.h"
#include "EditorRegistry.h"
#include "TChartEditForm.h"
#include "TChartGrid.h"

void registerChartGridForms()
{
    RegisterEditorForm(QStringLiteral("TChartGrid"), [](QWidget *owner, QObject *tag) -> QWidget * {
        auto *panel = new ChartGridPanel(owner);
        panel->ChartGrid1->SetSeries(qobject_cast<TChartSeries *>(tag));
        return panel;
    });
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        auto *data = new ChartDataPage(host);
        data->ShowChart(form.TheChart());
        return data;
    };
    page.refresh = [](QWidget *made) {
        if (auto *data = qobject_cast<ChartDataPage *>(made))
            data->ShowChart(data->ChartGrid1->Chart());
    };
    RegisterEditorPage(cetSeriesData, page);
}
