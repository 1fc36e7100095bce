// The one registry of the editors: editor forms by class name, and the chart editor's pages by
// tab. Libraries register explicitly from their start-up, in any order; a form reads the
// registry each time it shows, so an entry registered late appears at the next showing.
#pragma once

#include "ChartEditorTypes.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QObject;
class QWidget;
class TChartEditForm;
class TCustomChartElement;
class TPlotFunction;

// Makes an editor form as a child of owner, on the object it edits (its tag).
using EditorFormFactory = std::function<QWidget *(QWidget *owner, QObject *tag)>;

// A child node of a page's tree node: an axis, a title, a tool.
struct EditorPageNode
{
    QString caption;
    QObject *object = nullptr;
};

struct EditorPage
{
    // Makes the page as a child of host, for the editor form's chart, options and hidden tabs.
    std::function<QWidget *(TChartEditForm &form, QWidget *host)> create;
    // Brings a page made earlier up to date on a later visit; optional.
    std::function<void(QWidget *page)> refresh;
    // The children of the page's tree node; optional.
    std::function<QList<EditorPageNode>(TChartEditForm &form)> children;
    // Shows one of those children on the page; optional.
    std::function<void(QWidget *page, QObject *child)> selectChild;
};

// Registering a name or tab again replaces its entry.
void RegisterEditorForm(const QString &className, EditorFormFactory factory);
void RegisterEditorPage(TChartEditorTab tab, EditorPage page);

// The factory registered under the name; empty when none.
EditorFormFactory FindEditorForm(const QString &className);
// The form registered under the name the element's class answers for its editor; empty when
// the element has none or the name is not registered.
EditorFormFactory GetSeriesEditorClass(const TCustomChartElement *element);
EditorFormFactory GetSeriesEditorClass(const TPlotFunction *function);
// The page registered for the tab; none when the tab has no page.
const EditorPage *FindEditorPage(TChartEditorTab tab);

// Registers for one scope (a test) and puts back what was registered before, or nothing.
class ScopedEditorForm
{
public:
    ScopedEditorForm(const QString &className, EditorFormFactory factory);
    ~ScopedEditorForm();
    ScopedEditorForm(const ScopedEditorForm &) = delete;
    ScopedEditorForm &operator=(const ScopedEditorForm &) = delete;

private:
    QString m_name;
    EditorFormFactory m_previous;
};

class ScopedEditorPage
{
public:
    ScopedEditorPage(TChartEditorTab tab, EditorPage page);
    // Takes the tab's page away for the scope.
    explicit ScopedEditorPage(TChartEditorTab tab);
    ~ScopedEditorPage();
    ScopedEditorPage(const ScopedEditorPage &) = delete;
    ScopedEditorPage &operator=(const ScopedEditorPage &) = delete;

private:
    TChartEditorTab m_tab;
    std::optional<EditorPage> m_previous;
};
