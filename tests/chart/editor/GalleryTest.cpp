// The series gallery: pages from the type registry, the samples that may take over a series, the
// type change and the new series through the hooks, the sub-gallery and the smoothed samples.
#include "EditorTestSetup.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "DialogDriver.h"
#include "PlotConst.h"
#include "PlotEditorOptions.h"
#include "PlotFunctions.h"
#include "TBarSeries.h"
#include "TChartAxis.h"
#include "TChart.h"
#include "TChartGalleryPanel.h"
#include "TChartTitle.h"
#include "TGalleryChart.h"
#include "TLineSeries.h"
#include "TPieSeries.h"
#include "TPlotGallery.h"
#include "TPlotGalleryForm.h"
#include "TChartListBox.h"
#include "TSubGalleryPopup.h"
#include "platform/SettingsStore.h"

#include <QGuiApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The series type registry holds only what a test registers, and everything again afterwards.
class ScopedSeriesTypes
{
public:
    ScopedSeriesTypes()
    {
        for (int i = 0; i < PlotSeriesTypes().Count(); ++i)
            m_saved.push_back(PlotSeriesTypes().GetItem(i));
        PlotSeriesTypes().Clear();
    }
    ~ScopedSeriesTypes()
    {
        PlotSeriesTypes().Clear();
        for (const TPlotSeriesType &type : m_saved)
            PlotSeriesTypes().append(type);
    }

private:
    std::vector<TPlotSeriesType> m_saved;
};

QString titleOf(const TGalleryChart &sample)
{
    return sample.Title()->Text().join(QLatin1Char(' '));
}

TGalleryChart *sampleTitled(const TChartGalleryPanel &panel, const QString &title)
{
    for (const auto &sample : panel.Charts())
        if (titleOf(*sample) == title)
            return sample.get();
    ADD_FAILURE() << "no sample " << title.toStdString();
    return nullptr;
}

class Gallery : public EditorChartTest
{
protected:
    Gallery()
    {
        window.resize(480, 360);
        panel = new TChartGalleryPanel(&window);
        panel->setGeometry(0, 0, 480, 360);
    }

    QString standard() const { return PlotConst::message(PlotConst::msgGalleryStandard); }
    void showStandardPage()
    {
        panel->CreateGalleryPage(standard());
        window.show();
    }
    void click(QWidget &sample, QEvent::Type type = QEvent::MouseButtonPress)
    {
        sendMouse(sample, type, sample.width() / 2, sample.height() / 2);
    }

    QWidget window;
    TChartGalleryPanel *panel = nullptr;
};

} // namespace

TEST_F(Gallery, APageGetsMoreRowsOnlyWhenItsTypesOverflowTheCells)
{
    struct Case
    {
        int types;
        int rows;
    };
    const ScopedSeriesTypes onlyOurs;
    const ChartClassDescriptor *line = ChartClassRegistry::instance().find(QStringLiteral("TLineSeries"));
    ASSERT_NE(line, nullptr);
    for (const Case c : {Case{5, 3}, Case{12, 3}, Case{13, 4}}) {
        SCOPED_TRACE(c.types);
        // Appended as they are: registering would keep one entry per class.
        PlotSeriesTypes().Clear();
        for (int i = 0; i < c.types; ++i)
            PlotSeriesTypes().append({line, nullptr, ChartTextRef::library(PlotConst::msgGalleryLine),
                                      ChartTextRef::library(PlotConst::msgGalleryStandard), 1});
        panel->SetNumRows(2);
        panel->CreateGalleryPage(standard());
        EXPECT_EQ(panel->NumCols(), 4);
        EXPECT_EQ(panel->NumRows(), c.rows);
        ASSERT_EQ(int(panel->Charts().size()), c.types);
        // The last sample lies in the last row, inside the panel.
        EXPECT_EQ(panel->Charts().back()->geometry(), panel->ChartRect(c.types - 1));
        EXPECT_EQ(panel->ChartRect(c.types - 1).top() / panel->CellHeight(), (c.types - 1) / 4);
        EXPECT_LT(panel->ChartRect(c.types - 1).bottom(), panel->height());
    }
}

