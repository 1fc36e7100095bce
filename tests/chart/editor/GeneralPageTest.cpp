// The General page: zoom, scroll, margins and their units, the cursor, the print preview, and its
// place in the chart editor.
#include "DialogDriver.h"
#include "EditorTestSetup.h"

#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartPageNavigator.h"
#include "TChartPreview.h"
#include "TFormPlotGeneral.h"
#include "TLineSeries.h"
#include "TPlotPreviewPanel.h"
#include "TPlotZoom.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {

class GeneralPage : public EditorChartTest
{
protected:
    GeneralPage() { addLineSeries(); }

    void showPage()
    {
        page = std::make_unique<TFormPlotGeneral>(nullptr, chart.get());
        page->show();
    }

    TPlotZoom &zoom() const { return *chart->Zoom(); }

    std::unique_ptr<TFormPlotGeneral> page;
};

// The zoom tab's controls but the Allow box.
QList<QWidget *> otherZoomControls(const TFormPlotGeneral &page)
{
    QList<QWidget *> controls;
    for (QWidget *w : page.TabZoom->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w != page.CBAllowZoom)
            controls << w;
    }
    return controls;
}

} // namespace

TEST_F(GeneralPage, ShowingFillsEveryControlFromTheChartAndCreatesNothing)
{
    zoom().SetAllow(false);
    zoom().SetAnimated(true);
    zoom().SetAnimatedSteps(12);
    zoom().SetMinimumPixels(30);
    zoom().SetDirection(tzdVertical);
    zoom().SetMouseButton(mbMiddle);
    zoom().SetUpLeftZooms(true);
    chart->SetAllowPanning(pmHorizontal);
    chart->SetScrollMouseButton(mbLeft);
    chart->SetMarginUnits(muPixels);
    chart->SetMarginTop(7);
    chart->SetMarginLeft(250);
    chart->SetMarginBottom(-20);
    chart->SetMarginRight(40);
    chart->SetCursor(-3);
    showPage();

    EXPECT_EQ(page->PageControl1->currentWidget(), page->TabZoom);
    EXPECT_FALSE(page->CBAllowZoom->isChecked());
    EXPECT_TRUE(page->CBAnimatedZoom->isChecked());
    EXPECT_EQ(page->UDAniZoomSteps->value(), 12);
    EXPECT_EQ(page->UDMinPix->value(), 30);
    EXPECT_EQ(page->CBDir->currentText(), QStringLiteral("Vertical"));
    EXPECT_EQ(page->CBZoomMouse->currentText(), QStringLiteral("Middle"));
    EXPECT_TRUE(page->CBUpLeft->isChecked());
    EXPECT_TRUE(page->PanningModes->button(pmHorizontal)->isChecked());
    EXPECT_EQ(page->CBScrollMouse->currentText(), QStringLiteral("Left"));
    EXPECT_TRUE(page->CBScrollMouse->isEnabled());
    EXPECT_EQ(page->CBMarUnits->currentText(), QStringLiteral("Pixels"));
    EXPECT_EQ(page->SETopMa->value(), 7);
    EXPECT_EQ(page->SELeftMa->value(), 250);
    EXPECT_EQ(page->SEBotMa->value(), -20);
    EXPECT_EQ(page->SERightMa->value(), 40);
    EXPECT_EQ(page->SETopMa->singleStep(), 5);
    EXPECT_EQ(page->CBCursor->currentText(), QStringLiteral("Cross"));
    EXPECT_EQ(page->CBCursor->count(), 22);
    // Filling wrote nothing back, and the zoom band's pen and brush were not made.
    EXPECT_EQ(chart->MarginLeft(), 250);
    EXPECT_EQ(zoom().AnimatedSteps(), 12);
    EXPECT_EQ(zoom().penIfAny(), nullptr);
    EXPECT_EQ(zoom().brushIfAny(), nullptr);
    // The screenshot of the page, when a folder is asked for.
    const QString shots = qEnvironmentVariable("TENSIMO_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        EXPECT_TRUE(page->grab().save(shots + QStringLiteral("/editor-general-page.png")));
}

TEST_F(GeneralPage, EachControlWritesItsOwnProperty)
{
    showPage();
    const struct {
        const char *name;
        std::function<void(TFormPlotGeneral &)> act;
        std::function<bool()> written;
    } cases[] = {
        {"animated", [](TFormPlotGeneral &p) { p.CBAnimatedZoom->click(); }, [&] { return zoom().Animated(); }},
        {"steps", [](TFormPlotGeneral &p) { p.UDAniZoomSteps->setValue(20); },
         [&] { return zoom().AnimatedSteps() == 20; }},
        {"minimum pixels", [](TFormPlotGeneral &p) { p.UDMinPix->setValue(5); },
         [&] { return zoom().MinimumPixels() == 5; }},
        {"direction", [](TFormPlotGeneral &p) { choose(*p.CBDir, 0); },
         [&] { return zoom().Direction() == tzdHorizontal; }},
        {"zoom button", [](TFormPlotGeneral &p) { choose(*p.CBZoomMouse, 1); },
         [&] { return zoom().MouseButton() == mbRight; }},
        {"up left", [](TFormPlotGeneral &p) { p.CBUpLeft->click(); }, [&] { return zoom().UpLeftZooms(); }},
        {"allow", [](TFormPlotGeneral &p) { p.CBAllowZoom->click(); }, [&] { return !zoom().Allow(); }},
        {"panning", [](TFormPlotGeneral &p) { p.PanningModes->button(pmVertical)->click(); },
         [&] { return chart->AllowPanning() == pmVertical; }},
        {"scroll button", [](TFormPlotGeneral &p) { choose(*p.CBScrollMouse, 2); },
         [&] { return chart->ScrollMouseButton() == mbMiddle; }},
        {"units", [](TFormPlotGeneral &p) { choose(*p.CBMarUnits, 1); },
         [&] { return chart->MarginUnits() == muPixels; }},
        {"top", [](TFormPlotGeneral &p) { p.SETopMa->setValue(12); }, [&] { return chart->MarginTop() == 12; }},
        {"bottom", [](TFormPlotGeneral &p) { p.SEBotMa->setValue(13); }, [&] { return chart->MarginBottom() == 13; }},
        {"left", [](TFormPlotGeneral &p) { p.SELeftMa->setValue(14); }, [&] { return chart->MarginLeft() == 14; }},
        {"right", [](TFormPlotGeneral &p) { p.SERightMa->setValue(15); }, [&] { return chart->MarginRight() == 15; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.written());
        c.act(*page);
        EXPECT_TRUE(c.written());
    }
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(GeneralPage, PercentMarginsReachingAHundredTogetherAreRefusedPixelMarginsAreNot)
{
    const struct {
        const char *name;
        TPlotUnits units;
        int opposite;
        int typed;
        bool taken;
    } cases[] = {
        {"percent, 100 together", muPercent, 30, 70, false},
        {"percent, over 100 together", muPercent, 60, 90, false},
        {"percent, 99 together", muPercent, 30, 69, true},
        {"pixels, 100 together", muPixels, 30, 70, true},
        {"pixels, far beyond", muPixels, 900, 1500, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        chart->SetMarginUnits(c.units);
        chart->SetMarginLeft(3);
        chart->SetMarginRight(c.opposite);
        chart->SetMarginTop(4);
        chart->SetMarginBottom(c.opposite);
        showPage();
        page->SELeftMa->setValue(c.typed);
        page->SETopMa->setValue(c.typed);
        EXPECT_EQ(chart->MarginLeft(), c.taken ? c.typed : 3);
        EXPECT_EQ(page->SELeftMa->value(), c.taken ? c.typed : 3);
        EXPECT_EQ(chart->MarginTop(), c.taken ? c.typed : 4);
        EXPECT_EQ(page->SETopMa->value(), c.taken ? c.typed : 4);
        EXPECT_EQ(chart->MarginRight(), c.opposite);
        EXPECT_EQ(chart->MarginBottom(), c.opposite);
    }
}

TEST_F(GeneralPage, UnitsSetTheMarginRangesWithoutChangingTheMargins)
{
    chart->SetMarginLeft(20);
    showPage();
    EXPECT_EQ(page->SELeftMa->minimum(), 0);
    EXPECT_EQ(page->SELeftMa->maximum(), 100);
    choose(*page->CBMarUnits, 1);
    EXPECT_EQ(page->SELeftMa->minimum(), -2000);
    EXPECT_EQ(page->SELeftMa->maximum(), 2000);
    page->SELeftMa->setValue(-50);
    page->SERightMa->setValue(1200);
    EXPECT_EQ(chart->MarginLeft(), -50);
    EXPECT_EQ(chart->MarginRight(), 1200);
    // Back to percent: the edits clip what they show, the chart keeps its margins.
    choose(*page->CBMarUnits, 0);
    EXPECT_EQ(page->SERightMa->maximum(), 100);
    EXPECT_EQ(page->SERightMa->value(), 100);
    EXPECT_EQ(chart->MarginLeft(), -50);
    EXPECT_EQ(chart->MarginRight(), 1200);
    EXPECT_EQ(chart->MarginUnits(), muPercent);
}

TEST_F(GeneralPage, WithZoomDisallowedEveryOtherZoomControlIsDisabled)
{
    zoom().SetAllow(false);
    showPage();
    const QList<QWidget *> controls = otherZoomControls(*page);
    ASSERT_GE(controls.size(), 12);
    EXPECT_TRUE(page->CBAllowZoom->isEnabled());
    for (const QWidget *w : controls)
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    page->CBAllowZoom->click();
    EXPECT_TRUE(zoom().Allow());
    for (const QWidget *w : controls)
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    page->CBAllowZoom->click();
    for (const QWidget *w : controls)
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(GeneralPage, TheScrollButtonIsOnlyChosenWhileScrollingIsAllowed)
{
    chart->SetAllowPanning(pmNone);
    showPage();
    EXPECT_FALSE(page->CBScrollMouse->isEnabled());
    page->PanningModes->button(pmBoth)->click();
    EXPECT_TRUE(page->CBScrollMouse->isEnabled());
    page->PanningModes->button(pmNone)->click();
    EXPECT_FALSE(page->CBScrollMouse->isEnabled());
    EXPECT_EQ(chart->AllowPanning(), pmNone);
}

TEST_F(GeneralPage, TheCursorComboSetsTheChartsCursorWhichStaysAfterTheMouseLeaves)
{
    showPage();
    EXPECT_EQ(page->CBCursor->currentText(), QStringLiteral("Default"));
    const struct { const char *item; int number; Qt::CursorShape shape; } cases[] = {
        {"Cross", -3, Qt::CrossCursor},
        {"PlotHand", 2020, Qt::PointingHandCursor},
        {"Default", 0, Qt::ArrowCursor},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.item);
        const int item = page->CBCursor->findText(QString::fromLatin1(c.item));
        ASSERT_GE(item, 0);
        choose(*page->CBCursor, item);
        EXPECT_EQ(chart->Cursor(), c.number);
        EXPECT_EQ(chart->cursor().shape(), c.shape);
        // A tool's cursor is put back to the chart's own when the mouse leaves.
        chart->setCursor(Qt::SizeAllCursor);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(chart.get(), &leave);
        EXPECT_EQ(chart->cursor().shape(), c.shape);
    }
}

TEST_F(GeneralPage, PrintPreviewPagesThroughTheChartAndRepaintsItAfterwards)
{
    chart->SetMaxPointsPerPage(2);
    chart->show();
    showPage();
    int paints = 0;
    const QMetaObject::Connection counting =
        QObject::connect(chart.get(), &TCustomPlotPanelExtended::OnAfterDraw, chart.get(), [&] { ++paints; });
    bool checked = false;
    whenModalShows([&](QDialog &dialog) {
        auto *preview = qobject_cast<TChartPreview *>(&dialog);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->TagPanel, chart.get());
        auto *navigator = qobject_cast<TChartPageNavigator *>(preview->Navigator());
        ASSERT_NE(navigator, nullptr);
        EXPECT_EQ(navigator->Chart(), chart.get());
        // At the foot of the side bar, whole, at the 800 x 600 the issue was seen at too.
        for (const QSize size : {preview->size(), QSize(800, 600)}) {
            preview->resize(size);
            expectShownAtButtonHeight(*navigator);
        }
        // The sheet shows the second page after Next, and the first again after Prior.
        QCoreApplication::processEvents();
        const QImage first = preview->PlotPreviewPanel1->grab().toImage();
        QTest::mouseClick(navigator->Button(nbNext), Qt::LeftButton);
        EXPECT_EQ(chart->Page(), 2);
        QCoreApplication::processEvents();
        EXPECT_NE(preview->PlotPreviewPanel1->grab().toImage(), first);
        QTest::mouseClick(navigator->Button(nbPrior), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(preview->PlotPreviewPanel1->grab().toImage(), first);
        QTest::mouseClick(navigator->Button(nbNext), Qt::LeftButton);
        EXPECT_EQ(chart->Page(), 2);
        checked = true;
        QCoreApplication::processEvents();
        paints = 0;
        dialog.reject();
    });
    page->BPrint->click();
    EXPECT_TRUE(checked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(page->findChildren<TChartPreview *>().isEmpty());
    // The preview drew the chart on its sheet: the chart itself is drawn again once closed.
    EXPECT_EQ(paints, 0);
    QCoreApplication::processEvents();
    EXPECT_GE(paints, 1);
    QObject::disconnect(counting);
}

TEST_F(GeneralPage, ThePatternButtonEditsTheZoomBandsBrush)
{
    showPage();
    bool seen = false;
    whenModalShows([&](QDialog &dialog) {
        auto *brushes = qobject_cast<TBrushDialog *>(&dialog);
        ASSERT_NE(brushes, nullptr);
        EXPECT_EQ(brushes->Brush(), zoom().brushIfAny());
        seen = true;
        dialog.reject();
    });
    page->BZoomColor->click();
    EXPECT_TRUE(seen);
    EXPECT_NE(zoom().brushIfAny(), nullptr);
    EXPECT_EQ(page->BZoomPen->text(), QStringLiteral("P&en..."));
}

// The page in the chart editor: a Chart sub tab and, in tree mode, a Chart node.
TEST_F(GeneralPage, TheEditorShowsThePageAsTheChartsGeneralTabAndNode)
{
    for (const bool tree : {false, true}) {
        SCOPED_TRACE(tree ? "tree" : "tabs");
        TChartEditForm form;
        form.SetChart(chart.get());
        form.SetTreeMode(tree);
        bool checked = false;
        QTimer::singleShot(0, &form, [&] {
            EXPECT_TRUE(form.IsTabShown(cetGeneral));
            EXPECT_TRUE(form.SubPage->isTabVisible(form.SubPage->indexOf(form.TabGeneral)));
            if (tree) {
                QTreeWidgetItem *chartNode = form.Tree->topLevelItem(1);
                ASSERT_NE(chartNode, nullptr);
                ASSERT_GE(chartNode->childCount(), 1);
                EXPECT_EQ(chartNode->child(0)->text(0), QStringLiteral("General"));
                form.Tree->setCurrentItem(chartNode->child(0));
            } else {
                form.ShowTab(cetGeneral);
            }
            auto *general = qobject_cast<TFormPlotGeneral *>(form.Page(cetGeneral));
            ASSERT_NE(general, nullptr);
            EXPECT_TRUE(general->isVisible());
            EXPECT_EQ(general->parentWidget(), form.TabGeneral);
            EXPECT_EQ(general->SETopMa->value(), chart->MarginTop());
            checked = true;
            form.BClose->click();
        });
        form.exec();
        EXPECT_TRUE(checked);
    }
}

TEST_F(GeneralPage, AHiddenGeneralTabGetsNoPageWhenTheSeriesTabIsHiddenToo)
{
    TChartEditForm form;
    form.SetChart(chart.get());
    form.HideTabs = {cetMain, cetGeneral};
    bool checked = false;
    QTimer::singleShot(0, &form, [&] {
        EXPECT_FALSE(form.SubPage->isTabVisible(form.SubPage->indexOf(form.TabGeneral)));
        EXPECT_EQ(form.Page(cetGeneral), nullptr);
        EXPECT_EQ(form.SubPage->currentWidget(), form.TabAxis);
        EXPECT_NE(form.Page(cetAxis), nullptr);
        checked = true;
        form.BClose->click();
    });
    form.exec();
    EXPECT_TRUE(checked);
}

TEST_F(GeneralPage, RemovingTheSeriesUnderTheMouseGivesBackTheChartsOwnCursor)
{
    chart->SetCursor(-3);
    TChartSeries *series = chart->GetSeries(0);
    series->SetCursor(-21);
    chart->grab(); // lays out the axes
    const int x = series->CalcXPos(2);
    const int y = series->CalcYPos(2);
    ASSERT_TRUE(series->CheckMouse(x, y));
    EXPECT_EQ(chart->cursor().shape(), Qt::PointingHandCursor);
    chart->RemoveSeries(series);
    EXPECT_EQ(chart->cursor().shape(), Qt::CrossCursor);
    delete series;
}
