// The chart editor component and its form: tabs by option and registration, the first tab, the
// tree, the remembered place and size, and what Execute does around the modal dialog.
#include "TChartEditor.h"

#include "EditorRegistry.h"
#include "EditorTestSetup.h"
#include "PlotEditorOptions.h"
#include "PlotGalleryHooks.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartGrid.h"
#include "ChartGridModel.h"
#include "TChartPreview.h"
#include "TChartTitle.h"
#include "TChartListBox.h"
#include "TFormPlotSeries.h"
#include "TSeriesGroup.h"
#include "ScriptedDialogService.h"
#include "TLineSeries.h"
#include "PlotHelpFile.h"
#include "ScopedEnvironment.h"
#include "StandInProgram.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

class ChartEditor : public EditorChartTest
{
protected:
    TChartEditor editor;
    // The library's own chart pages are taken away: each test registers the pages it looks at.
    std::vector<std::unique_ptr<ScopedEditorPage>> noChartPages;

    ChartEditor()
    {
        editor.SetChart(chart.get());
        for (const TChartEditorTab tab : {cetGeneral, cetAxis, cetTitles, cetLegend, cetPanel, cetPaging, cetWalls, cet3D})
            noChartPages.push_back(std::make_unique<ScopedEditorPage>(tab));
    }

    // Runs Execute; the check sees the form while it shows, then the form closes.
    void execute(const std::function<void(TChartEditForm &)> &check)
    {
        const QMetaObject::Connection shown = QObject::connect(&editor, &TChartEditor::OnShow, [&](QWidget *form) {
            QTimer::singleShot(0, form, [form, check] {
                auto &editForm = *qobject_cast<TChartEditForm *>(form);
                check(editForm);
                editForm.BClose->click();
            });
        });
        editor.Execute();
        QObject::disconnect(shown);
    }

    static void seed(const QList<QPair<QString, QString>> &values)
    {
        SettingsStore store(PlotProcs::EditorOptionsKey());
        for (const auto &[name, value] : values)
            store.writeString(name, value);
        ASSERT_TRUE(store.flush());
    }

    static bool subTabShown(const TChartEditForm &form, QWidget *tab)
    {
        return form.SubPage->isTabVisible(form.SubPage->indexOf(tab));
    }
    static bool mainTabShown(const TChartEditForm &form, QWidget *tab)
    {
        return form.MainPage->isTabVisible(form.MainPage->indexOf(tab));
    }
    static QStringList rootNodes(const TChartEditForm &form)
    {
        QStringList captions;
        for (int i = 0; i < form.Tree->topLevelItemCount(); ++i)
            captions << form.Tree->topLevelItem(i)->text(0);
        return captions;
    }
};

EditorPage labelPage(const char *name)
{
    EditorPage page;
    page.create = [name](TChartEditForm &, QWidget *host) -> QWidget * {
        auto *label = new QLabel(QString::fromLatin1(name), host);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    return page;
}


// A display of its own (Xvfb) with a real window manager (openbox), which frames windows only
// after they showed, as desktops do; empty without the two programs.
class ManagedDisplay
{
public:
    ManagedDisplay()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (xvfb.isEmpty() || openbox.isEmpty())
            return;
        // Xvfb writes the number of the free display it took to the descriptor named.
        m_server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                              QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                              QStringLiteral("tcp")});
        if (!m_server.waitForReadyRead(10000))
            return;
        const QString display = u':' + QString::fromLatin1(m_server.readLine()).trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path());
        m_manager.setProcessEnvironment(environment);
        const QString ready = m_home.filePath(QStringLiteral("ready"));
        m_manager.start(openbox, {QStringLiteral("--startup"), QStringLiteral("touch ") + ready});
        for (int i = 0; i < 100 && !QFile::exists(ready); ++i)
            QTest::qWait(100);
        if (QFile::exists(ready))
            m_display = display;
    }
    ~ManagedDisplay()
    {
        for (QProcess *process : {&m_manager, &m_server}) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(3000);
        }
    }
    QString display() const { return m_display; }

private:
    QTemporaryDir m_home;
    QProcess m_server;
    QProcess m_manager;
    QString m_display;
};

struct Round
{
    QString what;
    QRect frame;
    QSize client;
    QRect area;
};

