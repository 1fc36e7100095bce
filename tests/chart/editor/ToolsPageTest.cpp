// The Tools page and the tools gallery: what is listed, where new tools go, the order of the
// chart's mouse events after a move, and the tab without tool classes.
#include "EditorTestSetup.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "PlotConst.h"
#include "PlotProCo.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartTools.h"
#include "TFormPlotTools.h"
#include "TPlotCustomTool.h"
#include "TPlotToolsGallery.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Writes its name into a shared log for each mouse press the chart passes on.
class RecordingTool : public TPlotCustomTool
{
public:
    RecordingTool(QObject *owner, const QString &name, QStringList &log)
        : TPlotCustomTool(owner)
        , m_log(log)
    {
        SetName(name);
    }
    QString Description() const override { return Name(); }
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton, TShiftState, int, int) override
    {
        if (kind == TChartMouseEventKind::cmeDown)
            m_log.append(Name());
    }

private:
    QStringList &m_log;
};

class ToolsPage : public EditorChartTest
{
protected:
    // The descriptions in English, whatever language an earlier test left.
    ToolsPage()
    {
        PlotConst::SetLibraryMessages();
        PlotProCo::SetGalleryTexts();
    }
    RecordingTool *addTool(const QString &name)
    {
        auto *tool = new RecordingTool(chart.get(), name, log);
        tool->SetParentChart(chart.get());
        return tool;
    }
    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < page.LBTools->count(); ++i)
            texts.append(page.LBTools->item(i)->text());
        return texts;
    }
    void showPage()
    {
        page.show();
        page.FillTools();
    }

    QStringList log;
    TFormPlotTools page{chart.get()};
};

// The descriptions a gallery tab lists.
QStringList galleryTab(TPlotToolsGallery &gallery, int tab)
{
    gallery.TabControl1->setCurrentIndex(tab);
    QStringList texts;
    for (int i = 0; i < gallery.LBTool->count(); ++i)
        texts.append(gallery.LBTool->item(i)->text());
    return texts;
}

} // namespace

TEST_F(ToolsPage, WithoutToolClassesTheToolsTabNeverShows)
{
    std::vector<const ChartClassDescriptor *> classes;
    for (int i = 0; i < PlotToolTypes().Count(); ++i)
        classes.push_back(PlotToolTypes().GetItem(i));
    ASSERT_FALSE(classes.empty());
    for (const ChartClassDescriptor *toolClass : classes)
        UnRegisterPlotTools({toolClass});
    TChartEditForm editor;
    editor.SetChart(chart.get());
    editor.show();
    EXPECT_FALSE(editor.IsTabShown(cetTools));
    EXPECT_FALSE(editor.MainPage->isTabVisible(editor.MainPage->indexOf(editor.TabTools)));
    for (const ChartClassDescriptor *toolClass : classes)
        RegisterPlotTools({toolClass});
    EXPECT_EQ(PlotToolTypes().Count(), int(classes.size()));
    EXPECT_EQ(PlotToolTypes().GetItem(0), classes.front());
    editor.hide();
    editor.show();
    EXPECT_TRUE(editor.MainPage->isTabVisible(editor.MainPage->indexOf(editor.TabTools)));
}

TEST_F(ToolsPage, ListsToolsShownInEditorsAndDeletingTheFirstOfThreeSelectsTheLast)
{
    addTool(QStringLiteral("A"));
    addTool(QStringLiteral("Hidden"))->SetShowInEditor(false);
    addTool(QStringLiteral("B"));
    addTool(QStringLiteral("C"));
    showPage();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    page.LBTools->setCurrentRow(0);
    messages.setDefaultAnswer(IdYes);
    page.BDelete->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("A")));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(page.LBTools->currentRow(), 1);
    EXPECT_EQ(chart->Tools().Count(), 3);
    // No answers "keep it".
    messages.setDefaultAnswer(IdNo);
    page.BDelete->click();
    EXPECT_EQ(chart->Tools().Count(), 3);
}

