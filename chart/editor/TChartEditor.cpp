// The chart editor component.
#include "TChartEditor.h"

#include "PlotProcs.h"
#include "TChartEditForm.h"
#include "TCustomChart.h"

#include <memory>

TChartEditor::TChartEditor(QObject *parent)
    : TCustomChartEditor(parent)
{
}

void TChartEditor::SetChart(TCustomPlotPanel *chart)
{
    TCustomChartEditor::SetChart(chart);
    if (m_series && m_series->ParentChart() != chart)
        m_series = nullptr;
}

void TChartEditor::SetSeries(TChartSeries *series)
{
    m_series = series;
    if (series && Chart() && series->ParentChart() != Chart())
        TCustomChartEditor::SetChart(series->ParentChart());
}

void TChartEditor::Execute()
{
    // A panel that is no chart has nothing for this editor.
    const QPointer<TCustomChart> chart = qobject_cast<TCustomChart *>(Chart());
    if (!chart)
        return;
    auto form = std::make_unique<TChartEditForm>();
    form->SetTreeMode(TreeView);
    form->RememberPosition = RememberPosition;
    form->setWindowTitle(Title);
    form->Options = Options;
    form->SetChart(chart);
    form->HighLightTabs = HighLightTabs;
    form->EditSeries = m_series;
    form->DefaultTab = DefaultTab;
    form->HideTabs = HideTabs;
    if (OnChangeSeriesOrder)
        form->OnChangeSeriesOrder = OnChangeSeriesOrder;
    Q_EMIT OnShow(form.get());
    const bool savedAutoRepaint = chart->AutoRepaint;
    if (!AutoRepaint)
        chart->AutoRepaint = false;
    // The chart's own setting comes back however the dialog ends.
    struct RestoreAutoRepaint
    {
        TChartEditor &editor;
        QPointer<TCustomChart> chart;
        bool saved;
        ~RestoreAutoRepaint()
        {
            if (!editor.AutoRepaint && chart) {
                chart->AutoRepaint = saved;
                chart->Invalidate();
            }
        }
    };
    {
        const RestoreAutoRepaint restore{*this, chart, savedAutoRepaint};
        PlotProcs::PlotTranslateControl(form.get());
        form->exec();
    }
    Q_EMIT OnClose(form.get());
    form.reset();
    if (chart)
        chart->CancelMouse = true;
}