// Runs the editor on the display for the rounds and reads what it reports.
QList<Round> runEditorWindows(const ManagedDisplay &display, const QTemporaryDir &settings, const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(EDITOR_WINDOW_CHILD), arguments);
    EXPECT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    QList<Round> rounds;
    static const QRegularExpression line(QStringLiteral(
        R"(^(\w+) \d+ frame (-?\d+) (-?\d+) (\d+) (\d+) client (\d+) (\d+) area (-?\d+) (-?\d+) (\d+) (\d+)$)"));
    for (const QByteArray &text : child.readAllStandardOutput().split('\n')) {
        const QRegularExpressionMatch m = line.match(QString::fromLatin1(text));
        if (!m.hasMatch())
            continue;
        const auto n = [&](int i) { return m.captured(i).toInt(); };
        rounds.append({m.captured(1), QRect(n(2), n(3), n(4), n(5)), QSize(n(6), n(7)), QRect(n(8), n(9), n(10), n(11))});
    }
    return rounds;
}

} // namespace

TEST_F(ChartEditor, ExecuteWithoutAChartOrWithAPlainPanelOpensNothing)
{
    int shows = 0;
    QObject::connect(&editor, &TChartEditor::OnShow, [&] { ++shows; });
    editor.SetChart(nullptr);
    editor.Execute();
    SamplePanel panel;
    editor.SetChart(&panel);
    editor.Execute();
    EXPECT_EQ(shows, 0);
}

TEST_F(ChartEditor, ShowAndCloseFireOnceAndTheMouseReleaseIsCancelled)
{
    addLineSeries();
    int shows = 0;
    int closes = 0;
    QObject::connect(&editor, &TChartEditor::OnShow, [&] { ++shows; });
    QObject::connect(&editor, &TChartEditor::OnClose, [&] { ++closes; });
    chart->CancelMouse = false;
    execute([&](TChartEditForm &form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Editing Chart1"));
        EXPECT_FALSE(form.TreeMode());
    });
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(chart->CancelMouse);

    // A chart without a name is named by its title, and without one too the caption ends on no blank.
    chart->setObjectName(QString());
    chart->Title()->SetText({QStringLiteral("Vapour"), QStringLiteral("pressure")});
    execute([](TChartEditForm &form) { EXPECT_EQ(form.windowTitle(), QStringLiteral("Editing Vapour pressure")); });
    chart->Title()->SetText({});
    execute([](TChartEditForm &form) { EXPECT_EQ(form.windowTitle(), QStringLiteral("Editing")); });
}

TEST_F(ChartEditor, AutoRepaintIsOffForTheDialogAndBackAfterItEvenWhenAHandlerThrew)
{
    editor.AutoRepaint = false;
    bool during = true;
    execute([&](TChartEditForm &) { during = chart->AutoRepaint; });
    EXPECT_FALSE(during);
    EXPECT_TRUE(chart->AutoRepaint);

    QObject::connect(&editor, &TChartEditor::OnClose, [] { throw std::runtime_error("closing handler failed"); });
    EXPECT_THROW(execute([](TChartEditForm &) {}), std::runtime_error);
    EXPECT_TRUE(chart->AutoRepaint);
}

TEST_F(ChartEditor, TabsFollowRegistrationHidingAndTheHelpOption)
{
    addLineSeries();
    const ScopedEditorPage no3D(cet3D);
    const ScopedEditorPage noTools(cetTools);
    const ScopedEditorPage axis(cetAxis, labelPage("AxisPage"));
    const QTemporaryDir noHelp;
    const ScopedEnvironment program(kProgramFolderVariable, noHelp.path());
    editor.Options |= ceHelp;
    execute([&](TChartEditForm &form) {
        // Of the Chart sub tabs, only the registered ones show.
        EXPECT_TRUE(subTabShown(form, form.TabSeriesList));
        EXPECT_TRUE(subTabShown(form, form.TabAxis));
        EXPECT_FALSE(subTabShown(form, form.TabWalls));
        EXPECT_TRUE(mainTabShown(form, form.TabChart));
        EXPECT_TRUE(mainTabShown(form, form.TabSeries));
        EXPECT_TRUE(mainTabShown(form, form.TabPrint));
        EXPECT_TRUE(mainTabShown(form, form.TabData));
        EXPECT_FALSE(mainTabShown(form, form.TabExport));
        EXPECT_FALSE(form.ButtonHelp->isVisible()); // no help file here: no dead button
    });
    editor.Options &= ~TChartEditorOptions(ceHelp);
    editor.HideTabs = {cetMain, cetAxis};
    execute([&](TChartEditForm &form) {
        EXPECT_FALSE(mainTabShown(form, form.TabChart)); // no sub tab left
        EXPECT_FALSE(form.ButtonHelp->isVisible());
    });
}