TEST_F(Gallery, ChangingAPieDisablesTheTypesThatCannotTakeItsData)
{
    auto *pie = chart->AddSeriesOfClass<TPieSeries>();
    pie->FillSampleValues(5);
    panel->CheckSeries = true;
    panel->SetChangingSeries(pie);
    showStandardPage();
    struct Case
    {
        const char *title;
        bool enabled;
    };
    const Case cases[] = {{"Line", true}, {"Bar", true}, {"Pie", true},
                          {"Bubble", false}, {"Gantt", false}, {"Shape", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        TGalleryChart *sample = sampleTitled(*panel, QString::fromLatin1(c.title));
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->isEnabled(), c.enabled);
        EXPECT_EQ(sample->cursor().shape() == Qt::ForbiddenCursor, !c.enabled);
    }
    // The pie's own type starts selected.
    TGalleryChart *pieSample = sampleTitled(*panel, QStringLiteral("Pie"));
    EXPECT_EQ(panel->SelectedChart(), pieSample);

    QSignalSpy chosen(panel, &TChartGalleryPanel::OnSelectedChart);
    TGalleryChart *bubble = sampleTitled(*panel, QStringLiteral("Bubble"));
    ASSERT_NE(bubble, nullptr);
    click(*bubble);
    click(*bubble, QEvent::MouseButtonDblClick);
    EXPECT_EQ(panel->SelectedChart(), pieSample);
    EXPECT_EQ(chosen.size(), 0);
    // Bubble lies right below the pie: Down stays; Up reaches Bar.
    panel->SetSelectedChart(bubble);
    const int bubbleIndex = panel->SelectedIndex();
    panel->SetSelectedChart(pieSample);
    ASSERT_EQ(panel->SelectedIndex() + panel->NumCols(), bubbleIndex);
    QTest::keyClick(panel, Qt::Key_Down);
    EXPECT_EQ(panel->SelectedChart(), pieSample);
    QTest::keyClick(panel, Qt::Key_Up);
    EXPECT_EQ(panel->SelectedChart(), sampleTitled(*panel, QStringLiteral("Bar")));
    click(*sampleTitled(*panel, QStringLiteral("Line")));
    EXPECT_EQ(panel->SelectedChart(), sampleTitled(*panel, QStringLiteral("Line")));

    // The arrow is on another page, and just as unfit.
    panel->CreateGalleryPage(PlotConst::message(PlotConst::msgGalleryExtended));
    ASSERT_EQ(panel->Charts().size(), 1u);
    EXPECT_FALSE(panel->Charts().front()->isEnabled());
    EXPECT_EQ(panel->SelectedChart(), nullptr);
    EXPECT_FALSE(panel->GetSeriesClass().has_value());
}

TEST_F(Gallery, ChoosingTheSameTypeKeepsTheSeriesAndASubStyleIsAppliedToIt)
{
    struct Case
    {
        const char *subStyle; // none: OK on the preselected type
        TBarStyle style;
    };
    for (const Case c : {Case{nullptr, bsRectangle}, Case{"Pyramid", bsPyramid}}) {
        SCOPED_TRACE(c.subStyle ? c.subStyle : "none");
        chart->FreeAllSeries();
        auto *bars = chart->AddSeriesOfClass<TBarSeries>();
        bars->setObjectName(QStringLiteral("Kept"));
        bars->SetTitle(QStringLiteral("Mine"));
        for (int i = 0; i < 4; ++i)
            bars->AddXY(i, 10 + i);
        ASSERT_EQ(bars->BarStyle(), bsRectangle);
        whenModalShows([&](QDialog &dialog) {
            auto *gallery = qobject_cast<TPlotGallery *>(&dialog);
            ASSERT_NE(gallery, nullptr);
            TChartGalleryPanel &shown = *gallery->ChartGalleryPanel1;
            ASSERT_NE(shown.SelectedChart(), nullptr);
            EXPECT_EQ(titleOf(*shown.SelectedChart()), QStringLiteral("Bar"));
            if (c.subStyle) {
                QTest::keyClick(&shown, Qt::Key_Down, Qt::AltModifier);
                ASSERT_NE(shown.SubGallery(), nullptr);
                TChartGalleryPanel &styles = *shown.SubGallery()->Panel;
                styles.SetSelectedChart(sampleTitled(styles, QString::fromLatin1(c.subStyle)));
                QTest::keyClick(shown.SubGallery(), Qt::Key_Return);
            }
            gallery->BOk->click();
        });
        TChartSeries *series = bars;
        const ChartClassDescriptor *result = PlotGalleryHooks::ChangeSeriesTypeGallery()(series);
        ASSERT_EQ(series, bars);
        EXPECT_EQ(result, ChartClassRegistry::instance().find(QStringLiteral("TBarSeries")));
        EXPECT_EQ(chart->SeriesCount(), 1);
        EXPECT_EQ(bars->objectName(), QStringLiteral("Kept"));
        EXPECT_EQ(bars->Title(), QStringLiteral("Mine"));
        EXPECT_EQ(bars->Count(), 4);
        EXPECT_EQ(bars->BarStyle(), c.style);
    }
}

