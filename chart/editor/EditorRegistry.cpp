// The registry of editor forms and chart editor pages.
#include "EditorRegistry.h"

#include "TChartSeries.h"
#include "TCustomChartElement.h"
#include "TPlotFunction.h"

#include <QHash>

namespace {

struct Registry
{
    QHash<QString, EditorFormFactory> forms;
    QHash<int, EditorPage> pages;
};

// A function-local static: start-ups of other libraries may register before or after ours.
Registry &registry()
{
    static Registry instance;
    return instance;
}

void unregisterEditorPage(TChartEditorTab tab)
{
    registry().pages.remove(int(tab));
}

} // namespace

void RegisterEditorForm(const QString &className, EditorFormFactory factory)
{
    if (factory)
        registry().forms.insert(className, std::move(factory));
    else
        registry().forms.remove(className);
}

void RegisterEditorPage(TChartEditorTab tab, EditorPage page)
{
    if (page.create)
        registry().pages.insert(int(tab), std::move(page));
    else
        unregisterEditorPage(tab);
}

EditorFormFactory FindEditorForm(const QString &className)
{
    if (className.isEmpty())
        return {};
    return registry().forms.value(className);
}

EditorFormFactory GetSeriesEditorClass(const TCustomChartElement *element)
{
    return element ? FindEditorForm(element->GetEditorClassName()) : EditorFormFactory();
}

EditorFormFactory GetSeriesEditorClass(const TPlotFunction *function)
{
    return function ? FindEditorForm(function->GetEditorClassName()) : EditorFormFactory();
}

const EditorPage *FindEditorPage(TChartEditorTab tab)
{
    const auto found = registry().pages.constFind(int(tab));
    return found == registry().pages.constEnd() ? nullptr : &found.value();
}

ScopedEditorForm::ScopedEditorForm(const QString &className, EditorFormFactory factory)
    : m_name(className)
    , m_previous(FindEditorForm(className))
{
    RegisterEditorForm(className, std::move(factory));
}

ScopedEditorForm::~ScopedEditorForm()
{
    RegisterEditorForm(m_name, std::move(m_previous));
}

ScopedEditorPage::ScopedEditorPage(TChartEditorTab tab, EditorPage page)
    : m_tab(tab)
{
    if (const EditorPage *previous = FindEditorPage(tab))
        m_previous = *previous;
    RegisterEditorPage(tab, std::move(page));
}

ScopedEditorPage::ScopedEditorPage(TChartEditorTab tab)
    : ScopedEditorPage(tab, EditorPage())
{
}

ScopedEditorPage::~ScopedEditorPage()
{
    if (m_previous)
        RegisterEditorPage(m_tab, std::move(*m_previous));
    else
        unregisterEditorPage(m_tab);
}