TEST_F(ChartEditor, AHiddenDefaultTabFallsToTheNextVisibleOneElseToTheLaterMainTabs)
{
    addLineSeries();
    const ScopedEditorPage no3D(cet3D);
    const ScopedEditorPage noTools(cetTools);
    const ScopedEditorPage noPaging(cetPaging);
    const ScopedEditorPage axis(cetAxis, labelPage("AxisPage"));
    const ScopedEditorPage walls(cetWalls, labelPage("WallsPage"));
    const struct {
        const char *name;
        TChartEditorTab defaultTab;
        TChartEditorHiddenTabs hidden;
        const char *mainTab;
        const char *subTab;
    } cases[] = {
        {"visible sub tab", cetAxis, {}, "TabChart", "TabAxis"},
        {"upwards to the next visible", cetLegend, {}, "TabChart", "TabWalls"},
        {"downwards when none above", cet3D, {}, "TabChart", "TabWalls"},
        {"downwards past hidden ones", cet3D, {cetWalls, cetAxis}, "TabChart", "TabSeriesList"},
        {"no sub tab: Data", cetTitles, {cetMain, cetAxis, cetWalls}, "TabData", nullptr},
        {"no sub tab nor Data: Print", cetTitles, {cetMain, cetAxis, cetWalls, cetSeriesData}, "TabPrint", nullptr},
        {"Print itself", cetPrintPreview, {}, "TabPrint", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        editor.DefaultTab = c.defaultTab;
        editor.HideTabs = c.hidden;
        execute([&](TChartEditForm &form) {
            EXPECT_EQ(form.MainPage->currentWidget()->objectName(), QString::fromLatin1(c.mainTab));
            if (c.subTab)
                EXPECT_EQ(form.SubPage->currentWidget()->objectName(), QString::fromLatin1(c.subTab));
        });
    }
}

TEST_F(ChartEditor, SeriesDefaultTabsOpenTheSeriesEditorOnTheFirstSeries)
{
    TLineSeries *first = addLineSeries();
    addLineSeries();
    const struct { TChartEditorTab tab; const char *seriesTab; } cases[] = {
        {cetSeriesMarks, "TabMarks"}, {cetSeriesGeneral, "TabGeneral"}, {cetAllSeries, "TabFormat"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.seriesTab);
        editor.DefaultTab = c.tab;
        execute([&](TChartEditForm &form) {
            EXPECT_EQ(form.MainPage->currentWidget(), form.TabSeries);
            ASSERT_NE(form.SeriesForm(), nullptr);
            EXPECT_EQ(form.SeriesForm()->TheSeries(), first);
            EXPECT_EQ(form.SeriesForm()->PageSeries->currentWidget()->objectName(), QString::fromLatin1(c.seriesTab));
        });
    }
}

TEST_F(ChartEditor, TheTreeListsTheSeriesAndTheShownPagesAndCollapsesManySeries)
{
    const ScopedEditorPage noTools(cetTools);
    for (int i = 0; i < 11; ++i)
        addLineSeries();
    editor.TreeView = true;
    const ScopedEditorPage axis(cetAxis, labelPage("AxisPage"));
    execute([&](TChartEditForm &form) {
        EXPECT_EQ(rootNodes(form), (QStringList{QStringLiteral("Series"), QStringLiteral("Chart"), QStringLiteral("Data"),
                                                QStringLiteral("Print")}));
        QTreeWidgetItem *seriesNode = form.Tree->topLevelItem(0);
        EXPECT_EQ(seriesNode->childCount(), 11);
        EXPECT_FALSE(seriesNode->isExpanded());
        EXPECT_EQ(form.Tree->topLevelItem(1)->child(0)->text(0), QStringLiteral("Axis"));
        // Selecting a series node opens the series editor on it; the Print node the preview.
        form.Tree->setCurrentItem(seriesNode->child(3));
        EXPECT_EQ(form.SeriesForm()->TheSeries(), chart->GetSeries(3));
        // The editor's own combo moves the tree and the list along.
        QComboBox *combo = form.SeriesForm()->CBSeries;
        combo->setCurrentIndex(5);
        Q_EMIT combo->activated(5);
        EXPECT_EQ(form.Tree->currentItem(), seriesNode->child(5));
        EXPECT_EQ(form.LBSeries->SelectedSeries(), chart->GetSeries(5));
        form.Tree->setCurrentItem(form.Tree->topLevelItem(3));
        EXPECT_EQ(form.MainPage->currentWidget(), form.TabPrint);
        auto *preview = qobject_cast<TChartPreview *>(form.Page(cetPrintPreview));
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->TagPanel, chart.get());
        EXPECT_FALSE(preview->GBMargins->isVisible());
        EXPECT_FALSE(preview->PanelMargins->isVisible());
        EXPECT_FALSE(preview->BClose->isVisible());
        // Editing a series node in place retitles the series; an empty text changes nothing.
        QTreeWidgetItem *node = seriesNode->child(1);
        node->setText(0, QStringLiteral("Kurve 2"));
        EXPECT_EQ(chart->GetSeries(1)->Title(), QStringLiteral("Kurve 2"));
        node->setText(0, QString());
        EXPECT_EQ(chart->GetSeries(1)->Title(), QStringLiteral("Kurve 2"));
        EXPECT_EQ(node->text(0), QStringLiteral("Kurve 2"));
    });
}