TEST_F(ToolsPage, ANewToolFromTheGalleryJoinsTheChartAsItsOtherToolsAreOwned)
{
    addTool(QStringLiteral("Existing"));
    showPage();
    QList<TPlotCustomTool *> added;
    page.OnAdded = [&added](TPlotCustomTool *tool) { added.append(tool); };
    QTimer::singleShot(0, &page, [] {
        auto *gallery = qobject_cast<TPlotToolsGallery *>(QApplication::activeModalWidget());
        ASSERT_NE(gallery, nullptr);
        EXPECT_FALSE(gallery->BOk->isEnabled());
        gallery->TabControl1->setCurrentIndex(2);
        ASSERT_GT(gallery->LBTool->count(), 0);
        gallery->LBTool->setCurrentRow(0);
        EXPECT_TRUE(gallery->BOk->isEnabled());
        gallery->BOk->click();
    });
    page.BAdd->click();
    ASSERT_EQ(added.size(), 1);
    TPlotCustomTool *tool = added.front();
    EXPECT_EQ(tool->parent(), chart.get());
    EXPECT_EQ(tool->ParentChart(), chart.get());
    EXPECT_EQ(tool->Name(), QStringLiteral("ChartTool1"));
    EXPECT_EQ(ToolGalleryTab(*tool), 2);
    EXPECT_EQ(page.SelectedTool(), tool);
    EXPECT_EQ(page.LBTools->currentRow(), 1);
}

TEST_F(ToolsPage, MovingAToolUpGivesItTheChartsMouseFirst)
{
    addTool(QStringLiteral("First"));
    RecordingTool *second = addTool(QStringLiteral("Second"));
    showPage();
    page.LBTools->setCurrentRow(1);
    EXPECT_FALSE(page.BMoveDown->isEnabled());
    page.BMoveUp->click();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Second"), QStringLiteral("First")}));
    EXPECT_EQ(chart->Tools().Item(0), second);
    EXPECT_EQ(page.SelectedTool(), second);
    EXPECT_FALSE(page.BMoveUp->isEnabled());
    chart->show();
    sendMouse(*chart, QEvent::MouseButtonPress, 200, 150);
    sendMouse(*chart, QEvent::MouseButtonRelease, 200, 150);
    EXPECT_EQ(log, (QStringList{QStringLiteral("Second"), QStringLiteral("First")}));
}

TEST_F(ToolsPage, TheGalleryTabsSortToolsByWhatTheyBindTo)
{
    TPlotToolsGallery gallery;
    gallery.show();
    ASSERT_EQ(gallery.TabControl1->count(), 3);
    EXPECT_EQ(gallery.TabControl1->tabText(1), QStringLiteral("Axis"));
    const QStringList series = galleryTab(gallery, 0);
    const QStringList axis = galleryTab(gallery, 1);
    const QStringList other = galleryTab(gallery, 2);
    EXPECT_TRUE(series.contains(QStringLiteral("Cursor")));
    EXPECT_TRUE(axis.contains(QStringLiteral("Axis Arrows")));
    EXPECT_TRUE(other.contains(QStringLiteral("Rotate")));
    EXPECT_FALSE(other.contains(QStringLiteral("Cursor")));
    EXPECT_EQ(series.size() + axis.size() + other.size(), PlotToolTypes().Count());
    EXPECT_FALSE(gallery.LBTool->item(0)->icon().isNull());
}

TEST_F(ToolsPage, TheEditorsToolsNodeFollowsAddedAndDeletedTools)
{
    addTool(QStringLiteral("Kept"));
    TChartEditForm editor;
    editor.SetChart(chart.get());
    editor.SetTreeMode(true);
    editor.show();
    editor.ShowTab(cetTools);
    auto *tools = qobject_cast<TFormPlotTools *>(editor.Page(cetTools));
    ASSERT_NE(tools, nullptr);
    const auto toolsNode = [&editor] {
        const QList<QTreeWidgetItem *> found = editor.Tree->findItems(QStringLiteral("Tools"), Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    };
    ASSERT_NE(toolsNode(), nullptr);
    EXPECT_EQ(toolsNode()->childCount(), 1);
    tools->AddTool(*PlotToolTypes().GetItem(0));
    EXPECT_EQ(toolsNode()->childCount(), 2);
    EXPECT_EQ(editor.MainPage->currentWidget(), editor.TabTools);
    // Choosing the first tool's node selects it on the page.
    editor.Tree->setCurrentItem(toolsNode()->child(0));
    EXPECT_EQ(tools->SelectedTool()->Name(), QStringLiteral("Kept"));
    messages.setDefaultAnswer(IdYes);
    tools->BDelete->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(toolsNode()->childCount(), 1);
}
