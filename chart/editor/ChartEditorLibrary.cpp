// Start of the chart editor library.
#include "ChartEditorLibrary.h"

#include "ChartGridForms.h"
#include "EditorRegistry.h"
#include "FunctionEditorForms.h"
#include "PlotGally.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "SeriesEditorForms.h"
#include "TChartEditForm.h"
#include "TChartPreview.h"
#include "TChartAxis.h"
#include "TFormPlotAxis.h"
#include "TFormPlotGeneral.h"
#include "TFormPlotPage.h"
#include "TCustomChart.h"
#include "TFormPlotShape.h"
#include "TFormPlotLegend.h"
#include "TFormPlotPanel.h"
#include "TFormPlotTitle.h"
#include "TFormPlotWall.h"
#include "TFormatEditor.h"
#include "TPlotCustomShape.h"
#include "TFormPlot3D.h"
#include "TFormPlotTools.h"
#include "TPlotCustomTool.h"
#include "TPlotPreviewPanel.h"

#include <QFrame>
#include <QGroupBox>
#include <QPointer>

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

// The 3D page; showing it again returns to its Options tab.
EditorPage page3D()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        return new TFormPlot3D(form.TheChart(), host);
    };
    page.refresh = [](QWidget *made) {
        if (auto *page3D = qobject_cast<TFormPlot3D *>(made))
            page3D->RefreshOnShow();
    };
    return page;
}

// The Tools tab; its tree node has a child per listed tool, rebuilt as tools come and go.
EditorPage toolsPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        auto *tools = new TFormPlotTools(form.TheChart(), host);
        QPointer<TChartEditForm> editor(&form);
        const auto rebuild = [editor](TPlotCustomTool *) {
            if (editor)
                editor->RefreshPageNodes(cetTools);
        };
        tools->OnAdded = rebuild;
        // The tool still exists when this runs: the nodes are rebuilt once it is gone.
        tools->OnDeleted = [editor, tools](TPlotCustomTool *) {
            QMetaObject::invokeMethod(tools, [editor] {
                if (editor)
                    editor->RefreshPageNodes(cetTools);
            }, Qt::QueuedConnection);
        };
        return tools;
    };
    page.refresh = [](QWidget *made) {
        if (auto *tools = qobject_cast<TFormPlotTools *>(made))
            tools->RefreshOnShow();
    };
    page.children = [](TChartEditForm &form) {
        QList<EditorPageNode> nodes;
        if (form.TheChart()) {
            for (TPlotCustomTool *tool : TFormPlotTools::ListedTools(*form.TheChart()))
                nodes.append({tool->Description(), tool});
        }
        return nodes;
    };
    page.selectChild = [](QWidget *made, QObject *child) {
        if (auto *tools = qobject_cast<TFormPlotTools *>(made))
            tools->SelectTool(qobject_cast<TPlotCustomTool *>(child));
    };
    return page;
}

// The Axis page on the chart's left axis; the tree lists every axis of the chart.
EditorPage axisPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        TCustomChart *chart = form.TheChart();
        auto *made = new TFormPlotAxis(host, chart, chart ? chart->LeftAxis() : nullptr);
        made->OnChangeHorizAxis = [&form](TChartAxis *) {
            if (form.SeriesForm())
                form.SeriesForm()->update();
        };
        // The tree's axis nodes follow at once: a removed axis must leave no node behind.
        made->OnAxesChanged = [editor = QPointer<TChartEditForm>(&form)] {
            if (editor)
                editor->RefreshPageNodes(cetAxis);
        };
        return made;
    };
    page.refresh = [](QWidget *made) {
        if (auto *axisForm = qobject_cast<TFormPlotAxis *>(made))
            axisForm->PageAxisChange();
    };
    page.children = [](TChartEditForm &form) {
        QList<EditorPageNode> nodes;
        TCustomChart *chart = form.TheChart();
        if (!chart)
            return nodes;
        for (int i = 0; i < chart->Axes().Count(); ++i)
            nodes.append({TFormPlotAxis::AxisListName(i), chart->Axes()[i]});
        return nodes;
    };
    page.selectChild = [](QWidget *made, QObject *child) {
        if (auto *axisForm = qobject_cast<TFormPlotAxis *>(made))
            axisForm->SetAxis(qobject_cast<TChartAxis *>(child));
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
    RegisterEditorPage(cet3D, page3D());
    RegisterEditorPage(cetTools, toolsPage());
    RegisterEditorPage(cetGeneral, generalEditorPage());
    RegisterEditorPage(cetAxis, axisPage());
    EditorPage paging;
    paging.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        return new TFormPlotPage(host, form.TheChart());
    };
    RegisterEditorPage(cetPaging, paging);
    registerSeriesEditorForms();
    RegisterEditorForm(QStringLiteral("TFormPlotShape"), [](QWidget *owner, QObject *tag) -> QWidget * {
        return CreateShapeEditor(owner, qobject_cast<TPlotCustomShape *>(tag), owner);
    });
    RegisterEditorPage(cetTitles, titlesEditorPage());
    RegisterEditorPage(cetLegend, legendEditorPage());
    RegisterEditorPage(cetPanel, panelEditorPage());
    RegisterEditorPage(cetWalls, wallsEditorPage());
    RegisterEditorForm(QStringLiteral("TFormatEditor"),
                       [](QWidget *owner, QObject *) -> QWidget * { return new TFormatEditor(owner); });
    registerFunctionEditorForms();
    registerChartGridForms();
    PlotGally::InstallGalleryHooks();
}