TEST_F(ChartEditor, APageRegisteredAfterTheEditorWasMadeAppearsAtItsNextShowing)
{
    const ScopedEditorPage no3D(cet3D);
    const ScopedEditorPage noTools(cetTools);
    addLineSeries();
    const ScopedEditorPage noPaging(cetPaging);
    const ScopedEditorPage noAxis(cetAxis);
    const ScopedEditorPage noDataPage(cetSeriesData);
    TChartEditForm form;
    form.SetChart(chart.get());
    form.SetTreeMode(true);
    const auto showOnce = [&](const std::function<void()> &check) {
        QTimer::singleShot(0, &form, [&] {
            check();
            form.BClose->click();
        });
        form.exec();
    };
    showOnce([&] {
        EXPECT_FALSE(form.MainPage->isTabVisible(form.MainPage->indexOf(form.TabExport)));
        EXPECT_EQ(rootNodes(form), (QStringList{QStringLiteral("Series"), QStringLiteral("Print")}));
    });
    const ScopedEditorPage exportPage(cetExport, labelPage("ExportPage"));
    showOnce([&] {
        EXPECT_TRUE(form.MainPage->isTabVisible(form.MainPage->indexOf(form.TabExport)));
        EXPECT_EQ(rootNodes(form),
                  (QStringList{QStringLiteral("Series"), QStringLiteral("Export"), QStringLiteral("Print")}));
        form.Tree->setCurrentItem(form.Tree->topLevelItem(1));
        EXPECT_NE(form.findChild<QLabel *>(QStringLiteral("ExportPage")), nullptr);
    });
}