TEST_F(Gallery, ChangingToAnotherTypeReplacesTheSeriesInItsPlace)
{
    TLineSeries *first = addLineSeries();
    TLineSeries *second = addLineSeries();
    whenModalShows([&](QDialog &dialog) {
        auto &gallery = static_cast<TPlotGallery &>(dialog);
        EXPECT_EQ(gallery.TabKinds->count(), 1); // no functions for a type change
        EXPECT_EQ(titleOf(*gallery.ChartGalleryPanel1->SelectedChart()), QStringLiteral("Line"));
        click(*sampleTitled(*gallery.ChartGalleryPanel1, QStringLiteral("Area")), QEvent::MouseButtonDblClick);
    });
    TChartSeries *series = first;
    PlotGalleryHooks::ChangeSeriesTypeGallery()(series);
    EXPECT_NE(series, first);
    EXPECT_STREQ(series->metaObject()->className(), "TAreaSeries");
    EXPECT_EQ(chart->GetSeries(0), series);
    EXPECT_EQ(chart->GetSeries(1), second);
    EXPECT_EQ(series->Title(), QStringLiteral("S1"));
    EXPECT_EQ(series->Count(), 5);
}

TEST_F(Gallery, AnAverageFromTheFunctionsTabIsANewLineSeriesWithThatFunction)
{
    ASSERT_TRUE(bool(PlotGalleryHooks::CreateNewSeriesGallery()));
    // Without a chart nothing is shown and nothing made.
    EXPECT_EQ(PlotGalleryHooks::CreateNewSeriesGallery()(nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    for (const char *name : {"Series1", "Series2"}) {
        SCOPED_TRACE(name);
        QStringList kinds;
        whenModalShows([&](QDialog &dialog) {
            auto &gallery = static_cast<TPlotGallery &>(dialog);
            for (int i = 0; i < gallery.TabKinds->count(); ++i)
                kinds << gallery.TabKinds->tabText(i);
            gallery.TabKinds->setCurrentIndex(1);
            EXPECT_TRUE(gallery.ChartGalleryPanel1->FunctionsMode);
            EXPECT_EQ(gallery.TabPages->tabText(0), QStringLiteral("Standard"));
            click(*sampleTitled(*gallery.ChartGalleryPanel1, QStringLiteral("Average")), QEvent::MouseButtonDblClick);
        });
        TChartSeries *made = PlotGalleryHooks::CreateNewSeriesGallery()(nullptr, chart.get(), nullptr);
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(kinds, (QStringList{"Series", "Functions"}));
        EXPECT_NE(qobject_cast<TLineSeries *>(made), nullptr);
        EXPECT_NE(qobject_cast<TAveragePlotFunction *>(made->FunctionType()), nullptr);
        EXPECT_EQ(made->Name(), QString::fromLatin1(name));
        EXPECT_EQ(made->ParentChart(), chart.get());
    }
    // Cancel makes none.
    whenModalShows([](QDialog &dialog) { static_cast<TPlotGallery &>(dialog).BCancel->click(); });
    EXPECT_EQ(PlotGalleryHooks::CreateNewSeriesGallery()(nullptr, chart.get(), nullptr), nullptr);
    EXPECT_EQ(chart->SeriesCount(), 2);
}

TEST_F(Gallery, AltDownOpensTheBarStylesAndStackIsAppliedToTheSample)
{
    showStandardPage();
    TGalleryChart *bar = sampleTitled(*panel, QStringLiteral("Bar"));
    ASSERT_NE(bar, nullptr);
    click(*bar);
    QStringList names;
    bar->GetSeries(0)->CreateSubGallery([&](const QString &name) { names << name; });
    ASSERT_TRUE(names.contains(QStringLiteral("Stack")));
    QSignalSpy subSelected(panel, &TChartGalleryPanel::OnSubSelected);

    // Escape closes it without a style.
    QTest::keyClick(panel, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(panel->SubGallery(), nullptr);
    QTest::keyClick(panel->SubGallery(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel->SubGallery(), nullptr);
    EXPECT_EQ(subSelected.size(), 0);
    EXPECT_EQ(panel->GetSeriesClass()->subIndex, -1);

    QTest::keyClick(panel, Qt::Key_Down, Qt::AltModifier);
    TSubGalleryPopup *popup = panel->SubGallery();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::Popup));
    TChartGalleryPanel &styles = *popup->Panel;
    QStringList shown;
    for (const auto &sample : styles.Charts())
        shown << titleOf(*sample);
    EXPECT_EQ(shown, names);
    EXPECT_EQ(styles.NumRows(), (int(names.size()) + styles.NumCols() - 1) / styles.NumCols());
    // Keys in the pop-up move among the styles.
    QTest::keyClick(popup, Qt::Key_Right);
    EXPECT_EQ(styles.SelectedIndex(), 1);
    styles.SetSelectedChart(sampleTitled(styles, QStringLiteral("Stack")));
    QTest::keyClick(popup, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel->SubGallery(), nullptr);
    EXPECT_EQ(subSelected.size(), 1);
    EXPECT_EQ(static_cast<TBarSeries *>(bar->GetSeries(0))->MultiBar(), mbStacked);
    const std::optional<GallerySelection> selection = panel->GetSeriesClass();
    ASSERT_TRUE(selection.has_value());
    EXPECT_EQ(selection->subIndex, int(names.indexOf(QStringLiteral("Stack"))));
    EXPECT_EQ(selection->seriesClass, ChartClassRegistry::instance().find(QStringLiteral("TBarSeries")));
    // Another sample drops the style.
    QTest::keyClick(panel, Qt::Key_Left);
    EXPECT_EQ(panel->GetSeriesClass()->subIndex, -1);
}

TEST_F(Gallery, APopUpNearTheScreensRightEdgeEndsTwoPixelsBeforeIt)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect work = screen->availableGeometry();
    window.move(work.x() + work.width() - 300, work.y() + 10);
    showStandardPage();
    // The last column's sample: below it the pop-up would pass the edge.
    panel->SetSelectedChart(panel->Charts().at(3).get());
    panel->OpenSubGallery();
    ASSERT_NE(panel->SubGallery(), nullptr);
    const QRect placed = panel->SubGallery()->frameGeometry();
    EXPECT_EQ(placed.x() + placed.width(), work.x() + work.width() - 2);
    const TGalleryChart &selected = *panel->SelectedChart();
    EXPECT_EQ(placed.y(), selected.mapToGlobal(QPoint(0, selected.height())).y());
    EXPECT_EQ(placed.height(), TSubGalleryPopup::kStripHeight + panel->SubGallery()->Panel->NumRows() * panel->CellHeight() + 8);
    panel->SubGallery()->close();
}

TEST_F(Gallery, ASmoothedSampleDiffersInItsPixelsAndKeepsItsTitleAndMargins)
{
    showStandardPage();
    TGalleryChart &sample = *sampleTitled(*panel, QStringLiteral("Line"));
    const int margins[] = {sample.MarginLeft(), sample.MarginTop(), sample.MarginRight(), sample.MarginBottom()};
    const QImage plain = sample.grab().toImage();
    const int titleBottom = sample.Title()->TitleRect().bottom;
    panel->SetSmooth(true);
    EXPECT_TRUE(sample.Smooth());
    const QImage smoothed = sample.grab().toImage();
    EXPECT_NE(plain, smoothed);
    EXPECT_TRUE(sample.Title()->Visible());
    EXPECT_EQ(sample.Title()->Text(), QStringList{"Line"});
    const int after[] = {sample.MarginLeft(), sample.MarginTop(), sample.MarginRight(), sample.MarginBottom()};
    EXPECT_TRUE(std::equal(std::begin(margins), std::end(margins), std::begin(after)));
    EXPECT_FALSE(sample.LeftAxis()->Labels());
    // The title's rows are the plain drawing's.
    ASSERT_GT(titleBottom, 0);
    EXPECT_EQ(plain.copy(0, 0, plain.width(), titleBottom), smoothed.copy(0, 0, smoothed.width(), titleBottom));

    // A sample under 4 pixels keeps its plain drawing.
    sample.setGeometry(sample.x(), sample.y(), 3, 3);
    const QImage tinySmooth = sample.grab().toImage();
    sample.SetSmooth(false);
    EXPECT_EQ(sample.grab().toImage(), tinySmooth);
}

TEST_F(Gallery, ThePanelStoresSmoothingWhenDestroyedOnlyWhenItChanged)
{
    {
        SettingsStore store(PlotProcs::EditorOptionsKey());
        store.writeString(QStringLiteral("SmoothGallery"), QStringLiteral("yes"));
        ASSERT_TRUE(store.flush());
    }
    {
        // A value that is not a number reads as off; left alone, it is left as it is.
        const TChartGalleryPanel unchanged;
        EXPECT_FALSE(unchanged.Smooth());
    }
    EXPECT_TRUE(editorSettingsText(settingsDir).contains(QStringLiteral("SmoothGallery=yes")));
    {
        TChartGalleryPanel changed;
        changed.SetSmooth(true);
    }
    EXPECT_TRUE(editorSettingsText(settingsDir).contains(QStringLiteral("SmoothGallery=1")));
    const TChartGalleryPanel next;
    EXPECT_TRUE(next.Smooth());
}

TEST_F(Gallery, TheLibraryGalleryListsThePagesTypesAndShowsTheStylesOfTheListedOne)
{
    ASSERT_TRUE(PlotProcs::WriteEditorInteger(QStringLiteral("GalleryMode"), 1));
    TLineSeries *line = addLineSeries();
    whenModalShows([&](QDialog &dialog) {
        auto *gallery = qobject_cast<TPlotGalleryForm *>(&dialog);
        ASSERT_NE(gallery, nullptr);
        EXPECT_EQ(gallery->windowTitle(), QStringLiteral("Plot Library Gallery"));
        EXPECT_EQ(gallery->CBGalleries->itemText(0), QStringLiteral("(all)"));
        int standardTypes = 0;
        for (int i = 0; i < PlotSeriesTypes().Count(); ++i)
            standardTypes += PlotSeriesTypes().GetItem(i).FunctionClass ? 0 : 1;
        EXPECT_EQ(gallery->LBSeries->ItemCount(), standardTypes);
        // The changed series' type is listed selected, its styles shown.
        ASSERT_NE(gallery->LBSeries->SelectedSeries(), nullptr);
        EXPECT_EQ(gallery->LBSeries->SelectedSeries()->Title(), QStringLiteral("Line"));
        EXPECT_STREQ(gallery->ChartGalleryPanel1->Charts().front()->GetSeries(0)->metaObject()->className(),
                     "TLineSeries");
        choose(*gallery->CBGalleries, gallery->CBGalleries->findText(PlotConst::message(PlotConst::msgGalleryExtended)));
        ASSERT_EQ(gallery->LBSeries->ItemCount(), 1);
        EXPECT_EQ(gallery->LBSeries->SeriesAt(0)->Title(), QStringLiteral("Arrow"));
        choose(*gallery->CBGalleries, 0);
        for (int row = 0; row < gallery->LBSeries->ItemCount(); ++row)
            if (gallery->LBSeries->SeriesAt(row)->Title() == QStringLiteral("Bar"))
                gallery->LBSeries->SetItemIndex(row);
        TChartGalleryPanel &styles = *gallery->ChartGalleryPanel1;
        ASSERT_FALSE(styles.Charts().empty());
        EXPECT_EQ(titleOf(*styles.Charts().front()), QStringLiteral("Normal"));
        click(*sampleTitled(styles, QStringLiteral("Pyramid")), QEvent::MouseButtonDblClick);
    });
    TChartSeries *series = line;
    PlotGalleryHooks::ChangeSeriesTypeGallery()(series);
    auto *bars = qobject_cast<TBarSeries *>(series);
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->BarStyle(), bsPyramid);
    EXPECT_EQ(chart->GetSeries(0), series);
}