TEST_F(ChartEditor, AFreshEditorClosedUnchangedKeepsItsPlaceButNoSize)
{
    addLineSeries();
    editor.TreeView = true;
    editor.RememberPosition = true;
    QPoint place;
    execute([&](TChartEditForm &form) { place = form.pos(); });
    const QString text = editorSettingsText(settingsDir);
    EXPECT_TRUE(text.contains(QStringLiteral("[Editor]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Left=%1").arg(place.x()))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Top=%1").arg(place.y())));
    EXPECT_TRUE(text.contains(QStringLiteral("TreeWidth=126")));
    EXPECT_FALSE(text.contains(QStringLiteral("Width=4")));
    EXPECT_FALSE(text.contains(QStringLiteral("\nWidth=")));
    EXPECT_FALSE(text.contains(QStringLiteral("Height=")));

    // Moved and resized, it comes back there at that size.
    execute([&](TChartEditForm &form) {
        form.move(30, 40);
        form.resize(form.width() + 50, 420);
    });
    execute([&](TChartEditForm &form) {
        EXPECT_EQ(form.pos(), QPoint(30, 40));
        EXPECT_EQ(form.height(), 420);
        // The stored width is the one without the tree.
        EXPECT_EQ(form.width(), 464 + 126 + form.TreeSplitter->handleWidth());
    });
    EXPECT_TRUE(editorSettingsText(settingsDir).contains(QStringLiteral("Width=464")));
}

// Under a window manager that frames the window after it showed: closed and reopened five times
// and after a restart, the editor stands where it was closed at the size it was given; a size
// grown to the German pages is not kept as the user's; a stored size wider than the screen fits.
TEST_F(ChartEditor, UnderAWindowManagerItReopensWhereItWasClosedAndStaysOnTheScreen)
{
    const ManagedDisplay display;
    if (display.display().isEmpty())
        GTEST_SKIP() << "Xvfb and openbox are needed";
    const auto wholeOnScreen = [](const Round &r) { return r.area.contains(r.frame); };

    const QRect placed(200, 150, 560, 420);
    QList<Round> rounds = runEditorWindows(display, settingsDir, {QStringLiteral("6"), QStringLiteral("--move"),
        QString::number(placed.x()), QString::number(placed.y()), QString::number(placed.width()), QString::number(placed.height())});
    rounds += runEditorWindows(display, settingsDir, {QStringLiteral("1")});
    ASSERT_EQ(rounds.size(), 8);
    EXPECT_TRUE(wholeOnScreen(rounds[0]));
    EXPECT_EQ(rounds[1].what, QStringLiteral("moved"));
    EXPECT_EQ(rounds[1].frame.topLeft(), placed.topLeft());
    EXPECT_EQ(rounds[1].client, placed.size());
    for (int i = 2; i < rounds.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rounds[i].frame, rounds[1].frame);
        EXPECT_EQ(rounds[i].client, placed.size());
    }
    const QString text = editorSettingsText(settingsDir);
    EXPECT_TRUE(text.contains(QStringLiteral("Left=200"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Width=560")));

    // Fresh, in German: the pages widen it, and closing it unchanged keeps no size.
    QFile::remove(QDir(settingsDir.path()).filePath(QStringLiteral("Korvex/Plot.conf")));
    rounds = runEditorWindows(display, settingsDir, {QStringLiteral("2"), QStringLiteral("--german"), QStringLiteral("--pages")});
    ASSERT_EQ(rounds.size(), 2);
    EXPECT_GT(rounds[0].client.width(), 414);
    EXPECT_EQ(rounds[1].frame, rounds[0].frame);
    EXPECT_TRUE(wholeOnScreen(rounds[0]));
    EXPECT_FALSE(editorSettingsText(settingsDir).contains(QStringLiteral("Width="))) << editorSettingsText(settingsDir).toStdString();
    EXPECT_FALSE(editorSettingsText(settingsDir).contains(QStringLiteral("Height=")));

    // Stored wider and taller than the screen, and near its corner: the frame fits on it, and the
    // size it was shrunk to is not kept either.
    seed({{"Left", "900"}, {"Top", "700"}, {"Width", "5000"}, {"Height", "3000"}});
    rounds = runEditorWindows(display, settingsDir, {QStringLiteral("1"), QStringLiteral("--german")});
    ASSERT_EQ(rounds.size(), 1);
    EXPECT_TRUE(wholeOnScreen(rounds[0])) << rounds[0].frame.right() << " " << rounds[0].frame.bottom();
    EXPECT_EQ(rounds[0].frame.size(), rounds[0].area.size());
    EXPECT_TRUE(editorSettingsText(settingsDir).contains(QStringLiteral("Width=5000")));
}

TEST_F(ChartEditor, StoredValuesAreClampedPulledOnScreenOrIgnored)
{
    addLineSeries();
    editor.RememberPosition = true;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char *name;
        QList<QPair<QString, QString>> seeded;
        int width;
        int treeWidth;
        bool centred;
    } cases[] = {
        {"off the screen, too narrow", {{"Left", "99999"}, {"Top", "5"}, {"Width", "50"}}, 100, 126, false},
        {"not numbers", {{"Left", "abc"}, {"Width", "-5"}, {"TreeWidth", "99999999999"}}, 100, 126, true},
        {"tree too narrow", {{"TreeWidth", "3"}}, 414, 10, true},
    };
    editor.TreeView = true;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(QDir(settingsDir.path()).filePath(QStringLiteral("Korvex/Plot.conf")));
        seed(c.seeded);
        execute([&](TChartEditForm &form) {
            const int extra = form.TreeSplitter->handleWidth() + c.treeWidth;
            EXPECT_EQ(form.width(), c.width + extra);
            EXPECT_EQ(form.Tree->width(), c.treeWidth);
            // The frame, title bar and border included, is what lies on the screen.
            const QRect frame = form.frameGeometry();
            if (c.centred) {
                EXPECT_EQ(frame.x(), screen.x() + (screen.width() - frame.width()) / 2);
            } else {
                EXPECT_EQ(frame.right(), screen.right());
                EXPECT_EQ(frame.y(), 5);
            }
        });
    }
}

TEST_F(ChartEditor, WithoutRememberingNothingIsReadOrWritten)
{
    addLineSeries();
    seed({{"Left", "40"}, {"Top", "50"}, {"Width", "500"}, {"Height", "400"}, {"RememberPosition", "1"},
          {"RememberSize", "0"}});
    editor.RememberPosition = false; // the component's switch wins over the stored one
    execute([&](TChartEditForm &form) {
        EXPECT_NE(form.pos(), QPoint(40, 50));
        EXPECT_EQ(form.size(), QSize(414, 347));
        form.move(70, 80);
        form.resize(600, 500);
    });
    const QString text = editorSettingsText(settingsDir);
    EXPECT_TRUE(text.contains(QStringLiteral("Left=40")));
    EXPECT_TRUE(text.contains(QStringLiteral("Width=500")));
}

TEST_F(ChartEditor, ListButtonsFollowTheOptionsTheSelectionAndTheSeriesStyle)
{
    TLineSeries *guarded = addLineSeries();
    guarded->SetStyle(TCustomChartSeries::kStyleDenyDelete);
    TLineSeries *pattern = addLineSeries();
    pattern->SetStyle(TCustomChartSeries::kStyleTemplate);
    addLineSeries();
    const ScopedGalleryHooks noGallery;
    execute([&](TChartEditForm &form) {
        form.LBSeries->SelectSeries(guarded);
        EXPECT_FALSE(form.BDeleteSeries->isEnabled());
        EXPECT_TRUE(form.BCloneSeries->isEnabled());
        // Without the gallery Add and Change are off.
        EXPECT_FALSE(form.BAddSeries->isEnabled());
        EXPECT_FALSE(form.BChangeTypeSeries->isEnabled());
        PlotGalleryHooks::ChangeSeriesTypeGallery() = [](TChartSeries *&) -> const ChartClassDescriptor * { return nullptr; };
        form.LBSeries->SelectSeries(pattern);
        form.LBSeries->SelectSeries(guarded);
        EXPECT_TRUE(form.BChangeTypeSeries->isEnabled());
        PlotGalleryHooks::ChangeSeriesTypeGallery() = {};
        form.LBSeries->setFocus();
        QTest::keyClick(form.LBSeries, Qt::Key_Delete);
        EXPECT_EQ(chart->SeriesCount(), 3); // the key keeps it as the button does
        EXPECT_TRUE(messages.shown().isEmpty());

        form.LBSeries->SelectSeries(pattern);
        EXPECT_FALSE(form.BCloneSeries->isEnabled());
        EXPECT_FALSE(form.BDeleteSeries->isEnabled());
        EXPECT_TRUE(form.BRenameSeries->isEnabled());
        form.LBSeries->selectAll();
        EXPECT_FALSE(form.BRenameSeries->isEnabled()); // one title at a time
        EXPECT_TRUE(form.BMoveUP->isVisible());
    });
    editor.Options &= ~TChartEditorOptions(ceOrderSeries);
    execute([&](TChartEditForm &form) {
        EXPECT_FALSE(form.BMoveUP->isVisible());
        EXPECT_FALSE(form.BMoveDown->isVisible());
        EXPECT_FALSE(form.LBSeries->EnableDragSeries());
    });
}

TEST_F(ChartEditor, SeriesGroupsAreListedSwitchedAddedDeletedAndFilledByDropping)
{
    TLineSeries *first = addLineSeries();
    TLineSeries *second = addLineSeries();
    TSeriesGroup *mixed = chart->SeriesList().AddGroup(QStringLiteral("Gemisch"));
    mixed->Series().Add(first);
    mixed->Series().Add(second);
    second->SetActive(false);
    editor.Options |= TChartEditorOptions(ceGroups | ceGroupAll);
    ScriptedDialogService dialogs;
    execute([&](TChartEditForm &form) {
        ASSERT_TRUE(form.PanelGroups->isVisible());
        ASSERT_EQ(form.Groups->count(), 2);
        EXPECT_EQ(form.Groups->item(0)->text(), QStringLiteral("(all)"));
        EXPECT_EQ(form.Groups->item(0)->checkState(), Qt::Unchecked); // one series is off
        EXPECT_EQ(form.Groups->item(1)->checkState(), Qt::PartiallyChecked);
        EXPECT_FALSE(form.BDeleteGroup->isEnabled());

        // "(all)" switches every series.
        form.Groups->item(0)->setCheckState(Qt::Checked);
        EXPECT_TRUE(second->Active());
        EXPECT_EQ(form.Groups->item(1)->checkState(), Qt::Checked);

        dialogs.queueText(QStringLiteral("G1"));
        form.BAddGroup->click();
        dialogs.queueText(QStringLiteral("  "));
        form.BAddGroup->click();
        form.BAddGroup->click(); // cancelled
        ASSERT_EQ(chart->SeriesList().GroupCount(), 2);
        EXPECT_EQ(dialogs.calls().first().caption, QStringLiteral("Add new group"));
        EXPECT_EQ(dialogs.calls().first().prompt, QStringLiteral("Group name:"));
        ASSERT_EQ(form.Groups->count(), 3);

        // Dropping the first series of the list onto G1 adds it there.
        std::unique_ptr<QMimeData> data(form.LBSeries->seriesMimeData(0));
        const QPoint onG1 = form.Groups->visualItemRect(form.Groups->item(2)).center();
        QDragEnterEvent enter(onG1, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.Groups->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(onG1, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.Groups->viewport(), &drop);
        EXPECT_TRUE(chart->SeriesList().Group(1)->Series().Contains(first));
        EXPECT_EQ(form.Groups->currentRow(), 2);
        // Chosen, G1 shows only its series in the list.
        EXPECT_FALSE(form.LBSeries->isRowHidden(0));
        EXPECT_TRUE(form.LBSeries->isRowHidden(1));

        messages.queueAnswer(IdNo);
        form.BDeleteGroup->click();
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, QStringLiteral("Delete G1 ?"));
        EXPECT_EQ(chart->SeriesList().GroupCount(), 2);
        messages.queueAnswer(IdYes);
        form.BDeleteGroup->click();
        EXPECT_EQ(chart->SeriesList().GroupCount(), 1);
    });
}

TEST_F(ChartEditor, HighlightedTabsMarkOnlyTheActiveTab)
{
    addLineSeries();
    editor.HighLightTabs = true;
    editor.DefaultTab = cetPrintPreview;
    execute([&](TChartEditForm &form) {
        const QColor highlight = form.MainPage->palette().color(QPalette::Highlight);
        const int print = form.MainPage->indexOf(form.TabPrint);
        EXPECT_EQ(form.MainPage->tabBar()->tabTextColor(print), highlight);
        form.MainPage->setCurrentWidget(form.TabSeries);
        EXPECT_NE(form.MainPage->tabBar()->tabTextColor(print), highlight);
        EXPECT_EQ(form.MainPage->tabBar()->tabTextColor(form.MainPage->indexOf(form.TabSeries)), highlight);
    });
}

TEST_F(ChartEditor, RememberSizeOffKeepsThePlaceButNeverTheSize)
{
    addLineSeries();
    seed({{"Left", "40"}, {"Top", "50"}, {"Width", "500"}, {"Height", "400"}, {"RememberSize", "0"}});
    editor.RememberPosition = true;
    execute([&](TChartEditForm &form) {
        EXPECT_EQ(form.pos(), QPoint(40, 50));
        EXPECT_EQ(form.size(), QSize(414, 347));
        form.move(70, 80);
        form.resize(600, 450);
    });
    const QString text = editorSettingsText(settingsDir);
    EXPECT_TRUE(text.contains(QStringLiteral("Left=70"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Top=80")));
    EXPECT_TRUE(text.contains(QStringLiteral("Width=500")));
    EXPECT_TRUE(text.contains(QStringLiteral("Height=400")));
}

TEST_F(ChartEditor, EnterInTheDataGridStartsAndEndsEditingAndNeverClosesTheEditor)
{
    TLineSeries *series = addLineSeries();
    editor.DefaultTab = cetSeriesData;
    execute([&](TChartEditForm &form) {
        auto *grid = form.findChild<TChartGrid *>(QStringLiteral("ChartGrid1"));
        ASSERT_NE(grid, nullptr);
        ASSERT_TRUE(grid->isVisible());
        int yColumn = -1;
        for (int c = 0; c < grid->Model()->columnCount(); ++c)
            if (grid->Model()->column(c).series == series && grid->Model()->column(c).list == 1)
                yColumn = c;
        ASSERT_GE(yColumn, 0);
        const auto cellEditor = [&]() -> QLineEdit * {
            for (QLineEdit *line : grid->viewport()->findChildren<QLineEdit *>())
                if (line->isVisible())
                    return line;
            return nullptr;
        };
        grid->setCurrentIndex(grid->Model()->index(1, yColumn));
        const double before = series->GetYValue(1);
        for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
            SCOPED_TRACE(enter == Qt::Key_Return ? "Return" : "keypad Enter");
            QTest::keyClick(grid, enter);
            ASSERT_TRUE(grid->Editing());
            ASSERT_NE(cellEditor(), nullptr);
            EXPECT_TRUE(form.isVisible());
            cellEditor()->setText(QStringLiteral("7"));
            QTest::keyClick(cellEditor(), enter);
            QCoreApplication::processEvents(); // the cell editor stores its text queued
            EXPECT_FALSE(grid->Editing());
            EXPECT_EQ(series->GetYValue(1), 7.0);
            EXPECT_TRUE(form.isVisible());
        }
        // Delete on a value cell opens its editor and deletes nothing yet; Escape keeps the value.
        QTest::keyClick(grid, Qt::Key_Delete);
        EXPECT_TRUE(grid->Editing());
        ASSERT_NE(cellEditor(), nullptr);
        EXPECT_EQ(cellEditor()->text(), QStringLiteral("7"));
        QTest::keyClick(cellEditor(), Qt::Key_Escape);
        EXPECT_FALSE(grid->Editing());
        EXPECT_EQ(series->GetYValue(1), 7.0);
        EXPECT_EQ(series->Count(), 5);
        EXPECT_TRUE(form.isVisible());
        EXPECT_NE(before, 7.0);
    });
}

// The Help button and F1 open the help page at the section of the page shown; the page lies in
// the folder the settings register for it, else beside the program; without it there is no button.
TEST_F(ChartEditor, HelpOpensTheShownPagesSectionAndIsHiddenWithoutAHelpFile)
{
    addLineSeries();
    const ScopedEditorPage axis(cetAxis, labelPage("AxisPage"));
    const QTemporaryDir programDir;
    const QTemporaryDir helpDir;
    const ScopedEnvironment program(kProgramFolderVariable, programDir.path());
    const auto writeHelp = [](const QString &folder) {
        QFile file(QDir(folder).filePath(QLatin1String(PlotHelp::kEditorHelpFile)));
        return file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0;
    };
    editor.Options |= ceHelp;
    execute([](TChartEditForm &form) { EXPECT_FALSE(form.ButtonHelp->isVisible()); });

    // Beside the program.
    ASSERT_TRUE(writeHelp(programDir.path()));
    const QString besideProgram = QDir(programDir.path()).filePath(QLatin1String(PlotHelp::kEditorHelpFile));
    EXPECT_EQ(PlotHelp::GetRegisteredHelpFile(QLatin1String(PlotHelp::kEditorHelpFile)), besideProgram);
    // The registered folder comes first.
    ASSERT_TRUE(writeHelp(helpDir.path()));
    SettingsStore(PlotHelp::HelpFolderKey()).writeString(QLatin1String(PlotHelp::kEditorHelpFile), helpDir.path());
    const QString registered = QDir(helpDir.path()).filePath(QLatin1String(PlotHelp::kEditorHelpFile));
    EXPECT_EQ(PlotHelp::GetRegisteredHelpFile(QLatin1String(PlotHelp::kEditorHelpFile)), registered);

    const StandInProgram viewer(QStringLiteral("xdg-open"), 0);
    execute([&](TChartEditForm &form) {
        EXPECT_TRUE(form.ButtonHelp->isVisible());
        EXPECT_TRUE(form.ButtonHelp->isEnabled());
        form.ButtonHelp->click();
        form.SubPage->setCurrentWidget(form.TabAxis);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(form.SubPage, Qt::Key_F1);
    });
    const QString url = QUrl::fromLocalFile(registered).toString();
    EXPECT_EQ(viewer.calls(), (QList<QStringList>{{url + QStringLiteral("#TabSeriesList")}, {url + QStringLiteral("#TabAxis")}}));
    EXPECT_TRUE(messages.shown().isEmpty());

    // No viewer takes it: the user learns which file was meant.
    {
        const StandInProgram noViewer(QStringLiteral("xdg-open"), 3);
        execute([](TChartEditForm &form) { form.ButtonHelp->click(); });
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_TRUE(messages.shown().first().text.contains(QDir::toNativeSeparators(registered)));
    }
    // Nor when the desktop's lookup takes longer than the watch before it finds none: the box
    // comes then, also after the editor closed.
    const StandInProgram slowNoViewer = StandInProgram::failingAfter(QStringLiteral("xdg-open"), 2.5, 3);
    execute([](TChartEditForm &form) { form.ButtonHelp->click(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return messages.shown().size() == 2; }, 5000));
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[1].text, messages.shown()[0].text);
}