TEST_F(Gallery, ASamplesFirstDrawingIsAlreadyInThreeDimensions)
{
    TGalleryChart sample;
    sample.resize(118, 118);
    sample.AddSeriesOfClass<TLineSeries>()->FillSampleValues(5);
    ASSERT_TRUE(sample.View3D());
    sample.show();
    const QImage first = sample.grab().toImage();
    sample.Invalidate();
    EXPECT_EQ(first, sample.grab().toImage());
}

TEST_F(Gallery, TheSamplesShowAxisLabelsExactlyWhileTheGalleryIsMaximized)
{
    TPlotGallery gallery;
    gallery.show();
    const TChartGalleryPanel &shown = *gallery.ChartGalleryPanel1;
    ASSERT_GT(gallery.TabPages->count(), 1);
    struct Step
    {
        const char *name;
        std::function<void()> act;
        bool labels;
    };
    const Step steps[] = {{"shown", [] {}, false},
                          {"maximized", [&] { gallery.showMaximized(); }, true},
                          {"normal again", [&] { gallery.showNormal(); }, false},
                          {"state alone", [&] { gallery.setWindowState(Qt::WindowMaximized); }, true},
                          {"another page", [&] { gallery.TabPages->setCurrentIndex(1); }, true},
                          {"state cleared", [&] { gallery.setWindowState(Qt::WindowNoState); }, false}};
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        QCoreApplication::processEvents();
        ASSERT_FALSE(shown.Charts().empty());
        for (const auto &sample : shown.Charts()) {
            EXPECT_EQ(sample->LeftAxis()->Labels(), step.labels) << titleOf(*sample).toStdString();
            EXPECT_EQ(sample->BottomAxis()->Labels(), step.labels) << titleOf(*sample).toStdString();
        }
    }
}
